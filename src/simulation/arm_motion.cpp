#include <algorithm>
#include <cmath>
#include <numbers>

#include "audio/sound_engine.h"
#include "machines/arm_control.h"
#include "simulation/hand_over_rules.h"
#include "simulation/item_transport.h"
#include "simulation/step_tables.h"
#include "world/game.h"

namespace {

constexpr float PI = std::numbers::pi_v<float>;
constexpr float FULL_TURN = 2.0f * PI;
constexpr float TURN_SPEED = 2.6179938f;  // 5 pi / 6 rad/s, also the swing speed
constexpr float GRIP_SECONDS = 0.15f;
constexpr float AIM_TOLERANCE = 0.025f;
constexpr float PICKUP_TOLERANCE = 0.15f;
constexpr float REST_TOLERANCE = 0.001f;
constexpr int LOOK_AHEAD_TILES = 4;
constexpr float NO_SCORE = 1000.0f;

// Transfer directions are tried in this order when taking an item.
constexpr Direction PICKUP_ORDER[4] = {NORTH, EAST, SOUTH, WEST};

// The shortest signed turn from angle to target, -pi .. pi.
float angleDifference(float target, float angle) { return std::remainder(target - angle, FULL_TURN); }

// The angle at which an arm points back at the side an item travelling d comes from.
float bearingAgainst(Direction d)
{
    return std::atan2(static_cast<float>(-directionDy(d)), static_cast<float>(-directionDx(d)));
}

// Turns the arm toward target by what its speed allows; returns the
// difference there was before the turn.
float turnArm(Tile& arm, float target, float dt)
{
    const float diff = angleDifference(target, arm.armAngle);
    const float limit = std::max(0.0f, TURN_SPEED * dt);
    arm.armAngle += std::clamp(diff, -limit, limit);
    return diff;
}

// A powered arm that holds nothing, free to aim and take; itemsOnTile counts
// the items standing on each tile.
bool isIdlePoweredArm(const Game& game, int x, int y, const Tile& arm, const std::vector<int>& itemsOnTile)
{
    return isArm(arm.type) && game.isPoweredAt(x, y) && itemsOnTile[static_cast<std::size_t>(tileIndex(x, y))] == 0;
}

// Held items stand on tunnel entrances only.
void countItemsOnTiles(const Game& game, const WorldLayout& layout, TunnelItemIndex& tunnels,
                       std::vector<int>& itemsOnTile)
{
    itemsOnTile.assign(TILE_COUNT, 0);
    tunnels.forEachOutside(game.items.size(), [&](std::size_t i) {
        const CargoItem& item = game.items[i];
        if (inGrid(item.x, item.y)) ++itemsOnTile[static_cast<std::size_t>(tileIndex(item.x, item.y))];
    });
    if (tunnels.empty()) return;
    for (int entrance : layout.tunnels)
        itemsOnTile[static_cast<std::size_t>(entrance)] += tunnels.countOn(entrance);
}

// The direction from (x, y) toward the arm when (x, y) is one of its pickup
// points (reach tiles away along its row or column), else NONE.
Direction towardArm(int x, int y, int armX, int armY, int reach)
{
    if (y == armY && x == armX - reach) return EAST;
    if (y == armY && x == armX + reach) return WEST;
    if (x == armX && y == armY - reach) return SOUTH;
    if (x == armX && y == armY + reach) return NORTH;
    return NONE;
}

// An item the arm could take some time: on the ground, not on a bridge,
// not one it has just set down, and of a kind it handles.
bool mayBeTakenBy(const WorldLayout& layout, const CargoItem& item, const Tile& arm, int armIndex)
{
    return item.layer == 0 && !layout.isItemOnDeck(item) && item.targetTile != armIndex &&
           ArmControl::filterAccepts(arm, item.cargo);
}

// A moving belt carries an item on from the tile.
bool carriesOn(const WorldLayout::TileKind& belt)
{
    return belt.type == BELT && belt.beltSpeed != 0 && belt.dir != NONE;
}

// The tiles an item may roll on toward an arm: its own, then along moving
// belts, ending at the first tile that carries it no further.
struct LookAhead {
    int count = 0;
    int tiles[LOOK_AHEAD_TILES] = {};
};

LookAhead lookAheadOf(const WorldLayout& layout, const CargoItem& item)
{
    LookAhead walk;
    int x = nearestWhole(item.posX);
    int y = nearestWhole(item.posY);
    for (int k = 0; k < LOOK_AHEAD_TILES && inGrid(x, y); ++k) {
        walk.tiles[walk.count++] = tileIndex(x, y);
        const WorldLayout::TileKind& belt = layout.kinds[static_cast<std::size_t>(tileIndex(x, y))];
        if (!carriesOn(belt)) break;
        x += directionDx(belt.dir);
        y += directionDy(belt.dir);
    }
    return walk;
}

// Scores the item by whole belt tiles to one of the arm's pickup points plus
// its distance to its own tile centre; lowers best and aims when it is better.
void scoreItem(const WorldLayout& layout, const CargoItem& item, int armX, int armY, const Tile& arm, float& best,
               float& target)
{
    const int reach = armReach(arm.type);
    const LookAhead walk = lookAheadOf(layout, item);
    for (int k = 0; k < walk.count; ++k) {
        const int x = walk.tiles[k] % GRID_WIDTH;
        const int y = walk.tiles[k] / GRID_WIDTH;
        const Direction d = towardArm(x, y, armX, armY, reach);
        if (d == NONE) continue;
        if (!ArmControl::isOnAxis(arm, d) || !ArmControl::sideEnabled(arm, d)) return;
        const float score = static_cast<float>(k) + std::fabs(static_cast<float>(x) - item.posX) +
                            std::fabs(static_cast<float>(y) - item.posY);
        if (score < best) {
            best = score;
            target = std::atan2(static_cast<float>(y - armY), static_cast<float>(x - armX));
        }
        return;
    }
}

// The tiles reach steps from the arm along its row and column, inside the grid.
struct PickupTiles {
    int count = 0;
    int tiles[4] = {};
};

PickupTiles pickupTilesOf(int x, int y, ControlType armType)
{
    const int reach = armReach(armType);
    const int at[4][2] = {{x - reach, y}, {x + reach, y}, {x, y - reach}, {x, y + reach}};
    PickupTiles pickups;
    for (const auto& p : at) {
        if (inGrid(p[0], p[1])) pickups.tiles[pickups.count++] = tileIndex(p[0], p[1]);
    }
    return pickups;
}

// Marks the tile and, up to steps belt moves back, the moving belts whose
// look-ahead walk leads onto it; a tile marked with as many steps left is done.
void markWalksTo(const WorldLayout& layout, int tile, int steps, std::vector<std::uint8_t>& marks)
{
    std::uint8_t& mark = marks[static_cast<std::size_t>(tile)];
    if (mark > steps) return;
    mark = static_cast<std::uint8_t>(steps + 1);
    if (steps == 0) return;
    const int x = tile % GRID_WIDTH;
    const int y = tile / GRID_WIDTH;
    for (Direction d = NORTH; d <= WEST; ++d) {
        const int fx = x - directionDx(d);
        const int fy = y - directionDy(d);
        if (!inGrid(fx, fy)) continue;
        const WorldLayout::TileKind& feeder = layout.kinds[static_cast<std::size_t>(tileIndex(fx, fy))];
        if (carriesOn(feeder) && feeder.dir == d) markWalksTo(layout, tileIndex(fx, fy), steps - 1, marks);
    }
}

// Lists the arms that are idle and powered as a phase starts, in scan order,
// and marks the tiles they pick up from. Within a phase no arm becomes idle,
// and an arm stops being idle only by taking an item itself.
void listIdleArms(const Game& game, const WorldLayout& layout, TunnelItemIndex& tunnels, StepScratch& s)
{
    countItemsOnTiles(game, layout, tunnels, s.itemsOnTile);
    s.idleArms.clear();
    s.pickupTiles.assign(TILE_COUNT, 0);
    for (int index : layout.arms) {
        const int x = index % GRID_WIDTH;
        const int y = index / GRID_WIDTH;
        const Tile& arm = game.tileAt(x, y);
        if (!isIdlePoweredArm(game, x, y, arm, s.itemsOnTile)) continue;
        s.idleArms.push_back(index);
        const PickupTiles pickups = pickupTilesOf(x, y, arm.type);
        for (int k = 0; k < pickups.count; ++k)
            s.pickupTiles[static_cast<std::size_t>(pickups.tiles[k])] = 1;
    }
}

// Files every item that some arm may aim at under the pickup tiles its walk
// passes; an item reaching none of them never scores.
void fileByLookAhead(const WorldLayout& layout, const CargoItem& item, int index, StepScratch& s)
{
    if (item.layer != 0 || layout.isItemOnDeck(item)) return;
    const int x = nearestWhole(item.posX);
    const int y = nearestWhole(item.posY);
    if (!inGrid(x, y) || layout.armApproaches[static_cast<std::size_t>(tileIndex(x, y))] == 0) return;
    const LookAhead walk = lookAheadOf(layout, item);
    for (int k = 0; k < walk.count; ++k) {
        if (s.pickupTiles[static_cast<std::size_t>(walk.tiles[k])] != 0) s.nearArms.file(walk.tiles[k], index);
    }
}

// Files every item under the tile its position rounds to, when an arm picks
// up there, and marks the tiles on which arms will set down what they carry.
// Within the pick-up a drop is added only by an arm taking an item, which marks it.
// Arms take only from belts, so the items at rest in tunnels are passed by.
void fileItemsByPosition(const Game& game, TunnelItemIndex& tunnels, StepScratch& s)
{
    s.nearArms.start();
    s.dropTiles.assign(TILE_COUNT, 0);
    tunnels.forEachOutside(game.items.size(), [&](std::size_t i) {
        const CargoItem& item = game.items[i];
        const int x = nearestWhole(item.posX);
        const int y = nearestWhole(item.posY);
        if (inGrid(x, y) && s.pickupTiles[static_cast<std::size_t>(tileIndex(x, y))] != 0)
            s.nearArms.file(tileIndex(x, y), static_cast<int>(i));
        int dropX = 0;
        int dropY = 0;
        if (item.carried && carriedItemDropTile(game, item, dropX, dropY))
            s.dropTiles[static_cast<std::size_t>(tileIndex(dropX, dropY))] = 1;
    });
    s.nearArms.finish();
}

// The items filed under the arm's pickup tiles, in list order, each once.
const std::vector<int>& armCandidates(int x, int y, const Tile& arm, StepScratch& s)
{
    s.candidates.clear();
    const PickupTiles pickups = pickupTilesOf(x, y, arm.type);
    for (int k = 0; k < pickups.count; ++k) {
        s.candidates.insert(s.candidates.end(), s.nearArms.begin(pickups.tiles[k]), s.nearArms.end(pickups.tiles[k]));
    }
    std::sort(s.candidates.begin(), s.candidates.end());
    s.candidates.erase(std::unique(s.candidates.begin(), s.candidates.end()), s.candidates.end());
    return s.candidates;
}

// An idle arm turns toward the item that will reach one of its pickup points
// soonest, or back to its rest angle. Only the items filed near the arm can
// score; they are scored in list order, so ties go as over the whole list.
void aimArm(const Game& game, const WorldLayout& layout, int x, int y, Tile& arm, float dt, StepScratch& s)
{
    float target = ArmControl::armAngle(arm);
    if (!arm.armHomePending && armSignalAllows(game, x, y, arm)) {
        const int index = tileIndex(x, y);
        float best = NO_SCORE;
        for (int i : armCandidates(x, y, arm, s)) {
            const CargoItem& item = game.items[static_cast<std::size_t>(i)];
            if (!item.carried && mayBeTakenBy(layout, item, arm, index))
                scoreItem(layout, item, x, y, arm, best, target);
        }
    }
    turnArm(arm, target, dt);
    if (arm.armHomePending && std::fabs(angleDifference(target, arm.armAngle)) < REST_TOLERANCE) {
        arm.armHomePending = false;
    }
}

void playGrab(const Game& game, int x, int y, const Tile& arm)
{
    if (game.sound == nullptr) return;
    game.sound->playGrab(static_cast<std::uint32_t>(tileIndex(x, y)), x, y, arm.type == LONG_ARM);
}

// Turns to a handed-over item, grips it, swings it over to the drop side.
void carryItem(const Game& game, CargoItem& item, Tile& arm, float dt)
{
    const float base = bearingAgainst(item.dir);
    switch (item.holdState) {
    case HOLD_TURNING: {
        const float diff = turnArm(arm, base, dt);
        if (std::fabs(diff) > TURN_SPEED * dt || !item.path.empty()) return;
        arm.armAngle = base;
        arm.armFreeAngle = base;
        item.holdState = HOLD_GRIPPING;
        item.gripTimer = GRIP_SECONDS;
        playGrab(game, item.x, item.y, arm);
        break;
    }
    case HOLD_GRIPPING:
        item.gripTimer -= dt;
        if (item.gripTimer <= 0.0f) item.holdState = HOLD_SWINGING;
        break;
    case HOLD_SWINGING:
        item.swing += TURN_SPEED * dt;
        if (item.swing < PI) {
            arm.armAngle = base + item.swing;  // clockwise on the map, where y grows downwards
        } else {
            item.swing = PI;
            arm.armAngle = base + PI;
            item.holdState = HOLD_AT_DROP;
        }
        break;
    case HOLD_AT_DROP:
        break;  // the belt step sets it down
    default:
        return;
    }
    const auto reach = static_cast<float>(armReach(arm.type));
    item.posX = static_cast<float>(item.x) + std::cos(arm.armAngle) * reach;
    item.posY = static_cast<float>(item.y) + std::sin(arm.armAngle) * reach;
}

// One pass: arms swing the items they carry on, and every other item is
// filed for the aim of the idle arms. A carrying arm is never idle and
// aiming reads no carried item, so neither part sees what the other changes.
// An item at rest in a tunnel looks ahead to its entrance alone (no belt),
// so it is filed there from the tunnel index; an arm may aim at it.
void carryAndFileItems(Game& game, const WorldLayout& layout, float dt, TunnelItemIndex& tunnels, StepScratch& s)
{
    s.nearArms.start();
    tunnels.forEachOutside(game.items.size(), [&](std::size_t i) {
        CargoItem& item = game.items[i];
        if (!item.carried) {
            fileByLookAhead(layout, item, static_cast<int>(i), s);
            return;
        }
        if (!game.inBounds(item.x, item.y)) return;
        Tile& arm = game.tileAt(item.x, item.y);
        if (isArm(arm.type) && game.isPoweredAt(item.x, item.y)) carryItem(game, item, arm, dt);
    });
    if (!tunnels.empty()) {
        for (int tile : layout.tunnels) {
            if (s.pickupTiles[static_cast<std::size_t>(tile)] == 0) continue;
            tunnels.anyOn(tile, [&](int i) {
                fileByLookAhead(layout, game.items[static_cast<std::size_t>(i)], i, s);
                return false;
            });
        }
    }
    s.nearArms.finish();
}

// The item lies on a belt where the arm may take it.
bool qualifiesForPickUp(const WorldLayout& layout, const CargoItem& item, const Tile& arm, int armIndex)
{
    if (item.state != ITEM_FREE || item.carried || item.leavingTunnel) return false;
    if (!inGrid(item.x, item.y) || layout.types[static_cast<std::size_t>(tileIndex(item.x, item.y))] != BELT)
        return false;
    return mayBeTakenBy(layout, item, arm, armIndex);
}

// The arm points at the item lying at its pickup point for travel d, and the
// drop tile on the far side can take it. The tests have no side effects; the
// ones that walk the item list come last.
bool canTakeToward(const Game& game, int x, int y, const Tile& arm, const CargoItem& item, Direction d, StepScratch& s)
{
    if (!ArmControl::isOnAxis(arm, d) || !ArmControl::sideEnabled(arm, d)) return false;
    if (std::fabs(angleDifference(bearingAgainst(d), arm.armAngle)) > AIM_TOLERANCE) return false;
    const int reach = armReach(arm.type);
    const int px = x - directionDx(d) * reach;
    const int py = y - directionDy(d) * reach;
    if (std::fabs(item.posX - static_cast<float>(px)) > PICKUP_TOLERANCE ||
        std::fabs(item.posY - static_cast<float>(py)) > PICKUP_TOLERANCE) {
        return false;
    }
    if (!game.inBounds(px, py)) return false;
    const Tile& belt = game.tileAt(px, py);
    if (belt.type != BELT || belt.beltSpeed == 0) return false;
    const int qx = x + directionDx(d) * reach;
    const int qy = y + directionDy(d) * reach;
    if (!game.inBounds(qx, qy) || s.itemsOnTile[static_cast<std::size_t>(tileIndex(qx, qy))] > 0) return false;
    if (!game.canEnterTile(qx, qy, d, item.cargo)) return false;
    return s.room.hasRoomOnTile(game, qx, qy, &item) && s.dropTiles[static_cast<std::size_t>(tileIndex(qx, qy))] == 0;
}

void takeItem(Game& game, int x, int y, Tile& arm, CargoItem& item, Direction d, StepScratch& s)
{
    if (inGrid(item.x, item.y)) --s.itemsOnTile[static_cast<std::size_t>(tileIndex(item.x, item.y))];
    ++s.itemsOnTile[static_cast<std::size_t>(tileIndex(x, y))];
    useArmJob(game, x, y, arm);
    const int reach = armReach(arm.type);
    const int px = x - directionDx(d) * reach;
    const int py = y - directionDy(d) * reach;
    const int dropX = x + directionDx(d) * reach;
    const int dropY = y + directionDy(d) * reach;
    if (inGrid(dropX, dropY)) s.dropTiles[static_cast<std::size_t>(tileIndex(dropX, dropY))] = 1;
    item.dir = d;
    item.originX = px;
    item.originY = py;
    item.posX = static_cast<float>(px);
    item.posY = static_cast<float>(py);
    item.x = x;
    item.y = y;
    item.path.clear();
    item.carried = true;
    item.holdState = HOLD_SWINGING;  // straight into the swing, without the grip pause
    item.swing = 0.0f;
    item.speedCredit = 0;
    item.ejectSkipTile = -1;  // it has left the belt tile
    playGrab(game, x, y, arm);
    arm.armAngle = bearingAgainst(d);
    arm.armFreeAngle = arm.armAngle;
}

// Only items lying near a pickup point can be taken; they are tried in list order.
void pickUpWithArm(Game& game, const WorldLayout& layout, int x, int y, Tile& arm, StepScratch& s)
{
    if (arm.armHomePending || !armSignalAllows(game, x, y, arm)) return;
    const int index = tileIndex(x, y);
    for (int i : armCandidates(x, y, arm, s)) {
        CargoItem& item = game.items[static_cast<std::size_t>(i)];
        if (!qualifiesForPickUp(layout, item, arm, index)) continue;
        for (Direction d : PICKUP_ORDER) {
            if (!canTakeToward(game, x, y, arm, item, d, s)) continue;
            takeItem(game, x, y, arm, item, d, s);
            return;
        }
    }
}

}  // namespace

void markArmApproaches(const WorldLayout& layout, std::vector<std::uint8_t>& approaches)
{
    approaches.assign(TILE_COUNT, 0);
    for (int index : layout.arms) {
        const PickupTiles pickups =
            pickupTilesOf(index % GRID_WIDTH, index / GRID_WIDTH, layout.kinds[static_cast<std::size_t>(index)].type);
        for (int k = 0; k < pickups.count; ++k)
            markWalksTo(layout, pickups.tiles[k], LOOK_AHEAD_TILES - 1, approaches);
    }
}

void Game::rotateArms(float dt)
{
    StepScratch& s = tables_.get().step;
    const WorldLayout& layout = currentLayout();
    TunnelItemIndex& tunnels = tables_.get().tunnels;
    listIdleArms(*this, layout, tunnels, s);
    carryAndFileItems(*this, layout, dt, tunnels, s);
    for (int index : s.idleArms)
        aimArm(*this, layout, index % GRID_WIDTH, index / GRID_WIDTH, tiles[index], dt, s);
}

void Game::pickUpItems()
{
    StepScratch& s = tables_.get().step;
    const WorldLayout& layout = currentLayout();
    TunnelItemIndex& tunnels = tables_.get().tunnels;
    if (!s.idleArmsStillListed) listIdleArms(*this, layout, tunnels, s);
    s.idleArmsStillListed = false;
    fileItemsByPosition(*this, tunnels, s);
    // A taken item keeps the tile its position rounds to and loses its path,
    // so the filing of the room index stays good for the whole phase.
    s.room.reset();
    for (int index : s.idleArms)
        pickUpWithArm(*this, layout, index % GRID_WIDTH, index / GRID_WIDTH, tiles[index], s);
}
