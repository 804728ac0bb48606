#pragma once

#include "world/cargo.h"

class Game;
class UndoHistory;
struct NumberEntry;

// The panel buttons and keys that change one control, or the whole map, as
// one undo step each: the map from before is recorded when the command
// changed it. Inside a press the press's own guard then records nothing. A
// command whose tile does not (or no longer) hold its control changes and
// records nothing.

// Where a press landed on an inspector panel: the panel's left, top and
// width, and the pointer.
struct PanelPress {
    int panelX = 0;
    int panelY = 0;
    int panelWidth = 0;
    int pointerX = 0;
    int pointerY = 0;
};

// A signal source's THEN and ELSE commands step through no change, on and
// off; its priority through 0..9.
constexpr int SWITCH_ACTION_COUNT = 3;
constexpr int SWITCH_PRIORITY_COUNT = 10;

// The command row of a logic component's panel under the press: 0 THEN,
// 1 ELSE, 2 PRIORITY, -1 none.
int commandRowAt(const PanelPress& press);

// The interval button under the press, the caller having tested the row's
// height: -1 minus at the left end, +1 plus at the right end, 0 between.
int intervalStepAt(const PanelPress& press);

// The arm's signal button: switches between continuous release and single
// jobs, dropping the jobs still pending, and refreshes the networks.
void toggleTileFlag(UndoHistory& history, Game& game, int x, int y);

// The distributor's mode button: automatic, cargo rules, signal, and round
// again; refreshes the networks.
void cycleDistributorMode(UndoHistory& history, Game& game, int x, int y);

// The ejector's on/off button.
void toggleEjector(UndoHistory& history, Game& game, int x, int y);

// The injection molder's on/off button; it stops working until the next step says otherwise.
void toggleMachineEnabled(UndoHistory& history, Game& game, int x, int y);

// The coal generator's on/off button; it is not in use until the next step says otherwise.
void toggleControlEnabled(UndoHistory& history, Game& game, int x, int y);

// A press on the command rows of an AND, OR, XOR, NOT or RS latch: steps
// THEN or ELSE through no change, on, off, or the priority through 0..9.
void setSubButton(UndoHistory& history, Game& game, int x, int y, const PanelPress& press);

// A press on the interval row of a timer or clock: one second less or more,
// kept within the period's range, and the running time starts afresh.
void stepInterval(UndoHistory& history, Game& game, int x, int y, const PanelPress& press);

// A pick on the sensor's cargo page: the cargo the sensor measures.
void setSensorCargo(UndoHistory& history, Game& game, int x, int y, CargoType cargo);

// The key R: the starter map again. Its source takes a fresh machine id, so
// a reset always records a step.
void resetMap(UndoHistory& history, Game& game);

// Enter, or the confirm button, with commit true; Escape, a right click or
// the cancel button with commit false. A committed text of 1..7 digits
// within the counter's limits becomes the target of the counter at (x, y)
// and closes the entry; a bad text marks the entry invalid and keeps it open
// for correction; a tile that is no longer a counter closes it unchanged. The
// shell stops text input once the entry is closed.
void commitNumberEntry(UndoHistory& history, Game& game, NumberEntry& entry, int x, int y, bool commit);
