#pragma once

#include <gtest/gtest.h>

#include <string>

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

// The map text of the world, as the undo history records it.
inline std::string mapText(const Game& game)
{
    std::string text;
    EXPECT_TRUE(UndoHistory::snapshot(game, text));
    return text;
}

// An item in flight over free ground at (x, y), thrown by an ejector two
// tiles west of it.
inline CargoItem& thrownItemOver(Game& game, int x, int y)
{
    build(game, EJECTOR, x - 2, y).dir = EAST;
    CargoItem& thrown = itemAtPosition(game, static_cast<float>(x) - 0.5f, static_cast<float>(y), EAST);
    thrown.x = x;
    thrown.state = ITEM_IN_FLIGHT;
    thrown.ejectTarget = tileIndex(x - 2, y);
    return thrown;
}
