#pragma once

#include "simulation/item_step_scratch.h"
#include "simulation/step_scratch.h"
#include "world/game.h"

// Carries out the granted moves, updating the items in place.
class MoveExecution {
  public:
    MoveExecution(Game& game, const ItemStepScratch& scratch, StepScratch& spares)
        : game_(game), s_(scratch), spares_(spares)
    {
    }

    void moveItem(int index);

  private:
    // What a move leaves behind and where it goes, read before anything changes.
    struct Move {
        int index;
        int fromX;
        int fromY;
        ControlType fromType;
        Direction fromDir;
        int fromLevel;
        int nx;
        int ny;
        int node;
        Direction dir;
        bool pushed;
        bool wasCarried;
        int creditBefore;
    };

    void updateMachines(const Move& m, CargoItem& item);
    void playPassageSounds(const Move& m, const Tile& target);
    void rewriteRecord(const Move& m, CargoItem& item, const Tile& target);
    float glideSpeed(const Move& m, const Tile& target) const;
    void appendPath(const Move& m, CargoItem& item, const Tile& target, float speed);
    void handToArm(const Move& m, CargoItem& item, Tile& arm);
    void setSegmentProgress(const Move& m, CargoItem& item, const Tile& target);

    Game& game_;
    const ItemStepScratch& s_;
    StepScratch& spares_;  // path storage for items that never had a path
};
