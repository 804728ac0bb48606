#include "simulation/tunnel_item_index.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <functional>

#include "simulation/item_transport.h"
#include "simulation/step_tables.h"
#include "simulation/world_layout.h"
#include "world/game.h"

namespace {

bool sameBits(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

// Replanning the item would write nothing new.
bool isReplanned(const CargoItem& item, int tile)
{
    return sameBits(item.progress, 0.0f) && item.heading == item.dir &&
           sameBits(item.posX, static_cast<float>(item.x)) && sameBits(item.posY, static_cast<float>(item.y)) &&
           item.originX == item.x && item.originY == item.y && (item.targetTile < 0 || item.targetTile == tile);
}

// The one-byte tile type turns away nearly every item outside a tunnel at
// once; nearly every item in one is at rest, so its fields are all read and
// folded without a branch each.
bool isAtRestInTunnel(const WorldLayout& layout, const CargoItem& item)
{
    if (item.layer != 0 || !inGrid(item.x, item.y)) return false;
    const int tile = tileIndex(item.x, item.y);
    const auto at = static_cast<std::size_t>(tile);
    if (layout.types[at] != TUNNEL || layout.bridgeTiles[at] != 0) return false;
    const WorldLayout::TileKind& kind = layout.kinds[at];
    const int depth = std::abs(item.x - kind.tunnelPartnerX) + std::abs(item.y - kind.tunnelPartnerY);
    const bool inSlot = (item.tunnelProgress >= 1) & (item.tunnelProgress <= depth);
    const bool free =
        item.path.empty() & !item.carried & (item.state == ITEM_FREE) & (item.ejectTarget < 0) & !item.leavingTunnel;
    return inSlot & free & isReplanned(item, tile);
}

}  // namespace

void TunnelItemIndex::reserve()
{
    held_.reserve(MOST_WORLD_ITEMS);
    outside_.reserve(MOST_WORLD_ITEMS);
    tiles_.reserve(MOST_WORLD_ITEMS);
    counts_.reserve(TILE_COUNT);
    countedTiles_.reserve(TILE_COUNT);
    byTile_.reserve();
}

void TunnelItemIndex::list(const Game& game, const WorldLayout& layout)
{
    const std::size_t n = game.items.size();
    held_.resize(n);
    tiles_.resize(n);  // read only where held
    sizeOutside(n);
    if (counts_.size() != TILE_COUNT) counts_.assign(TILE_COUNT, 0);
    clearCounts();
    std::size_t outside = 0;
    byTile_.start();
    for (std::size_t i = 0; i < n; ++i) {
        const CargoItem& item = game.items[i];
        const bool atRest = isAtRestInTunnel(layout, item);
        held_[i] = atRest ? 1 : 0;
        outside_[outside] = static_cast<int>(i);
        outside += atRest ? 0 : 1;
        if (!atRest) continue;
        const int tile = tileIndex(item.x, item.y);
        tiles_[i] = tile;
        if (counts_[static_cast<std::size_t>(tile)]++ == 0) countedTiles_.push_back(tile);
        byTile_.file(tile, static_cast<int>(i));
    }
    outsideCount_ = outside;
    outsideStale_ = false;
    byTile_.finish();
    filed_ = true;
}

void TunnelItemIndex::clear()
{
    held_.clear();
    tiles_.clear();
    clearCounts();
    outsideCount_ = 0;
    outsideStale_ = false;
    filed_ = false;
}

int TunnelItemIndex::othersOn(const Game& game, int tile, const CargoItem* self) const
{
    const int count = countOn(tile);
    const std::less<const CargoItem*> before;
    if (count == 0 || self == nullptr || before(self, game.items.data()) ||
        !before(self, game.items.data() + game.items.size()))
        return count;
    const auto index = static_cast<std::size_t>(self - game.items.data());
    return holds(index) && tiles_[index] == tile ? count - 1 : count;
}

void TunnelItemIndex::clearCounts()
{
    for (int tile : countedTiles_)
        counts_[static_cast<std::size_t>(tile)] = 0;
    countedTiles_.clear();
}

void TunnelItemIndex::sizeOutside(std::size_t count)
{
    if (outside_.size() < count) outside_.resize(count);
}

void TunnelItemIndex::release(std::size_t item)
{
    if (!holds(item)) return;
    held_[item] = 0;
    --counts_[static_cast<std::size_t>(tiles_[item])];
    if (!outsideStale_) {
        const int index = static_cast<int>(item);
        sizeOutside(outsideCount_ + 1);
        const auto first = outside_.begin();
        const auto last = first + static_cast<std::ptrdiff_t>(outsideCount_);
        const auto at = std::lower_bound(first, last, index);
        std::copy_backward(at, last, last + 1);
        *at = index;
        ++outsideCount_;
    }
}

void TunnelItemIndex::moveEntry(std::size_t from, std::size_t to)
{
    if (to >= held_.size()) return;
    outsideStale_ = true;
    if (from >= held_.size()) {  // an item added during the step
        held_[to] = 0;
        return;
    }
    held_[to] = held_[from];
    tiles_[to] = tiles_[from];
    filed_ = false;
}

void TunnelItemIndex::keepFirst(std::size_t count)
{
    if (count >= held_.size()) return;
    held_.resize(count);
    tiles_.resize(count);
    filed_ = false;
    outsideStale_ = true;
}

void TunnelItemIndex::refreshOutside()
{
    if (!outsideStale_) return;
    // Without a branch per item: held and other items lie mixed in the list.
    sizeOutside(held_.size());
    std::size_t count = 0;
    for (std::size_t i = 0; i < held_.size(); ++i) {
        outside_[count] = static_cast<int>(i);
        count += held_[i] == 0 ? 1 : 0;
    }
    outsideCount_ = count;
    outsideStale_ = false;
}

void TunnelItemIndex::file()
{
    byTile_.start();
    for (std::size_t i = 0; i < held_.size(); ++i) {
        if (held_[i] != 0) byTile_.file(tiles_[i], static_cast<int>(i));
    }
    byTile_.finish();
    filed_ = true;
}

bool TunnelItemIndex::agrees(const Game& game, const WorldLayout& layout) const
{
    if (held_.size() > game.items.size()) return false;
    long held = 0;
    for (std::size_t i = 0; i < held_.size(); ++i) {
        if (held_[i] == 0) continue;
        const CargoItem& item = game.items[i];
        if (!isAtRestInTunnel(layout, item) || tileIndex(item.x, item.y) != tiles_[i]) return false;
        if (counts_[static_cast<std::size_t>(tiles_[i])] <= 0) return false;
        ++held;
    }
    long counted = 0;
    for (int count : counts_)
        counted += count;
    return held == counted;
}

namespace {

// The index while a step lists items, else null.
TunnelItemIndex* listedIn(StepTables* tables)
{
    return tables != nullptr && !tables->tunnels.empty() ? &tables->tunnels : nullptr;
}

}  // namespace

// Within a step the items at rest in tunnels are counted by tile instead of looked at.
bool Game::itemAt(int x, int y) const
{
    TunnelItemIndex* tunnels = listedIn(tables_.ifMade());
    if (tunnels == nullptr) {
        return std::any_of(items.begin(), items.end(),
                           [x, y](const CargoItem& item) { return item.x == x && item.y == y; });
    }
    if (inGrid(x, y) && tunnels->countOn(tileIndex(x, y)) > 0) return true;
    return tunnels->anyOutside(items.size(), [&](std::size_t i) { return items[i].x == x && items[i].y == y; });
}

// An item at rest in a tunnel takes the room of its entrance tile alone, as
// it stands on the centre and no bridge spans it.
bool Game::hasRoomOnTile(int x, int y, const CargoItem* self) const
{
    const bool underDeck = inBounds(x, y) && tileAt(x, y).bridgePart == BRIDGE_DECK;
    auto blocks = [&](const CargoItem& item) { return &item != self && takesRoomOnTile(item, x, y, underDeck); };
    TunnelItemIndex* tunnels = listedIn(tables_.ifMade());
    if (tunnels == nullptr) return std::none_of(items.begin(), items.end(), blocks);
    if (inGrid(x, y) && tunnels->othersOn(*this, tileIndex(x, y), self) > 0) return false;
    return !tunnels->anyOutside(items.size(), [&](std::size_t i) { return blocks(items[i]); });
}
