#pragma once

#include "editing/tool.h"

class Game;
class UndoHistory;
struct Interaction;

// The push button the left mouse button holds down; x < 0 when none. The
// shell captures the mouse while one is held, so that a release outside
// the window still lets go of it.
struct HeldButton {
    int x = -1;
    int y = -1;

    bool held() const { return x >= 0; }
};

// Flips the switch at (x, y) and records the flip as one undo step, which
// sets it back. False, with nothing done, when no switch stands there.
bool toggleManualSwitch(Game& game, UndoHistory& history, int x, int y);

// Presses or lets go of the push button at (x, y); a button's state is not
// saved and not recorded. False when no button stands there or it already
// is in that state.
bool setButtonPressed(Game& game, int x, int y, bool pressed);

// Lets go of the held button, whatever the pointer is over; false when none
// was held. The shell stops capturing the mouse after a true answer.
bool releaseHeldButton(HeldButton& held, Game& game);

// A plain left press works switches and buttons under every tool but those
// that paint, lay pipes or join tiles with cables and wires.
bool toolWorksSwitches(Tool tool);

// A switch or a push button stands at (x, y): the two controls a plain left
// press works by hand.
bool isSwitchOrButtonAt(const Game& game, int x, int y);

// A plain left press (no Shift) that the tool lets work switches, on tile
// (x, y) of the map, after the shell has selected the control: a switch
// flips at once, or, when toggleAtRelease is set because the press began a
// wire drag, waits for the release on its own tile; a button is pressed and
// held. True when a switch or button stands there: the press ends here and
// the tool does not act.
bool workSwitchOrButton(Interaction& interaction, Game& game, UndoHistory& history, int x, int y, bool toggleAtRelease);
