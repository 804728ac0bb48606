#include "world/link_ends.h"

#include <algorithm>
#include <utility>

#include "world/game.h"

namespace {

// What a switch wire may switch: a machine or a logic input.
bool isSwitchedEnd(ControlType t) { return isSwitchWireTarget(t) || isLogicType(t); }

// Moves an end off a distributor's second tile onto its main tile.
void moveToDistributorMain(const Game& game, int& x, int& y)
{
    const Tile& tile = game.tileAt(x, y);
    if (tile.type != DISTRIBUTOR_SECOND) return;
    x -= pairStepX(tile);
    y -= pairStepY(tile);
}

bool orderWireEnds(ControlType first, ControlType second, bool measure, bool& swap)
{
    const auto isSource = [measure](ControlType t) { return measure ? t == SENSOR : isSignalSourceType(t); };
    const auto isTarget = [measure](ControlType t) { return measure ? isSwitchWireTarget(t) : isSwitchedEnd(t); };
    // Two logic components that fit both ways keep the order given.
    swap = false;
    if (isSource(first) && isTarget(second)) return true;
    swap = true;
    return isSource(second) && isTarget(first);
}

void addCell(const Game& game, MachineGroup& group, int x, int y)
{
    if (game.inBounds(x, y)) group.cells.push_back(TileCell{x, y, game.tileAt(x, y)});
}

void addBridgeCells(const Game& game, MachineGroup& group, const Tile& tile)
{
    const int dx = directionDx(tile.bridgeDir);
    const int dy = directionDy(tile.bridgeDir);
    const int entryX = group.x - tile.bridgePart * dx;
    const int entryY = group.y - tile.bridgePart * dy;
    for (int part = BRIDGE_ENTRY_RAMP; part <= BRIDGE_EXIT_RAMP; ++part) {
        addCell(game, group, entryX + part * dx, entryY + part * dy);
    }
}

}  // namespace

bool Game::normaliseLinkEnds(int& x0, int& y0, int& x1, int& y1, bool measure) const
{
    if (!inBounds(x0, y0) || !inBounds(x1, y1)) return false;
    moveToDistributorMain(*this, x0, y0);
    moveToDistributorMain(*this, x1, y1);
    // A broken pair could point its main tile off the map.
    if (!inBounds(x0, y0) || !inBounds(x1, y1)) return false;
    if (x0 == x1 && y0 == y1) return false;

    bool swap = false;
    if (!orderWireEnds(tileAt(x0, y0).type, tileAt(x1, y1).type, measure, swap)) return false;
    if (swap) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    return true;
}

bool Game::hasLink(const std::vector<Link>& links, Link link) const
{
    const bool measure = &links == &signalMeasureLinks;
    if (!normaliseLinkEnds(link.x0, link.y0, link.x1, link.y1, measure)) return false;
    return std::find(links.begin(), links.end(), link) != links.end();
}

bool Game::hasPowerLink(int x0, int y0, int x1, int y1) const
{
    return std::any_of(powerLinks.begin(), powerLinks.end(), [&](const Link& cable) {
        const bool forward = cable.x0 == x0 && cable.y0 == y0 && cable.x1 == x1 && cable.y1 == y1;
        const bool reversed = cable.x0 == x1 && cable.y0 == y1 && cable.x1 == x0 && cable.y1 == y0;
        return forward || reversed;
    });
}

MachineGroup Game::machineGroupAt(int x, int y) const
{
    MachineGroup group;
    if (!inBounds(x, y)) return group;
    const Tile& tile = tileAt(x, y);
    if ((tile.type == EMPTY && tile.bridgePart < 0) || tile.type == PLAIN) return group;

    group.x = x;
    group.y = y;
    if (tile.bridgePart >= 0) {
        group.isBridge = true;
        addBridgeCells(*this, group, tile);
        return group;
    }
    // A partner off the map (a tunnel end not yet joined) leaves the tile alone.
    addCell(*this, group, x, y);
    switch (tile.type) {
    case TUNNEL:
    case TUNNEL_EXIT:
        addCell(*this, group, tile.tunnelPartnerX, tile.tunnelPartnerY);
        break;
    case DISTRIBUTOR:
    case MIXER:
        addCell(*this, group, x + pairStepX(tile), y + pairStepY(tile));
        break;
    case DISTRIBUTOR_SECOND:
    case MIXER_SECOND:
        addCell(*this, group, x - pairStepX(tile), y - pairStepY(tile));
        break;
    default:
        break;
    }
    return group;
}
