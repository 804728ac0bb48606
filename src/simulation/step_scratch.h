#pragma once

#include <vector>

#include "audio/sound_engine.h"
#include "machines/injection_molder_control.h"
#include "simulation/room_index.h"
#include "simulation/tile_item_lists.h"
#include "world/cargo_item.h"

// Working lists of Game::update and its arm, water and sound phases, kept
// between calls only so that a step allocates nothing once the world has
// settled; every use starts them afresh. A copy of the world starts empty.
struct StepScratch {
    // Work lists of the tile scan, in scan order.
    std::vector<int> generators;
    std::vector<int> molders;
    std::vector<int> waterSources;
    std::vector<int> workingMolders;

    // Water delivery: the pipe search of one source.
    std::vector<char> pipeSeen;
    std::vector<int> pipeQueue;
    std::vector<int> pipeMolders;

    // Arms.
    std::vector<int> idleArms;  // in scan order
    // Set by the step between the arm phase and the pick-up, which changes
    // neither where items stand nor which arms are idle: the pick-up keeps
    // the idle arms, their pickup tiles and the item counts as listed.
    bool idleArmsStillListed = false;
    std::vector<char> pickupTiles;  // per tile: an idle arm picks up there
    std::vector<int> itemsOnTile;   // per tile: items whose tile it is
    TileItemLists nearArms;         // per pickup tile: items that may reach it
    RoomIndex room;                 // for the pick-up, in which only taken items move
    std::vector<int> candidates;
    std::vector<char> dropTiles;  // per tile: an arm carries an item to set down there

    // Ejectors: per tile, some item is in the charge of the ejector there;
    // filled on first need in a pass.
    std::vector<char> ejectorsInCharge;
    bool ejectorsInChargeFiled = false;

    // Motor sounds.
    std::vector<ArmLoopSource> armLoops;
    std::vector<ArmLoopSource> pressLoops;

    // The items a control took in this step, in list order.
    std::vector<int> takenItems;

    // Path storage of items that left the map, handed on to new items.
    std::vector<Fifo<PathPoint>> sparePaths;
    // Longer path storage for items whose paths outgrow PATH_STORAGE: an item
    // held up on its way keeps every tile its belt steps carried it over.
    std::vector<Fifo<PathPoint>> longPaths;

    // Part lists of gears that a control took in, for the gears yet to be made.
    SparePartLists spareParts;

    // The step's storage has been sized for the largest world (see
    // Game::reserveStepStorage); a copy of the world sizes its own again.
    bool storageReserved = false;

    StepScratch() = default;
    StepScratch(const StepScratch&) = delete;
    StepScratch& operator=(const StepScratch&) = delete;
};

// Points a path stores without growing: a belt step adds at most three to
// an item's path, and smooth motion uses them up between belt steps.
constexpr std::size_t PATH_STORAGE = 16;

// Sizes the lists for as many items and tiles as a world can hold and fills
// the spare paths, so that a world that keeps its size allocates nothing.
void reserveForMostItems(StepScratch& scratch);
// Gives the path room for PATH_STORAGE points.
void reservePath(Fifo<PathPoint>& path);
// Keeps the path storage of an item that leaves the map.
void keepSparePath(StepScratch& scratch, CargoItem& leaving);
// Keeps the storage of a part list whose identities were taken out.
void keepSparePartList(StepScratch& scratch, std::vector<ItemId>& parts);
// Gives a new item the path storage of one that left, when there is one.
void giveSparePath(StepScratch& scratch, CargoItem& created);
// Makes room for one more point in the path without allocating: a full path
// moves into larger spare storage while there is some.
void makeRoomInPath(StepScratch& scratch, Fifo<PathPoint>& path);

// The stand-in item with which Game::outputEntryAt tries a machine's way out,
// kept so that its path is not allocated for every try.
struct EntryTrial {
    CargoItem item{0, 0, NONE, 0};

    EntryTrial() = default;
    EntryTrial(const EntryTrial&) = delete;
    EntryTrial& operator=(const EntryTrial&) = delete;
};
