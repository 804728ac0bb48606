#pragma once

#include <cstdint>

#include "simulation/hand_over_rules.h"
#include "simulation/item_step_scratch.h"
#include "simulation/item_transport.h"
#include "simulation/world_layout.h"

// Plans each item's wanted move in one belt-step call: where it goes and
// whether the place there takes it. Right of way is settled afterwards.
// The tiles from which an item may plan a move: in a follow-up call of a
// belt step, in which moves are paid with belt credit, belts and bridges alone.
inline bool movesItemsOn(ControlType type, bool followUp)
{
    if (followUp) return isBeltOrBridge(type);
    switch (type) {
    case BELT:
    case BRIDGE:
    case ARM:
    case LONG_ARM:
    case TUNNEL_EXIT:
    case DISTRIBUTOR:
    case SOURCE:
    case DISTRIBUTOR_SECOND:
    case MIXER:
    case MIXER_SECOND:
        return true;
    default:
        return false;
    }
}

class MovePlanner {
  public:
    // The layout tells where ejectors may serve belts and where belts meet.
    MovePlanner(Game& game, ItemStepScratch& scratch, const WorldLayout& layout, bool followUp, int firstItem)
        : game_(game), s_(scratch), layout_(layout),
          rules_(game, scratch.occupancy.data(), scratch.armDropsPlanned.data(), scratch.room, followUp),
          occupancy_(scratch.occupancy.data()), ejectorBelts_(layout.ejectorBelts.data()),
          junctions_(layout.junctions.data()), sideExits_(layout.sideExits.data()), followUp_(followUp),
          firstItem_(firstItem)
    {
    }

    // planning 0 takes a distributor's preferred output, 1 its other one.
    MovePlan plan(int item, int planning, bool& pushed);

    // What plan refuses first: most items stand where nothing moves them on,
    // in tunnels above all, which the kind of their tile tells at once.
    bool mayMove(const CargoItem& item) const
    {
        if (followUp_ && item.speedCredit < MOVE_COST) return false;
        return inGrid(item.x, item.y) && movesItemsOn(layout_.typeUnder(game_, item), followUp_);
    }

  private:
    // The direction and length of the move an item wants, before its target is looked at.
    struct WantedMove {
        Direction dir = NONE;
        int length = 1;
        bool pushed = false;
    };

    bool mayPlan(const CargoItem& item, int index) const;
    WantedMove wantedMove(const CargoItem& item, int planning);
    // The item touches another, as itemsOverlap tells.
    bool overlapsAnItem(const CargoItem& item);
    WantedMove armMove(const CargoItem& item, const Tile& arm) const;
    Direction distributorOutput(const CargoItem& item, const Tile& distributor, int planning) const;
    void trySideExits(const CargoItem& item, WantedMove& move) const;
    bool accepts(const CargoItem& item, const MovePlan& plan, const Tile& target, ControlType from, bool pushed,
                 bool chained, Direction& plannedDir) const;

    Game& game_;
    ItemStepScratch& s_;
    const WorldLayout& layout_;
    HandOverRules rules_;
    const int* occupancy_;
    const std::uint8_t* ejectorBelts_;
    const std::uint8_t* junctions_;
    const std::uint8_t* sideExits_;
    bool followUp_;
    int firstItem_;
};
