#pragma once

#include <string>

class Game;

// What the status line shows when the rotate button could not turn the control.
inline constexpr char ROTATE_REFUSED_TEXT[] = "DREHEN NICHT MOEGLICH";

// Turns the control at (x, y) one step: a quarter turn clockwise for most
// controls, an arm between horizontal and vertical, a bridge about its deck.
// Each control turns by its own rules, so a turn may be refused (an item in
// the way, no room for a second tile). False, with the world unchanged, off
// the map and for controls that do not turn: sinks, tunnel entrances,
// generators, poles, water, logic components and 5V supplies. A source
// without a machine id gets the next one. Neither rebuilds the networks nor
// records an undo step.
bool rotateAt(Game& game, int x, int y);

// The rotate button of the selected control's panel: turns the control at
// (x, y) and answers the status text, empty when it turned. The press's undo
// guard makes a turn one undo step.
std::string pressRotateButton(Game& game, int x, int y);
