#include <gtest/gtest.h>

#include "support/world_builders.h"
#include "world/game.h"
#include "world/tile_item_index.h"

namespace {

// The status line as the tooltip asks for it, checked against what the
// machine overview sees with a shared item index.
std::string statusAt(const Game& game, int x, int y)
{
    std::string walked = game.statusText(x, y);
    const TileItemIndex index(game);
    EXPECT_EQ(game.statusText(x, y, &index), walked) << "index disagrees at " << x << "," << y;
    return walked;
}

std::string reasonFor(const Game& game, const CargoItem& item)
{
    std::string walked = game.blockedReason(item);
    const TileItemIndex index(game);
    EXPECT_EQ(game.blockedReason(item, &index), walked);
    return walked;
}

Tile& poweredTile(Game& game, int x, int y, ControlType type, Direction dir = EAST)
{
    Tile& tile = setTile(game, x, y, type, dir);
    tile.powerConnected = tile.powerSupplied = true;
    return tile;
}

Tile& workingMolder(Game& game, int x, int y)
{
    Tile& molder = poweredTile(game, x, y, INJECTION_MOLDER);
    molder.molderOn = true;
    molder.molderGranulate = 2;
    molder.molderWater = 1;
    return molder;
}

void switchWire(Game& game, int x0, int y0, int x1, int y1) { game.signalControlLinks.push_back(Link{x0, y0, x1, y1}); }

}  // namespace

TEST(StatusText, EmptyTilesAndPositionsOffTheMapSayNothing)
{
    Game game = emptyGame();
    EXPECT_EQ(statusAt(game, 10, 10), "");
    setTile(game, 10, 10, PLAIN);
    EXPECT_EQ(statusAt(game, 10, 10), "");
    EXPECT_EQ(statusAt(game, -1, 0), "");
    EXPECT_EQ(statusAt(game, 0, 60), "");
    EXPECT_FALSE(game.powerPoleStatus(80, 0));
}

TEST(StatusText, GeneratorReportsSwitchFuelAndLoad)
{
    Game game = emptyGame();
    Tile& generator = setTile(game, 10, 10, COAL_GENERATOR);
    EXPECT_EQ(statusAt(game, 10, 10), "GENERATOR AUSGESCHALTET");
    generator.generatorOn = true;
    EXPECT_EQ(statusAt(game, 10, 10), "KOHLE FEHLT");
    generator.generatorBurnTime = 0.5f;
    EXPECT_EQ(statusAt(game, 10, 10), "GENERATOR BEREIT - KEINE LAST") << "still burning its last coal";
    generator.generatorLoadKw = 37;
    EXPECT_EQ(statusAt(game, 10, 10), "GENERATOR LIEFERT 37 KW");
    generator.generatorLoadKw = 120;
    EXPECT_EQ(statusAt(game, 10, 10), "GENERATOR LIEFERT 120 KW");
}

TEST(StatusText, PowerPoleNeedsARunningGeneratorOnItsCables)
{
    Game game = emptyGame();
    setTile(game, 10, 10, POWER_POLE);
    EXPECT_EQ(statusAt(game, 10, 10), "STROMMAST - KEIN STROM") << "no cables";
    Tile& generator = setTile(game, 14, 10, COAL_GENERATOR);
    generator.generatorOn = true;
    game.powerLinks.push_back(Link{10, 10, 14, 10});
    EXPECT_EQ(statusAt(game, 10, 10), "STROMMAST - KEIN STROM") << "generator without coal or burn time";
    generator.generatorCoal = 1;
    EXPECT_EQ(statusAt(game, 10, 10), "STROMMAST VERSORGT");
}

TEST(StatusText, SignalAndServiceControlsAnswerAtOnce)
{
    Game game = emptyGame();
    setTile(game, 10, 10, SENSOR);
    EXPECT_EQ(statusAt(game, 10, 10), "SENSOR - REGEL AKTIV");
    Tile& ejector = setTile(game, 11, 10, EJECTOR, NORTH);
    EXPECT_EQ(statusAt(game, 11, 10), "AUSWERFER AKTIV");
    ejector.ejectorActive = false;
    EXPECT_EQ(statusAt(game, 11, 10), "AUSWERFER AUSGESCHALTET");
    for (ControlType logic : {LOGIC_AND, LOGIC_NOT, LOGIC_STEPPER, LOGIC_RS, SIGNAL_LAMP}) {
        Tile& gate = setTile(game, 12, 10, logic);
        EXPECT_EQ(statusAt(game, 12, 10), "ERGEBNIS AUS") << logic;
        gate.signalOut = true;
        EXPECT_EQ(statusAt(game, 12, 10), "ERGEBNIS EIN") << logic;
    }
    setTile(game, 13, 10, WATER_SOURCE);
    EXPECT_EQ(statusAt(game, 13, 10), "WASSERQUELLE BEREIT");
    setTile(game, 14, 10, WATER_PIPE);
    EXPECT_EQ(statusAt(game, 14, 10), "WASSERLEITUNG");
    for (ControlType ready : {TUNNEL, TUNNEL_EXIT, SHOP}) {
        setTile(game, 15, 10, ready, EAST);
        EXPECT_EQ(statusAt(game, 15, 10), "BEREIT") << ready;
    }
    poweredTile(game, 16, 10, POWER_SUPPLY, NONE);
    EXPECT_EQ(statusAt(game, 16, 10), "BEREIT");
}

TEST(StatusText, MolderChecksSwitchPowerAndStoreBeforeItsWork)
{
    Game game = emptyGame();
    Tile& molder = workingMolder(game, 10, 10);
    layBelt(game, 11, 10, EAST);
    EXPECT_EQ(statusAt(game, 10, 10), "PRODUZIERT ZAHNRAEDER");
    molder.molderOutputCount = 10;
    EXPECT_EQ(statusAt(game, 10, 10), "PRODUKTLAGER VOLL");
    molder.powerConnected = false;
    EXPECT_EQ(statusAt(game, 10, 10), "KEIN STROM") << "before the full store";
    molder.molderOn = false;
    EXPECT_EQ(statusAt(game, 10, 10), "MASCHINE AUSGESCHALTET") << "before anything else";
}

TEST(StatusText, MolderIsOverloadedOnlyWhileItCouldWork)
{
    Game game = emptyGame();
    Tile& molder = workingMolder(game, 10, 10);
    molder.powerSupplied = false;
    EXPECT_EQ(statusAt(game, 10, 10), "NETZ UEBERLASTET");
    molder.molderGranulate = 1;
    EXPECT_EQ(statusAt(game, 10, 10), "PLASTIKGRANULAT FEHLT");
    molder.molderGranulate = 2;
    molder.molderWater = 0;
    EXPECT_EQ(statusAt(game, 10, 10), "WASSER FEHLT");

    molder.powerSupplied = true;
    molder.molderWater = 1;
    molder.molderOutputCount = 1;  // facing the empty tile at (11, 10)
    EXPECT_EQ(statusAt(game, 10, 10), "AUSGANG BLOCKIERT");
}

TEST(StatusText, StorageFullComesBeforeItsBlockedOutput)
{
    Game game = emptyGame();
    Tile& storage = setTile(game, 79, 10, STORAGE, EAST);
    storage.storageOutputOn = true;
    for (int i = 0; i < 99; ++i)
        storage.storageCargo.push_back(COAL);
    EXPECT_EQ(statusAt(game, 79, 10), "AUSGANG BLOCKIERT");
    storage.storageCargo.push_back(COAL);
    EXPECT_EQ(statusAt(game, 79, 10), "LAGER VOLL");
    storage.storageCargo.clear();
    EXPECT_EQ(statusAt(game, 79, 10), "BEREIT");
    storage.storageAcceptMask = cargoBit(COAL);
    EXPECT_EQ(statusAt(game, 79, 10), "ANNAHME EINGESCHRAENKT");
}

TEST(StatusText, KilnWorksThroughItsQueueBeforeItsSwitch)
{
    Game game = emptyGame();
    Tile& kiln = setTile(game, 10, 10, OVEN, EAST);
    layBelt(game, 11, 10, EAST);
    EXPECT_EQ(statusAt(game, 10, 10), "WARTET AUF HOLZ");
    kiln.ovenAcceptMask = 0;
    EXPECT_EQ(statusAt(game, 10, 10), "ANNAHME AUSGESCHALTET");
    kiln.ovenInputCargo.push_back(LOG);
    EXPECT_EQ(statusAt(game, 10, 10), "VERARBEITET HOLZ");
    kiln.ovenOutputCount = 1;
    game.items.emplace_back(11, 10, EAST, LOG);
    EXPECT_EQ(statusAt(game, 10, 10), "AUSGANG BLOCKIERT");
    kiln.ovenOutputCount = 10;
    EXPECT_EQ(statusAt(game, 10, 10), "PRODUKTLAGER VOLL");
}

TEST(StatusText, BottlingPlantFillsWhatItHasEvenWhenSwitchedOff)
{
    Game game = emptyGame();
    Tile& filler = setTile(game, 10, 10, FILLER, EAST);
    EXPECT_EQ(statusAt(game, 10, 10), "WARTET AUF LEERE FLASCHEN");
    filler.fillerAccepting = false;
    EXPECT_EQ(statusAt(game, 10, 10), "ANNAHME AUSGESCHALTET");
    filler.fillerWaiting = 2;
    EXPECT_EQ(statusAt(game, 10, 10), "FUELLT FLASCHEN");
    filler.fillerOutputCount = 10;
    EXPECT_EQ(statusAt(game, 10, 10), "PRODUKTLAGER VOLL");
}

TEST(StatusText, SmelterNamesMissingCoalAndAFullStore)
{
    Game game = emptyGame();
    Tile& smelter = setTile(game, 10, 10, SMELTER, EAST);
    EXPECT_EQ(statusAt(game, 10, 10), "WARTET AUF ERZ ODER EISEN");
    smelter.smelterAcceptMask = 0;
    EXPECT_EQ(statusAt(game, 10, 10), "ANNAHME AUSGESCHALTET");
    smelter.smelterAcceptMask = 28;
    smelter.smelterInputCargo.push_back(IRON_ORE);
    EXPECT_EQ(statusAt(game, 10, 10), "KOHLE FEHLT");
    smelter.smelterCoal = 1;
    EXPECT_EQ(statusAt(game, 10, 10), "SCHMILZT");
    smelter.smelterInputCargo.push_back(IRON_ORE);
    for (int i = 0; i < 10; ++i)
        smelter.smelterInputCargo.push_back(IRON_INGOT);
    smelter.smelterInputCargo.erase(2);  // ore, ore and nine ingots
    smelter.smelterOutputCargo.push_back(IRON_INGOT);
    layBelt(game, 11, 10, EAST);
    EXPECT_EQ(statusAt(game, 10, 10), "SCHMILZT") << "an ingot entry still has room for steel";

    smelter.smelterInputCargo.clear();
    smelter.smelterInputCargo.push_back(IRON_ORE);
    for (int i = 0; i < 10; ++i)
        smelter.smelterOutputCargo.push_back(IRON_INGOT);
    EXPECT_EQ(statusAt(game, 10, 10), "PRODUKTLAGER VOLL") << "only ore queued, ingot store full";
}

TEST(StatusText, SourceNeedsItsOwnAndTheWorldsSwitch)
{
    Game game = emptyGame();
    Tile& source = setTile(game, 10, 10, SOURCE, EAST);
    EXPECT_EQ(statusAt(game, 10, 10), "QUELLE AUSGESCHALTET");
    source.sourceRunning = true;
    EXPECT_EQ(statusAt(game, 10, 10), "QUELLE AKTIV");
    game.sourcesEnabled = false;
    EXPECT_EQ(statusAt(game, 10, 10), "QUELLE AUSGESCHALTET");

    Tile& sink = setTile(game, 12, 10, SINK);
    EXPECT_EQ(statusAt(game, 12, 10), "ZIEL NIMMT AN");
    sink.sinkAccepting = false;
    EXPECT_EQ(statusAt(game, 12, 10), "ZIEL AUSGESCHALTET");
}

TEST(StatusText, ArmsReportPowerGrabbingAndTheirSignal)
{
    Game game = emptyGame();
    Tile& arm = setTile(game, 10, 10, ARM, EAST);
    EXPECT_EQ(statusAt(game, 10, 10), "KEIN STROM");
    arm.powerConnected = true;
    EXPECT_EQ(statusAt(game, 10, 10), "NETZ UEBERLASTET");
    arm.powerSupplied = true;
    EXPECT_EQ(statusAt(game, 10, 10), "WARTET AUF FRACHT");
    arm.armSideMask = 0;
    EXPECT_EQ(statusAt(game, 10, 10), "GREIFEN DEAKTIVIERT");
    arm.armSideMask = 30;

    setTile(game, 5, 5, LOGIC_SWITCH);
    switchWire(game, 5, 5, 10, 10);
    EXPECT_EQ(statusAt(game, 10, 10), "WARTET AUF SIGNAL") << "single jobs, none pending";
    arm.armPendingJobs = 1;
    EXPECT_EQ(statusAt(game, 10, 10), "WARTET AUF FRACHT");
    arm.armContinuous = true;
    EXPECT_EQ(statusAt(game, 10, 10), "WARTET AUF SIGNAL") << "continuous, signal off";
    arm.armSignalOn = true;
    EXPECT_EQ(statusAt(game, 10, 10), "WARTET AUF FRACHT");

    arm.armSignalOn = false;
    CargoItem& held = game.items.emplace_back(10, 10, EAST, LOG);
    held.carried = true;
    held.holdState = HOLD_SWINGING;
    EXPECT_EQ(statusAt(game, 10, 10), "ARM TRAEGT FRACHT") << "an item on the tile skips the wire test";
    held.holdState = HOLD_AT_DROP;
    EXPECT_EQ(statusAt(game, 10, 10), "AUSGANG BELEGT");
}

TEST(StatusText, SecondTileOfAPairReportsItsMainTile)
{
    Game game = emptyGame();
    poweredTile(game, 10, 10, DISTRIBUTOR, EAST);
    poweredTile(game, 10, 11, DISTRIBUTOR_SECOND, EAST);
    EXPECT_EQ(statusAt(game, 10, 11), "WARTET AUF FRACHT");
    game.items.emplace_back(10, 11, EAST, LOG);
    EXPECT_EQ(statusAt(game, 10, 11), "WARTET AUF FRACHT") << "items on the second tile are not looked at";
    game.items.emplace_back(10, 10, EAST, LOG);
    EXPECT_EQ(statusAt(game, 10, 11), statusAt(game, 10, 10));
    EXPECT_EQ(statusAt(game, 10, 11), "ANSCHLUSS FEHLT");

    Tile& mixer = poweredTile(game, 30, 30, MIXER, WEST);  // second tile north, at (30, 29)
    poweredTile(game, 30, 29, MIXER_SECOND, WEST);
    mixer.powerSupplied = false;
    EXPECT_EQ(statusAt(game, 30, 29), "NETZ UEBERLASTET");

    setTile(game, 0, 0, MIXER_SECOND, EAST);  // its main tile would lie off the map, at (0, -1)
    EXPECT_EQ(statusAt(game, 0, 0), "");
}

TEST(StatusText, BeltNamesWhyItsItemWaits)
{
    Game game = emptyGame();
    layBelt(game, 79, 10, EAST);
    game.items.emplace_back(79, 10, EAST, LOG);
    EXPECT_EQ(statusAt(game, 79, 10), "KARTENRAND");

    layBelt(game, 10, 20, EAST);
    CargoItem& waiting = game.items.emplace_back(10, 20, EAST, LOG);
    EXPECT_EQ(statusAt(game, 10, 20), "ANSCHLUSS FEHLT");
    Tile& sink = setTile(game, 11, 20, SINK);
    EXPECT_EQ(statusAt(game, 10, 20), "TRANSPORTIERT");
    sink.sinkAccepting = false;
    EXPECT_EQ(statusAt(game, 10, 20), "ZIEL AUS");
    setTile(game, 11, 20, OVEN, EAST);
    waiting.cargo = COAL;
    EXPECT_EQ(statusAt(game, 10, 20), "TRANSPORTIERT") << "the kiln's own refusal is not named";
    game.tileAt(10, 20).beltSpeed = 0;
    EXPECT_EQ(statusAt(game, 10, 20), "BAND GESTOPPT");

    layBelt(game, 40, 40, SOUTH);
    EXPECT_EQ(statusAt(game, 40, 40), "WARTET AUF FRACHT");
    game.tileAt(40, 40).beltSpeed = 0;
    EXPECT_EQ(statusAt(game, 40, 40), "BAND GESTOPPT") << "even with nothing on it";
}

TEST(StatusText, ShopWithAnItemReportsTheItemBeforeItsNarrowIntake)
{
    Game game = emptyGame();
    Tile& shop = setTile(game, 10, 10, SHOP, EAST);
    shop.shopAcceptMask = cargoBit(COAL);
    EXPECT_EQ(statusAt(game, 10, 10), "ANNAHME EINGESCHRAENKT");
    game.items.emplace_back(10, 10, EAST, COAL).path.push_back(PathPoint{10, 10});
    EXPECT_EQ(statusAt(game, 10, 10), "TRANSPORTIERT");
}

TEST(BlockedReason, MovingItemsAndItemsInsideATunnelHaveNone)
{
    Game game = emptyGame();
    layBelt(game, 79, 10, EAST);
    CargoItem& item = game.items.emplace_back(79, 10, EAST, LOG);
    item.path.push_back(PathPoint{79, 10});
    EXPECT_EQ(reasonFor(game, item), "");
    item.path.clear();
    EXPECT_EQ(reasonFor(game, item), "KARTENRAND");

    setTile(game, 20, 10, TUNNEL, NONE);
    CargoItem& inside = game.items.emplace_back(20, 10, EAST, LOG);
    inside.tunnelProgress = 2;
    EXPECT_EQ(reasonFor(game, inside), "");
    inside.tunnelProgress = 1;
    EXPECT_EQ(reasonFor(game, inside), "KEINE RICHTUNG") << "the entrance has no direction";
}

TEST(BlockedReason, NamesTheTileInFront)
{
    Game game = emptyGame();
    game.items.reserve(4);
    layBelt(game, 10, 10, EAST);
    CargoItem& item = game.items.emplace_back(10, 10, EAST, COAL);
    layBelt(game, 11, 10, EAST);
    EXPECT_EQ(reasonFor(game, item), "");
    game.items.emplace_back(11, 10, EAST, LOG);
    EXPECT_EQ(reasonFor(game, item), "ZIEL BELEGT");
    game.items.pop_back();

    Tile& shop = setTile(game, 11, 10, SHOP, WEST);  // its front faces the belt
    EXPECT_EQ(reasonFor(game, item), "");
    shop.shopAcceptMask = cargoBit(LOG);
    EXPECT_EQ(reasonFor(game, item), "KAUFHAUS LEHNT AB");
    shop.dir = EAST;
    shop.shopAcceptMask = ALL_CARGO;
    EXPECT_EQ(reasonFor(game, item), "KAUFHAUS LEHNT AB") << "entering through its back";

    setTile(game, 11, 10, PLAIN);
    EXPECT_EQ(reasonFor(game, item), "ANSCHLUSS FEHLT");
}

TEST(BlockedReason, ArmItemsLookAlongTheirOwnDirectionAndReach)
{
    Game game = emptyGame();
    game.items.reserve(4);
    poweredTile(game, 10, 10, ARM, NORTH);  // the tile's direction plays no part
    CargoItem& item = game.items.emplace_back(10, 10, EAST, LOG);
    layBelt(game, 11, 10, EAST);
    EXPECT_EQ(reasonFor(game, item), "");
    item.dir = WEST;
    EXPECT_EQ(reasonFor(game, item), "ANSCHLUSS FEHLT");
    item.dir = NONE;
    EXPECT_EQ(reasonFor(game, item), "KEINE RICHTUNG");

    poweredTile(game, 10, 10, LONG_ARM, NORTH);
    item.dir = EAST;
    EXPECT_EQ(reasonFor(game, item), "ANSCHLUSS FEHLT") << "two tiles out lies nothing";
    setTile(game, 12, 10, SINK);
    game.items.emplace_back(11, 10, EAST, LOG);
    EXPECT_EQ(reasonFor(game, item), "") << "the tile between does not matter";
    poweredTile(game, 78, 10, LONG_ARM, EAST);
    EXPECT_EQ(reasonFor(game, game.items.emplace_back(78, 10, EAST, LOG)), "KARTENRAND");
}

TEST(BlockedReason, StoppedBeltsAndHeldExitsComeFirst)
{
    Game game = emptyGame();
    layBelt(game, 79, 10, EAST, 0);
    CargoItem& item = game.items.emplace_back(79, 10, EAST, LOG);
    EXPECT_EQ(reasonFor(game, item), "BAND GESTOPPT");
    item.layer = 1;  // the deck above is empty ground: no belt to stop it
    EXPECT_EQ(reasonFor(game, item), "KEINE RICHTUNG");
    item.layer = 0;

    poweredTile(game, 20, 20, ARM, EAST);
    CargoItem& held = game.items.emplace_back(20, 20, NONE, LOG);
    held.carried = true;
    held.holdState = HOLD_AT_DROP;
    EXPECT_EQ(reasonFor(game, held), "AUSGANG BELEGT");
    held.holdState = HOLD_SWINGING;
    EXPECT_EQ(reasonFor(game, held), "KEINE RICHTUNG");
}
