#pragma once

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

// The player's multi-selection, in the order the controls were added; the
// shell keeps one for the whole run. The grid stays the truth: the copies
// only identify the controls.
class MultiSelection {
  public:
    std::vector<SelectedControl> entries;

    bool empty() const { return entries.empty(); }
    void clear() { entries.clear(); }

    // "AUSWAHL LOESCHEN": demolishes every selected control with the items on
    // its tiles, drops the items left lying on free ground and empties the
    // selection.
    void demolishAll(Game& game);
};

// The entry is a belt selected on its own under a bridge deck that still
// spans it: it stands for the belt, not for the bridge.
bool isBeltUnderDeck(const SelectedControl& entry, const Game& game);
