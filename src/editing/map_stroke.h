#pragma once

#include "editing/undo_history.h"
#include "world/direction.h"

class Game;

// Which drag the held mouse button draws over the map.
enum class StrokeKind {
    NONE,
    BELT,        // laying belts
    DEMOLISH,    // the DELETE tool, or Shift with the right button
    PIPE,        // laying water pipes
    BELT_SPEED,  // painting a belt speed level
    DIRECTION,   // painting a direction
};

// The mouse button that draws a stroke: its release, and no other, ends it.
// Only a demolish stroke is drawn with the right button (Shift with it).
enum class StrokeButton { LEFT, RIGHT };

// A drag stroke from its press to its release, kept by the shell. The whole
// stroke is one undo step, committed when it ends. Ctrl+Z ends it; resetting
// the interaction does not.
struct MapStroke {
    StrokeKind kind = StrokeKind::NONE;
    int lastX = -1;  // the last tile the stroke reached
    int lastY = -1;
    int paintValue = 0;  // the level or direction a painting stroke paints
    StrokeButton button = StrokeButton::LEFT;
    PendingUndo undo;
};

// Press with the BELT tool: an empty pressed tile becomes a belt without a
// direction yet, and the stroke starts there whatever the tile holds.
void beginBeltStroke(MapStroke& stroke, UndoGuard& press, Game& game, int x, int y);

// Press with the WATER_PIPE tool: lays a pipe on the pressed tile and starts
// the stroke there.
void beginPipeStroke(MapStroke& stroke, UndoGuard& press, Game& game, int x, int y);

// Press with the BELT_SPEED tool: paints the level onto the pressed tile and
// starts the stroke there. The press never selects a control.
void beginBeltSpeedStroke(MapStroke& stroke, UndoGuard& press, Game& game, int x, int y, int level);

// Press with the DIRECTION tool: turns the control on the pressed tile
// towards dir and starts the stroke there. The press never selects a control.
void beginDirectionStroke(MapStroke& stroke, UndoGuard& press, Game& game, int x, int y, Direction dir);

// Press that demolishes (the DELETE tool, or Shift with the right button):
// demolishes the pressed tile and starts the stroke of that button there. The shell has
// offered the press to the cable or wire under the pointer first, and resets
// its interaction after.
void beginDemolishStroke(MapStroke& stroke, UndoGuard& press, Game& game, int x, int y, StrokeButton button);

// The pointer moved onto tile (x, y) while the button is held: a belt stroke
// lays belts towards it one tile at a time until a step is refused, a pipe
// stroke lays pipes the same way; a demolishing or painting stroke works the
// line from its last tile.
void continueStroke(MapStroke& stroke, Game& game, int x, int y);

// The button went up (or the stroke is cut short): records the stroke as one
// undo step when it changed the map, and forgets it.
void endStroke(MapStroke& stroke, UndoHistory& history, Game& game);
