#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editing/control_settings.h"
#include "editing/multi_selection.h"
#include "editing/test_session.h"
#include "world/control.h"

TEST(ControlSettings, SingleTileSettersWriteOnlyTheirOwnControl)
{
    Game game = emptyGame();
    build(game, SOURCE, 10, 10);
    build(game, SINK, 12, 10);
    build(game, LONG_ARM, 14, 10);

    setArmSideMask(game, 14, 10, 31);
    setArmCargoFilter(game, 14, 10, 16383);
    EXPECT_EQ(game.tileAt(14, 10).armSideMask, 30u);
    EXPECT_EQ(game.tileAt(14, 10).armCargoFilter, 8191u);
    setSourceCargo(game, 10, 10, IRON_ORE);
    toggleSourceRunning(game, 10, 10);
    toggleSinkAccepting(game, 12, 10);
    EXPECT_EQ(game.tileAt(10, 10).sourceCargo, IRON_ORE);
    EXPECT_TRUE(game.tileAt(10, 10).sourceRunning);
    EXPECT_FALSE(game.tileAt(12, 10).sinkAccepting);
    expectMapReadsBack(game);

    // Another type, or a place off the map, changes nothing.
    const std::string before = mapText(game);
    toggleSourceRunning(game, 12, 10);
    toggleSinkAccepting(game, 10, 10);
    setSourceCargo(game, 14, 10, COAL);
    setArmSideMask(game, 10, 10, 2);
    setArmCargoFilter(game, 12, 10, 1);
    toggleSourceRunning(game, -1, 10);
    setArmSideMask(game, 80, 10, 2);
    setSourceCargo(game, 10, 10, 13);
    EXPECT_EQ(mapText(game), before);
}

TEST(ControlSettings, SelectionSettersWriteEveryEntryOfTheKind)
{
    struct Case {
        const char* name;
        ControlType type;
        std::function<void(const MultiSelection&, Game&)> set;
        std::function<bool(const Tile&)> holds;
    };
    const Case cases[] = {
        {"source cargo", SOURCE, [](auto& s, Game& g) { setSelectionSourceCargo(s, g, STEEL_PLATE); },
         [](const Tile& t) { return t.sourceCargo == STEEL_PLATE; }},
        {"sources run", SOURCE, [](auto& s, Game& g) { setSelectionFlagByType(s, g, 1, true); },
         [](const Tile& t) { return t.sourceRunning; }},
        {"sinks refuse", SINK, [](auto& s, Game& g) { setSelectionFlagByType(s, g, 0, false); },
         [](const Tile& t) { return !t.sinkAccepting; }},
        {"belt priority", BELT, [](auto& s, Game& g) { setSelectionBeltPriority(s, g, WEST); },
         [](const Tile& t) { return t.beltPriority == WEST; }},
        {"arm filter cut to the cargo bits", ARM,
         [](auto& s, Game& g) { toggleSelectionArmFilter(s, g, false, 16383); },
         [](const Tile& t) { return t.armCargoFilter == 0; }},
        {"arms release continuously", LONG_ARM, [](auto& s, Game& g) { setSelectionArmRelease(s, g, true); },
         [](const Tile& t) { return t.armContinuous && t.armPendingJobs == 0; }},
        {"arms rest facing", ARM, [](auto& s, Game& g) { setSelectionArmMode(s, g, 1); },
         [](const Tile& t) { return t.armHomeMode == 1 && t.armHomePending; }},
        {"arms leave the back side", ARM, [](auto& s, Game& g) { setSelectionArmSides(s, g, 1, false); },
         [](const Tile& t) { return t.armSideMask == 30u - (1u << WEST); }},
        {"kilns take only logs", OVEN,
         [](auto& s, Game& g) { toggleSelectionOvenSmelterFilter(s, g, KILNS, false, 2); },
         [](const Tile& t) { return t.ovenAcceptMask == 1u; }},
        {"smelters keep to their cargo", SMELTER,
         [](auto& s, Game& g) { toggleSelectionOvenSmelterFilter(s, g, SMELTERS, true, 8191); },
         [](const Tile& t) { return t.smelterAcceptMask == 28u; }},
        {"bottling plants refuse", FILLER, [](auto& s, Game& g) { setSelectionFillerAccepting(s, g, false); },
         [](const Tile& t) { return !t.fillerAccepting; }},
        {"storages put out", STORAGE, [](auto& s, Game& g) { setSelectionStorageOutput(s, g, true); },
         [](const Tile& t) { return t.storageOutputOn; }},
        {"storages drop coal", STORAGE, [](auto& s, Game& g) { toggleSelectionStorageFilter(s, g, false, 4); },
         [](const Tile& t) { return t.storageAcceptMask == 8191u - 4u; }},
        {"mixer ratio B", MIXER, [](auto& s, Game& g) { setSelectionMixerRatio(s, g, 1, 4); },
         [](const Tile& t) { return t.ratioA == 1 && t.ratioB == 4; }},
        {"distributors by signal", DISTRIBUTOR, [](auto& s, Game& g) { setSelectionDistributorMode(s, g, 2); },
         [](const Tile& t) { return t.modeSignal && !t.modeCargoRules; }},
        {"a rule bit switches to cargo rules", DISTRIBUTOR,
         [](auto& s, Game& g) { toggleSelectionDistributorRuleBit(s, g, true, 8); },
         [](const Tile& t) { return t.modeCargoRules && !t.modeSignal && t.cargoRuleMask == 8u; }},
    };
    for (const Case& c : cases) {
        Game game = emptyGame();
        // Two controls of the type, pairs facing south so that they are
        // anchored at their second tiles, and a sink (or source) that the
        // selection holds but that is not of the kind.
        for (int x : {20, 30}) {
            if (c.type == BELT) {
                layBelt(game, x, 20, SOUTH);
                continue;
            }
            build(game, c.type, x, 20);
            if (c.type == MIXER || c.type == DISTRIBUTOR) {
                ASSERT_TRUE(controlForType(c.type).place(game, x, 20));
                ASSERT_EQ(game.tileAt(x - 1, 20).type, c.type + 1) << c.name;
            }
        }
        if (isArm(c.type)) game.tileAt(20, 20).armPendingJobs = 2;
        build(game, c.type == SINK ? SOURCE : SINK, 40, 20);
        MultiSelection selection;
        selection.selectRect(game, 19, 20, 40, 20);
        selection.entries.push_back({90, 90, MachineGroup{90, 90, false, {{90, 90, Tile{}}}}});
        const std::string others = [&] {
            Game copy = game;
            for (int x : {20, 30})
                copy.tileAt(x, 20) = Tile{};
            return mapText(copy);
        }();

        c.set(selection, game);
        for (int x : {20, 30})
            EXPECT_TRUE(c.holds(game.tileAt(x, 20))) << c.name << " at " << x;
        Game rest = game;
        for (int x : {20, 30})
            rest.tileAt(x, 20) = Tile{};
        EXPECT_EQ(mapText(rest), others) << c.name << ": only the entries of the kind change";
        expectMapReadsBack(game);
    }
}

TEST(ControlSettings, SelectionSettersKeepTheirFieldsInRange)
{
    Game game = emptyGame();
    build(game, MIXER, 20, 20);
    Tile& mixer = game.tileAt(20, 20);
    mixer.ratioA = 5;
    mixer.ratioB = 3;
    mixer.ratioPos = 5;
    build(game, ARM, 30, 20).armHomeMode = 2;
    layBelt(game, 40, 20, EAST);
    game.items.emplace_back(40, 20, EAST, LOG).speedCredit = 4;
    MultiSelection selection;
    selection.selectRect(game, 20, 20, 40, 20);

    setSelectionMixerRatio(selection, game, 0, 1);
    EXPECT_EQ(mixer.ratioA, 1);
    EXPECT_EQ(mixer.ratioPos, 1) << "the cycle position stays inside the shorter cycle";
    setSelectionMixerRatio(selection, game, 0, 6);
    EXPECT_EQ(mixer.ratioA, 1);

    setSelectionArmMode(selection, game, 3);
    EXPECT_EQ(game.tileAt(30, 20).armHomeMode, 2);

    setSelectionBeltSpeed(selection, game, 1);
    EXPECT_EQ(game.tileAt(40, 20).beltSpeed, 1);
    EXPECT_EQ(game.items[0].speedCredit, 0) << "a new speed starts the items from no credit";
    game.items[0].speedCredit = 4;
    setSelectionBeltSpeed(selection, game, 1);
    EXPECT_EQ(game.items[0].speedCredit, 0) << "so does the speed the belt has";
    expectMapReadsBack(game);

    // A selection setter whose value is current changes nothing, so the press records nothing.
    EditSession session;
    build(session.game, DISTRIBUTOR, 10, 10);
    MultiSelection distributors;
    distributors.toggle(session.game, 10, 10);
    {
        UndoGuard guard(session.history, session.game);
        setSelectionDistributorMode(distributors, session.game, 0);
    }
    EXPECT_TRUE(session.history.empty());
}
