#include "editing/map_stroke.h"

#include "editing/belt_speed_painting.h"
#include "editing/demolishing.h"
#include "editing/direction_painting.h"
#include "editing/grid_walk.h"
#include "editing/placing.h"
#include "editing/sensors_and_water.h"
#include "world/game.h"

namespace {

void begin(MapStroke& stroke, UndoGuard& press, StrokeKind kind, int x, int y, StrokeButton button = StrokeButton::LEFT)
{
    press.handOver(stroke.undo);
    stroke.kind = kind;
    stroke.button = button;
    stroke.lastX = x;
    stroke.lastY = y;
}

bool layBeltsTowards(MapStroke& stroke, Game& game, int x, int y)
{
    bool laid = false;
    int nextX = stroke.lastX;
    int nextY = stroke.lastY;
    while (stepTowards(nextX, nextY, x, y) && layBeltStep(game, stroke.lastX, stroke.lastY, nextX, nextY)) {
        stroke.lastX = nextX;
        stroke.lastY = nextY;
        laid = true;
    }
    return laid;
}

bool demolishTowards(MapStroke& stroke, Game& game, int x, int y)
{
    if (!game.inBounds(x, y)) return false;
    const bool demolished = game.inBounds(stroke.lastX, stroke.lastY)
                                ? demolishLine(game, stroke.lastX, stroke.lastY, x, y)
                                : demolish(game, x, y);
    stroke.lastX = x;
    stroke.lastY = y;
    return demolished;
}

// Painting works the line from the last tile; off the map it skips tiles.
bool paintTowards(MapStroke& stroke, Game& game, int x, int y)
{
    const bool painted = stroke.kind == StrokeKind::BELT_SPEED
                             ? paintBeltSpeed(game, stroke.lastX, stroke.lastY, x, y, stroke.paintValue)
                             : alignAlongLine(game, stroke.lastX, stroke.lastY, x, y, stroke.paintValue);
    stroke.lastX = x;
    stroke.lastY = y;
    return painted;
}

}  // namespace

void beginBeltStroke(MapStroke& stroke, UndoGuard& press, Game& game, int x, int y)
{
    begin(stroke, press, StrokeKind::BELT, x, y);
    // Only the type is written, so a belt pressed under a bridge deck keeps the deck.
    if (game.inBounds(x, y) && game.tileAt(x, y).type == EMPTY) {
        game.tileAt(x, y).type = BELT;
        stroke.undo.changed = true;
    }
}

void beginPipeStroke(MapStroke& stroke, UndoGuard& press, Game& game, int x, int y)
{
    begin(stroke, press, StrokeKind::PIPE, x, y);
    stroke.undo.changed = placeWaterPipe(game, x, y);
}

void beginBeltSpeedStroke(MapStroke& stroke, UndoGuard& press, Game& game, int x, int y, int level)
{
    begin(stroke, press, StrokeKind::BELT_SPEED, x, y);
    stroke.paintValue = level;
    stroke.undo.changed = paintBeltSpeed(game, x, y, x, y, level);
}

void beginDirectionStroke(MapStroke& stroke, UndoGuard& press, Game& game, int x, int y, Direction dir)
{
    begin(stroke, press, StrokeKind::DIRECTION, x, y);
    stroke.paintValue = dir;
    stroke.undo.changed = alignAlongLine(game, x, y, x, y, dir);
}

void beginDemolishStroke(MapStroke& stroke, UndoGuard& press, Game& game, int x, int y, StrokeButton button)
{
    begin(stroke, press, StrokeKind::DEMOLISH, x, y, button);
    stroke.undo.changed = demolish(game, x, y);
}

void continueStroke(MapStroke& stroke, Game& game, int x, int y)
{
    bool changed = false;
    if (stroke.kind == StrokeKind::BELT) changed = layBeltsTowards(stroke, game, x, y);
    if (stroke.kind == StrokeKind::DEMOLISH) changed = demolishTowards(stroke, game, x, y);
    if (stroke.kind == StrokeKind::PIPE) changed = layPipesTowards(game, stroke.lastX, stroke.lastY, x, y);
    if (stroke.kind == StrokeKind::BELT_SPEED || stroke.kind == StrokeKind::DIRECTION)
        changed = paintTowards(stroke, game, x, y);
    stroke.undo.changed = stroke.undo.changed || changed;
}

void endStroke(MapStroke& stroke, UndoHistory& history, Game& game)
{
    commitPendingUndo(stroke.undo, history, game);
    stroke.kind = StrokeKind::NONE;
    stroke.lastX = -1;
    stroke.lastY = -1;
}
