#include <algorithm>
#include <cmath>

#include "simulation/item_transport.h"
#include "simulation/step_tables.h"
#include "world/game.h"

namespace {

constexpr float PISTON_SPEED = 40.0f;  // tiles per second
constexpr float PISTON_REST = 0.5f;
constexpr float SHORTEST_STROKE = 0.04f;
// An item carrying the held identity is followed only this far out.
constexpr float FOLLOW_REACH = 2.0f;
constexpr float CENTRE_TOLERANCE = 0.0001f;

// The piston's travel differs with the axis, as the drawn ejector does.
struct PistonAxis {
    float fullReach;
    float returnTime;  // from full reach back to rest at piston speed
};
constexpr PistonAxis EAST_WEST_PISTON{1.4991667f, 0.024979169f};
constexpr PistonAxis NORTH_SOUTH_PISTON{1.6397667f, 0.028494168f};

// A thrown item that has come to rest.
bool hasLanded(const CargoItem& item) { return item.state == ITEM_IN_FLIGHT && item.path.empty(); }

bool landsOnEmptyGround(const Game& game, const CargoItem& item)
{
    if (!hasLanded(item)) return false;
    return !game.inBounds(item.x, item.y) || game.tileUnder(item).type == EMPTY;
}

// The ejector serving the belt tile the item rests on, or -1 when the item
// is not one an ejector looks at.
int servingEjector(const Game& game, const CargoItem& item, const std::vector<std::uint8_t>& ejectorBelts)
{
    if (item.carried || item.layer != 0 || item.leavingTunnel || !item.path.empty()) return -1;
    if (!game.inBounds(item.x, item.y) || ejectorBelts[static_cast<std::size_t>(tileIndex(item.x, item.y))] == 0)
        return -1;
    if (std::hypot(item.posX - static_cast<float>(item.x), item.posY - static_cast<float>(item.y)) > CENTRE_TOLERANCE) {
        return -1;
    }
    if (!game.inBounds(item.x, item.y) || item.ejectSkipTile == tileIndex(item.x, item.y)) return -1;
    return game.ejectorForBelt(item.x, item.y);
}

// No item is in the ejector's charge; the items' marks are filed once per
// pass and kept up as the pass hands items over.
bool ejectorIsFree(const Game& game, int ejector, TunnelItemIndex& tunnels, StepScratch& s)
{
    const Tile& tile = game.tiles[static_cast<std::size_t>(ejector)];
    if (!tile.ejectorActive || !(tile.ejectorTimer < 0.0f)) return false;
    if (!s.ejectorsInChargeFiled) {
        s.ejectorsInCharge.assign(TILE_COUNT, 0);
        tunnels.forEachOutside(game.items.size(), [&](std::size_t i) {  // held items are in no ejector's charge
            const CargoItem& item = game.items[i];
            // A landed item is let go in the same pass, before or after this item.
            if (hasLanded(item) || item.ejectTarget < 0 || item.ejectTarget >= TILE_COUNT) return;
            s.ejectorsInCharge[static_cast<std::size_t>(item.ejectTarget)] = 1;
        });
        s.ejectorsInChargeFiled = true;
    }
    return s.ejectorsInCharge[static_cast<std::size_t>(ejector)] == 0;
}

// Unwired ejectors take everything; wired sensors choose by kind, or, when
// one of them watches for arrivals, each sighting pays for one item.
bool ejectorTakes(Game& game, int ejector, CargoType cargo)
{
    const int ex = ejector % GRID_WIDTH;
    const int ey = ejector / GRID_WIDTH;
    bool wired = false;
    bool eventMode = false;
    CargoMask mask = 0;
    for (const Link& wire : game.signalControlLinks) {
        if (wire.x1 != ex || wire.y1 != ey || !game.inBounds(wire.x0, wire.y0)) continue;
        const Tile& sensor = game.tileAt(wire.x0, wire.y0);
        if (sensor.type != SENSOR) continue;
        wired = true;
        mask |= cargoBit(sensor.sensorCargo);
        eventMode = eventMode || sensor.sensorWatchItems;
    }
    if (!wired) return true;
    if (!eventMode) return maskHasCargo(mask, cargo);
    int& shots = game.tiles[static_cast<std::size_t>(ejector)].ejectorJobs;
    if (shots <= 0) return false;
    --shots;
    return true;
}

bool readyToStep(const Game& game, const CargoItem& item)
{
    return item.speedCredit >= MOVE_COST && game.canEjectItem(item, -1);
}

// Lets landed items go and offers items resting on served belt tiles to
// their ejectors, in one pass over the items outside tunnels; true when a belt pass should follow to let
// them move at once.
bool feedEjectors(Game& game, const std::vector<std::uint8_t>& ejectorBelts, TunnelItemIndex& tunnels, StepScratch& s)
{
    s.ejectorsInChargeFiled = false;
    bool stepAgain = false;
    tunnels.forEachOutside(game.items.size(), [&](std::size_t i) {  // held items are free and on no belt
        CargoItem& item = game.items[i];
        if (hasLanded(item)) {
            item.ejectTarget = -1;
            item.state = ITEM_FREE;
        }
        if (item.state == ITEM_TAKEN_BY_EJECTOR) {
            stepAgain = stepAgain || readyToStep(game, item);
            return;
        }
        if (item.state != ITEM_FREE) return;
        const int ejector = servingEjector(game, item, ejectorBelts);
        if (ejector < 0 || !ejectorIsFree(game, ejector, tunnels, s)) return;
        item.ejectSkipTile = tileIndex(item.x, item.y);  // offered once per visit
        if (ejectorTakes(game, ejector, item.cargo)) {
            item.ejectTarget = ejector;
            s.ejectorsInCharge[static_cast<std::size_t>(ejector)] = 1;
            item.state = ITEM_TAKEN_BY_EJECTOR;
            stepAgain = stepAgain || readyToStep(game, item);
        } else if (item.speedCredit >= MOVE_COST) {
            stepAgain = true;
        }
    });
    return stepAgain;
}

struct FollowedItem {
    const CargoItem* item = nullptr;
    float reach = 0.0f;  // how far out along the ejector's direction it is
};

// The thrown item the piston follows: the one in flight from this ejector,
// else one with the held identity that has not flown far.
FollowedItem followedItem(const Game& game, int ejector, const Tile& tile, DirectionVector d)
{
    auto reachOf = [&](const CargoItem& item) {
        return (item.posX - static_cast<float>(ejector % GRID_WIDTH)) * d.dx +
               (item.posY - static_cast<float>(ejector / GRID_WIDTH)) * d.dy;
    };
    const auto& items = game.items;
    auto thrown = std::find_if(items.begin(), items.end(), [ejector](const CargoItem& item) {
        return item.ejectTarget == ejector && item.state == ITEM_IN_FLIGHT;
    });
    if (thrown != items.end() && !thrown->path.empty()) return {&*thrown, reachOf(*thrown)};
    const ItemId& held = tile.ejectorItemId;
    auto same = std::find_if(items.begin(), items.end(), [&held](const CargoItem& item) {
        return item.id.machineId == held.machineId && item.id.serial == held.serial;
    });
    if (same != items.end() && !same->path.empty() && reachOf(*same) < FOLLOW_REACH) return {&*same, reachOf(*same)};
    return {};
}

// The piston rides behind the flying item, its face kept clear of the cargo.
void followWithPiston(Tile& tile, const FollowedItem& followed, Direction dir, float strokeTime, float dt)
{
    tile.ejectorTimer = std::min(tile.ejectorTimer + dt, strokeTime);
    const float margin = cargoExtent(followed.item->cargo, dir);
    const float lo = 1.0f - margin;
    if (tile.ejectorStroke >= lo) {
        tile.ejectorStroke = std::max(std::min(followed.reach - margin, 2.0f - margin), lo);
    } else {
        tile.ejectorStroke = std::min(tile.ejectorStroke + PISTON_SPEED * dt, lo);
    }
}

void stepEjector(Game& game, int index, float dt)
{
    Tile& tile = game.tiles[static_cast<std::size_t>(index)];
    if (tile.ejectorTimer < 0.0f) {
        tile.ejectorStroke = PISTON_REST;
        return;
    }
    const float strokeTime = std::max(tile.ejectorKickTime, SHORTEST_STROKE);
    const Direction dir = isCompassDirection(tile.dir) ? tile.dir : NORTH;
    const PistonAxis& axis = (dir == EAST || dir == WEST) ? EAST_WEST_PISTON : NORTH_SOUTH_PISTON;

    const FollowedItem followed =
        tile.ejectorBusy ? followedItem(game, index, tile, directionVector(dir)) : FollowedItem{};
    if (followed.item != nullptr) {
        const int landingX = index % GRID_WIDTH + 2 * directionDx(dir);
        const int landingY = index / GRID_WIDTH + 2 * directionDy(dir);
        const PathPoint& next = followed.item->path.front();
        if (next.x != landingX || next.y != landingY) return;  // waits until it is seen on its way again
        followWithPiston(tile, followed, dir, strokeTime, dt);
        return;
    }

    tile.ejectorBusy = false;
    tile.ejectorTimer += dt;
    if (tile.ejectorTimer > strokeTime) {
        tile.ejectorStroke = std::max(tile.ejectorStroke - PISTON_SPEED * dt, PISTON_REST);
    } else {
        tile.ejectorStroke = std::min(tile.ejectorStroke + PISTON_SPEED * dt, axis.fullReach);
    }
    if (tile.ejectorTimer >= strokeTime + axis.returnTime) {
        tile.ejectorTimer = -1.0f;
        tile.ejectorStroke = PISTON_REST;
    }
}

}  // namespace

void Game::landThrownItems()
{
    // Items at rest in tunnels are not in flight; the list closes up in order over those that fell.
    TunnelItemIndex& tunnels = tables_.get().tunnels;
    if (tunnels.anyOutside(items.size(), [this](std::size_t i) { return landsOnEmptyGround(*this, items[i]); })) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (!tunnels.holds(i) && landsOnEmptyGround(*this, items[i])) continue;
            if (kept != i) {
                items[kept] = std::move(items[i]);
                tunnels.moveEntry(i, kept);
            }
            ++kept;
        }
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(kept), items.end());
        tunnels.keepFirst(kept);
    }
    if (feedEjectors(*this, currentLayout().ejectorBelts, tunnels, tables_.get().step)) stepItems(BeltPass::FollowUp);
}

void Game::stepEjectors(float dt)
{
    for (int index : currentLayout().ejectors)
        stepEjector(*this, index, dt);
}
