#pragma once

#include "editing/tool.h"
#include "world/link.h"

class Game;
class UndoHistory;
struct LoopState;

// The shell's side of the map interaction: what the editing operations do
// to the interaction, together with the windows the shell keeps and SDL's
// text input and mouse capture.

// Cancels every transient interaction: lets go of a held button (and of the
// mouse), closes the label and number entries (and SDL's text input), the
// open tool group, every window, overview and chooser and the menu, and drops
// the selection and the status line. The pending end of a cable or wire, the
// drags, the undo history and the world stay.
void resetInteraction(LoopState& state, Game& game);

// After an undo or when another tool is picked: the reset, and the pending
// end of a cable or wire goes too.
void cancelInteraction(LoopState& state, Game& game);

// Selects the control at (x, y) and opens its panel; selecting another
// control first resets the interaction, which closes the other windows.
bool selectControlAt(LoopState& state, Game& game, int x, int y);

// A plain left press with the tool on tile (x, y): a switch or button there
// is selected and worked (a held button captures the mouse). True when the
// press ends here.
bool pressSwitchOrButton(LoopState& state, Game& game, UndoHistory& history, Tool tool, int x, int y,
                         bool toggleAtRelease);

// The left button went up, or the window lost focus, or the program quits:
// a held button lets go and the mouse is released.
void releaseHeldButton(LoopState& state, Game& game);

// The DELETE tool's click on the link the pointer's hit test found (kind and
// index of the hit): the link goes, the interaction is reset and the status
// line names what went. False when no link was hit: the click demolishes.
bool deleteLinkWithTool(LoopState& state, Game& game, LinkKind kind, int index);

// Shift with the right button over a link: the link goes and the interaction
// is reset, without a status line. False when no link was hit.
bool deleteLinkUnderPointer(LoopState& state, Game& game, LinkKind kind, int index);
