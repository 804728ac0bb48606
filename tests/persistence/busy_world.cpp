#include "map_text_support.h"

namespace {

Tile& build(Game& game, int x, int y, ControlType type, Direction dir)
{
    Tile& tile = game.tileAt(x, y);
    tile = Tile{};
    tile.type = type;
    tile.dir = dir;
    return tile;
}

Tile& buildProducer(Game& game, int x, int y, ControlType type, const std::string& label)
{
    Tile& tile = build(game, x, y, type, EAST);
    tile.machineId = game.nextMachineId++;
    tile.serialCounter = 40;
    tile.label = label;
    return tile;
}

ItemRecord product(std::uint64_t machineId, std::uint64_t serial, std::vector<ItemId> parts = {})
{
    return ItemRecord{ItemId{machineId, serial, "PART-" + std::to_string(serial)}, std::move(parts)};
}

void buildTransport(Game& game)
{
    Tile& belt = build(game, 5, 9, BELT, EAST);
    belt.beltSpeed = 5;
    belt.beltPriority = WEST;

    build(game, 10, 2, BRIDGE, EAST).bridgeDir = EAST;
    game.tileAt(10, 2).bridgePart = BRIDGE_ENTRY_RAMP;
    game.tileAt(11, 2).bridgeDir = EAST;
    game.tileAt(11, 2).bridgePart = BRIDGE_DECK;
    build(game, 12, 2, BRIDGE, EAST).bridgeDir = EAST;
    game.tileAt(12, 2).bridgePart = BRIDGE_EXIT_RAMP;
    game.deckTiles[tileIndex(11, 2)].type = BELT;
    game.deckTiles[tileIndex(11, 2)].dir = EAST;

    Tile& entrance = build(game, 20, 4, TUNNEL, EAST);
    entrance.tunnelPartnerX = 24;
    entrance.tunnelPartnerY = 4;
    Tile& exit = build(game, 24, 4, TUNNEL_EXIT, EAST);
    exit.tunnelPartnerX = 20;
    exit.tunnelPartnerY = 4;

    Tile& arm = build(game, 6, 12, LONG_ARM, EAST);
    arm.armCargoFilter = 4097;
    arm.armSideMask = 10;
    arm.armFreeAngle = 1.25f;
    arm.armAngle = -2.71828f;
    arm.armPendingJobs = 7;
    arm.armSignalOn = true;
    arm.armHomeMode = 2;
    arm.armHomePending = true;

    Tile& distributor = build(game, 30, 30, DISTRIBUTOR, EAST);
    distributor.modeSignal = true;
    distributor.signalSelectsB = true;
    distributor.cargoRuleMask = 37;
    distributor.modeCargoRules = true;
    distributor.lastSideB = true;
    build(game, 30, 31, DISTRIBUTOR_SECOND, EAST);

    Tile& mixer = build(game, 33, 30, MIXER, SOUTH);
    mixer.ratioA = 3;
    mixer.ratioB = 5;
    mixer.ratioPos = 7;
    build(game, 32, 30, MIXER_SECOND, SOUTH);

    Tile& ejector = build(game, 40, 40, EJECTOR, NORTH);
    ejector.ejectorActive = false;
    ejector.ejectorJobs = 3;
    build(game, 40, 39, BELT, NORTH);
}

void buildMachines(Game& game)
{
    Tile& source = game.tileAt(STARTER_SOURCE_X, STARTER_SOURCE_Y);
    source.label = "MILL 1";
    source.serialCounter = 30;
    source.sourceRunning = true;
    source.sourceCargo = IRON_ORE;
    source.sourceProduced[IRON_ORE] = 12;

    Tile& sink = game.tileAt(STARTER_SINK_X, STARTER_SINK_Y);
    sink.sinkAccepting = false;
    sink.sinkDelivered[IRON_ORE] = 2;
    sink.sinkDeliveredIds = {ItemId{1, 1, "MILL 1"}, ItemId{1, 2, "MILL 1"}};

    Tile& kiln = buildProducer(game, 14, 20, OVEN, "KILN");
    kiln.ovenAcceptMask = 1;
    kiln.ovenInputCargo = {LOG, PLANKS};
    kiln.ovenInputItems = {product(1, 3), product(1, 4)};
    kiln.ovenOutputCount = 1;
    kiln.ovenOutputItems = {product(kiln.machineId, 1, {ItemId{1, 5, ""}})};
    kiln.ovenHeld = 3;
    kiln.ovenTimer = 4.99f;

    Tile& smelter = buildProducer(game, 16, 20, SMELTER, "");
    smelter.smelterAcceptMask = 12;
    smelter.smelterInputCargo = {IRON_ORE};
    smelter.smelterInputItems = {product(1, 6)};
    smelter.smelterOutputCargo = {STEEL_INGOT};
    smelter.smelterOutputItems = {product(smelter.machineId, 2)};
    smelter.smelterInProcess = 1;
    smelter.smelterCurrentItem = product(smelter.machineId, 3, {ItemId{1, 7, ""}});
    smelter.smelterCoal = 1;
    smelter.smelterCoalItems = {product(1, 13)};
    smelter.smelterHeld = 4;
    smelter.smelterTimer = 0.1f;

    Tile& filler = buildProducer(game, 18, 20, FILLER, "BOTTLER");
    filler.fillerAccepting = false;
    filler.fillerWaiting = 1;
    filler.fillerInputItems = {product(1, 14)};
    filler.fillerOutputCount = 2;
    filler.fillerOutputItems = {product(filler.machineId, 1), product(filler.machineId, 2)};
    filler.fillerBottles = 3;
    filler.fillerTimer = 2.5f;

    Tile& storage = build(game, 22, 20, STORAGE, WEST);
    storage.storageAcceptMask = 1 << COAL;
    storage.storageOutputOn = true;
    storage.storageCargo = {COAL, COAL};
    storage.storageItems = {product(1, 15), product(1, 16)};

    build(game, 24, 20, SHOP, SOUTH).shopAcceptMask = 1 << FULL_BOTTLE;

    Tile& generator = build(game, 26, 20, COAL_GENERATOR, NONE);
    generator.generatorCoal = 2;
    generator.generatorFuelItems = {ItemRecord{}, ItemRecord{}};
    generator.generatorBurnTime = 7.25f;
    generator.generatorOn = true;
    build(game, 28, 20, POWER_POLE, NONE);

    Tile& molder = buildProducer(game, 30, 20, INJECTION_MOLDER, "GEARS");
    molder.molderGranulate = 1;
    molder.molderGranulateItems = {ItemRecord{}};
    molder.molderWater = 2;
    molder.molderWaterItems = {ItemRecord{}, ItemRecord{}};
    molder.molderOutputCount = 1;
    molder.molderOutputItems = {product(molder.machineId, 1)};
    molder.molderTimer = 3.75f;
    molder.molderOn = true;

    buildProducer(game, 34, 20, WATER_SOURCE, "WELL").waterAccumulator = 1.5f;
    build(game, 35, 20, WATER_PIPE, NONE);
}

void buildLogic(Game& game)
{
    Tile& sensor = build(game, 5, 10, SENSOR, EAST);
    sensor.sensorCargo = IRON_ORE;
    sensor.limit = 12;
    sensor.compareAbove = 1;
    sensor.thenAction = SWITCH_OFF;
    sensor.elseAction = SWITCH_ON;
    sensor.switchPriority = 4;
    sensor.sensorWatchItems = true;
    sensor.sensorPerItem = true;
    sensor.sensorTargetIndex = 3;

    Tile& counter = build(game, 50, 50, LOGIC_COUNTER, NONE);
    counter.limit = 99999;
    counter.counterCount = 17;
    counter.counterPrevInput = true;
    counter.counterPulse = 0.18f;

    Tile& timer = build(game, 52, 50, LOGIC_TIMER, NONE);
    timer.periodSeconds = 4;
    timer.elapsed = 3.999f;
    timer.pulse = 0.05f;
    timer.prevInput = true;
    timer.running = true;

    build(game, 54, 50, LOGIC_SWITCH, NONE).switchOn = true;
    build(game, 56, 50, LOGIC_STEPPER, NONE).stepperIndex = 2;
    build(game, 58, 50, LOGIC_RS, NONE).rsState = true;
    build(game, 60, 50, POWER_SUPPLY, NONE);
    build(game, 6, 14, ARM, SOUTH).armContinuous = true;
}

void buildLinks(Game& game)
{
    game.powerLinks = {Link{26, 20, 28, 20, 0, 0}};
    game.signalControlLinks = {Link{56, 50, 22, 20, 0, 3}, Link{54, 50, 58, 50, 1, 0}};
    game.signalMeasureLinks = {Link{5, 10, 22, 20, 0, 0}};
    game.dcLinks = {Link{60, 50, 54, 50, 0, 0}, Link{60, 50, 56, 50, 0, 0}};
}

void addItems(Game& game)
{
    CargoItem& moving = game.items.emplace_back(5, 9, EAST, IRON_ORE);
    moving.id = ItemId{1, 8, "MILL 1"};
    moving.posX = 5.4375f;
    moving.progress = 0.4375f;
    moving.speedCredit = 5;
    moving.path.push_back(PathPoint{6, 9, 2.8333333f, EAST, false});
    moving.path.push_back(PathPoint{7, 9, JUMP_SPEED, EAST, true});

    CargoItem& held = game.items.emplace_back(6, 12, WEST, PLANKS);
    held.id = ItemId{1, 9, ""};
    held.parts = {ItemId{1, 10, "A"}, ItemId{1, 11, "B"}};
    held.carried = true;
    held.holdState = HOLD_SWINGING;
    held.swing = 3.1415f;
    held.gripTimer = -0.5f;
    held.targetTile = tileIndex(7, 12);

    CargoItem& waiting = game.items.emplace_back(40, 39, NORTH, COAL);
    waiting.id = ItemId{1, 12, ""};
    waiting.ejectTarget = tileIndex(40, 40);
    waiting.state = ITEM_TAKEN_BY_EJECTOR;
    waiting.ejectSkipTile = tileIndex(40, 39);

    CargoItem& tunnelled = game.items.emplace_back(20, 4, EAST, LOG);
    tunnelled.id = ItemId{1, 17, ""};
    tunnelled.tunnelProgress = 3;

    CargoItem& leaving = game.items.emplace_back(24, 4, EAST, LOG);
    leaving.id = ItemId{1, 18, ""};
    leaving.leavingTunnel = true;
    leaving.tunnelExitX = 25;
    leaving.tunnelExitY = 4;
}

}  // namespace

Game busyWorld()
{
    Game game;
    buildTransport(game);
    buildMachines(game);
    buildLogic(game);
    buildLinks(game);
    addItems(game);
    game.money = 123456789012LL;
    game.moneyAtMonthStart = 5;
    game.lastMonthResult = -42;
    game.monthReportPending = true;
    game.sourcesEnabled = false;
    game.deliveredCount = 77;
    game.gameTime = 123456.789;
    game.sourceClock = 1.5999f;
    game.stepClock = 0.5f;
    game.stepCount = 4000000000u;
    return game;
}
