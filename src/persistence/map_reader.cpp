// Game::readMap: the map text is read into a scratch world of its own; the
// game is replaced only once the whole text has passed.
#include <istream>
#include <limits>

#include "persistence/cargo_item_record.h"
#include "persistence/legacy_water_lines.h"
#include "persistence/loaded_items.h"
#include "persistence/loaded_world.h"
#include "persistence/map_fields.h"
#include "persistence/map_identities.h"
#include "persistence/map_links.h"
#include "persistence/map_structure.h"
#include "persistence/path_repair.h"
#include "persistence/scratch_world.h"
#include "persistence/tile_line.h"
#include "persistence/tile_state.h"

namespace {

constexpr int FIRST_VERSION_WITH_WIRE_INPUTS = 33;
constexpr int FIRST_VERSION_WITH_STEPPER_WIRES = 38;
constexpr int LEGACY_SIGNAL_LINKS_VERSION = 23;
// An item caught in flight restarts the end of its ejector's stroke.
constexpr float THROWN_KICK_TIME = 0.04f;

constexpr MapField<Link> LINK_END_FIELDS[] = {
    {&Link::x0, OLDEST_MAP_VERSION, {0, GRID_WIDTH - 1}},
    {&Link::y0, OLDEST_MAP_VERSION, {0, GRID_HEIGHT - 1}},
    {&Link::x1, OLDEST_MAP_VERSION, {0, GRID_WIDTH - 1}},
    {&Link::y1, OLDEST_MAP_VERSION, {0, GRID_HEIGHT - 1}},
};

// Input and stepper output are judged with the whole wiring.
constexpr MapField<Link> SWITCH_WIRE_FIELDS[] = {
    {&Link::input, FIRST_VERSION_WITH_WIRE_INPUTS},
    {&Link::param, FIRST_VERSION_WITH_STEPPER_WIRES},
};

// The largest next machine id a header may give.
constexpr std::uint64_t LAST_MACHINE_ID = std::numeric_limits<std::uint64_t>::max() - 1;

struct MapSize {
    int width = 0;
    int height = 0;
};

bool readHeader(std::istream& in, ScratchWorld& world, MapSize& size)
{
    if (!readKeyword(in, MAP_MAGIC) || !readInt(in, world.version) || !readInt(in, size.width) ||
        !readInt(in, size.height)) {
        return false;
    }
    if (world.version < OLDEST_MAP_VERSION || world.version > MAP_VERSION) return false;
    const bool fullSize = size.width == GRID_WIDTH && size.height == GRID_HEIGHT;
    const bool legacySize = size.width == LEGACY_MAP_WIDTH && size.height == LEGACY_MAP_HEIGHT;
    if (!fullSize && !legacySize) return false;
    if (world.version < FIRST_VERSION_WITH_MACHINE_IDS) return true;
    return readUnsigned(in, world.nextMachineId) && world.nextMachineId != 0 && world.nextMachineId <= LAST_MACHINE_ID;
}

// Only producers carry an identity; each machine id names one producer.
bool acceptTileIdentity(Tile& tile, ScratchWorld& world)
{
    if (world.version < FIRST_VERSION_WITH_MACHINE_IDS) {
        if (tile.type == SOURCE) tile.machineId = world.nextMachineId++;
        return true;
    }
    if (!isProducerType(tile.type)) return tile.machineId == 0 && tile.serialCounter == 0 && tile.label.empty();
    if (tile.type != SOURCE && world.version < FIRST_VERSION_WITH_ALL_PRODUCER_IDS) {
        return tile.machineId == 0 && tile.serialCounter == 0;
    }
    return tile.machineId != 0 && tile.machineId < world.nextMachineId &&
           world.producerIds.insert(tile.machineId).second;
}

bool readTileLines(std::istream& in, ScratchWorld& world, const MapSize& size)
{
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            Tile& tile = world.tiles[tileIndex(x, y)];
            if (!readTileLine(in, tile, world.version) || !acceptTileIdentity(tile, world)) return false;
        }
    }
    return true;
}

// Every tile has a state line, also in a map of the old small size.
bool readStateAndTileStates(std::istream& in, ScratchWorld& world)
{
    if (world.version < FIRST_VERSION_WITH_STATE) return true;
    if (!readKeyword(in, STATE_KEYWORD) || !readMapState(in, world.state, world.version)) return false;
    for (Tile& tile : world.tiles) {
        if (!readTileState(in, tile, world.version)) return false;
    }
    return true;
}

bool readLinkSection(std::istream& in, const LinkSection& section, std::vector<Link>& links, int version)
{
    std::uint32_t count = 0;
    if (!readKeyword(in, section.keyword) || !readBoundedUnsigned(in, count, section.maxCount)) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        Link& link = links.emplace_back();
        if (!readFields<Link>(in, link, LINK_END_FIELDS, version)) return false;
        if (section.switchWires && !readFields<Link>(in, link, SWITCH_WIRE_FIELDS, version)) return false;
    }
    return true;
}

bool readItems(std::istream& in, ScratchWorld& world)
{
    std::uint32_t count = 0;
    if (!readKeyword(in, ITEMS_KEYWORD) || !readBoundedUnsigned(in, count, MAX_MAP_ITEMS)) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        CargoItem& item = world.items.emplace_back(0, 0, NONE, LOG);
        if (!readCargoItem(in, item, world.version)) return false;
    }
    return true;
}

bool readSections(std::istream& in, ScratchWorld& world)
{
    if (world.version < FIRST_VERSION_WITH_STATE) return true;
    for (int i = 0; i < LINK_SECTION_COUNT; ++i) {
        const LinkSection& section = LINK_SECTIONS[i];
        if (world.version < section.since || world.version > section.until) continue;
        if (!readLinkSection(in, section, world.links[i], world.version)) return false;
    }
    // The one kind of signal wire of that version served as both kinds.
    if (world.version == LEGACY_SIGNAL_LINKS_VERSION) {
        world.links[SWITCH_WIRES_SECTION] = world.links[LEGACY_SIGNAL_LINKS_SECTION];
        world.links[MEASURE_WIRES_SECTION] = world.links[LEGACY_SIGNAL_LINKS_SECTION];
    }
    return readItems(in, world);
}

bool linksFit(ScratchWorld& world)
{
    const std::vector<Tile>& tiles = world.tiles;
    std::vector<Link>& powerCables = world.links[POWER_CABLES_SECTION];
    if (!dcCablesFit(tiles, world.links[DC_CABLES_SECTION]) || !powerCablesFit(tiles, powerCables, world.version))
        return false;
    dropLegacyMolderLinks(tiles, powerCables, world.version);
    std::vector<int> evaluationOrder;
    if (!Game::validateSignalLinks(tiles, world.links[SWITCH_WIRES_SECTION], evaluationOrder) ||
        !validateMapLinks(tiles, world.links[MEASURE_WIRES_SECTION])) {
        return false;
    }
    const std::vector<Link>& waterLines = world.links[WATER_LINKS_SECTION];
    if (!waterLinesFit(tiles, waterLines)) return false;
    layLegacyWaterPipes(world.tiles, waterLines);
    return true;
}

// Early maps numbered only their sources; the other producers are numbered
// now, in tile order. Numbers past the largest a header may give are refused.
bool numberEarlyProducers(ScratchWorld& world)
{
    if (world.version >= FIRST_VERSION_WITH_ALL_PRODUCER_IDS) return true;
    for (Tile& tile : world.tiles) {
        if (!isProducerType(tile.type) || tile.machineId != 0) continue;
        if (world.nextMachineId == LAST_MACHINE_ID) return false;
        tile.machineId = world.nextMachineId++;
    }
    return true;
}

// The checks that need the whole map, and the repairs of older versions.
bool relationsFit(ScratchWorld& world)
{
    if (!tileStructureFits(world.tiles) || !linksFit(world) || !numberEarlyProducers(world)) return false;
    MapIdentities identities = identitiesOfProducers(world.tiles, world.nextMachineId);
    if (!tileIdentitiesFit(identities, world.tiles) || !itemsFitTheirTiles(world.tiles, world.items, identities))
        return false;
    repairItemPaths(world.tiles, world.items, world.version);
    return true;
}

// Decks are not stored: every deck part carries a belt along the bridge.
void buildDeckLayer(ScratchWorld& world)
{
    world.deckTiles.assign(TILE_COUNT, Tile{});
    for (int i = 0; i < TILE_COUNT; ++i) {
        if (world.tiles[i].bridgePart != BRIDGE_DECK) continue;
        world.deckTiles[i].type = BELT;
        world.deckTiles[i].dir = world.tiles[i].bridgeDir;
    }
}

// An item that was in flight is still in its ejector's stroke.
void restoreThrowingEjectors(Game& game)
{
    for (const CargoItem& item : game.items) {
        if (item.state != ITEM_IN_FLIGHT || item.ejectTarget < 0) continue;
        Tile& ejector = game.tiles[item.ejectTarget];
        if (ejector.type != EJECTOR) continue;
        const DirectionVector v = directionVector(ejector.dir);
        const float dx = item.posX - static_cast<float>(item.ejectTarget % GRID_WIDTH);
        const float dy = item.posY - static_cast<float>(item.ejectTarget / GRID_WIDTH);
        ejector.ejectorBusy = true;
        ejector.ejectorTimer = 0.0f;
        ejector.ejectorKickTime = THROWN_KICK_TIME;
        ejector.ejectorItemId = item.id;
        ejector.ejectorStroke = dx * v.dx + dy * v.dy - cargoExtent(item.cargo, ejector.dir);
    }
}

// Nothing here can fail; the old world ends in the scratch containers.
void commit(Game& game, ScratchWorld& world)
{
    game.tiles.swap(world.tiles);
    game.nextMachineId = world.nextMachineId;
    game.deckTiles.swap(world.deckTiles);
    game.items.swap(world.items);
    restoreThrowingEjectors(game);
    for (int i = 0; i < LINK_SECTION_COUNT; ++i) {
        if (LINK_SECTIONS[i].links != nullptr) (game.*LINK_SECTIONS[i].links).swap(world.links[i]);
    }
    game.incomeEvents.clear();
    applyMapState(game, world.state);
    settleLoadedWorld(game, world.version);
    game.titleDirty = true;
}

}  // namespace

bool Game::readMap(std::istream& in)
{
    ScratchWorld world;
    MapSize size;
    if (!readHeader(in, world, size)) return false;
    world.tiles.resize(TILE_COUNT);
    if (!readTileLines(in, world, size) || !readStateAndTileStates(in, world) || !readSections(in, world) ||
        !atEndOfText(in) || !relationsFit(world)) {
        return false;
    }
    buildDeckLayer(world);
    commit(*this, world);
    return true;
}
