#pragma once

#include <vector>

#include "simulation/room_index.h"
#include "simulation/tile_item_lists.h"
#include "world/cargo_item.h"
#include "world/geometry.h"

// Places an item can stand on: the ground and the bridge decks over it.
constexpr int NODE_COUNT = 2 * TILE_COUNT;

// One step of an item's resolution, worked off in order.
struct ResolveOp {
    enum Kind { ASK, ASK_ALL, CHECK_ALL, FAIL, SUCCEED };
    Kind kind = SUCCEED;
    int item = -1;  // the item asked, for ASK and ASK_ALL
};

// The most ops one item's resolution plans: a mixer's five (ask both
// halves, check them, ask the item on its way out, succeed) and one spare.
constexpr int MOST_RESOLVE_OPS = 6;

// An item whose resolution waits for the items in its way.
struct ResolveFrame {
    int item = -1;
    int next = 0;  // the op to work off next
    int count = 0;
    bool allMove = true;  // every ASK_ALL so far answered that its item moves
    ResolveOp ops[MOST_RESOLVE_OPS];
};

// One item's wanted move in a belt step.
struct MovePlan {
    int target = -1;  // node, -1 when the item plans no move
    int nextX = 0;
    int nextY = 0;
    Direction dir = NONE;
};

// Working tables of the belt step, kept between calls only so that a step in
// steady state allocates nothing; every call starts them afresh. A copy of
// the world starts with empty tables.
struct ItemStepScratch {
    std::vector<int> occupancy;        // per node: the item standing there, -1 none
    std::vector<int> armDropsPlanned;  // per node: the item a carrying arm drops there
    std::vector<int> armDrops;         // the same, with the drops that claims added
    std::vector<int> claims;           // per node: the item granted it
    // The nodes written in the four node tables, so that a call clears only
    // those instead of every node: occupancy, planned drops, and the claims
    // with the drops that claims added.
    std::vector<int> occupiedNodes;
    std::vector<int> dropNodes;
    std::vector<int> claimedNodes;
    std::vector<MovePlan> plans;
    std::vector<MovePlan> alternatives;  // a distributor's other output
    std::vector<int> onDistributor;      // the items standing on a distributor, in list order
    // The items that plan a move, in list order: only they can be granted a
    // node, move or close a ring, so the later passes walk them alone.
    std::vector<int> planned;
    // The items the last call asked for a plan, in list order: the entries
    // the next call must clear in the per-item tables.
    std::vector<int> planWritten;
    std::vector<char> pushed;
    std::vector<char> granted;
    std::vector<char> switched;
    std::vector<int> resolution;  // per item: 0 open, 1 resolving, 2 moves, 3 blocked
    std::vector<ResolveFrame> resolveStack;
    std::vector<char> onRing;  // per item: its chain of occupants ahead comes back to it
    std::vector<char> ringSeen;
    std::vector<int> ringWalk;
    // Per item: it stands on a tunnel entrance, not on a deck, when the call
    // begins, so that nothing plans a move for it.
    std::vector<char> inTunnel;
    TileItemLists onEntrances;  // the tunnel advance's items outside the tunnel index
    std::vector<int> tunnelSlots;
    CargoItem trial{0, 0, NONE, 0};  // the trial move of a mixer's leaving item
    RoomIndex room;                  // for the planning, in which no item moves; junctions ask its path points

    ItemStepScratch() = default;
    ItemStepScratch(const ItemStepScratch&) = delete;
    ItemStepScratch& operator=(const ItemStepScratch&) = delete;
};

// Sizes the per-item tables once for as many items as a world can hold, so
// that a growing world does not reallocate them step by step.
void reserveForMostItems(ItemStepScratch& s);

class Game;
class TunnelItemIndex;
struct WorldLayout;
// Moves every tunnel's items on by one slot, as Game::indexTunnelItems;
// the items the tunnel index holds are taken from there without a look.
void advanceTunnelItems(Game& game, const WorldLayout& layout, TunnelItemIndex& tunnels, ItemStepScratch& s);
