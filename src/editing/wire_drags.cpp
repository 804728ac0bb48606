#include "editing/wire_drags.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "editing/demolishing.h"
#include "editing/interaction.h"
#include "editing/multi_selection.h"
#include "editing/switches_buttons.h"
#include "editing/undo_history.h"
#include "logic/logic_controls.h"
#include "machines/power_pole_control.h"
#include "world/control_type.h"
#include "world/game.h"

namespace {

ControlType typeAt(const Game& game, int x, int y) { return game.tileAt(x, y).type; }

// The input a wire drives on its target and the output it follows on its
// source count only on a two-input logic component and on a stepper.
int inputOnTarget(ControlType target, int input) { return hasTwoInputs(target) ? input : 0; }
int paramOnSource(ControlType source, int param) { return source == LOGIC_STEPPER ? param : 0; }

// The switch wires stay a valid circuit with the list changed by the edit.
template <typename Edit> bool validWithChange(const Game& game, std::vector<Link>& wires, Edit edit)
{
    wires = game.signalControlLinks;
    edit(wires);
    std::vector<int> order;
    return Game::validateSignalLinks(game.tiles, wires, order);
}

bool dcCableFits(const Game& game, const WireDrag& drag, int x, int y, Link* candidate)
{
    if (!game.inBounds(x, y) || (x == drag.x && y == drag.y)) return false;
    if (!isDcNetworkType(typeAt(game, drag.x, drag.y)) || !isDcNetworkType(typeAt(game, x, y))) return false;
    const bool exists = std::any_of(game.dcLinks.begin(), game.dcLinks.end(),
                                    [&](const Link& cable) { return joinsEitherWay(cable, drag.x, drag.y, x, y); });
    if (exists) return false;
    if (candidate != nullptr) *candidate = {drag.x, drag.y, x, y, 0, 0};
    return true;
}

// The wire in its stored form goes to the candidate, and the switch wires as
// they would be with it to wires.
bool switchWireFits(const Game& game, const WireDrag& drag, int x, int y, int input, int param, Link* candidate,
                    std::vector<Link>& wires)
{
    Link wire{drag.x, drag.y, x, y, 0, 0};
    if (!game.normaliseLinkEnds(wire.x0, wire.y0, wire.x1, wire.y1, false)) return false;
    // The half counts where the press or the release met the target, the
    // quarter where it met the source.
    const bool fromStart = wire.x0 == drag.x && wire.y0 == drag.y;
    wire.input = inputOnTarget(typeAt(game, wire.x1, wire.y1), fromStart ? input : drag.input);
    wire.param = paramOnSource(typeAt(game, wire.x0, wire.y0), fromStart ? drag.param : param);
    if (candidate != nullptr) *candidate = wire;
    return validWithChange(game, wires, [&wire](std::vector<Link>& list) { list.push_back(wire); });
}

// Another link of the list than index joins the same two tiles.
bool otherJoins(const std::vector<Link>& links, int index, const Link& link)
{
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (static_cast<int>(i) != index && joinsEitherWay(links[i], link.x0, link.y0, link.x1, link.y1)) return true;
    }
    return false;
}

bool powerCableMayEndAt(const Game& game, int index, const Link& cable, int x, int y)
{
    const int dx = cable.x1 - cable.x0;
    const int dy = cable.y1 - cable.y0;
    return carriesPower(typeAt(game, x, y)) && dx * dx + dy * dy <= MAX_POWER_CABLE_LENGTH_SQUARED &&
           !otherJoins(game.powerLinks, index, cable) && hasRoomForCable(game, x, y, index);
}

bool measureWireFits(const Game& game, int index, const Link& wire)
{
    const auto& wires = game.signalMeasureLinks;
    for (std::size_t i = 0; i < wires.size(); ++i) {
        const Link& other = wires[i];
        const bool sameEnds = other.x0 == wire.x0 && other.y0 == wire.y0 && other.x1 == wire.x1 && other.y1 == wire.y1;
        if (static_cast<int>(i) != index && sameEnds) return false;
    }
    return typeAt(game, wire.x0, wire.y0) == SENSOR && isSwitchWireTarget(typeAt(game, wire.x1, wire.y1));
}

// The link with one end on (x, y): a new target takes the half as its
// input, a new source the quarter as its output.
Link withEndMoved(const Game& game, Link link, bool firstEnd, int x, int y, int input, int param)
{
    if (firstEnd) {
        link.x0 = x;
        link.y0 = y;
        link.param = paramOnSource(typeAt(game, x, y), param);
    } else {
        link.x1 = x;
        link.y1 = y;
        link.input = inputOnTarget(typeAt(game, x, y), input);
    }
    return link;
}

// Checks the moved link against the rules of its kind and puts it in its
// stored form; the switch wires as they will be when it is a switch wire.
bool movedLinkFits(const Game& game, LinkKind kind, int index, Link& link, int x, int y, std::vector<Link>& wires)
{
    switch (kind) {
    case DC_CABLE:
        link.input = 0;
        link.param = 0;
        return isDcNetworkType(typeAt(game, x, y)) && !otherJoins(game.dcLinks, index, link);
    case POWER_CABLE:
        return powerCableMayEndAt(game, index, link, x, y);
    case MEASURE_WIRE:
        return measureWireFits(game, index, link);
    default:
        if (!game.normaliseLinkEnds(link.x0, link.y0, link.x1, link.y1, false)) return false;
        return validWithChange(
            game, wires, [index, &link](std::vector<Link>& list) { list[static_cast<std::size_t>(index)] = link; });
    }
}

// The drag's link to (x, y) keeps the rules: in candidate, and for a switch
// wire the wires as they would be with it.
bool signalLinkFits(const Game& game, const WireDrag& drag, int x, int y, int input, int param, Link* candidate,
                    std::vector<Link>& wires)
{
    if (!drag.active() || !drag.moved || !game.inBounds(drag.x, drag.y)) return false;
    return drag.isDc ? dcCableFits(game, drag, x, y, candidate)
                     : switchWireFits(game, drag, x, y, input, param, candidate, wires);
}

// The link with the end moved, in its stored form, when it keeps the rules of its kind.
bool linkEndFits(const Game& game, LinkKind kind, int index, bool firstEnd, int x, int y, int input, int param,
                 Link& link, std::vector<Link>& wires)
{
    if (kind == NO_LINK || !game.inBounds(x, y) || index < 0) return false;
    const std::vector<Link>& links = linksOfKind(game, kind);
    if (static_cast<std::size_t>(index) >= links.size()) return false;
    link = withEndMoved(game, links[static_cast<std::size_t>(index)], firstEnd, x, y, input, param);
    if (link.x0 == link.x1 && link.y0 == link.y1) return false;
    return movedLinkFits(game, kind, index, link, x, y, wires);
}

}  // namespace

bool canAddSignalLink(const Game& game, const WireDrag& drag, int x, int y, int input, int param, Link* candidate)
{
    std::vector<Link> wires;
    return signalLinkFits(game, drag, x, y, input, param, candidate, wires);
}

bool addSignalLink(Game& game, const WireDrag& drag, int x, int y, int input, int param, bool commit, Link* candidate)
{
    Link own;
    Link& link = candidate != nullptr ? *candidate : own;
    std::vector<Link> wires;
    const bool fits = signalLinkFits(game, drag, x, y, input, param, &link, wires);
    if (!fits || !commit) return fits;
    if (drag.isDc) {
        game.dcLinks.push_back(link);
    } else {
        game.signalControlLinks = std::move(wires);
    }
    game.updateNetworks(0.0f);
    return true;
}

bool canMoveLinkEnd(const Game& game, LinkKind kind, int index, bool firstEnd, int x, int y, int input, int param)
{
    Link link;
    std::vector<Link> wires;
    return linkEndFits(game, kind, index, firstEnd, x, y, input, param, link, wires);
}

bool moveLinkEnd(Game& game, LinkKind kind, int index, bool firstEnd, int x, int y, int input, int param, bool commit)
{
    Link link;
    std::vector<Link> wires;
    if (!linkEndFits(game, kind, index, firstEnd, x, y, input, param, link, wires)) return false;
    if (!commit) return true;
    if (kind == POWER_CABLE || kind == MEASURE_WIRE || kind == DC_CABLE) {
        linksOfKind(game, kind)[static_cast<std::size_t>(index)] = link;
    } else {
        game.signalControlLinks = std::move(wires);
        // The target the end left may have no switch wire left.
        releaseUnwiredTargets(game);
    }
    game.updateNetworks(0.0f);
    return true;
}

void beginWireDrag(WireDrag& drag, const Game& game, Tool tool, bool ctrl, int x, int y, TileSpot spot, int pointerX,
                   int pointerY)
{
    drag = {};
    if (!game.inBounds(x, y)) return;
    const ControlType type = typeAt(game, x, y);
    // The tools that paint, lay pipes or join tiles keep the plain drag for
    // themselves, as they keep the switches.
    const bool starts =
        ctrl ? isDcNetworkType(type)
             : toolWorksSwitches(tool) && (isSignalSourceType(type) || isSwitchWireTarget(type) || isLogicType(type));
    if (starts) drag = {x, y, spot.half, spot.quarter, pointerX, pointerY, false, ctrl};
}

bool followWireDrag(WireDrag& drag, int x, int y, int pointerX, int pointerY)
{
    if (!drag.active()) return false;
    drag.pointerX = pointerX;
    drag.pointerY = pointerY;
    if (drag.moved || (x == drag.x && y == drag.y)) return false;
    drag.moved = true;
    return true;
}

bool cancelWireDrag(Interaction& interaction, Game& game)
{
    if (!interaction.wireDrag.active()) return false;
    interaction.wireDrag = {};
    return releaseHeldButton(interaction.heldButton, game);
}

WireDrop endWireDrag(WireDrag& drag, Game& game, UndoHistory& history, MultiSelection& selection, int x, int y,
                     TileSpot spot, bool overMap)
{
    WireDrag ended = drag;
    drag = {};
    if (!ended.active()) return WireDrop::NONE;
    if (ended.moved || x != ended.x || y != ended.y) {
        if (!overMap) return WireDrop::NONE;
        // A release on another tile is a drag even when no motion came between.
        ended.moved = true;
        bool laid = false;
        history.record(game, [&] { laid = addSignalLink(game, ended, x, y, spot.half, spot.quarter, true, nullptr); });
        return laid ? WireDrop::LINK_LAID : WireDrop::REFUSED;
    }
    if (ended.isDc) {
        selection.toggle(game, x, y);
        return WireDrop::SELECTION_TOGGLED;
    }
    return toggleManualSwitch(game, history, x, y) ? WireDrop::SWITCH_TOGGLED : WireDrop::NONE;
}

bool endLinkEndDrag(LinkEndDrag& drag, Game& game, UndoHistory& history, int x, int y, TileSpot spot, bool overMap)
{
    const LinkEndDrag ended = drag;
    drag = {};
    if (!ended.active() || !overMap) return false;
    bool moved = false;
    history.record(game, [&] {
        moved = moveLinkEnd(game, ended.kind, ended.index, ended.firstEnd, x, y, spot.half, spot.quarter, true);
    });
    return moved;
}
