#include "simulation/hand_over_rules.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "machines/arm_control.h"
#include "simulation/item_transport.h"

namespace {

// An arm hand must point at the item within this angle.
constexpr float ARM_AIM_TOLERANCE = 0.025f;
// An item lies this close to the arm's grab place on each axis.
constexpr float ARM_GRAB_REACH = 0.15f;

bool isEastWest(Direction d) { return d == EAST || d == WEST; }
bool sameAxis(Direction a, Direction b) { return isEastWest(a) == isEastWest(b); }

}  // namespace

bool carriedItemDropTile(const Game& game, const CargoItem& item, int& dropX, int& dropY)
{
    if (!item.carried || !game.inBounds(item.x, item.y)) return false;
    const int reach = armReach(game.tileAt(item.x, item.y).type);
    if (reach == 0) return false;
    dropX = item.x + directionDx(item.dir) * reach;
    dropY = item.y + directionDy(item.dir) * reach;
    return game.inBounds(dropX, dropY);
}

const Tile& nodeTile(const Game& game, int node)
{
    return node >= TILE_COUNT ? game.deckTiles[static_cast<std::size_t>(node - TILE_COUNT)]
                              : game.tiles[static_cast<std::size_t>(node)];
}

bool canEnterFrom(const Game& game, int x, int y, Direction d, CargoType cargo)
{
    if (!game.inBounds(x, y)) return false;
    const Tile& ground = game.tileAt(x, y);
    if (ground.bridgePart == BRIDGE_DECK && d != ground.bridgeDir && sameAxis(d, ground.bridgeDir)) return false;
    return game.canEnterTile(x, y, d, cargo);
}

Tile& nodeTile(Game& game, int node)
{
    return node >= TILE_COUNT ? game.deckTiles[static_cast<std::size_t>(node - TILE_COUNT)]
                              : game.tiles[static_cast<std::size_t>(node)];
}

MixerTiles mixerTilesOf(int x, int y, const Tile& half)
{
    const Direction dir = half.dir;
    const Direction side = clockwiseDirection(dir);
    MixerTiles m{x, y, x, y, 0, 0, dir};
    if (half.type == MIXER_SECOND) {
        m.mainX = x - directionDx(side);
        m.mainY = y - directionDy(side);
    } else {
        m.secondX = x + directionDx(side);
        m.secondY = y + directionDy(side);
    }
    m.outX = m.mainX + directionDx(dir);
    m.outY = m.mainY + directionDy(dir);
    return m;
}

void advanceMixerEntry(Game& game, int x, int y)
{
    if (!game.inBounds(x, y)) return;
    const Tile& half = game.tileAt(x, y);
    if (!isMixerHalf(half.type)) return;
    const bool enteredMain = half.type == MIXER;
    const MixerTiles m = mixerTilesOf(x, y, half);
    if (!game.inBounds(m.mainX, m.mainY)) return;
    Tile& main = game.tileAt(m.mainX, m.mainY);
    const int cycle = main.ratioA + main.ratioB;
    main.ratioPos = cycle > 0 ? (main.ratioPos + 1) % cycle : 0;  // a damaged map must not divide by zero
    main.lastSideB = enteredMain;
}

bool armSignalAllows(const Game& game, int x, int y, const Tile& arm)
{
    if (!game.hasSwitchWireTo(x, y)) return true;
    return arm.armContinuous ? arm.armSignalOn : arm.armPendingJobs >= 1;
}

void useArmJob(const Game& game, int x, int y, Tile& arm)
{
    if (game.hasSwitchWireTo(x, y) && !arm.armContinuous && arm.armPendingJobs > 0) --arm.armPendingJobs;
}

bool HandOverRules::mixerRightOfWay(int x, int y, Direction d, CargoType cargo) const
{
    if (!game_.inBounds(x, y)) return false;
    const Tile& half = game_.tileAt(x, y);
    if (!isMixerHalf(half.type)) return false;
    if (!controlForType(MIXER).canAccept(half, d, cargo)) return false;
    const MixerTiles m = mixerTilesOf(x, y, half);
    if (!game_.inBounds(m.mainX, m.mainY)) return false;
    if (!canEnterFrom(game_, m.outX, m.outY, m.dir, cargo)) return false;

    const MixerEntry entry{x, y, m.dir, m.outX, m.outY};
    const int bx = directionDx(m.dir);
    const int by = directionDy(m.dir);
    const bool mainReady = mixerFeederReady(m.mainX - bx, m.mainY - by, entry);
    const bool secondReady = mixerFeederReady(m.secondX - bx, m.secondY - by, entry);
    bool mainHasWay = mainReady;
    if (mainReady && secondReady) {
        const Tile& main = game_.tileAt(m.mainX, m.mainY);
        mainHasWay = main.ratioPos < main.ratioA;
    }
    const bool secondHasWay = secondReady && !mainHasWay;
    return half.type == MIXER ? mainHasWay : secondHasWay;
}

bool HandOverRules::mixerFeederReady(int px, int py, const MixerEntry& entry) const
{
    if (!game_.inBounds(px, py)) return false;
    const Tile& feeder = game_.tileAt(px, py);
    int candidate = -1;
    if (isMixerHalf(feeder.type)) {
        const MixerTiles upstream = mixerTilesOf(px, py, feeder);
        if (upstream.outX != entry.x || upstream.outY != entry.y) return false;
        if (game_.inBounds(upstream.mainX, upstream.mainY)) candidate = occupant(upstream.mainX, upstream.mainY);
        if (candidate < 0 && game_.inBounds(upstream.secondX, upstream.secondY)) {
            candidate = occupant(upstream.secondX, upstream.secondY);
        }
    } else {
        candidate = occupant(px, py);
    }
    if (candidate < 0) return false;
    const CargoItem& item = game_.items[static_cast<std::size_t>(candidate)];
    if (!canEnterFrom(game_, entry.outX, entry.outY, entry.dir, item.cargo)) return false;

    if (isBeltOrBridge(feeder.type)) return feeder.beltSpeed > 0 && item.speedCredit > 2;
    if (feeder.type == SOURCE) return !followUp_;
    return feeder.dir == entry.dir && feeder.type >= ARM && feeder.type <= MIXER_SECOND;
}

bool HandOverRules::armDropTarget(int x, int y, Direction d, const CargoItem& item) const
{
    if (!game_.inBounds(x, y)) return false;
    const Tile& arm = game_.tileAt(x, y);
    if (!isArm(arm.type)) return false;
    const int reach = armReach(arm.type);
    if (!game_.isPoweredAt(x, y)) return false;
    if (!armSignalAllows(game_, x, y, arm)) return false;
    if (!ArmControl::filterAccepts(arm, item.cargo)) return false;
    if (item.targetTile == tileIndex(x, y)) return false;
    if (occupant(x, y) >= 0) return false;  // the arm carries something already

    if (!game_.inBounds(item.x, item.y) || isBeltOrBridge(game_.tileUnder(item).type)) return false;
    if (arm.armHomePending) return false;
    const int dx = directionDx(d);
    const int dy = directionDy(d);
    const float bearing = std::atan2(static_cast<float>(-dy), static_cast<float>(-dx));
    if (std::fabs(std::remainder(bearing - arm.armAngle, 2.0f * std::numbers::pi_v<float>)) > ARM_AIM_TOLERANCE) {
        return false;
    }
    if (std::fabs(item.posX - static_cast<float>(x - dx * reach)) > ARM_GRAB_REACH ||
        std::fabs(item.posY - static_cast<float>(y - dy * reach)) > ARM_GRAB_REACH) {
        return false;
    }
    if (!ArmControl::isOnAxis(arm, d) || !ArmControl::sideEnabled(arm, d)) return false;

    const int dropX = x + dx * reach;
    const int dropY = y + dy * reach;
    if (!game_.inBounds(dropX, dropY)) return false;
    if (occupant(dropX, dropY) >= 0 || armDrops_[groundNode(dropX, dropY)] >= 0) return false;
    return canEnterFrom(game_, dropX, dropY, d, item.cargo) && room_.hasRoomOnTile(game_, dropX, dropY, &item);
}

// An arm is asked on its own terms. For every other target the cheap test of
// whether it takes the product comes before those that walk the item list;
// a refusal leaves nothing of the rule in use.
bool OutputTargetRule::accepts(int tx, int ty)
{
    searchedEntry = false;
    if (!game_.inBounds(tx, ty) || isBlocked(tx, ty)) return false;
    if (!game_.isPoweredAt(tx, ty)) return false;
    const Tile& machine = game_.tileAt(machineX_, machineY_);
    const bool fromStorage = machine.type == STORAGE;
    const Tile& target = game_.tileAt(tx, ty);

    if (isArm(target.type)) return armTakes(tx, ty, target);
    if (!game_.canEnterTile(tx, ty, machine.dir, cargo_)) return false;
    if (fromStorage && isBeltOrBridge(target.type)) {
        if (target.beltSpeed <= 0) return false;
        if (!game_.outputEntryAt(machineX_, machineY_, entryX, entryY, entryPhase)) return false;
        searchedEntry = true;
    }
    if (!fromStorage && target.type != SINK && target.type != SHOP && !game_.hasRoomOnTile(tx, ty, nullptr)) {
        return false;
    }
    return !isMixerHalf(target.type) || mixerHasWayOut(tx, ty, target);
}

bool OutputTargetRule::armTakes(int tx, int ty, const Tile& arm) const
{
    const Direction dir = game_.tileAt(machineX_, machineY_).dir;
    const int reach = armReach(arm.type);
    const int dropX = tx + directionDx(dir) * reach;
    const int dropY = ty + directionDy(dir) * reach;
    if (!armSignalAllows(game_, tx, ty, arm)) return false;
    if (arm.armHomePending || !game_.hasRoomOnTile(dropX, dropY, nullptr)) return false;
    if (!ArmControl::filterAccepts(arm, cargo_)) return false;
    if (!ArmControl::isOnAxis(arm, dir) || !ArmControl::sideEnabled(arm, dir)) return false;
    if (std::abs(tx - machineX_) + std::abs(ty - machineY_) != reach) return false;
    if (!game_.inBounds(dropX, dropY) || isBlocked(dropX, dropY)) return false;
    return game_.canEnterTile(dropX, dropY, dir, cargo_);
}

bool OutputTargetRule::mixerHasWayOut(int tx, int ty, const Tile& half) const
{
    const MixerTiles m = mixerTilesOf(tx, ty, half);
    const int otherX = half.type == MIXER ? m.secondX : m.mainX;
    const int otherY = half.type == MIXER ? m.secondY : m.mainY;
    if (!game_.inBounds(otherX, otherY) || isBlocked(otherX, otherY)) return false;
    if (!game_.inBounds(m.outX, m.outY)) return false;
    return game_.canEnterTile(m.outX, m.outY, m.dir, cargo_) && !isBlocked(m.outX, m.outY);
}
