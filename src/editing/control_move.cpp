#include "editing/control_move.h"

#include <algorithm>
#include <utility>

#include "editing/multi_selection.h"
#include "editing/undo_history.h"
#include "machines/power_pole_control.h"
#include "world/game.h"

namespace {

// The tile under a bridge deck belongs to the bridge only by its bridge
// fields; what stands on it (a belt crossing under, or nothing) stays put.
bool isDeckCell(const MachineGroup& group, const TileCell& cell)
{
    return group.isBridge && cell.tile.bridgePart == BRIDGE_DECK;
}

Tile withoutBridge(Tile tile)
{
    tile.bridgeDir = NONE;
    tile.bridgePart = BRIDGE_NONE;
    return tile;
}

const TileCell* cellAt(const MachineGroup& group, int x, int y)
{
    const auto found = std::find_if(group.cells.begin(), group.cells.end(),
                                    [x, y](const TileCell& cell) { return cell.x == x && cell.y == y; });
    return found == group.cells.end() ? nullptr : &*found;
}

// The ground at (x, y) once the group has been lifted off the map.
Tile groundAfterLift(const Game& game, const MachineGroup& group, int x, int y)
{
    const TileCell* own = cellAt(group, x, y);
    if (own == nullptr) return game.tileAt(x, y);
    return isDeckCell(group, *own) ? withoutBridge(own->tile) : Tile{};
}

// A deck spans free ground or a belt crossing under it; everything else
// needs free ground.
bool groundTakes(const MachineGroup& group, const TileCell& cell, const Tile& ground)
{
    if (!isDeckCell(group, cell)) return ground.isFree();
    if (ground.bridgePart >= 0) return false;
    return ground.type == EMPTY || (ground.type == BELT && !onSameAxis(ground.dir, cell.tile.bridgeDir));
}

bool cablesStayShortEnough(const Game& game, const MachineGroup& group, int x, int y)
{
    return std::all_of(game.powerLinks.begin(), game.powerLinks.end(), [&](const Link& cable) {
        const Link moved = offsetLinkForMove(cable, group, x, y);
        const int dx = moved.x1 - moved.x0;
        const int dy = moved.y1 - moved.y0;
        return dx * dx + dy * dy <= MAX_POWER_CABLE_LENGTH_SQUARED;
    });
}

// An ejector of the group holds or throws an item, which would lose its
// ejector on the way.
bool ejectorBusyInGroup(const Game& game, const MachineGroup& group)
{
    return std::any_of(game.items.begin(), game.items.end(), [&group](const CargoItem& item) {
        return item.ejectTarget >= 0 && cellAt(group, item.ejectTarget % GRID_WIDTH, item.ejectTarget / GRID_WIDTH);
    });
}

// The same control: the same tiles of the same types, facing the same way,
// with the same identity. Its stock and counters may differ.
bool sameControlTile(const TileCell& a, const TileCell& b, bool deck)
{
    const Tile& s = a.tile;
    const Tile& t = b.tile;
    if (a.x != b.x || a.y != b.y || s.bridgeDir != t.bridgeDir || s.bridgePart != t.bridgePart) return false;
    return deck || (s.type == t.type && s.dir == t.dir && s.tunnelPartnerX == t.tunnelPartnerX &&
                    s.tunnelPartnerY == t.tunnelPartnerY && s.machineId == t.machineId);
}

bool sameControl(const MachineGroup& before, const MachineGroup& now)
{
    if (before.isBridge != now.isBridge || before.cells.size() != now.cells.size()) return false;
    for (std::size_t i = 0; i < before.cells.size(); ++i) {
        if (!sameControlTile(before.cells[i], now.cells[i], isDeckCell(before, before.cells[i]))) return false;
    }
    return true;
}

bool occupiesOldOrNewCell(const CargoItem& item, const MachineGroup& group, int dx, int dy)
{
    return std::any_of(group.cells.begin(), group.cells.end(), [&](const TileCell& cell) {
        return item.occupies(cell.x, cell.y) || item.occupies(cell.x + dx, cell.y + dy);
    });
}

void lift(Game& game, const MachineGroup& group)
{
    for (const TileCell& cell : group.cells) {
        if (isDeckCell(group, cell)) {
            game.tileAt(cell.x, cell.y) = withoutBridge(cell.tile);
            game.deckTiles[tileIndex(cell.x, cell.y)] = Tile{};
        } else {
            game.tileAt(cell.x, cell.y) = Tile{};
        }
    }
}

void putDown(Game& game, const MachineGroup& group, int dx, int dy)
{
    for (const TileCell& cell : group.cells) {
        const int x = cell.x + dx;
        const int y = cell.y + dy;
        if (!isDeckCell(group, cell)) {
            Tile& tile = game.tileAt(x, y) = cell.tile;
            // A tunnel's ends move together, so each points at the other's new place.
            if (cellAt(group, tile.tunnelPartnerX, tile.tunnelPartnerY) != nullptr) {
                tile.tunnelPartnerX += dx;
                tile.tunnelPartnerY += dy;
            }
            continue;
        }
        Tile& ground = game.tileAt(x, y);
        ground.bridgeDir = cell.tile.bridgeDir;
        ground.bridgePart = BRIDGE_DECK;
        Tile& deck = game.deckTiles[tileIndex(x, y)] = Tile{};
        deck.type = BELT;
        deck.dir = cell.tile.bridgeDir;
    }
}

}  // namespace

MachineGroup pickUpControl(const Game& game, MultiSelection& selection, int x, int y)
{
    MachineGroup group = game.machineGroupAt(x, y);
    if (!group.cells.empty()) selection.clear();
    return group;
}

bool stillStands(const Game& game, const MachineGroup& pickedUp)
{
    return !pickedUp.cells.empty() && sameControl(pickedUp, game.machineGroupAt(pickedUp.x, pickedUp.y));
}

Link offsetLinkForMove(const Link& link, const MachineGroup& group, int x, int y)
{
    const int dx = x - group.x;
    const int dy = y - group.y;
    Link moved = link;
    if (cellAt(group, link.x0, link.y0) != nullptr) {
        moved.x0 += dx;
        moved.y0 += dy;
    }
    if (cellAt(group, link.x1, link.y1) != nullptr) {
        moved.x1 += dx;
        moved.y1 += dy;
    }
    return moved;
}

bool canMoveControl(const Game& game, const MachineGroup& group, int x, int y)
{
    if (group.cells.empty() || (x == group.x && y == group.y)) return false;
    const int dx = x - group.x;
    const int dy = y - group.y;
    for (const TileCell& cell : group.cells) {
        const int tx = cell.x + dx;
        const int ty = cell.y + dy;
        if (!game.inBounds(tx, ty) || !groundTakes(group, cell, groundAfterLift(game, group, tx, ty))) return false;
    }
    return cablesStayShortEnough(game, group, x, y);
}

bool moveControl(Game& game, const MachineGroup& group, int x, int y)
{
    if (!canMoveControl(game, group, x, y) || ejectorBusyInGroup(game, group)) return false;
    const int dx = x - group.x;
    const int dy = y - group.y;
    for (std::vector<Link>* links :
         {&game.powerLinks, &game.signalControlLinks, &game.signalMeasureLinks, &game.dcLinks}) {
        for (Link& link : *links)
            link = offsetLinkForMove(link, group, x, y);
    }
    std::erase_if(game.items, [&](const CargoItem& item) { return occupiesOldOrNewCell(item, group, dx, dy); });
    lift(game, group);
    putDown(game, group, dx, dy);
    game.updateNetworks(0.0f);
    game.titleDirty = true;
    return true;
}

bool dropControl(UndoHistory& history, Game& game, const MachineGroup& pickedUp, int x, int y)
{
    if (!stillStands(game, pickedUp)) return false;
    // Moved as it stands now: what it made while carried goes along.
    const MachineGroup now = game.machineGroupAt(pickedUp.x, pickedUp.y);
    return history.record(game, [&] { moveControl(game, now, x, y); });
}
