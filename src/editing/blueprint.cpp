#include "editing/blueprint.h"

#include <algorithm>
#include <cstddef>

#include "editing/undo_history.h"
#include "machines/arm_control.h"
#include "world/game.h"

namespace {

// The rectangle of a copy, its corners on the map.
struct Area {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool containsLink(const Link& link) const { return contains(link.x0, link.y0) && contains(link.x1, link.y1); }
};

Area areaBetween(int x0, int y0, int x1, int y1)
{
    return {std::clamp(std::min(x0, x1), 0, GRID_WIDTH - 1), std::clamp(std::min(y0, y1), 0, GRID_HEIGHT - 1),
            std::clamp(std::max(x0, x1), 0, GRID_WIDTH - 1), std::clamp(std::max(y0, y1), 0, GRID_HEIGHT - 1)};
}

// Every tile of the control at (x, y) lies inside the area. A tunnel end
// whose partner is off the map has no pair to copy with it.
bool wholeInside(const Game& game, const Area& area, int x, int y)
{
    const Tile& tile = game.tileAt(x, y);
    if (tile.type == TUNNEL || tile.type == TUNNEL_EXIT) return area.contains(tile.tunnelPartnerX, tile.tunnelPartnerY);
    const MachineGroup group = game.machineGroupAt(x, y);
    return std::all_of(group.cells.begin(), group.cells.end(),
                       [&area](const TileCell& cell) { return area.contains(cell.x, cell.y); });
}

// The construction of a tile: its type, facing and settings. Stock, counters,
// identities and everything the simulation or the networks work out start
// afresh.
Tile constructionOf(const Tile& t)
{
    Tile c;
    c.type = t.type;
    c.dir = t.dir;
    c.bridgeDir = t.bridgeDir;
    c.bridgePart = t.bridgePart;
    c.tunnelPartnerX = t.tunnelPartnerX;
    c.tunnelPartnerY = t.tunnelPartnerY;
    c.ratioA = t.ratioA;
    c.ratioB = t.ratioB;
    c.cargoRuleMask = t.cargoRuleMask;
    c.modeCargoRules = t.modeCargoRules;
    c.modeSignal = t.modeSignal;
    c.beltSpeed = t.beltSpeed;
    c.beltPriority = t.beltPriority;
    c.sourceCargo = t.sourceCargo;
    c.armCargoFilter = t.armCargoFilter;
    c.armSideMask = t.armSideMask;
    c.armContinuous = t.armContinuous;
    c.armHomeMode = t.armHomeMode;
    c.armFreeAngle = t.armFreeAngle;
    if (isArm(t.type)) c.armAngle = ArmControl::armAngle(t);
    c.label = t.label;
    c.sourceRunning = t.sourceRunning;
    c.sinkAccepting = t.sinkAccepting;
    c.ovenAcceptMask = t.ovenAcceptMask;
    c.smelterAcceptMask = t.smelterAcceptMask;
    c.storageAcceptMask = t.storageAcceptMask;
    c.storageOutputOn = t.storageOutputOn;
    c.shopAcceptMask = t.shopAcceptMask;
    c.fillerAccepting = t.fillerAccepting;
    c.sensorCargo = t.sensorCargo;
    c.limit = t.limit;
    c.compareAbove = t.compareAbove;
    c.thenAction = t.thenAction;
    c.elseAction = t.elseAction;
    c.switchPriority = t.switchPriority;
    c.switchOn = t.switchOn;
    c.periodSeconds = t.periodSeconds;
    c.sensorWatchItems = t.sensorWatchItems;
    c.sensorPerItem = t.sensorPerItem;
    c.sensorTargetIndex = t.sensorTargetIndex;
    return c;
}

void copyLinksInside(const std::vector<Link>& links, const Area& area, std::vector<Link>& into)
{
    for (const Link& link : links) {
        if (area.containsLink(link))
            into.push_back({link.x0 - area.left, link.y0 - area.top, link.x1 - area.left, link.y1 - area.top,
                            link.input, link.param});
    }
}

void appendLinksMoved(const std::vector<Link>& links, int x, int y, std::vector<Link>& into)
{
    for (const Link& link : links)
        into.push_back({link.x0 + x, link.y0 + y, link.x1 + x, link.y1 + y, link.input, link.param});
}

// Visits the blueprint's non-empty tiles row by row with their target on the map.
template <typename Visit> bool everyBuiltTile(const Blueprint& blueprint, int x, int y, Visit visit)
{
    for (int row = 0; row < blueprint.height; ++row) {
        for (int column = 0; column < blueprint.width; ++column) {
            const Tile& tile = blueprint.tiles[static_cast<std::size_t>(row * blueprint.width + column)];
            if (!tile.isFree() && !visit(tile, x + column, y + row)) return false;
        }
    }
    return true;
}

// An item thrown by an ejector lands on free ground; a control built under it
// would leave it where no item may be.
bool itemInFlightOver(const Game& game, const Blueprint& blueprint, int x, int y)
{
    return std::any_of(game.items.begin(), game.items.end(), [&](const CargoItem& item) {
        const int column = item.x - x;
        const int row = item.y - y;
        if (item.state != ITEM_IN_FLIGHT || column < 0 || row < 0 || column >= blueprint.width ||
            row >= blueprint.height) {
            return false;
        }
        return !blueprint.tiles[static_cast<std::size_t>(row * blueprint.width + column)].isFree();
    });
}

// Writes a blueprint tile to (x, y) of a paste whose top-left corner is (left, top).
void writeTile(Game& game, const Tile& planned, int x, int y, int left, int top)
{
    Tile& tile = game.tileAt(x, y) = planned;
    if (isProducerType(tile.type)) tile.machineId = game.nextMachineId++;
    if (tile.type == TUNNEL || tile.type == TUNNEL_EXIT) {
        tile.tunnelPartnerX += left;
        tile.tunnelPartnerY += top;
    }
    if (tile.bridgePart == BRIDGE_DECK) {
        Tile& deck = game.deckTiles[tileIndex(x, y)] = Tile{};
        deck.type = BELT;
        deck.dir = tile.bridgeDir;
    }
}

}  // namespace

Blueprint copyArea(const Game& game, int x0, int y0, int x1, int y1)
{
    const Area area = areaBetween(x0, y0, x1, y1);
    Blueprint blueprint;
    blueprint.width = area.right - area.left + 1;
    blueprint.height = area.bottom - area.top + 1;
    blueprint.tiles.reserve(static_cast<std::size_t>(blueprint.width * blueprint.height));
    for (int y = area.top; y <= area.bottom; ++y) {
        for (int x = area.left; x <= area.right; ++x) {
            if (!wholeInside(game, area, x, y)) return {};
            Tile& tile = blueprint.tiles.emplace_back(constructionOf(game.tileAt(x, y)));
            if (tile.type == TUNNEL || tile.type == TUNNEL_EXIT) {
                tile.tunnelPartnerX -= area.left;
                tile.tunnelPartnerY -= area.top;
            }
        }
    }
    copyLinksInside(game.signalControlLinks, area, blueprint.controlLinks);
    copyLinksInside(game.signalMeasureLinks, area, blueprint.measureLinks);
    copyLinksInside(game.dcLinks, area, blueprint.dcLinks);
    return blueprint;
}

bool canPlaceArea(const Game& game, const Blueprint& blueprint, int x, int y)
{
    if (blueprint.empty() || x < 0 || y < 0) return false;
    if (x + blueprint.width > GRID_WIDTH || y + blueprint.height > GRID_HEIGHT) return false;
    return everyBuiltTile(blueprint, x, y,
                          [&game](const Tile&, int tx, int ty) { return game.tileAt(tx, ty).isFree(); });
}

bool pasteBlueprint(Game& game, const Blueprint& blueprint, int x, int y)
{
    if (!canPlaceArea(game, blueprint, x, y) || itemInFlightOver(game, blueprint, x, y)) return false;
    bool written = false;
    everyBuiltTile(blueprint, x, y, [&](const Tile& tile, int tx, int ty) {
        writeTile(game, tile, tx, ty, x, y);
        written = true;
        return true;
    });
    if (!written) return false;
    appendLinksMoved(blueprint.controlLinks, x, y, game.signalControlLinks);
    appendLinksMoved(blueprint.measureLinks, x, y, game.signalMeasureLinks);
    appendLinksMoved(blueprint.dcLinks, x, y, game.dcLinks);
    game.updateNetworks(0.0f);
    game.titleDirty = true;
    return true;
}

bool pasteArea(UndoHistory& history, Game& game, const Blueprint& blueprint, int x, int y)
{
    bool pasted = false;
    history.record(game, [&] { pasted = pasteBlueprint(game, blueprint, x, y); });
    return pasted;
}

void beginCopy(AreaClipboard& clipboard, std::string& status)
{
    clipboard.copying = true;
    clipboard.pasting = false;
    status = "BEREICH MIT LINKER MAUSTASTE AUFZIEHEN";
}

void finishCopy(AreaClipboard& clipboard, const Game& game, int x0, int y0, int x1, int y1, std::string& status)
{
    clipboard.blueprint = copyArea(game, x0, y0, x1, y1);
    clipboard.copying = false;
    clipboard.pasting = !clipboard.blueprint.empty();
    status = clipboard.pasting ? "KOPIERT. LINKSKLICK EINFUEGEN. ESC BEENDET"
                               : "ZWEITEILIGE CONTROLS UND BRUECKEN VOLLSTAENDIG AUSWAEHLEN";
}

bool beginPaste(AreaClipboard& clipboard, std::string& status)
{
    if (clipboard.blueprint.empty()) return false;
    clipboard.copying = false;
    clipboard.pasting = true;
    status = "VORLAGE MIT LINKSKLICK EINFUEGEN";
    return true;
}

bool pasteAt(AreaClipboard& clipboard, UndoHistory& history, Game& game, int x, int y, std::string& status)
{
    const bool pasted = pasteArea(history, game, clipboard.blueprint, x, y);
    status = pasted ? "VORLAGE EINGEFUEGT" : "BEREICH IST NICHT FREI";
    return pasted;
}

void leaveClipboardModes(AreaClipboard& clipboard, std::string& status)
{
    clipboard.copying = false;
    clipboard.pasting = false;
    status.clear();
}
