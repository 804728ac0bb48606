#include "simulation/move_execution.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "audio/sound_engine.h"
#include "simulation/hand_over_rules.h"
#include "simulation/item_transport.h"
#include "simulation/passage_sound.h"

namespace {

constexpr int SPED_UP_CREDIT_CAP = 9;
constexpr float EJECTOR_PUSH_FACTOR = 1.35f;
constexpr float EJECTOR_STROKE_TIME = 0.04f;
constexpr float EJECTOR_PISTON_REST = 0.5f;

// Belt steps the item needs for the coming tile on a slower belt; 0 when it needs none.
int stepsForSlowerBelt(int creditBefore, int level)
{
    const int remaining = creditBefore <= MOVE_COST ? MOVE_COST : std::max(0, 2 * MOVE_COST - creditBefore);
    return (remaining + level - 1) / level;
}

}  // namespace

void MoveExecution::moveItem(int index)
{
    CargoItem& item = game_.items[static_cast<std::size_t>(index)];
    const MovePlan& plan = s_.plans[static_cast<std::size_t>(index)];
    const Tile& from = game_.tileUnder(item);
    const Move m{.index = index,
                 .fromX = item.x,
                 .fromY = item.y,
                 .fromType = from.type,
                 .fromDir = from.dir,
                 .fromLevel = from.beltSpeed,
                 .nx = plan.nextX,
                 .ny = plan.nextY,
                 .node = plan.target,
                 .dir = plan.dir,
                 .pushed = s_.pushed[static_cast<std::size_t>(index)] != 0,
                 .wasCarried = item.carried,
                 .creditBefore = item.speedCredit};
    Tile& target = nodeTile(game_, m.node);

    updateMachines(m, item);
    if (game_.sound != nullptr) playPassageSounds(m, target);
    rewriteRecord(m, item, target);
    appendPath(m, item, target, glideSpeed(m, target));
    if (isArm(target.type)) handToArm(m, item, target);
    if (m.wasCarried && isArm(m.fromType)) {
        item.posX = static_cast<float>(m.nx);  // set down straight on the drop tile
        item.posY = static_cast<float>(m.ny);
        item.path.clear();
        item.leavingTunnel = false;
    }
    setSegmentProgress(m, item, target);
}

void MoveExecution::updateMachines(const Move& m, CargoItem& item)
{
    Tile& from = game_.tileAt(m.fromX, m.fromY);
    if (isArm(m.fromType)) from.armHomePending = from.armHomeMode != 0;
    if (m.pushed) {
        Tile& ejector = game_.tiles[static_cast<std::size_t>(item.ejectTarget)];
        if (ejector.ejectorTimer < 0.0f) {
            ejector.ejectorBusy = true;
            ejector.ejectorKickTime = EJECTOR_STROKE_TIME;
            ejector.ejectorStroke = EJECTOR_PISTON_REST;
            ejector.ejectorTimer = 0.0f;
            ejector.ejectorItemId = item.id;
            if (game_.sound != nullptr) {
                const int ex = item.ejectTarget % GRID_WIDTH;
                const int ey = item.ejectTarget / GRID_WIDTH;
                game_.sound->playEjectorHit(static_cast<std::uint32_t>(item.ejectTarget), static_cast<float>(ex),
                                            static_cast<float>(ey));
            }
        }
    }
    if (m.fromType == DISTRIBUTOR) {
        from.lastSideB = m.nx == m.fromX + directionDx(m.fromDir) && m.ny == m.fromY + directionDy(m.fromDir);
    }
    if (m.node < TILE_COUNT) advanceMixerEntry(game_, m.nx, m.ny);
}

void MoveExecution::playPassageSounds(const Move& m, const Tile& target)
{
    SoundEngine& sound = *game_.sound;
    if (m.wasCarried && isArm(m.fromType)) {
        sound.playRelease(static_cast<std::uint32_t>(tileIndex(m.fromX, m.fromY)), m.fromX, m.fromY,
                          m.fromType == LONG_ARM);
    }
    const bool straightOut = m.nx == m.fromX + directionDx(m.fromDir) && m.ny == m.fromY + directionDy(m.fromDir);
    const bool throughDistributor = (m.fromType == DISTRIBUTOR && straightOut) || m.fromType == DISTRIBUTOR_SECOND;
    const bool throughMixer = m.fromType == MIXER || m.fromType == MIXER_SECOND;
    if (!(throughDistributor || throughMixer) || !takesDeliveries(target.type)) return;
    playPassageSound(sound, m.fromType, m.fromX, m.fromY, m.fromDir);
}

void MoveExecution::rewriteRecord(const Move& m, CargoItem& item, const Tile& target)
{
    item.layer = m.node >= TILE_COUNT ? 1 : 0;
    item.x = m.nx;
    item.y = m.ny;
    item.dir = m.dir;
    item.originX = m.fromX;
    item.originY = m.fromY;
    item.progress = 0.0f;
    item.carried = false;
    item.holdState = HOLD_TURNING;
    if (m.pushed) {
        item.state = ITEM_IN_FLIGHT;  // keeps its ejector, which follows the throw
    } else {
        item.ejectTarget = -1;
        item.state = ITEM_FREE;
    }
    item.ejectSkipTile = -1;
    if (m.fromType == SOURCE) {
        item.leavingTunnel = true;
        item.tunnelExitX = m.nx;
        item.tunnelExitY = m.ny;
    } else if (m.fromType == TUNNEL_EXIT) {
        item.leavingTunnel = false;
        item.tunnelExitX = -1;
        item.tunnelExitY = -1;
    }
    if (target.type == TUNNEL) {
        item.tunnelProgress = std::abs(m.nx - target.tunnelPartnerX) + std::abs(m.ny - target.tunnelPartnerY) + 1;
    }
    if (isArm(m.fromType)) item.targetTile = tileIndex(m.fromX, m.fromY);

    if (isBeltOrBridge(m.fromType)) {
        item.speedCredit -= MOVE_COST;
        if (isBeltOrBridge(target.type) && target.beltSpeed > m.fromLevel) {
            item.speedCredit = std::min(item.speedCredit + target.beltSpeed, SPED_UP_CREDIT_CAP);
        }
    } else if (isBeltOrBridge(target.type)) {
        item.speedCredit = 0;
    }
}

float MoveExecution::glideSpeed(const Move& m, const Tile& target) const
{
    if (m.pushed) return beltGlideSpeed(std::max(1, m.fromLevel)) * EJECTOR_PUSH_FACTOR;
    if (!isBeltOrBridge(m.fromType)) return BASE_GLIDE_SPEED;
    float speed = beltGlideSpeed(m.fromLevel);
    const int level = target.beltSpeed;
    if (!isBeltOrBridge(target.type) || level <= 0) return speed;

    const int steps = stepsForSlowerBelt(m.creditBefore, level);
    if (level > m.fromLevel) {
        speed = beltGlideSpeed(level);
    } else if (level < m.fromLevel && steps > 0) {
        speed = std::min(speed, BASE_GLIDE_SPEED / static_cast<float>(steps));
    }
    // Slow down in time for a sink that takes the item at the belt's end.
    const int afterX = m.nx + directionDx(target.dir);
    const int afterY = m.ny + directionDy(target.dir);
    if (game_.inBounds(afterX, afterY) && steps > 0) {
        const Tile& after = game_.tileAt(afterX, afterY);
        if (after.type == SINK && after.sinkAccepting) {
            speed = std::min(speed, BASE_GLIDE_SPEED / static_cast<float>(steps));
        }
    }
    return speed;
}

void MoveExecution::appendPath(const Move& m, CargoItem& item, const Tile& target, float speed)
{
    if (!item.path.hasStorage()) giveSparePath(spares_, item);
    const Direction pointDir = isBeltOrBridge(target.type) ? target.dir : m.dir;
    const bool twoTiles = std::abs(m.nx - m.fromX) + std::abs(m.ny - m.fromY) == 2;
    const Direction side = clockwiseDirection(m.fromDir);
    makeRoomInPath(spares_, item.path);
    if (m.fromType == DISTRIBUTOR && twoTiles) {
        item.path.push_back(
            PathPoint{m.fromX + directionDx(side), m.fromY + directionDy(side), JUMP_SPEED, m.dir, false});
    } else if (m.fromType == MIXER_SECOND) {
        item.path.push_back(
            PathPoint{m.fromX - directionDx(side), m.fromY - directionDy(side), JUMP_SPEED, m.dir, false});
    }
    makeRoomInPath(spares_, item.path);
    item.path.push_back(PathPoint{m.nx, m.ny, speed, pointDir, false});
    if (twoTiles && m.fromType != DISTRIBUTOR && m.fromType != MIXER_SECOND) {
        const int midX = m.fromX + directionDx(m.dir);
        const int midY = m.fromY + directionDy(m.dir);
        if (game_.inBounds(midX, midY) && s_.occupancy[static_cast<std::size_t>(groundNode(midX, midY))] >= 0) {
            item.posX = static_cast<float>(m.nx);  // nothing can glide through an occupied tile
            item.posY = static_cast<float>(m.ny);
            item.heading = pointDir;
            item.leavingTunnel = false;
            item.path.clear();
        }
    }
}

void MoveExecution::handToArm(const Move& m, CargoItem& item, Tile& arm)
{
    useArmJob(game_, m.nx, m.ny, arm);
    item.carried = true;
    item.holdState = HOLD_SWINGING;
    if (game_.sound != nullptr) {
        game_.sound->playGrab(static_cast<std::uint32_t>(tileIndex(m.nx, m.ny)), m.nx, m.ny, arm.type == LONG_ARM);
    }
    item.posX = static_cast<float>(m.fromX);
    item.posY = static_cast<float>(m.fromY);
    item.path.clear();
    item.leavingTunnel = false;
    const float toward = std::atan2(static_cast<float>(-directionDy(m.dir)), static_cast<float>(-directionDx(m.dir)));
    arm.armAngle = toward;  // the arm points at the tile it took the item from
    arm.armFreeAngle = toward;
}

void MoveExecution::setSegmentProgress(const Move& m, CargoItem& item, const Tile& target)
{
    const auto& occupancy = s_.occupancy;
    const int ahead = occupancy[static_cast<std::size_t>(m.node)];
    if (target.type != DISTRIBUTOR && target.type != DISTRIBUTOR_SECOND && ahead >= 0 &&
        s_.plans[static_cast<std::size_t>(ahead)].dir != m.dir) {
        item.progress = 0.5f;
    }
    // A ring of items moving into each other: each is put straight onto its target.
    if (s_.onRing[static_cast<std::size_t>(m.index)]) item.progress = 1.0f;
    if (item.progress < 1.0f) return;
    item.posX = static_cast<float>(m.nx);
    item.posY = static_cast<float>(m.ny);
    if (!item.path.empty()) item.heading = item.path.back().dir;
    item.leavingTunnel = false;
    item.path.clear();
}
