#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>

#include "simulation/hand_over_rules.h"
#include "simulation/item_transport.h"
#include "simulation/move_execution.h"
#include "simulation/move_planning.h"
#include "simulation/right_of_way.h"
#include "simulation/step_tables.h"
#include "world/game.h"

namespace {

// Level 2 keeps one unit over for its two-in-three rhythm; the fast levels save
// up for several tiles in one belt step.
int creditCap(int level)
{
    if (level == 2) return 4;
    if (level == 4 || level == 5) return 9;
    return 3;
}

// Belt credit for one item at the start of a belt step.
void grantSpeedCredit(CargoItem& item, const WorldLayout::TileKind& tile)
{
    if (!isBeltOrBridge(tile.type)) return;
    item.speedCredit = std::min(item.speedCredit + tile.beltSpeed, creditCap(tile.beltSpeed));
}

// Clears the node tables where the last call wrote them; they are filled
// whole only once.
void resetNodeTables(ItemStepScratch& s)
{
    if (s.occupancy.size() != NODE_COUNT) {
        s.occupancy.assign(NODE_COUNT, -1);
        s.armDropsPlanned.assign(NODE_COUNT, -1);
        s.armDrops.assign(NODE_COUNT, -1);
        s.claims.assign(NODE_COUNT, -1);
    }
    for (int node : s.occupiedNodes)
        s.occupancy[static_cast<std::size_t>(node)] = -1;
    for (int node : s.dropNodes) {
        s.armDropsPlanned[static_cast<std::size_t>(node)] = -1;
        s.armDrops[static_cast<std::size_t>(node)] = -1;
    }
    for (int node : s.claimedNodes) {
        s.claims[static_cast<std::size_t>(node)] = -1;
        s.armDrops[static_cast<std::size_t>(node)] = -1;
    }
    s.occupiedNodes.clear();
    s.dropNodes.clear();
    s.claimedNodes.clear();
}

// Only the items the last call planned for may hold anything in the
// per-item tables but a fresh entry: plans, push marks, grants, switches
// and resolution states are written for them alone. A distributor's other
// plan is read only for the items that planned it, so it is only sized.
[[maybe_unused]] bool tablesAreFresh(const ItemStepScratch& s)
{
    auto fresh = [](const auto& table, auto entry) {
        return std::all_of(table.begin(), table.end(), [&](const auto& e) { return e == entry; });
    };
    const bool plansFresh = std::all_of(s.plans.begin(), s.plans.end(), [](const MovePlan& p) {
        return p.target == -1 && p.nextX == 0 && p.nextY == 0 && p.dir == NONE;
    });
    return plansFresh && fresh(s.pushed, char{0}) && fresh(s.granted, char{0}) && fresh(s.switched, char{0}) &&
           fresh(s.resolution, 0);
}

void resetTables(ItemStepScratch& s, std::size_t itemCount)
{
    reserveForMostItems(s);
    s.room.reset();
    resetNodeTables(s);
    for (int i : s.planWritten) {
        const auto at = static_cast<std::size_t>(i);
        s.plans[at] = MovePlan{};
        s.pushed[at] = 0;
        s.granted[at] = 0;
        s.switched[at] = 0;
        s.resolution[at] = 0;
    }
    s.planWritten.clear();
    s.plans.resize(itemCount);
    s.alternatives.resize(itemCount);
    s.pushed.resize(itemCount);
    s.granted.resize(itemCount);
    s.switched.resize(itemCount);
    s.resolution.resize(itemCount);
    s.inTunnel.assign(itemCount, 0);
    assert(tablesAreFresh(s));
}

// One pass over the items: the first call of a belt step grants belt
// credit, both tables fill and the items on tunnel entrances are marked,
// those at rest there without a look; none of these reads what another writes.
void fillOccupancyAndDrops(Game& game, const WorldLayout& layout, TunnelItemIndex& tunnels, ItemStepScratch& s,
                           bool grantCredit)
{
    tunnels.markHeld(s.inTunnel);  // no belt credit, no node taken, no drop
    tunnels.forEachOutside(game.items.size(), [&](std::size_t i) {
        CargoItem& item = game.items[i];
        if (!game.inBounds(item.x, item.y)) return;
        if (item.layer != 1 && layout.types[static_cast<std::size_t>(tileIndex(item.x, item.y))] == TUNNEL)
            s.inTunnel[i] = 1;
        if (grantCredit) grantSpeedCredit(item, layout.kindUnder(game, item));
        if (!isInsideTunnel(game, layout, item)) {
            s.occupancy[static_cast<std::size_t>(itemNode(item))] = static_cast<int>(i);
            s.occupiedNodes.push_back(itemNode(item));
        }
        int dropX = 0;
        int dropY = 0;
        if (item.carried && carriedItemDropTile(game, item, dropX, dropY)) {  // most items: no call
            s.armDropsPlanned[static_cast<std::size_t>(groundNode(dropX, dropY))] = static_cast<int>(i);
            s.dropNodes.push_back(groundNode(dropX, dropY));
        }
    });
}

// Marks the items whose chain of occupants ahead (the occupant of its target,
// then that one's target, ...) comes back to itself, in one pass over all items.
void findRings(const Game& game, ItemStepScratch& s)
{
    constexpr char UNSEEN = 0;
    constexpr char ON_WALK = 1;
    constexpr char DONE = 2;
    const std::size_t n = game.items.size();
    std::vector<char>& seen = s.ringSeen;
    seen.assign(n, UNSEEN);
    s.onRing.assign(n, 0);
    auto occupantAhead = [&s](int j) {
        const int target = s.plans[static_cast<std::size_t>(j)].target;
        return target >= 0 ? s.occupancy[static_cast<std::size_t>(target)] : -1;
    };
    for (int start : s.planned) {
        s.ringWalk.clear();
        int j = start;
        while (j >= 0 && seen[static_cast<std::size_t>(j)] == UNSEEN) {
            seen[static_cast<std::size_t>(j)] = ON_WALK;
            s.ringWalk.push_back(j);
            j = occupantAhead(j);
        }
        if (j >= 0 && seen[static_cast<std::size_t>(j)] == ON_WALK) {
            // The walk ran into itself: from j on it is a ring.
            auto it = s.ringWalk.end();
            do {
                --it;
                s.onRing[static_cast<std::size_t>(*it)] = 1;
            } while (*it != j);
        }
        for (int k : s.ringWalk)
            seen[static_cast<std::size_t>(k)] = DONE;
    }
}

// Only a distributor's items plan a second time, for its other output; in a
// follow-up call items move on belts alone, so none does.
void planMoves(Game& game, ItemStepScratch& s, const WorldLayout& layout, TunnelItemIndex& tunnels, bool followUp,
               int firstItem)
{
    MovePlanner planner(game, s, layout, followUp, firstItem);
    s.onDistributor.clear();
    s.planned.clear();
    tunnels.forEachOutside(game.items.size(), [&](std::size_t at) {
        if (s.inTunnel[at] != 0) return;  // which mayMove would refuse too
        const CargoItem& item = game.items[at];
        if (!planner.mayMove(item)) return;
        const int i = static_cast<int>(at);
        bool pushed = false;
        s.planWritten.push_back(i);
        s.plans[at] = planner.plan(i, 0, pushed);
        s.pushed[at] = pushed ? 1 : 0;
        if (s.plans[at].target >= 0) s.planned.push_back(i);
        if (!followUp && layout.typeUnder(game, item) == DISTRIBUTOR) s.onDistributor.push_back(i);
    });
    for (int i : s.onDistributor) {
        bool pushed = false;
        s.alternatives[static_cast<std::size_t>(i)] = planner.plan(i, 1, pushed);
    }
}

}  // namespace

void reserveForMostItems(ItemStepScratch& s)
{
    if (s.plans.capacity() >= MOST_WORLD_ITEMS) return;
    s.plans.reserve(MOST_WORLD_ITEMS);
    s.alternatives.reserve(MOST_WORLD_ITEMS);
    s.pushed.reserve(MOST_WORLD_ITEMS);
    s.granted.reserve(MOST_WORLD_ITEMS);
    s.switched.reserve(MOST_WORLD_ITEMS);
    s.resolution.reserve(MOST_WORLD_ITEMS);
    s.onRing.reserve(MOST_WORLD_ITEMS);
    s.ringSeen.reserve(MOST_WORLD_ITEMS);
    s.inTunnel.reserve(MOST_WORLD_ITEMS);
    s.onEntrances.reserve();
    s.onDistributor.reserve(MOST_WORLD_ITEMS);
    s.planned.reserve(MOST_WORLD_ITEMS);
    s.planWritten.reserve(MOST_WORLD_ITEMS);
    s.occupiedNodes.reserve(MOST_WORLD_ITEMS);
    s.dropNodes.reserve(MOST_WORLD_ITEMS);
    s.claimedNodes.reserve(2 * MOST_WORLD_ITEMS);
    s.resolveStack.reserve(MOST_WORLD_ITEMS + 1);
    s.ringWalk.reserve(MOST_WORLD_ITEMS);
    for (std::vector<int>* table : {&s.occupancy, &s.armDropsPlanned, &s.armDrops, &s.claims})
        table->reserve(NODE_COUNT);
    s.tunnelSlots.reserve(GRID_WIDTH + GRID_HEIGHT);  // the longest tunnel and its two ends
    s.trial.path.reserve(PATH_STORAGE);
    s.room.reserve();
}

void Game::stepItems(BeltPass pass, int firstItem)
{
    const bool followUp = pass == BeltPass::FollowUp;
    ItemStepScratch& s = tables_.get().itemStep;
    const WorldLayout& layout = currentLayout();
    if (items.empty()) {
        if (!followUp) {
            spawnMachineOutputs(OutputMachines::Producers);
            ++stepCount;
        }
        return;
    }
    resetTables(s, items.size());
    TunnelItemIndex& tunnels = tables_.get().tunnels;
    fillOccupancyAndDrops(*this, layout, tunnels, s, !followUp);
    planMoves(*this, s, layout, tunnels, followUp, firstItem);
    resolveRightOfWay(*this, layout, s);

    findRings(*this, s);

    MoveResolver resolver(*this, layout, s);
    MoveExecution execution(*this, s, tables_.get().step);
    for (int i : s.planned) {
        if (resolver.resolveMove(i)) execution.moveItem(i);
    }
    if (!followUp) {
        advanceTunnelItems(*this, layout, tunnels, s);
        spawnMachineOutputs(OutputMachines::Producers);
        ++stepCount;
    }
}
