#pragma once

#include <cstdint>

#include "simulation/item_step_scratch.h"

class Game;
struct WorldLayout;

// Right of way in one belt-step call: which of the planned moves happen.

// May item i plan its move onto the belt tile (nx, ny) inside the grid? Where
// two or more feeders meet (junctions, the layout's flags), it waits while
// another item already glides in from another side. Only items with a path
// point on the tile can; they are filed once per belt-step call, as planning
// moves no item.
bool junctionAllows(const Game& game, const std::uint8_t* junctions, ItemStepScratch& scratch, int item, int nx,
                    int ny);

// Grants each target node to at most one item: first to items that have the
// right of way on the target belt, then to all others, from a start item that
// rotates with the belt-step count.
void claimSweep(const Game& game, ItemStepScratch& scratch);

// Decides whether each item's granted move can really happen given the items
// in its way. Memoised per item; works with an explicit stack so that a long
// chain of items cannot overflow the call stack.
class MoveResolver {
  public:
    MoveResolver(const Game& game, const WorldLayout& layout, ItemStepScratch& scratch);

    bool resolveMove(int item);

  private:
    // Gives the item's answer at once (-1 when it needs a frame of its own).
    int startResolving(int item);
    void planOps(ResolveFrame& frame) const;
    void planMixerOps(ResolveFrame& frame, int x, int y) const;
    void planTargetOps(ResolveFrame& frame) const;

    const Game& game_;
    const WorldLayout& layout_;  // tile kinds, instead of the large tile records
    ItemStepScratch& s_;
};

// Claims, resolution and the distributor's switch to its other output, run
// until no item switches. Leaves every item's resolution state final.
void resolveRightOfWay(const Game& game, const WorldLayout& layout, ItemStepScratch& scratch);
