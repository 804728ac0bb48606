#include "editing/cables_and_wires.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "editing/demolishing.h"
#include "editing/interaction.h"
#include "editing/undo_history.h"
#include "logic/logic_controls.h"
#include "machines/power_pole_control.h"
#include "world/game.h"

namespace {

// Two different tiles of the map, both of a type the cable may join.
template <typename Carries> bool cableEndsFit(const Game& game, int x0, int y0, int x1, int y1, Carries carries)
{
    if (!game.inBounds(x0, y0) || !game.inBounds(x1, y1) || (x0 == x1 && y0 == y1)) return false;
    return carries(game.tileAt(x0, y0).type) && carries(game.tileAt(x1, y1).type);
}

// Erases the cable that joins the two tiles; false when there is none.
bool eraseJoining(std::vector<Link>& cables, int x0, int y0, int x1, int y1)
{
    return std::erase_if(cables, [&](const Link& cable) { return joinsEitherWay(cable, x0, y0, x1, y1); }) > 0;
}

bool toggleMeasureWire(Game& game, Link wire)
{
    if (!game.normaliseLinkEnds(wire.x0, wire.y0, wire.x1, wire.y1, true)) return false;
    const bool removed = std::erase_if(game.signalMeasureLinks, [&wire](const Link& w) {
                             return w.x0 == wire.x0 && w.y0 == wire.y0 && w.x1 == wire.x1 && w.y1 == wire.y1;
                         }) > 0;
    if (!removed) game.signalMeasureLinks.push_back({wire.x0, wire.y0, wire.x1, wire.y1, 0, 0});
    return true;
}

bool toggleSwitchWire(Game& game, Link wire)
{
    if (!game.normaliseLinkEnds(wire.x0, wire.y0, wire.x1, wire.y1, false)) return false;
    std::vector<Link> wires = game.signalControlLinks;
    if (std::erase(wires, wire) == 0) wires.push_back(wire);
    std::vector<int> order;
    if (!Game::validateSignalLinks(game.tiles, wires, order)) return false;
    game.signalControlLinks = std::move(wires);
    releaseUnwiredTargets(game);
    return true;
}

// The wire the second click of a wire tool means: the half and the quarter
// count from whichever click was made on the target and on the stepper.
Link clickedWire(const Game& game, bool measure, const PendingLinkEnd& first, int x, int y, TileSpot spot)
{
    Link wire{first.x, first.y, x, y, 0, 0};
    Link stored = wire;
    if (measure || !game.normaliseLinkEnds(stored.x0, stored.y0, stored.x1, stored.y1, false)) return wire;
    // Sources never move in normalising, so the source tells which click was which.
    const bool sourceFirst = stored.x0 == first.x && stored.y0 == first.y;
    if (hasTwoInputs(game.tileAt(stored.x1, stored.y1).type)) wire.input = sourceFirst ? spot.half : first.input;
    if (game.tileAt(stored.x0, stored.y0).type == LOGIC_STEPPER) wire.param = sourceFirst ? first.param : spot.quarter;
    return wire;
}

// The tile a cable tool was clicked on, when it is the second end: a tile
// that takes no cable of the kind shows what to pick, and the first end
// is kept as the pending one.
bool secondCableEnd(Interaction& interaction, const Game& game, int x, int y, bool (*carries)(ControlType),
                    const char* pickText, const char* firstEndText)
{
    PendingLinkEnd& first = interaction.pendingLinkEnd;
    if (!game.inBounds(x, y) || !carries(game.tileAt(x, y).type)) {
        interaction.statusText = pickText;
        return false;
    }
    if (first.pending()) return true;
    first = {x, y, 0, 0};
    if (firstEndText != nullptr) interaction.statusText = firstEndText;
    return false;
}

void clickPowerLine(Interaction& interaction, Game& game, UndoHistory& history, int x, int y)
{
    if (!secondCableEnd(interaction, game, x, y, carriesPower, "GENERATOR, MAST ODER 5V-NETZTEIL WAEHLEN",
                        "ZWEITEN ENDPUNKT WAEHLEN - GLEICHES PAAR ENTFERNT DAS KABEL")) {
        return;
    }
    PendingLinkEnd& first = interaction.pendingLinkEnd;
    const bool existed = game.hasPowerLink(first.x, first.y, x, y);
    const bool changed = history.record(game, [&] { togglePowerCable(game, first.x, first.y, x, y); });
    if (!changed) {
        interaction.statusText = "VERBINDUNG NICHT MOEGLICH MAXIMAL 10 KACHELN";
    } else {
        interaction.statusText = existed ? "STROMLEITUNG ENTFERNT" : "STROMLEITUNG GESETZT";
    }
    first = {};
}

void clickDcLine(Interaction& interaction, Game& game, int x, int y)
{
    if (!secondCableEnd(interaction, game, x, y, isDcNetworkType, "5V-NETZTEIL ODER SIGNALBAUSTEIN WAEHLEN", nullptr))
        return;
    PendingLinkEnd& first = interaction.pendingLinkEnd;
    toggle5vCable(game, first.x, first.y, x, y);
    first = {};
}

void clickWireTool(Interaction& interaction, Game& game, UndoHistory& history, bool measure, int x, int y,
                   TileSpot spot)
{
    PendingLinkEnd& first = interaction.pendingLinkEnd;
    if (!game.inBounds(x, y)) return;
    if (!first.pending()) {
        const ControlType type = game.tileAt(x, y).type;
        first = {x, y, hasTwoInputs(type) ? spot.half : 0, type == LOGIC_STEPPER ? spot.quarter : 0};
        interaction.statusText = measure ? "SENSOR UND MESS-CONTROL WAEHLEN; GLEICHES PAAR ENTFERNT DIE LEITUNG"
                                         : "AUSGANG DANN ZIEL WAEHLEN. LOGIK: OBEN A, UNTEN B. GLEICHES PAAR ENTFERNT.";
        return;
    }
    const Link wire = clickedWire(game, measure, first, x, y, spot);
    const std::vector<Link>& list = measure ? game.signalMeasureLinks : game.signalControlLinks;
    const bool existed = game.hasLink(list, wire);
    const bool changed = history.record(game, [&] { toggleSignalWire(game, measure, wire); });
    if (changed) {
        interaction.statusText =
            std::string(measure ? "MESSLEITUNG " : "SCHALTLEITUNG ") + (existed ? "ENTFERNT" : "GESETZT");
    } else {
        interaction.statusText =
            measure ? "SENSOR UND MESS-CONTROL AUSWAEHLEN" : "VERBINDUNG UNGUELTIG: EINGANG BELEGT ODER RUECKKOPPLUNG";
    }
    first = {};
}

}  // namespace

bool carriesPower(ControlType type) { return powerCableLimit(type) > 0; }

bool hasRoomForCable(const Game& game, int x, int y, int except)
{
    const ControlType type = game.tileAt(x, y).type;
    if (type == COAL_GENERATOR) return true;
    int count = 0;
    for (std::size_t i = 0; i < game.powerLinks.size(); ++i) {
        const Link& cable = game.powerLinks[i];
        const bool endsHere = (cable.x0 == x && cable.y0 == y) || (cable.x1 == x && cable.y1 == y);
        if (endsHere && static_cast<int>(i) != except) ++count;
    }
    return count < powerCableLimit(type);
}

TileSpot tileSpotAt(int cameraY, int pointerY, int tileSize)
{
    if (tileSize <= 0) return {};
    const long long row = (static_cast<long long>(cameraY) + pointerY) % tileSize;
    const long long r = row < 0 ? row + tileSize : row;
    return {r >= tileSize / 2 ? 1 : 0, static_cast<int>(std::clamp(4 * r / tileSize, 0LL, 3LL))};
}

std::vector<Link>& linksOfKind(Game& game, LinkKind kind)
{
    return const_cast<std::vector<Link>&>(linksOfKind(std::as_const(game), kind));
}

const std::vector<Link>& linksOfKind(const Game& game, LinkKind kind)
{
    switch (kind) {
    case POWER_CABLE:
        return game.powerLinks;
    case MEASURE_WIRE:
        return game.signalMeasureLinks;
    case DC_CABLE:
        return game.dcLinks;
    default:
        return game.signalControlLinks;
    }
}

bool joinsEitherWay(const Link& link, int x0, int y0, int x1, int y1)
{
    const bool forward = link.x0 == x0 && link.y0 == y0 && link.x1 == x1 && link.y1 == y1;
    const bool reversed = link.x0 == x1 && link.y0 == y1 && link.x1 == x0 && link.y1 == y0;
    return forward || reversed;
}

bool togglePowerCable(Game& game, int x0, int y0, int x1, int y1)
{
    if (!cableEndsFit(game, x0, y0, x1, y1, carriesPower)) return false;
    if (!eraseJoining(game.powerLinks, x0, y0, x1, y1)) {
        const int dx = x0 - x1;
        const int dy = y0 - y1;
        if (dx * dx + dy * dy > MAX_POWER_CABLE_LENGTH_SQUARED) return false;
        if (!hasRoomForCable(game, x0, y0) || !hasRoomForCable(game, x1, y1)) return false;
        game.powerLinks.push_back({x0, y0, x1, y1, 0, 0});
    }
    game.updateNetworks(0.0f);
    return true;
}

bool toggle5vCable(Game& game, int x0, int y0, int x1, int y1)
{
    if (!cableEndsFit(game, x0, y0, x1, y1, isDcNetworkType)) return false;
    if (!eraseJoining(game.dcLinks, x0, y0, x1, y1)) game.dcLinks.push_back({x0, y0, x1, y1, 0, 0});
    game.updateNetworks(0.0f);
    return true;
}

bool toggleSignalWire(Game& game, bool measure, Link wire)
{
    if (!(measure ? toggleMeasureWire(game, wire) : toggleSwitchWire(game, wire))) return false;
    game.updateNetworks(0.0f);
    return true;
}

LinkKind deleteLink(Game& game, LinkKind kind, int index)
{
    if (kind < POWER_CABLE || kind > DC_CABLE) return NO_LINK;
    std::vector<Link>& links = linksOfKind(game, kind);
    if (index < 0 || static_cast<std::size_t>(index) >= links.size()) return NO_LINK;
    links.erase(links.begin() + index);
    if (kind == SWITCH_WIRE) releaseUnwiredTargets(game);
    game.updateNetworks(0.0f);
    return kind;
}

std::string linkDeletedText(LinkKind kind)
{
    switch (kind) {
    case POWER_CABLE:
        return "STROMLEITUNG ENTFERNT";
    case MEASURE_WIRE:
        return "MESSLEITUNG ENTFERNT";
    case SWITCH_WIRE:
    case DC_CABLE:
        return "SCHALTLEITUNG ENTFERNT";
    default:
        return {};
    }
}

bool isLinkTool(Tool tool)
{
    return tool == TOOL_POWER_LINE || tool == TOOL_DC_LINE || tool == TOOL_SIGNAL_MEASURE_LINE ||
           tool == TOOL_SIGNAL_CONTROL_LINE;
}

void clickLinkTool(Interaction& interaction, Game& game, UndoHistory& history, Tool tool, int x, int y, TileSpot spot)
{
    switch (tool) {
    case TOOL_POWER_LINE:
        clickPowerLine(interaction, game, history, x, y);
        return;
    case TOOL_DC_LINE:
        clickDcLine(interaction, game, x, y);
        return;
    case TOOL_SIGNAL_MEASURE_LINE:
    case TOOL_SIGNAL_CONTROL_LINE:
        clickWireTool(interaction, game, history, tool == TOOL_SIGNAL_MEASURE_LINE, x, y, spot);
        return;
    default:
        return;
    }
}
