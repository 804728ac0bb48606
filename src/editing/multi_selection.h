#pragma once

#include <string>
#include <vector>

#include "world/link_ends.h"

class Game;

// One selected control: the tile that identifies it in the selection and
// copies of its tiles as they were when it was selected.
struct SelectedControl {
    int anchorX = -1;
    int anchorY = -1;
    MachineGroup group;
};

// What all selected controls are, as the settings view of the selection
// offers their shared settings; NO_COMMON_KIND offers none.
enum SelectionKind : int {
    NO_COMMON_KIND = 0,
    SOURCES = 1,
    SINKS = 2,
    BELTS = 3,  // bridges count as belts
    ARMS = 4,   // grab arms and long arms
    KILNS = 5,
    SMELTERS = 6,
    BOTTLING_PLANTS = 7,
    STORAGES = 8,
    MIXERS = 9,
    DISTRIBUTORS = 10,
};

// The kind a tile belongs to: any part of a bridge is a belt.
SelectionKind selectionKindOf(const Tile& tile);

// The cell that identifies a control: the leftmost, and of those the topmost.
// (80, 60) for a group without cells.
void anchorOf(const MachineGroup& group, int& x, int& y);

// The player's multi-selection, in the order the controls were added; the
// shell keeps one for the whole run. The grid stays the truth: the copies
// only identify the controls. No two entries share an anchor, so either
// half of a two-tile machine names the same entry.
class MultiSelection {
  public:
    std::vector<SelectedControl> entries;

    bool empty() const { return entries.empty(); }
    void clear() { entries.clear(); }

    // Ctrl+click: adds the control at (x, y), or drops it when it is
    // selected already. Nothing happens where no control stands.
    void toggle(const Game& game, int x, int y);

    // Ctrl+drag: adds every control the frame between the two corners
    // touches, whole, and a belt crossing under a bridge deck as a control
    // of its own. Corners off the map are moved onto its edge. Adds only.
    void selectRect(const Game& game, int x0, int y0, int x1, int y1);

    // The kind shared by every entry, NO_COMMON_KIND when empty or mixed.
    int commonKind() const;

    // "ALLE DREHEN": turns every selected control one step, all or nothing.
    // A belt under a deck turns clockwise, and once more when it would run
    // along the deck. When one control cannot turn the world is put back as
    // it was and the answer is false; afterwards the entries are read anew,
    // so a turned pair is anchored at its new leftmost tile. Records no undo
    // step: the press's guard does.
    bool rotate(Game& game);

    // "AUSWAHL LOESCHEN": demolishes every selected control with the items on
    // its tiles, drops the items left lying on free ground and empties the
    // selection.
    void demolishAll(Game& game);
};

// The entry is a belt selected on its own under a bridge deck that still
// spans it: it stands for the belt, not for the bridge.
bool isBeltUnderDeck(const SelectedControl& entry, const Game& game);

// The "ALLE DREHEN" button: turns the selection and answers the status text,
// empty when everything turned.
std::string pressRotateAllButton(MultiSelection& selection, Game& game);
