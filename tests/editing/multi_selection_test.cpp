#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "editing/multi_selection.h"
#include "editing/rotation.h"
#include "editing/test_session.h"

namespace {

std::vector<std::pair<int, int>> anchors(const MultiSelection& selection)
{
    std::vector<std::pair<int, int>> result;
    for (const SelectedControl& entry : selection.entries)
        result.emplace_back(entry.anchorX, entry.anchorY);
    return result;
}

// Presses "ALLE DREHEN" inside a press's guard, as the side panel does.
std::string pressRotateAll(EditSession& session, MultiSelection& selection)
{
    UndoGuard guard(session.history, session.game);
    return pressRotateAllButton(selection, session.game);
}

}  // namespace

TEST(MultiSelection, CtrlClicksAddAndDropWholeControls)
{
    Game game = emptyGame();
    build(game, DISTRIBUTOR, 30, 30);
    ASSERT_EQ(game.tileAt(30, 31).type, DISTRIBUTOR_SECOND);
    layTunnel(game, 40, 30, 45, 30, EAST);
    buildBridgeEast(game, 50, 30);

    MultiSelection selection;
    selection.toggle(game, 30, 31);
    selection.toggle(game, 45, 30);
    selection.toggle(game, 51, 30);
    selection.toggle(game, 10, 10);  // free ground
    selection.toggle(game, 90, 10);  // off the map
    EXPECT_EQ(anchors(selection), (std::vector<std::pair<int, int>>{{30, 30}, {40, 30}, {49, 30}}));
    EXPECT_EQ(selection.entries[0].group.cells.size(), 2u);

    selection.toggle(game, 30, 30);
    selection.toggle(game, 40, 30);
    selection.toggle(game, 50, 30);
    EXPECT_TRUE(selection.empty()) << "the other tile of each control drops its entry";
}

TEST(MultiSelection, AFrameAddsWholeControlsAndTheBeltUnderADeck)
{
    Game game = emptyGame();
    layBelt(game, 20, 10, NORTH);
    buildBridgeEast(game, 20, 10);
    build(game, MIXER, 24, 10);  // its second tile (24, 11) lies outside the frame
    build(game, SINK, 0, 0);

    MultiSelection selection;
    selection.selectRect(game, 24, 10, 19, 10);
    EXPECT_EQ(anchors(selection), (std::vector<std::pair<int, int>>{{19, 10}, {20, 10}, {24, 10}}));
    const SelectedControl& belt = selection.entries[1];
    ASSERT_EQ(belt.group.cells.size(), 1u);
    EXPECT_FALSE(belt.group.isBridge);
    EXPECT_EQ(belt.group.cells[0].tile.bridgePart, BRIDGE_NONE);
    EXPECT_TRUE(isBeltUnderDeck(belt, game));
    EXPECT_EQ(selection.entries[2].group.cells.size(), 2u);

    // A second frame adds nothing twice; one reaching off the map stops at its edge.
    selection.selectRect(game, 19, 10, 25, 11);
    EXPECT_EQ(selection.entries.size(), 3u);
    selection.selectRect(game, -5, -5, 0, 0);
    EXPECT_EQ(anchors(selection).back(), (std::pair{0, 0}));
    selection.selectRect(game, 79, 59, 200, 300);
    EXPECT_EQ(selection.entries.size(), 4u);
}

TEST(MultiSelection, TheCommonKindNamesTheSharedSettings)
{
    Game game = emptyGame();
    layBelt(game, 20, 10, NORTH);
    buildBridgeEast(game, 20, 10);
    build(game, ARM, 30, 10);
    build(game, LONG_ARM, 32, 10);
    build(game, SINK, 34, 10);
    build(game, DISTRIBUTOR, 36, 10);
    build(game, LOGIC_AND, 38, 10);

    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> tiles;
        int kind;
    };
    const Case cases[] = {
        {"nothing", {}, NO_COMMON_KIND},
        {"a bridge and the belt under it", {{19, 10}, {20, 10}}, BELTS},
        {"arms and long arms", {{30, 10}, {32, 10}}, ARMS},
        {"arms and a sink", {{30, 10}, {34, 10}}, NO_COMMON_KIND},
        {"a distributor by its second tile", {{36, 11}}, DISTRIBUTORS},
        {"a gate has no shared settings", {{38, 10}}, NO_COMMON_KIND},
    };
    for (const Case& c : cases) {
        MultiSelection selection;
        for (const auto& [x, y] : c.tiles)
            selection.selectRect(game, x, y, x, y);
        EXPECT_EQ(selection.commonKind(), c.kind) << c.name;
    }
}

TEST(MultiSelection, RotatingAllIsAllOrNothing)
{
    EditSession session;
    Game& game = session.game;
    layBelt(game, 10, 10, EAST);
    build(game, SINK, 12, 10);
    MultiSelection selection;
    selection.toggle(game, 10, 10);
    selection.toggle(game, 12, 10);
    const std::string before = mapText(game);

    EXPECT_EQ(pressRotateAll(session, selection), ROTATE_REFUSED_TEXT);
    EXPECT_EQ(game.tileAt(10, 10).dir, EAST) << "the belt that had turned turns back";
    EXPECT_EQ(mapText(game), before);
    EXPECT_TRUE(session.history.empty());
    EXPECT_EQ(selection.entries.size(), 2u);
}

TEST(MultiSelection, RotatingAllTurnsAndReanchorsPairs)
{
    EditSession session;
    Game& game = session.game;
    build(game, DISTRIBUTOR, 30, 30);  // east: second tile south
    build(game, DISTRIBUTOR, 40, 30);
    game.tileAt(40, 30).cargoRuleMask = 5;
    layBelt(game, 50, 30, NORTH);
    MultiSelection selection;
    selection.toggle(game, 30, 31);  // picked by its second tile
    selection.toggle(game, 40, 30);
    selection.toggle(game, 50, 30);

    EXPECT_EQ(pressRotateAll(session, selection), "");
    EXPECT_EQ(session.history.size(), 1u);
    for (int x : {30, 40}) {
        EXPECT_EQ(game.tileAt(x, 30).type, DISTRIBUTOR) << x;
        EXPECT_EQ(game.tileAt(x, 30).dir, SOUTH) << x;
        EXPECT_EQ(game.tileAt(x - 1, 30).type, DISTRIBUTOR_SECOND) << x;
        EXPECT_EQ(game.tileAt(x, 31).type, EMPTY) << x;
    }
    EXPECT_EQ(game.tileAt(40, 30).cargoRuleMask, 5u) << "a turn keeps the settings";
    EXPECT_EQ(game.tileAt(50, 30).dir, EAST);
    EXPECT_EQ(anchors(selection), (std::vector<std::pair<int, int>>{{29, 30}, {39, 30}, {50, 30}}));
    EXPECT_EQ(selection.entries[0].group.cells[0].tile.dir, SOUTH) << "the copies are read anew";
    expectMapReadsBack(game);

    ASSERT_TRUE(session.history.undo(game));
    EXPECT_EQ(game.tileAt(30, 31).type, DISTRIBUTOR_SECOND) << "one undo takes the whole turn back";
}

TEST(MultiSelection, ABeltUnderADeckAlwaysCrossesIt)
{
    enum Picked { BELT_ALONE, BRIDGE_FIRST, BELT_FIRST };
    struct Case {
        const char* name;
        Direction belt;
        Picked picked;
        Direction beltAfter;
        Direction bridgeAfter;
    };
    const Case cases[] = {
        {"north skips east, along the deck", NORTH, BELT_ALONE, SOUTH, EAST},
        {"a belt without a direction skips east too", NONE, BELT_ALONE, SOUTH, EAST},
        {"south skips west", SOUTH, BELT_ALONE, NORTH, EAST},
        {"the bridge turns first and skips south", NORTH, BRIDGE_FIRST, SOUTH, WEST},
        {"the belt turns first", NORTH, BELT_FIRST, SOUTH, WEST},
    };
    for (const Case& c : cases) {
        EditSession session;
        Game& game = session.game;
        layBelt(game, 20, 10, c.belt);
        buildBridgeEast(game, 20, 10);
        MultiSelection selection;
        selection.selectRect(game, 20, 10, 20, 10);
        ASSERT_EQ(anchors(selection), (std::vector<std::pair<int, int>>{{19, 10}, {20, 10}})) << c.name;
        if (c.picked == BELT_ALONE) selection.entries.erase(selection.entries.begin());
        if (c.picked == BELT_FIRST) std::swap(selection.entries[0], selection.entries[1]);

        EXPECT_EQ(pressRotateAll(session, selection), "") << c.name;
        EXPECT_EQ(game.tileAt(20, 10).type, BELT) << c.name;
        EXPECT_EQ(game.tileAt(20, 10).dir, c.beltAfter) << c.name;
        EXPECT_EQ(game.tileAt(20, 10).bridgeDir, c.bridgeAfter) << c.name;
        EXPECT_EQ(selection.entries.size(), c.picked == BELT_ALONE ? 1u : 2u) << c.name;
        const int beltEntries = static_cast<int>(
            std::count_if(selection.entries.begin(), selection.entries.end(),
                          [&game](const SelectedControl& entry) { return isBeltUnderDeck(entry, game); }));
        EXPECT_EQ(beltEntries, 1) << c.name << ": the belt stays an entry of its own";
        expectMapReadsBack(game);
    }
}
