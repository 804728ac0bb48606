#include "simulation/move_planning.h"

#include <cmath>

#include "machines/arm_control.h"
#include "simulation/blocking_tests.h"
#include "simulation/item_transport.h"
#include "simulation/right_of_way.h"

namespace {

// An item still gliding farther than this must arrive before a machine takes it.
constexpr float PATH_LENGTH_GATE = 0.15f;

// Side exits are tried in this order.
constexpr Direction SIDE_ORDER[4] = {EAST, WEST, NORTH, SOUTH};

float remainingPathLength(const CargoItem& item)
{
    float length = 0.0f;
    float x = item.posX;
    float y = item.posY;
    for (const PathPoint& p : item.path) {
        const auto px = static_cast<float>(p.x);
        const auto py = static_cast<float>(p.y);
        length += std::hypot(px - x, py - y);
        x = px;
        y = py;
    }
    return length;
}

}  // namespace

bool MovePlanner::mayPlan(const CargoItem& item, int index) const
{
    if (firstItem_ >= 0 && index < firstItem_) return false;
    if (item.state == ITEM_IN_FLIGHT) return false;
    const bool mayBeServed = game_.inBounds(item.x, item.y) && ejectorBelts_[tileIndex(item.x, item.y)] != 0;
    if (item.state == ITEM_FREE && item.layer == 0 && mayBeServed && game_.ejectorForBelt(item.x, item.y) >= 0 &&
        item.ejectSkipTile != tileIndex(item.x, item.y)) {
        return false;  // it waits for the ejector to take or refuse it
    }
    return layout_.isPoweredAt(game_, item.x, item.y);
}

MovePlanner::WantedMove MovePlanner::armMove(const CargoItem& item, const Tile& arm) const
{
    WantedMove move{item.dir, armReach(arm.type), false};
    if (item.carried && item.holdState != HOLD_AT_DROP) return {};
    if (arm.armCargoFilter == 0 || !ArmControl::isOnAxis(arm, move.dir)) return {};
    if (item.carried) {
        const int dropX = item.x + directionDx(move.dir) * move.length;
        const int dropY = item.y + directionDy(move.dir) * move.length;
        if (!s_.room.hasRoomOnTile(game_, dropX, dropY, &item)) return {};
    }
    return move;
}

Direction MovePlanner::distributorOutput(const CargoItem& item, const Tile& distributor, int planning) const
{
    const Direction dir = distributor.dir;
    const Direction side = clockwiseDirection(dir);
    const int straightX = item.x + directionDx(dir);
    const int straightY = item.y + directionDy(dir);
    const bool straightOk = canEnterFrom(game_, straightX, straightY, dir, item.cargo);
    const bool sideOk =
        canEnterFrom(game_, straightX + directionDx(side), straightY + directionDy(side), dir, item.cargo);
    if (distributor.modeSignal) {
        if (distributor.signalSelectsB) return sideOk ? side : NONE;
        return straightOk ? dir : NONE;
    }
    const int preference =
        distributor.modeCargoRules ? maskHasCargo(distributor.cargoRuleMask, item.cargo) : distributor.lastSideB;
    if (preference == planning || !sideOk) {
        if (straightOk) return dir;
        return sideOk ? side : NONE;
    }
    return side;
}

bool MovePlanner::overlapsAnItem(const CargoItem& item)
{
    // An item raised on a ramp is seen up to a deck's height higher than it stands.
    return s_.room.anyNear(game_, item.posX - 1.0f, item.posX + 1.0f, item.posY - 1.0f, item.posY + 1.0f + DECK_HEIGHT,
                           [&](int j) { return itemsOverlap(game_, item, game_.items[static_cast<std::size_t>(j)]); });
}

MovePlanner::WantedMove MovePlanner::wantedMove(const CargoItem& item, int planning)
{
    const WorldLayout::TileKind tile = layout_.kindUnder(game_, item);
    const ControlType type = tile.type;
    if (followUp_ && !isBeltOrBridge(type)) return {};
    WantedMove move;
    switch (type) {
    case BELT:
    case BRIDGE:
        if (tile.beltSpeed <= 0 || item.speedCredit < MOVE_COST) return {};
        move.dir = tile.dir;
        break;
    case ARM:
    case LONG_ARM:
        move = armMove(item, game_.tileUnder(item));
        break;
    case TUNNEL_EXIT:
        if (item.leavingTunnel && overlapsAnItem(item)) return {};
        move.dir = tile.dir;
        break;
    case DISTRIBUTOR:
        move.dir = distributorOutput(item, game_.tileUnder(item), planning);
        break;
    case SOURCE:
    case DISTRIBUTOR_SECOND:
    case MIXER:
    case MIXER_SECOND:
        move.dir = tile.dir;
        break;
    default:
        return {};
    }
    if (move.dir == NONE) return {};

    if (item.state == ITEM_TAKEN_BY_EJECTOR) {
        if (!game_.canEjectItem(item, -1)) return {};
        return {game_.tiles[static_cast<std::size_t>(item.ejectTarget)].dir, 1, true};
    }
    if ((type == BELT && item.layer == 0) || type == SOURCE) trySideExits(item, move);
    return move;
}

void MovePlanner::trySideExits(const CargoItem& item, WantedMove& move) const
{
    if (game_.inBounds(item.x, item.y) && sideExits_[tileIndex(item.x, item.y)] == 0) return;  // nothing around to try
    for (int reach = 1; reach <= LONG_ARM_REACH; ++reach) {
        for (Direction d : SIDE_ORDER) {
            const int ax = item.x + directionDx(d) * reach;
            const int ay = item.y + directionDy(d) * reach;
            if (!game_.inBounds(ax, ay) ||
                armReach(layout_.types[static_cast<std::size_t>(tileIndex(ax, ay))]) != reach)
                continue;
            if (rules_.armDropTarget(ax, ay, d, item)) {
                move.dir = d;
                move.length = reach;
                return;
            }
        }
    }
    for (Direction d : SIDE_ORDER) {
        const int dx = item.x + directionDx(d);
        const int dy = item.y + directionDy(d);
        if (!game_.inBounds(dx, dy)) continue;
        const WorldLayout::TileKind& distributor = layout_.kinds[static_cast<std::size_t>(tileIndex(dx, dy))];
        if (distributor.type == DISTRIBUTOR && distributor.dir == d && occupancy_[groundNode(dx, dy)] < 0) {
            move.dir = d;
            move.length = 1;
            return;
        }
    }
    for (Direction d : SIDE_ORDER) {
        const int mx = item.x + directionDx(d);
        const int my = item.y + directionDy(d);
        if (!game_.inBounds(mx, my) || !isMixerHalf(layout_.types[static_cast<std::size_t>(tileIndex(mx, my))]))
            continue;
        if (rules_.mixerRightOfWay(mx, my, d, item.cargo)) {
            move.dir = d;
            return;
        }
    }
}

MovePlan MovePlanner::plan(int index, int planning, bool& pushed)
{
    pushed = false;
    const CargoItem& item = game_.items[static_cast<std::size_t>(index)];
    if (!mayMove(item) || !mayPlan(item, index)) return {};
    const WantedMove move = wantedMove(item, planning);
    if (move.dir == NONE) return {};

    const WorldLayout::TileKind from = layout_.kindUnder(game_, item);
    Direction plannedDir = move.dir;
    int nx = item.x + directionDx(move.dir) * move.length;
    int ny = item.y + directionDy(move.dir) * move.length;
    if (from.type == DISTRIBUTOR && move.dir == clockwiseDirection(from.dir)) {
        nx += directionDx(from.dir);  // past the second tile and out of the side output
        ny += directionDy(from.dir);
        plannedDir = from.dir;
    }
    bool chained = false;
    if (from.type == MIXER_SECOND) {
        nx = item.x + directionDx(from.dir) - directionDx(clockwiseDirection(from.dir));
        ny = item.y + directionDy(from.dir) - directionDy(clockwiseDirection(from.dir));
        chained = game_.inBounds(nx, ny) && layout_.types[static_cast<std::size_t>(tileIndex(nx, ny))] == MIXER;
    }
    if (!game_.inBounds(nx, ny)) return {};
    if (from.type == MIXER || (from.type == MIXER_SECOND && !chained)) {
        const int bx = nx - directionDx(move.dir);
        const int by = ny - directionDy(move.dir);
        if (!game_.canMoveItemTo(item, bx, by, nx, ny, &s_.room)) return {};  // a mixer lets out only onto a clear way
    }

    const WorldLayout::TileKind& ground = layout_.kinds[static_cast<std::size_t>(tileIndex(nx, ny))];
    const bool onDeck = ground.bridgePart == BRIDGE_DECK && ground.bridgeDir == plannedDir;
    MovePlan plan{groundNode(nx, ny) + (onDeck ? TILE_COUNT : 0), nx, ny, plannedDir};
    const Tile& target = nodeTile(game_, plan.target);
    if (firstItem_ >= 0 && !isBeltOrBridge(target.type)) return {};
    if (isMachineIntake(target.type) && remainingPathLength(item) > PATH_LENGTH_GATE) return {};
    if (target.type == BELT && !junctionAllows(game_, junctions_, s_, index, nx, ny)) return {};
    if (!layout_.isPoweredAt(game_, nx, ny)) return {};
    if (!accepts(item, plan, target, from.type, move.pushed, chained, plan.dir)) return {};
    pushed = move.pushed;
    return plan;
}

bool MovePlanner::accepts(const CargoItem& item, const MovePlan& plan, const Tile& target, ControlType from,
                          bool pushed, bool chained, Direction& plannedDir) const
{
    const Direction d = plannedDir;
    if (pushed) {
        if (target.type == EMPTY) return true;
        if (target.type != BELT && target.type != STORAGE) return false;
        if (!canEnterFrom(game_, plan.nextX, plan.nextY, d, item.cargo)) return false;
        if (target.type == BELT) plannedDir = target.dir;
        return true;
    }
    switch (target.type) {
    case DISTRIBUTOR:
        return controlForType(DISTRIBUTOR).canAccept(target, d, item.cargo);
    case DISTRIBUTOR_SECOND:
        return false;
    case MIXER:
    case MIXER_SECOND:
        return chained || rules_.mixerRightOfWay(plan.nextX, plan.nextY, d, item.cargo);
    case ARM:
    case LONG_ARM:
        return !isArm(from) && rules_.armDropTarget(plan.nextX, plan.nextY, d, item);
    default:
        return canEnterFrom(game_, plan.nextX, plan.nextY, d, item.cargo);
    }
}
