#pragma once

#include <SDL.h>

#include <string>

#include "ui/hud_layout.h"
#include "world/control_type.h"

class Game;
class UndoHistory;
struct NumberEntry;
struct Tile;

// The rows of the logic components (AND, OR, XOR, NOT, signal lamp, counter,
// timer, clock, switch, push button, stepper and RS latch) in their
// information panel, between the title and the status line: the inputs and
// where they are wired from, the output, the type's own rows and a hint.
// Positions are offsets from the content area's corner.

int logicInputCount(ControlType type);

// "A: EIN - 12,7", or "... - NICHT VERBUNDEN" without a switch wire into the
// input; the words in the current language.
std::string logicInputLine(const Game& game, int x, int y, int input);

// Whole seconds a running timer or clock has left, rounded up; 0 when it
// does not run or its time is past.
int remainingSeconds(const Tile& timer);

// The value field of a counter, timer or clock.
ScreenRect logicValueFieldRect(const ScreenRect& panel);
// The counter's "OK" while its number is being typed.
ScreenRect counterOkRect(const ScreenRect& panel);

// `entry` is the shell's number entry; it belongs to the counter shown.
void drawLogicSection(SDL_Renderer* renderer, const ScreenRect& panel, const Game& game, int x, int y,
                      const NumberEntry& entry);

enum class LogicPress {
    NONE,
    CHANGED,       // a row stepped or a value changed
    ENTRY_OPENED,  // the counter's number is being typed: text input starts
};

// A left press on the component (x, y) inside the shell's undo guard. While
// the number entry is open the shell's entry takes every press, not the panel.
LogicPress pressLogicSection(Game& game, UndoHistory& history, NumberEntry& entry, const ScreenRect& panel, int x,
                             int y, int px, int py);
