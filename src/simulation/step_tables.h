#pragma once

#include "simulation/item_step_scratch.h"
#include "simulation/motion_scratch.h"
#include "simulation/network_buffers.h"
#include "simulation/step_scratch.h"
#include "simulation/tunnel_item_index.h"
#include "simulation/world_layout.h"

// Every working table of the step, held by the Game through one
// StepTablesHolder, so that the world's header needs none of them.
struct StepTables {
    NetworkBuffers network;    // refresh scratch
    ItemStepScratch itemStep;  // belt-step tables
    MotionScratch motion;      // smooth-motion tables
    StepScratch step;          // step work lists
    WorldLayout layout;        // tiles by role, checked against the world before use
    EntryTrial entryTrial;     // Game::outputEntryAt's stand-in item
    TunnelItemIndex tunnels;   // the items at rest in tunnels during a step; the room tests ask it

    StepTables()
    {
        itemStep.room.answerForTunnels(tunnels);
        step.room.answerForTunnels(tunnels);
    }
};
