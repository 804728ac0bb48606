#pragma once

#include <cstdint>
#include <vector>

#include "simulation/network_layout.h"
#include "world/cargo_item.h"
#include "world/geometry.h"
#include "world/link.h"
#include "world/tile.h"

class Game;

// What the step derives from the kinds, directions, bridges, belt levels and
// tunnel ends of the tiles and from the cables and wires alone: the tiles
// that take part in each phase, in scan order. It is compared with the world
// at the start of every step, and of every phase called on its own, and built
// afresh when anything it rests on has changed, so no edit can leave it
// stale. The step itself changes none of these. Never saved; a copy of the
// world starts without one.
struct WorldLayout {
    // What of a tile only an edit changes, read by the per-item tests
    // instead of the large tile record.
    struct TileKind {
        ControlType type = EMPTY;
        Direction dir = NONE;
        int bridgePart = BRIDGE_NONE;
        Direction bridgeDir = NONE;
        int beltSpeed = 0;
        int tunnelPartnerX = -1;
        int tunnelPartnerY = -1;
        friend bool operator==(const TileKind&, const TileKind&) = default;
    };

    // What it was built from.
    std::vector<TileKind> kinds;  // per tile
    std::vector<Link> powerLinks;
    std::vector<Link> dcLinks;
    std::vector<Link> switchWires;
    std::vector<Link> measureWires;

    // Tiles by role, each list in scan order.
    std::vector<int> scanned;  // the tiles the step's tile scan works on
    std::vector<int> arms;     // grab arms and long arms
    std::vector<int> ejectors;
    std::vector<int> producers;  // kilns, smelters, bottling plants and molders
    std::vector<int> storages;
    std::vector<int> sources;
    std::vector<int> tunnels;     // entrances
    std::vector<int> powerGated;  // arms, distributors and mixers: what stops without power
    // Per tile: a belt with an ejector behind it that faces it and room
    // beyond; whether the ejector serves it also depends on its switch.
    std::vector<std::uint8_t> ejectorBelts;
    std::vector<std::uint8_t> bridgeTiles;  // per tile: some part of a bridge spans it
    std::vector<std::uint8_t> junctions;    // per tile: two or more belts, sources or tunnel exits feed it
    // Per tile: an arm in reach, a distributor facing away or a mixer beside
    // it, which an item there might leave to sideways.
    std::vector<std::uint8_t> sideExits;
    // Per tile: the ground type, one byte each, so that per-item tests need
    // not load the whole tile record.
    std::vector<std::uint8_t> types;
    // Per tile: an item's look-ahead walk toward the arms from here may pass
    // a tile some arm picks up from; 0 where it passes none.
    std::vector<std::uint8_t> armApproaches;

    NetworkLayout network;

    // True during one step, which checks the layout once at its start.
    bool trusted = false;

    WorldLayout() = default;
    WorldLayout(const WorldLayout&) = delete;
    WorldLayout& operator=(const WorldLayout&) = delete;

    // Built for exactly the world's present tiles and links.
    bool matches(const Game& game) const;
    void build(const Game& game);

    // Game::isPoweredAt, asking the tile record only where its kind can lose power.
    bool isPoweredAt(const Game& game, int x, int y) const
    {
        if (!inGrid(x, y)) return false;
        const auto index = static_cast<std::size_t>(tileIndex(x, y));
        return !runsOnlyWithPower(types[index]) || isSupplied(game, index);
    }
    // No arm, distributor or mixer stands without power: then only an item
    // off the map counts as stopped by a power loss.
    bool isAllPowered(const Game& game) const;
    // Game::isItemPowerStopped, from where the item stands alone when
    // allPowered, as isAllPowered answered it for the present tiles.
    static bool isItemPowerStopped(const Game& game, const CargoItem& item, bool allPowered)
    {
        if (allPowered) return item.layer == 0 && !inGrid(item.x, item.y);
        return powerStopsItem(game, item);
    }
    // The kind of the tile the item stands on, on its own layer; the item is
    // inside the grid. Deck tiles are not in the layout and are read as they are.
    TileKind kindUnder(const Game& game, const CargoItem& item) const
    {
        const auto index = static_cast<std::size_t>(tileIndex(item.x, item.y));
        return item.layer != 1 ? kinds[index] : deckKind(game, index);
    }
    // The type alone, from the one-byte table for ground items.
    ControlType typeUnder(const Game& game, const CargoItem& item) const
    {
        const auto index = static_cast<std::size_t>(tileIndex(item.x, item.y));
        return item.layer != 1 ? types[index] : deckKind(game, index).type;
    }
    // Game::isItemOnDeck from the kinds.
    bool isItemOnDeck(const CargoItem& item) const
    {
        const int tx = tileCoordinate(item.posX);
        const int ty = tileCoordinate(item.posY);
        if (!inGrid(tx, ty)) return false;
        const TileKind& kind = kinds[static_cast<std::size_t>(tileIndex(tx, ty))];
        return kind.bridgePart >= 0 && kind.bridgeDir == item.heading;
    }

  private:
    static TileKind kindOf(const Tile& tile);
    static TileKind deckKind(const Game& game, std::size_t index);
    static bool isSupplied(const Game& game, std::size_t index);
    static bool powerStopsItem(const Game& game, const CargoItem& item);
};

// Fills approaches as WorldLayout::armApproaches from the kinds and arms;
// defined with the arms' motion, whose walk it follows.
void markArmApproaches(const WorldLayout& layout, std::vector<std::uint8_t>& approaches);

// Trusts the layout until it goes out of scope, for work that changes no
// kind, direction, cable or wire; nested trusts keep the outer one.
class LayoutTrust {
  public:
    explicit LayoutTrust(WorldLayout& layout) : layout_(layout), before_(layout.trusted) { layout_.trusted = true; }
    ~LayoutTrust() { layout_.trusted = before_; }
    LayoutTrust(const LayoutTrust&) = delete;
    LayoutTrust& operator=(const LayoutTrust&) = delete;

  private:
    WorldLayout& layout_;
    bool before_;
};
