#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "simulation/tile_item_lists.h"

class Game;
struct CargoItem;
struct WorldLayout;

// The items at rest deep inside a tunnel during one step: on a tunnel
// entrance that no bridge spans, between its first and last slot, with the
// path spent, neither carried nor in an ejector's charge, and as replanning
// leaves an item. Only the tunnel rule moves them and nothing meets them
// but the room on their entrance tile, so the step's phases skip them and
// the room tests answer for them from here. Listed at the start of a step;
// an item leaves when it comes out, and items that go in during the step
// join at the next listing. Empty outside a step: then every phase looks at
// every item.
class TunnelItemIndex {
  public:
    void reserve();
    // Lists the items at rest in tunnels now.
    void list(const Game& game, const WorldLayout& layout);
    // Lists none.
    void clear();
    // Every held item is still at rest in its tunnel and the counts are
    // right: the check that the step's phases left the held items alone.
    bool agrees(const Game& game, const WorldLayout& layout) const;

    // Nothing is listed, as outside a step.
    bool empty() const { return held_.empty(); }
    bool holds(std::size_t item) const { return item < held_.size() && held_[item] != 0; }
    // The entrance tile of a held item.
    int tileOf(std::size_t item) const { return tiles_[item]; }
    // How many held items stand on the tile.
    int countOn(int tile) const { return counts_.empty() ? 0 : counts_[static_cast<std::size_t>(tile)]; }
    // The same, leaving out self, which may be null or any item record.
    int othersOn(const Game& game, int tile, const CargoItem* self) const;
    // Whether test holds for some held item on the tile.
    template <typename Test> bool anyOn(int tile, Test test)
    {
        if (countOn(tile) == 0) return false;
        if (!filed_) file();
        for (const int* i = byTile_.begin(tile); i != byTile_.end(tile); ++i) {
            if (holds(static_cast<std::size_t>(*i)) && test(*i)) return true;
        }
        return false;
    }

    // Calls visit(i) for every item 0 .. count-1 that the index does not
    // hold, in list order; items added since the listing are among them.
    template <typename Visit> void forEachOutside(std::size_t count, Visit visit)
    {
        anyOutside(count, [&visit](std::size_t i) {
            visit(i);
            return false;
        });
    }
    // Whether test holds for some item 0 .. count-1 that the index does not hold.
    template <typename Test> bool anyOutside(std::size_t count, Test test)
    {
        if (empty()) {
            for (std::size_t i = 0; i < count; ++i) {
                if (test(i)) return true;
            }
            return false;
        }
        refreshOutside();
        for (std::size_t k = 0; k < outsideCount_; ++k) {
            if (test(static_cast<std::size_t>(outside_[k]))) return true;
        }
        for (std::size_t i = held_.size(); i < count; ++i) {
            if (test(i)) return true;
        }
        return false;
    }
    // Calls visit(i) in list order for the held items on the tile and the
    // items first .. last (in list order, none of them held).
    template <typename Visit> void forEachOn(int tile, const int* first, const int* last, Visit visit)
    {
        const int* held = nullptr;
        const int* heldEnd = nullptr;
        if (countOn(tile) > 0) {
            if (!filed_) file();
            held = byTile_.begin(tile);
            heldEnd = byTile_.end(tile);
        }
        while (held != heldEnd || first != last) {
            if (held != heldEnd && !holds(static_cast<std::size_t>(*held))) {
                ++held;  // came out since the filing
            } else if (first == last || (held != heldEnd && *held < *first)) {
                visit(*held++);
            } else {
                visit(*first++);
            }
        }
    }
    // Marks the held items in flags, which has an entry per item.
    void markHeld(std::vector<char>& flags) const { std::copy(held_.begin(), held_.end(), flags.begin()); }

    // The item came out of its tunnel.
    void release(std::size_t item);
    // The item list closes up over items that left: the entry at from moves
    // down to to, and once all have moved only the first count are kept.
    void moveEntry(std::size_t from, std::size_t to);
    void keepFirst(std::size_t count);

  private:
    void file();
    void clearCounts();
    // Makes room for count entries in outside_ without shrinking it.
    void sizeOutside(std::size_t count);
    void refreshOutside();

    std::vector<char> held_;         // per item
    std::vector<int> tiles_;         // per item: its tile, where held
    std::vector<int> counts_;        // per tile; zero outside a step
    std::vector<int> countedTiles_;  // the tiles counts_ holds items on, cleared after the step
    // The listed items not held, in list order: the first outsideCount_
    // entries, so that relisting neither shrinks nor refills the storage.
    std::vector<int> outside_;
    std::size_t outsideCount_ = 0;
    bool outsideStale_ = false;
    TileItemLists byTile_;  // filed on first need after a change
    bool filed_ = false;
};
