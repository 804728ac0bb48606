#pragma once

#include "editing/map_stroke.h"
#include "editing/tool_press.h"
#include "editing/undo_history.h"
#include "support/world_builders.h"

// The shell's side of editing as the tests drive it: one world, one history,
// one stroke, and presses that each run inside their own guard.
struct EditSession {
    Game game = emptyGame();
    UndoHistory history;
    MapStroke stroke;

    void press(Tool tool, int x, int y)
    {
        UndoGuard guard(history, game);
        pressTool(tool, game, guard, stroke, x, y);
    }
    void drag(int x, int y) { continueStroke(stroke, game, x, y); }
    void release() { endStroke(stroke, history, game); }
    void click(Tool tool, int x, int y)
    {
        press(tool, x, y);
        release();
    }
};
