#include <gtest/gtest.h>

#include <set>
#include <string>

#include "editing/blueprint.h"
#include "editing/test_session.h"
#include "machines/arm_control.h"

namespace {

const char* const COPIED = "KOPIERT. LINKSKLICK EINFUEGEN. ESC BEENDET";
const char* const CUT = "ZWEITEILIGE CONTROLS UND BRUECKEN VOLLSTAENDIG AUSWAEHLEN";
const char* const PASTED = "VORLAGE EINGEFUEGT";
const char* const NOT_FREE = "BEREICH IST NICHT FREI";

// The shell's side of copy and paste: the clipboard, its status line, and
// each paste click inside its own guard.
struct ClipboardSession : EditSession {
    AreaClipboard clipboard;
    std::string status;

    void copy(int x0, int y0, int x1, int y1)
    {
        beginCopy(clipboard, status);
        finishCopy(clipboard, game, x0, y0, x1, y1, status);
    }
    bool paste(int x, int y)
    {
        UndoGuard guard(history, game);
        return pasteAt(clipboard, history, game, x, y, status);
    }
};

// A small factory in the rectangle (10, 10) - (19, 15), with its running
// state, and links that reach out of it.
void buildFactory(Game& game)
{
    Tile& source = build(game, SOURCE, 10, 10);
    source.sourceRunning = true;
    source.sourceProduced[LOG] = 7;
    Tile& storage = build(game, STORAGE, 12, 10);
    storage.storageCargo.push_back(LOG);
    storage.storageItems.push_back(ItemRecord{});
    build(game, SINK, 14, 10).sinkDelivered[LOG] = 5;
    Tile& arm = build(game, ARM, 16, 10);
    ArmControl::setFilterMask(arm, 6);
    ArmControl::setSideMask(arm, 4);
    ArmControl::setArmState(arm, ArmControl::FACING);
    arm.armContinuous = true;
    setTile(game, 18, 10, LOGIC_COUNTER).counterCount = 2;
    layTunnel(game, 10, 12, 14, 12, EAST);
    build(game, OVEN, 16, 12).label = "OFEN";
    build(game, EJECTOR, 18, 12).ejectorActive = false;
    build(game, COAL_GENERATOR, 11, 14);
    build(game, POWER_POLE, 13, 14);
    game.powerLinks.push_back({11, 14, 13, 14, 0, 0});
    build(game, POWER_SUPPLY, 17, 14);
    setTile(game, 15, 14, SENSOR, EAST);
    game.signalMeasureLinks.push_back({15, 14, 16, 12, 0, 0});
    game.dcLinks.push_back({17, 14, 15, 14, 0, 0});
    game.signalControlLinks.push_back({15, 14, 16, 10, 0, 0});
    build(game, SMELTER, 30, 30);
    game.signalControlLinks.push_back({18, 10, 30, 30, 0, 0});  // out of the rectangle
    game.updateNetworks(0.0f);
}

}  // namespace

TEST(BlueprintCopy, CornersInAnyOrderOnTheMapAndOnlyWholeControls)
{
    Game game = emptyGame();
    layBeltRun(game, 20, 20, EAST, 6);
    build(game, SMELTER, 22, 23);
    EXPECT_EQ(copyArea(game, 25, 25, 20, 20), copyArea(game, 20, 20, 25, 25));
    EXPECT_EQ(copyArea(game, 25, 20, 20, 25), copyArea(game, 20, 20, 25, 25));
    const Blueprint corner = copyArea(game, 78, 58, 90, 70);
    EXPECT_EQ(corner.width, 2);
    EXPECT_EQ(corner.height, 2);
    EXPECT_EQ(copyArea(game, -3, -2, 2, 1), copyArea(game, 0, 0, 2, 1));

    buildBridgeEast(game, 30, 10);     // ramps at 29 and 31
    build(game, DISTRIBUTOR, 40, 10);  // second tile at (40, 11)
    layTunnel(game, 50, 10, 55, 10, EAST);
    setTile(game, 60, 10, TUNNEL);  // an entrance without its exit yet
    const struct {
        int x0, y0, x1, y1;
        bool whole;
    } areas[] = {
        {29, 10, 30, 10, false}, {29, 10, 31, 10, true},  {30, 10, 30, 10, false},
        {40, 10, 40, 10, false}, {40, 11, 41, 11, false}, {40, 10, 40, 11, true},
        {50, 10, 54, 10, false}, {55, 10, 50, 10, true},  {60, 10, 60, 10, false},
    };
    for (const auto& a : areas) {
        ClipboardSession s;
        s.game = Game(game);
        s.copy(a.x0, a.y0, a.x1, a.y1);
        EXPECT_EQ(s.clipboard.blueprint.empty(), !a.whole) << a.x0 << ", " << a.y0;
        EXPECT_EQ(s.clipboard.pasting, a.whole);
        EXPECT_EQ(s.status, a.whole ? COPIED : CUT);
    }
}

TEST(BlueprintPaste, PastesAsOneUndoStepOnlyOnFreeGround)
{
    ClipboardSession s;
    std::string status;
    EXPECT_FALSE(beginPaste(s.clipboard, status)) << "nothing copied yet";
    layBelt(s.game, 20, 20, EAST);
    layBelt(s.game, 21, 20, EAST);
    beginCopy(s.clipboard, s.status);
    EXPECT_EQ(s.status, "BEREICH MIT LINKER MAUSTASTE AUFZIEHEN");
    EXPECT_TRUE(s.clipboard.copying);
    finishCopy(s.clipboard, s.game, 20, 20, 21, 20, s.status);
    EXPECT_FALSE(s.clipboard.copying);
    EXPECT_TRUE(s.clipboard.pasting);
    const std::string before = mapText(s.game);

    EXPECT_TRUE(s.paste(10, 4));
    EXPECT_EQ(s.status, PASTED);
    EXPECT_EQ(s.game.tileAt(10, 4).type, BELT);
    EXPECT_EQ(s.game.tileAt(11, 4).dir, EAST);
    EXPECT_EQ(s.history.size(), 1u);
    for (const auto& [x, y] : {std::pair{20, 20}, {19, 20}, {79, 0}, {-1, 4}}) {
        EXPECT_FALSE(s.paste(x, y)) << x << ", " << y;
        EXPECT_EQ(s.status, NOT_FREE);
    }
    EXPECT_EQ(s.history.size(), 1u) << "a refused paste records nothing";

    ASSERT_TRUE(s.history.undo(s.game));
    for (int x : {10, 11}) {
        EXPECT_EQ(s.game.tileAt(x, 4), Tile{});
        EXPECT_EQ(s.game.deckTiles[tileIndex(x, 4)], Tile{});
    }
    EXPECT_TRUE(mapText(s.game) == before);

    // Copying free ground fills the clipboard with nothing to paste.
    s.copy(40, 40, 42, 42);
    EXPECT_TRUE(s.clipboard.pasting);
    EXPECT_FALSE(s.paste(0, 0));
    EXPECT_EQ(s.status, NOT_FREE);
    EXPECT_TRUE(beginPaste(s.clipboard, status));
    EXPECT_EQ(status, "VORLAGE MIT LINKSKLICK EINFUEGEN");
    leaveClipboardModes(s.clipboard, status);
    EXPECT_FALSE(s.clipboard.pasting);
    EXPECT_TRUE(status.empty());
}

TEST(BlueprintPaste, PastedControlsKeepTheirSettingsButStartAfresh)
{
    ClipboardSession s;
    Game& game = s.game;
    buildFactory(game);
    s.copy(10, 10, 19, 15);
    ASSERT_TRUE(s.clipboard.pasting);
    const std::string before = mapText(game);
    const std::size_t cables = game.powerLinks.size();
    const std::size_t switchWires = game.signalControlLinks.size();
    ASSERT_TRUE(s.paste(40, 40));
    ASSERT_TRUE(s.paste(40, 20));

    std::set<std::uint64_t> ids;
    for (int y = 0; y < GRID_HEIGHT; ++y) {
        for (int x = 0; x < GRID_WIDTH; ++x) {
            const Tile& tile = game.tileAt(x, y);
            if (isProducerType(tile.type)) {
                EXPECT_TRUE(ids.insert(tile.machineId).second) << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(ids.size(), 7u) << "a source and a kiln three times, and the smelter";

    const Tile& source = game.tileAt(40, 40);
    EXPECT_TRUE(source.sourceRunning);
    EXPECT_EQ(source.sourceProduced[LOG], 0);
    EXPECT_TRUE(game.tileAt(42, 40).storageCargo.empty());
    EXPECT_EQ(game.tileAt(44, 40).sinkDelivered[LOG], 0);
    const Tile& arm = game.tileAt(46, 40);
    EXPECT_EQ(arm.armCargoFilter, 6u);
    EXPECT_EQ(arm.armSideMask, 4u);
    EXPECT_TRUE(arm.armContinuous);
    EXPECT_EQ(arm.armHomeMode, ArmControl::FACING);
    EXPECT_EQ(game.tileAt(48, 40).counterCount, 0);
    EXPECT_TRUE(game.tileAt(48, 42).ejectorActive);
    EXPECT_EQ(game.tileAt(46, 42).label, "OFEN");
    const Tile& entrance = game.tileAt(40, 42);
    EXPECT_EQ(entrance.tunnelPartnerX, 44);
    EXPECT_EQ(entrance.tunnelPartnerY, 42);
    EXPECT_EQ(game.tileAt(44, 42).tunnelPartnerX, 40);

    EXPECT_EQ(game.powerLinks.size(), cables) << "power cables are never copied";
    EXPECT_EQ(game.signalControlLinks.size(), switchWires + 2) << "the wire out of the area stays behind";
    EXPECT_EQ(game.signalMeasureLinks.back(), (Link{45, 24, 46, 22, 0, 0}));
    EXPECT_EQ(game.dcLinks.back(), (Link{47, 24, 45, 24, 0, 0}));
    expectMapReadsBack(game);

    ASSERT_TRUE(s.history.undo(game));
    ASSERT_TRUE(s.history.undo(game));
    EXPECT_TRUE(mapText(game) == before);
}

TEST(BlueprintPaste, BridgesOverBeltsAndThrownItems)
{
    ClipboardSession s;
    Game& game = s.game;
    layBeltRun(game, 20, 19, SOUTH, 3);
    buildBridgeEast(game, 20, 20);  // spans the belt at (20, 20)
    build(game, SINK, 10, 10);
    s.copy(19, 19, 21, 21);
    ASSERT_TRUE(s.paste(30, 30));
    const Tile& crossing = game.tileAt(31, 31);
    EXPECT_EQ(crossing.type, BELT);
    EXPECT_EQ(crossing.dir, SOUTH);
    EXPECT_EQ(crossing.bridgePart, BRIDGE_DECK);
    EXPECT_EQ(game.deckTiles[tileIndex(31, 31)].type, BELT);
    EXPECT_EQ(game.deckTiles[tileIndex(31, 31)].dir, EAST);
    expectMapReadsBack(game);

    // Its empty corners may lie over anything; its built tiles may not.
    EXPECT_TRUE(canPlaceArea(game, s.clipboard.blueprint, 10, 10)) << "the sink lies under an empty corner";
    EXPECT_FALSE(canPlaceArea(game, s.clipboard.blueprint, 9, 10));

    thrownItemOver(game, 51, 51);
    EXPECT_TRUE(canPlaceArea(game, s.clipboard.blueprint, 50, 50));
    const std::string before = mapText(game);
    EXPECT_FALSE(s.paste(50, 50)) << "an item lands there";
    EXPECT_EQ(s.status, NOT_FREE);
    EXPECT_TRUE(mapText(game) == before);
    EXPECT_TRUE(s.paste(51, 51)) << "it lands on an empty corner";
    expectMapReadsBack(game);
}
