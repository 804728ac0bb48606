#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/interaction.h"
#include "editing/test_session.h"
#include "support/signal_bench.h"

namespace {

// The shell's side of the two-click tools: each click in its own guard.
struct LinkSession : EditSession {
    Interaction interaction;

    void click(Tool tool, int x, int y, TileSpot spot = {})
    {
        UndoGuard guard(history, game);
        clickLinkTool(interaction, game, history, tool, x, y, spot);
    }
    // Both clicks of a tool; the status line after the second.
    std::string join(Tool tool, int x0, int y0, int x1, int y1, TileSpot first = {}, TileSpot second = {})
    {
        click(tool, x0, y0, first);
        click(tool, x1, y1, second);
        return interaction.statusText;
    }
};

constexpr TileSpot UPPER{0, 0};
constexpr TileSpot LOWER{1, 3};
constexpr TileSpot THIRD_QUARTER{1, 2};
const char* const SECOND_END = "ZWEITEN ENDPUNKT WAEHLEN - GLEICHES PAAR ENTFERNT DAS KABEL";
const char* const TOO_FAR = "VERBINDUNG NICHT MOEGLICH MAXIMAL 10 KACHELN";
const char* const INVALID_WIRE = "VERBINDUNG UNGUELTIG: EINGANG BELEGT ODER RUECKKOPPLUNG";

}  // namespace

TEST(PowerLine, ClicksLayRefuseAndRemoveWithTheirStatusTexts)
{
    LinkSession s;
    for (const auto& [x, y] : {std::pair{30, 30}, {36, 38}, {37, 38}})
        setTile(s.game, x, y, POWER_POLE);
    const std::vector<Link> laid{{30, 30, 36, 38, 0, 0}};
    const struct {
        int x, y;
        const char* status;
        std::vector<Link> cables;
    } clicks[] = {
        {30, 30, SECOND_END, {}},
        {36, 38, "STROMLEITUNG GESETZT", laid},  // 6 across, 8 down: exactly 10 tiles
        {30, 30, SECOND_END, laid},
        {37, 38, TOO_FAR, laid},
        {36, 38, SECOND_END, laid},
        {30, 30, "STROMLEITUNG ENTFERNT", {}},  // the other way round
        {31, 30, "GENERATOR, MAST ODER 5V-NETZTEIL WAEHLEN", {}},
        {36, 38, SECOND_END, {}},
        {36, 38, TOO_FAR, {}},  // the same pole twice
    };
    for (const auto& c : clicks) {
        s.click(TOOL_POWER_LINE, c.x, c.y);
        EXPECT_EQ(s.interaction.statusText, c.status) << c.x << ", " << c.y;
        EXPECT_EQ(s.game.powerLinks, c.cables) << c.x << ", " << c.y;
    }
    // One record per change.
    ASSERT_EQ(s.history.size(), 2u);
    ASSERT_TRUE(s.history.undo(s.game));
    EXPECT_EQ(s.game.powerLinks, laid);
    expectMapReadsBack(s.game);
}

TEST(PowerLine, PolesAndSuppliesHoldTheirCountGeneratorsAnyNumber)
{
    Game game = emptyGame();
    setTile(game, 20, 20, COAL_GENERATOR);
    for (int x = 15; x < 25; x += 2) {
        setTile(game, x, 25, POWER_POLE);
        EXPECT_TRUE(togglePowerCable(game, 20, 20, x, 25)) << "a generator takes five";
    }
    EXPECT_TRUE(togglePowerCable(game, 15, 25, 17, 25));
    EXPECT_TRUE(togglePowerCable(game, 19, 25, 15, 25));
    EXPECT_TRUE(togglePowerCable(game, 17, 25, 21, 25));
    EXPECT_FALSE(togglePowerCable(game, 23, 25, 15, 25)) << "a fourth cable on a pole";
    EXPECT_TRUE(togglePowerCable(game, 17, 25, 15, 25)) << "two full poles can still be parted";
    EXPECT_FALSE(game.hasPowerLink(17, 25, 15, 25));

    setTile(game, 30, 30, POWER_SUPPLY);
    EXPECT_FALSE(togglePowerCable(game, 30, 30, 20, 20)) << "more than ten tiles";
    EXPECT_TRUE(togglePowerCable(game, 30, 30, 23, 25));
    EXPECT_FALSE(togglePowerCable(game, 25, 25, 30, 30)) << "a second cable on a 5V supply";
    expectMapReadsBack(game);
}

TEST(DcLine, TwoClicksToggleACableEachOneUndoStep)
{
    LinkSession s;
    setTile(s.game, 10, 10, POWER_SUPPLY);
    setTile(s.game, 14, 10, SIGNAL_LAMP);
    setTile(s.game, 12, 12, SMELTER);
    s.click(TOOL_DC_LINE, 12, 12);
    EXPECT_EQ(s.interaction.statusText, "5V-NETZTEIL ODER SIGNALBAUSTEIN WAEHLEN");
    s.join(TOOL_DC_LINE, 10, 10, 14, 10);
    EXPECT_EQ(s.game.dcLinks, (std::vector<Link>{{10, 10, 14, 10, 0, 0}}));
    expectMapReadsBack(s.game);
    s.join(TOOL_DC_LINE, 14, 10, 10, 10);
    EXPECT_TRUE(s.game.dcLinks.empty());
    ASSERT_TRUE(s.history.undo(s.game));
    ASSERT_TRUE(s.history.undo(s.game));
    EXPECT_TRUE(s.history.empty());
}

TEST(SwitchLine, WiresFollowTheClickedHalvesAndQuartersAndStayAValidCircuit)
{
    LinkSession s;
    setTile(s.game, 10, 10, SENSOR);
    setTile(s.game, 12, 10, LOGIC_AND);
    setTile(s.game, 10, 12, SENSOR);
    setTile(s.game, 14, 10, LOGIC_NOT);
    setTile(s.game, 16, 10, LOGIC_STEPPER);
    setTile(s.game, 18, 10, SMELTER);
    setTile(s.game, 20, 10, LOGIC_SWITCH);
    const Tool tool = TOOL_SIGNAL_CONTROL_LINE;

    EXPECT_EQ(s.join(tool, 10, 10, 12, 10, UPPER, LOWER), "SCHALTLEITUNG GESETZT");
    EXPECT_EQ(s.game.signalControlLinks.back(), (Link{10, 10, 12, 10, 1, 0})) << "the lower half feeds B";
    EXPECT_EQ(s.join(tool, 12, 10, 14, 10), "SCHALTLEITUNG GESETZT");
    EXPECT_EQ(s.join(tool, 14, 10, 12, 10, LOWER, UPPER), INVALID_WIRE) << "a loop";
    EXPECT_EQ(s.join(tool, 12, 10, 10, 12, UPPER, LOWER), "SCHALTLEITUNG GESETZT");
    EXPECT_EQ(s.game.signalControlLinks.back(), (Link{10, 12, 12, 10, 0, 0})) << "target first";
    EXPECT_EQ(s.join(tool, 10, 12, 12, 10, UPPER, LOWER), INVALID_WIRE) << "B is driven";
    EXPECT_EQ(s.join(tool, 16, 10, 20, 10), INVALID_WIRE) << "a switch takes no wire";
    EXPECT_EQ(s.join(tool, 18, 10, 16, 10, LOWER, THIRD_QUARTER), "SCHALTLEITUNG GESETZT");
    EXPECT_EQ(s.game.signalControlLinks.back(), (Link{16, 10, 18, 10, 0, 2})) << "the stepper's third output";
    EXPECT_EQ(s.join(tool, 16, 10, 18, 10, UPPER), INVALID_WIRE) << "another output is another wire";
    EXPECT_EQ(s.join(tool, 16, 10, 18, 10, THIRD_QUARTER), "SCHALTLEITUNG ENTFERNT");
    EXPECT_EQ(s.game.signalControlLinks.size(), 3u);
    EXPECT_EQ(s.history.size(), 5u) << "refusals record nothing";
    expectMapReadsBack(s.game);
}

TEST(MeasureLine, AMachineAndASensorInEitherOrder)
{
    LinkSession s;
    setTile(s.game, 10, 10, SENSOR);
    setTile(s.game, 12, 10, DISTRIBUTOR, EAST);
    setTile(s.game, 12, 11, DISTRIBUTOR_SECOND, EAST);
    setTile(s.game, 14, 10, LOGIC_AND);
    const Tool tool = TOOL_SIGNAL_MEASURE_LINE;

    s.click(tool, 12, 11);
    EXPECT_EQ(s.interaction.statusText, "SENSOR UND MESS-CONTROL WAEHLEN; GLEICHES PAAR ENTFERNT DIE LEITUNG");
    s.click(tool, 10, 10, LOWER);
    EXPECT_EQ(s.interaction.statusText, "MESSLEITUNG GESETZT");
    EXPECT_EQ(s.game.signalMeasureLinks, (std::vector<Link>{{10, 10, 12, 10, 0, 0}})) << "sensor first, main tile";
    EXPECT_EQ(s.join(tool, 10, 10, 14, 10), "SENSOR UND MESS-CONTROL AUSWAEHLEN");
    EXPECT_EQ(s.join(tool, 10, 10, 12, 10), "MESSLEITUNG ENTFERNT");
    s.click(tool, 10, 10);
    s.click(tool, -1, 10);
    EXPECT_TRUE(s.interaction.pendingLinkEnd.pending()) << "a click off the map changes nothing";
    expectMapReadsBack(s.game);
}

TEST(SwitchLine, RemovingTheLastWireIntoAMachineReleasesIt)
{
    SignalBench bench;
    Game& game = bench.game;
    bench.onSensor(10, 10);
    bench.onSensor(10, 12);
    setTile(game, 12, 10, ARM, EAST);
    setTile(game, 12, 12, DISTRIBUTOR, EAST);
    setTile(game, 12, 13, DISTRIBUTOR_SECOND, EAST);
    ASSERT_TRUE(toggleSignalWire(game, false, {12, 10, 10, 10, 0, 0}));
    ASSERT_TRUE(toggleSignalWire(game, false, {10, 12, 12, 13, 0, 0}));
    ASSERT_TRUE(toggleSignalWire(game, false, {10, 10, 12, 12, 0, 0}));

    Tile& arm = game.tileAt(12, 10);
    Tile& distributor = game.tileAt(12, 12);
    arm.armPendingJobs = 2;
    arm.armSignalOn = true;
    distributor.signalSelectsB = true;
    ASSERT_TRUE(toggleSignalWire(game, false, {10, 10, 12, 10, 0, 0}));
    EXPECT_EQ(arm.armPendingJobs, 0);
    EXPECT_FALSE(arm.armSignalOn);
    ASSERT_EQ(deleteLink(game, SWITCH_WIRE, 0), SWITCH_WIRE);
    EXPECT_TRUE(distributor.signalSelectsB) << "one wire still reaches the distributor";
    ASSERT_EQ(deleteLink(game, SWITCH_WIRE, 0), SWITCH_WIRE);
    EXPECT_FALSE(distributor.signalSelectsB);
    EXPECT_EQ(deleteLink(game, SWITCH_WIRE, 0), NO_LINK);
    expectMapReadsBack(game);
}

TEST(TileSpot, HalvesAndQuartersOfTheTileUnderThePointer)
{
    const struct {
        int cameraY, pointerY, tileSize, half, quarter;
    } cases[] = {
        {0, 0, 32, 0, 0},  {0, 15, 32, 0, 1},   {0, 16, 32, 1, 2}, {0, 31, 32, 1, 3},
        {-5, 0, 32, 1, 3}, {100, 12, 32, 1, 2}, {0, 11, 24, 0, 1}, {0, 5, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const TileSpot spot = tileSpotAt(c.cameraY, c.pointerY, c.tileSize);
        EXPECT_EQ(spot.half, c.half) << c.cameraY << " " << c.pointerY << " " << c.tileSize;
        EXPECT_EQ(spot.quarter, c.quarter) << c.cameraY << " " << c.pointerY << " " << c.tileSize;
    }
}
