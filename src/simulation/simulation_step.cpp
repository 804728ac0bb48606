#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "audio/sound_engine.h"
#include "logic/logic_rules.h"
#include "machines/injection_molder_control.h"
#include "machines/production_rules.h"
#include "simulation/item_transport.h"
#include "simulation/step_tables.h"
#include "world/control.h"
#include "world/game.h"

namespace {

// One divided by the single-precision 1.7, one unit in the last place below
// the float nearest to 1/1.7; map files and golden runs depend on the bits.
constexpr float BELT_STEP_PERIOD = 0.58823526f;
constexpr float SOURCE_PERIOD = 1.6f;
constexpr float FULL_GENERATOR_KW = 120.0f;
constexpr float MOLDER_INJECT_SOUND_TIME = 0.6f;
constexpr float DELIVERY_RADIUS = 0.15f;

const char* const TITLE_PREFIX = "Gearhaven  -  Geliefert: ";
const char* const TITLE_HELP = "   (Leertaste: Pause, Strg+Z: Undo, F5: Speichern, F9: Laden, Werkzeug links waehlen, "
                               "Links: anwenden, Shift+Links: Werkzeug, Mitte: verschieben, Rad: Zoom)";

}  // namespace

void Game::assignMachineId(Tile& producer)
{
    if (producer.machineId == 0) producer.machineId = nextMachineId++;
}

namespace {

// One tile of the tile scan; the work lists gather in scan order.
void scanTile(Game& game, int index, float dt, StepScratch& scan, bool& storageOutputDue)
{
    Tile& tile = game.tiles[static_cast<std::size_t>(index)];
    if (tile.sensorFlash > 0.0f) tile.sensorFlash = std::max(0.0f, tile.sensorFlash - dt);
    switch (tile.type) {
    case LOGIC_COUNTER:
        countDownCounterPulse(tile, dt);
        break;
    case STORAGE:
        if (tile.storageOutputOn && !tile.storageCargo.empty()) storageOutputDue = true;
        break;
    case COAL_GENERATOR:
        tile.generatorInUse = false;
        if (tile.generatorOn && (tile.generatorBurnTime > 0.0f || tile.generatorCoal > 0)) {
            scan.generators.push_back(index);
        }
        break;
    case OVEN:
    case SMELTER:
    case FILLER:
        game.assignMachineId(tile);
        controlForType(tile.type).update(tile, dt);
        break;
    case INJECTION_MOLDER:
        tile.molderPowered = false;
        scan.molders.push_back(index);
        break;
    case WATER_SOURCE:
        scan.waterSources.push_back(index);
        break;
    default:
        break;
    }
}

void runMolder(Game& game, int index, float dt, SparePartLists& spareParts)
{
    Tile& molder = game.tiles[index];
    game.assignMachineId(molder);
    const float timerBefore = molder.molderTimer;
    const int gearsBefore = molder.molderOutputCount;
    static_cast<const InjectionMolderControl&>(controlForType(INJECTION_MOLDER)).update(molder, dt, spareParts);
    if (game.sound == nullptr) return;

    const bool produced = molder.molderOutputCount > gearsBefore;
    const auto id = static_cast<std::uint32_t>(index);
    const auto x = static_cast<float>(index % GRID_WIDTH);
    const auto y = static_cast<float>(index / GRID_WIDTH);
    if (molder.molderTimer > 0.0f && (timerBefore <= 0.0f || produced)) game.sound->playMolderClamp(id, x, y);
    if (molder.molderTimer >= MOLDER_INJECT_SOUND_TIME && (timerBefore < MOLDER_INJECT_SOUND_TIME || produced)) {
        game.sound->playMolderInject(id, x, y);
    }
    if (produced) game.sound->playMolderOpen(id, x, y);
}

// Hands an item that has arrived at a taking control's centre over to it;
// its record moves into the control, as the item leaves the map.
bool deliverItem(Game& game, const WorldLayout& layout, CargoItem& item, StepScratch& scratch)
{
    if (item.path.size() > 1 || item.layer == 1) return false;
    if (!game.inBounds(item.x, item.y)) return false;
    if (!takesDeliveries(layout.types[static_cast<std::size_t>(tileIndex(item.x, item.y))])) return false;
    Tile& tile = game.tileAt(item.x, item.y);
    if (std::hypot(item.posX - static_cast<float>(item.x), item.posY - static_cast<float>(item.y)) > DELIVERY_RADIUS) {
        return false;
    }
    const ControlType type = tile.type;
    ItemRecord record;
    record.id = std::move(item.id);
    record.parts = std::move(item.parts);
    controlForType(type).acceptItem(tile, item.cargo, std::move(record));
    keepSparePartList(scratch, record.parts);  // when the control kept only the identities
    if (game.sound != nullptr) {
        const auto id = static_cast<std::uint32_t>(tileIndex(item.x, item.y));
        const auto x = static_cast<float>(item.x);
        const auto y = static_cast<float>(item.y);
        if (type == OVEN) game.sound->playOvenInput(id, x, y);
        if (type == SMELTER) game.sound->playSmelterInput(id, x, y);
    }
    if (type == SINK) {
        game.addDelivered(1);
    } else if (type == SHOP) {
        game.sellCargo(item.x, item.y, item.cargo);
    }
    return true;
}

// Offers every item once, in order, and drops those that were taken, keeping
// the order of the rest; the path storage of those that left is kept for new
// items. Items at rest in tunnels reach no taking control.
void deliverItems(Game& game, const WorldLayout& layout, TunnelItemIndex& tunnels, StepScratch& scratch)
{
    std::vector<int>& taken = scratch.takenItems;
    taken.clear();
    tunnels.forEachOutside(game.items.size(), [&](std::size_t i) {
        if (!deliverItem(game, layout, game.items[i], scratch)) return;
        keepSparePath(scratch, game.items[i]);
        taken.push_back(static_cast<int>(i));
    });
    if (taken.empty()) return;
    auto next = taken.begin();
    std::size_t kept = static_cast<std::size_t>(taken.front());
    for (std::size_t i = kept; i < game.items.size(); ++i) {
        if (next != taken.end() && static_cast<std::size_t>(*next) == i) {
            ++next;
            continue;
        }
        game.items[kept] = std::move(game.items[i]);
        tunnels.moveEntry(i, kept);
        ++kept;
    }
    game.items.erase(game.items.begin() + static_cast<std::ptrdiff_t>(kept), game.items.end());
    tunnels.keepFirst(kept);
}

void spawnStorageOutputs(Game& game, bool skipMode)
{
    const std::size_t before = game.items.size();
    game.spawnMachineOutputs(OutputMachines::Storages);
    if (game.items.size() <= before) return;
    game.stepItems(BeltPass::FollowUp, static_cast<int>(before));
    if (skipMode) game.replanItems();
    for (std::size_t i = before; i < game.items.size(); ++i) {
        if (game.items[i].speedCredit > 2) game.items[i].speedCredit -= 3;
    }
}

// Lists the items at rest in tunnels for one step and forgets them after it.
class TunnelListing {
  public:
    TunnelListing(TunnelItemIndex& tunnels, const Game& game, const WorldLayout& layout, bool listed)
        : tunnels_(tunnels), game_(game), layout_(layout)
    {
        if (listed) tunnels_.list(game, layout);
    }
    ~TunnelListing()
    {
        assert(tunnels_.agrees(game_, layout_));  // no phase moved a listed item but the tunnel rule
        tunnels_.clear();
    }
    TunnelListing(const TunnelListing&) = delete;
    TunnelListing& operator=(const TunnelListing&) = delete;

  private:
    TunnelItemIndex& tunnels_;
    const Game& game_;
    const WorldLayout& layout_;
};

void reportMotorSounds(Game& game, StepScratch& s)
{
    s.armLoops.clear();
    for (const CargoItem& item : game.items) {
        if (!item.carried || item.holdState != HOLD_SWINGING || !game.isPoweredAt(item.x, item.y)) continue;
        const bool isLong = game.tileAt(item.x, item.y).type == LONG_ARM;
        s.armLoops.push_back({static_cast<std::uint32_t>(tileIndex(item.x, item.y)), item.x, item.y, isLong});
    }
    s.pressLoops.clear();
    for (int index : s.molders) {
        const Tile& molder = game.tiles[index];
        if (!molder.molderPowered || !(molder.molderTimer > 0.0f)) continue;
        s.pressLoops.push_back({static_cast<std::uint32_t>(index), index % GRID_WIDTH, index / GRID_WIDTH, false});
    }
    game.sound->updateArmLoops(s.armLoops);
    game.sound->updatePressLoops(s.pressLoops);
}

// Written into the text's own storage, which the title keeps from step to step.
void rebuildTitle(Game& game)
{
    if (!game.titleDirty) return;
    char digits[16];
    const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, game.deliveredCount);
    game.titleText.assign(TITLE_PREFIX);
    game.titleText.append(digits, written.ptr);
    game.titleText.append(TITLE_HELP);
    game.titleDirty = false;
    game.titleChanged = true;
}

}  // namespace

void Game::update(float dt, bool skipMode)
{
    if (!(dt > 0.0f)) dt = 0.0f;
    // A loaded world brings a list of its own, neither sized nor reserved.
    if (!tables_.get().step.storageReserved || items.capacity() < MOST_WORLD_ITEMS) reserveStepStorage();
    const WorldLayout& layout = currentLayout();
    const LayoutTrust trust(tables_.get().layout);
    StepScratch& s = tables_.get().step;
    // Skipping replans every item each step, so most items in tunnels rest there.
    const TunnelListing tunnels(tables_.get().tunnels, *this, layout, skipMode);

    updateNetworks(dt);
    landThrownItems();

    s.generators.clear();
    s.molders.clear();
    s.waterSources.clear();
    bool storageOutputDue = false;
    for (int index : layout.scanned)
        scanTile(*this, index, dt, s, storageOutputDue);
    for (int source : s.waterSources)
        deliverWater(source, dt);

    s.workingMolders.clear();
    for (int index : s.molders) {
        if (molderCanWork(tiles[index])) s.workingMolders.push_back(index);
    }
    updatePowerNetwork();
    for (int index : s.generators) {
        Tile& generator = tiles[index];
        if (!generator.generatorInUse) continue;
        controlForType(COAL_GENERATOR)
            .update(generator, static_cast<float>(generator.generatorLoadKw) * dt / FULL_GENERATOR_KW);
    }
    updateNetworks(0.0f);
    for (int index : s.workingMolders) {
        if (tiles[index].molderPowered) runMolder(*this, index, dt, s.spareParts);
    }
    spawnMachineOutputs(OutputMachines::Producers);

    stepClock += dt;
    bool replanned = false;
    while (stepClock >= BELT_STEP_PERIOD) {
        stepClock -= BELT_STEP_PERIOD;
        stepItems(BeltPass::Full);
        stepItems(BeltPass::FollowUp);
        stepItems(BeltPass::FollowUp);
        replanned = skipMode;
        if (skipMode) replanItems();
    }
    if (skipMode) {
        if (!replanned) replanItems();  // replanning again straight after changes nothing
        updateNetworks(0.0f);
        landThrownItems();
    } else {
        moveItems(dt);
    }
    stepEjectors(dt);
    deliverItems(*this, layout, tables_.get().tunnels, s);
    if (storageOutputDue) spawnStorageOutputs(*this, skipMode);
    rotateArms(dt);
    s.idleArmsStillListed = true;
    pickUpItems();
    if (sound != nullptr) reportMotorSounds(*this, s);

    sourceClock += dt;
    while (sourceClock >= SOURCE_PERIOD) {
        sourceClock -= SOURCE_PERIOD;
        stepSources();
    }
    rebuildTitle(*this);
}

void Game::reserveStepStorage()
{
    items.reserve(MOST_WORLD_ITEMS);  // the list never moves as it grows
    for (CargoItem& item : items)
        reservePath(item.path);
    for (Tile& tile : tiles)
        reserveRecordQueues(tile);
    incomeEvents.reserve(MAX_INCOME_EVENTS);
    // Room for the longest count, so that a count gaining a digit does not grow the title.
    constexpr std::size_t MOST_COUNT_DIGITS = 20;
    titleText.reserve(std::strlen(TITLE_PREFIX) + MOST_COUNT_DIGITS + std::strlen(TITLE_HELP));
    StepTables& scratch = tables_.get();
    reservePath(scratch.entryTrial.item.path);
    reserveForMostItems(scratch.itemStep);
    reserveForMostItems(scratch.motion);
    reserveForMostItems(scratch.step);
    scratch.tunnels.reserve();
    scratch.step.storageReserved = true;
}

void Game::replanItems()
{
    const bool allPowered = currentLayout().isAllPowered(*this);
    // The items at rest in tunnels are replanned as they are.
    tables_.get().tunnels.forEachOutside(items.size(), [&](std::size_t i) {
        CargoItem& item = items[i];
        if (isHeldByArm(item) || WorldLayout::isItemPowerStopped(*this, item, allPowered)) return;
        item.progress = 0.0f;
        item.heading = item.dir;
        item.posX = static_cast<float>(item.x);
        item.posY = static_cast<float>(item.y);
        item.originX = item.x;
        item.originY = item.y;
        item.path.clear();
        if (item.leavingTunnel && item.x == item.tunnelExitX && item.y == item.tunnelExitY) item.leavingTunnel = false;
        if (item.targetTile >= 0 && item.targetTile != tileIndex(item.x, item.y)) item.targetTile = -1;
    });
}
