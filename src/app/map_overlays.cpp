#include "app/map_overlays.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/pointer_places.h"
#include "editing/blueprint.h"
#include "editing/control_move.h"
#include "editing/multi_selection.h"
#include "editing/wire_drags.h"
#include "render/bitmap_font.h"
#include "render/control_sheets.h"
#include "render/item_geometry.h"
#include "render/power_cables.h"
#include "render/widgets.h"
#include "render/wire_drawing.h"
#include "render/wire_routes.h"
#include "ui/panel_drawing.h"

namespace {

constexpr PackedColor SELECTION_TINT = packColor(80, 220, 235, 52);
constexpr int SELECTION_FRAMES = 3;
constexpr PackedColor DC_DRAG_COLOUR = packColor(242, 66, 66);
constexpr PackedColor CABLE_END_COLOUR = packColor(238, 178, 68);
constexpr PackedColor MEASURE_DRAG_COLOUR = packColor(255, 211, 63);
constexpr PackedColor SWITCH_DRAG_COLOUR = packColor(39, 104, 54);
constexpr PackedColor LABEL_BOX_COLOUR = packColor(18, 24, 30);
constexpr PackedColor DIAGNOSTICS_COLOUR = packColor(239, 91, 91);
constexpr int LABEL_BOX_HEIGHT = 11;
constexpr int REASON_RISE = 10;  // the reason reads above the item's frame

// The controls the power view marks with their network: arms, distributors
// and mixers with their second tiles, generators, poles, molders and 5V supplies.
bool showsNetwork(ControlType type)
{
    return (type >= ARM && type <= MIXER_SECOND) || (type >= COAL_GENERATOR && type <= INJECTION_MOLDER) ||
           type == POWER_SUPPLY;
}

// A switch wire's inputs as the tool marks them: one for NOT, lamp, counter,
// timer, clock and stepper, two for AND, OR, XOR and the latch; none for the
// switch and the button, which nothing switches.
int markedInputs(ControlType type)
{
    if (type == LOGIC_AND || type == LOGIC_OR || type == LOGIC_XOR || type == LOGIC_RS) return 2;
    if ((type >= LOGIC_NOT && type <= LOGIC_CLOCK) || type == LOGIC_STEPPER) return 1;
    return 0;
}

void drawLine(SDL_Renderer* renderer, ScreenPoint a, SDL_Point b, PackedColor colour)
{
    setDrawColor(renderer, colour);
    SDL_RenderDrawLine(renderer, a.x, a.y, b.x, b.y);
}

}  // namespace

TilePoint MapOverlays::pointerTile() const { return screenToTile(map.camera, pointer.x, pointer.y); }

bool MapOverlays::pointerOnMap() const
{
    return insideView(state, pointer.x, pointer.y) && !onToolPanel(state, pointer.x, pointer.y) &&
           !onMinimap(state, pointer.x, pointer.y);
}

SDL_Rect MapOverlays::tileFrame(int x, int y, int inset) const
{
    const SDL_Rect square = map.tileSquare(x, y);
    return {square.x + inset, square.y + inset, square.w - 2 * inset, square.h - 2 * inset};
}

ScreenPoint MapOverlays::tileCentre(int x, int y) const
{
    const SDL_Rect square = map.tileSquare(x, y);
    return {square.x + square.w / 2, square.y + square.h / 2};
}

void MapOverlays::drawSelectionFrames(int x, int y) const
{
    for (int inset = 1; inset <= SELECTION_FRAMES; ++inset)
        outlineRect(map.renderer, tileFrame(x, y, inset), SELECTION_CYAN);
}

SDL_Rect MapOverlays::tileSpan(TilePoint a, TilePoint b) const
{
    // As the selection and the copy read them: corners off the map count at its edge.
    const int left = std::clamp(std::min(a.x, b.x), 0, GRID_WIDTH - 1);
    const int right = std::clamp(std::max(a.x, b.x), 0, GRID_WIDTH - 1);
    const int top = std::clamp(std::min(a.y, b.y), 0, GRID_HEIGHT - 1);
    const int bottom = std::clamp(std::max(a.y, b.y), 0, GRID_HEIGHT - 1);
    const int t = tileSize();
    const SDL_Rect corner = map.tileSquare(left, top);
    return {corner.x, corner.y, (right - left + 1) * t, (bottom - top + 1) * t};
}

DcCableHighlight MapOverlays::dcCableHighlight() const
{
    const Interaction& interaction = state.interaction;
    DcCableHighlight highlight;
    const WireDrag& drag = interaction.wireDrag;
    highlight.all = state.selectedTool == TOOL_DC_LINE || (drag.active() && drag.moved && drag.isDc);
    const ControlPick& picked = interaction.selection.control;
    if (interaction.selection.selected() && inGrid(picked.x, picked.y)) {
        const Tile& tile = map.game.tileAt(picked.x, picked.y);
        if (tile.type == POWER_SUPPLY) highlight.root = tile.dcRoot;
    }
    if (interaction.linkEndDrag.kind == DC_CABLE) highlight.carried = interaction.linkEndDrag.index;
    return highlight;
}

void MapOverlays::drawDcCableDrag() const
{
    const PendingLinkEnd& pending = state.interaction.pendingLinkEnd;
    if (state.selectedTool != TOOL_DC_LINE || !pending.pending() || !inGrid(pending.x, pending.y)) return;
    const Link onItself{pending.x, pending.y, pending.x, pending.y, 0, 0};
    const ScreenPoint from = buildSignalLinkPath(map.game, onItself, map.scroll()).start;
    // Doubled across the line's longer extent, so it reads two pixels thick.
    const bool flat = std::abs(pointer.x - from.x) >= std::abs(pointer.y - from.y);
    const int dx = flat ? 0 : 1;
    const int dy = flat ? 1 : 0;
    drawLine(map.renderer, from, pointer, DC_DRAG_COLOUR);
    drawLine(map.renderer, {from.x + dx, from.y + dy}, {pointer.x + dx, pointer.y + dy}, DC_DRAG_COLOUR);
}

void MapOverlays::drawPoleRanges() const
{
    static const std::vector<int> NO_NETWORKS;
    const bool powerView = state.powerOverviewVisible;
    const std::vector<int>& networks = map.facts.power ? map.facts.power->networkOfTile : NO_NETWORKS;
    const RangeHighlight range{map.renderer, map.scroll(), powerView, networks};
    const Tool tool = state.selectedTool;
    if (powerView || tool == TOOL_POWER_POLE || tool == TOOL_POWER_LINE) {
        for (int y = 0; y < GRID_HEIGHT; ++y) {
            for (int x = 0; x < GRID_WIDTH; ++x) {
                if (map.game.tileAt(x, y).type == POWER_POLE) range(x, y);
            }
        }
    } else if (state.interaction.selection.selected()) {
        const ControlPick& picked = state.interaction.selection.control;
        if (inGrid(picked.x, picked.y) && map.game.tileAt(picked.x, picked.y).type == POWER_POLE)
            range(picked.x, picked.y);
    }
    if (tool != TOOL_POWER_POLE) return;
    // Where the pole would stand: not under the bottom bar or the palette.
    const TilePoint at = pointerTile();
    if (!inGrid(at.x, at.y) || !insideView(state, pointer.x, pointer.y) ||
        pointer.y >= map.viewHeight - POINTER_PREVIEW_BOTTOM_MARGIN || onToolPanel(state, pointer.x, pointer.y))
        return;
    range(at.x, at.y);
}

void MapOverlays::drawSelection() const
{
    SDL_Renderer* renderer = map.renderer;
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    if (selection != nullptr) {
        for (const SelectedControl& control : selection->entries) {
            for (const TileCell& cell : control.group.cells) {
                fillRect(renderer, map.tileSquare(cell.x, cell.y), SELECTION_TINT);
                drawSelectionFrames(cell.x, cell.y);
            }
        }
    }
    if (state.ctrlRect.active) {
        const SDL_Rect span = tileSpan(state.ctrlRect.start, state.ctrlRect.current);
        outlineRect(renderer, span, SELECTION_CYAN);
        outlineRect(renderer, {span.x + 1, span.y + 1, span.w - 2, span.h - 2}, SELECTION_CYAN);
    }
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
}

void MapOverlays::drawTunnelEntrance() const
{
    const TilePoint at = state.tunnelEntrance;
    if (!inGrid(at.x, at.y)) return;
    Tile ghost;
    ghost.type = TUNNEL;
    drawControl(map.renderer, ghost, at.x, at.y, map.camera.scrollX, map.camera.scrollY, tileSize(), map.time, false);
    drawSelectionFrames(at.x, at.y);
}

void MapOverlays::drawPowerView() const
{
    if (!state.powerOverviewVisible || !map.facts.power) return;
    const std::vector<int>& networks = map.facts.power->networkOfTile;
    const TileRange range = visibleTiles(map.camera, map.viewWidth, map.viewHeight);
    for (int y = range.firstRow; y < range.endRow; ++y) {
        for (int x = range.firstColumn; x < range.endColumn; ++x) {
            if (!showsNetwork(map.game.tileAt(x, y).type)) continue;
            const int network = networks[static_cast<std::size_t>(tileIndex(x, y))];
            const PackedColor colour = networkColor(network);
            outlineRect(map.renderer, tileFrame(x, y), colour);
            // Numbered from 1 as the power overview lists them.
            const std::string label = network < 0 ? "-" : std::to_string(network + 1);
            const SDL_Rect square = map.tileSquare(x, y);
            const SDL_Rect box{square.x + 2, square.y + 2, bitmapTextWidth(static_cast<int>(label.size()), 1) + 4,
                               LABEL_BOX_HEIGHT};
            fillRect(map.renderer, box, LABEL_BOX_COLOUR);
            drawPhrase(map.renderer, label, box.x + 2, box.y + 2, colour);
        }
    }
}

void MapOverlays::drawPowerCableDrag() const
{
    const PendingLinkEnd& pending = state.interaction.pendingLinkEnd;
    if (state.selectedTool != TOOL_POWER_LINE || !pending.pending() || !inGrid(pending.x, pending.y)) return;
    drawCable(map.renderer, linkAnchorPoint(map.game, pending.x, pending.y, map.scroll()), {pointer.x, pointer.y});
    // In the colour the cable's end caps leave set.
    outlineRect(map.renderer, tileFrame(pending.x, pending.y, 2), CABLE_END_COLOUR);
}

void MapOverlays::drawInputMarker() const
{
    const TilePoint at = pointerTile();
    if (state.selectedTool != TOOL_SIGNAL_CONTROL_LINE || !inGrid(at.x, at.y)) return;
    if (onToolPanel(state, pointer.x, pointer.y)) return;
    const ControlType type = map.game.tileAt(at.x, at.y).type;
    const int t = tileSize();
    const SDL_Rect square = map.tileSquare(at.x, at.y);
    const TileSpot spot = tileSpotAt(map.camera.scrollY, pointer.y, t);
    SDL_Renderer* renderer = map.renderer;
    if (type == LOGIC_STEPPER && !state.interaction.pendingLinkEnd.pending()) {
        // A wire from a stepper follows the output the pointer is on.
        const SDL_Rect output{square.x + t / 2, square.y + t * spot.quarter / 4, t / 2, t / 4};
        outlineRect(renderer, output, MARKER_GOLD);
        drawBitmapText(renderer, std::to_string(spot.quarter + 1).c_str(), output.x + 1, output.y, 1);
        return;
    }
    const int inputs = markedInputs(type);
    if (inputs == 0) return;
    const bool lower = inputs == 2 && spot.half == 1;
    const SDL_Rect input{square.x, square.y + (lower ? t / 2 : 0), t, t / 2};
    outlineRect(renderer, input, MARKER_GOLD);
    drawBitmapText(renderer, lower ? "B" : "A", input.x + 2, input.y + 2, 1);
}

void MapOverlays::drawWireToolDrag() const
{
    const PendingLinkEnd& pending = state.interaction.pendingLinkEnd;
    const Tool tool = state.selectedTool;
    if (tool != TOOL_SIGNAL_MEASURE_LINE && tool != TOOL_SIGNAL_CONTROL_LINE) return;
    if (!pending.pending() || !inGrid(pending.x, pending.y)) return;
    const PackedColor colour = tool == TOOL_SIGNAL_MEASURE_LINE ? MEASURE_DRAG_COLOUR : SWITCH_DRAG_COLOUR;
    drawLinkRoute(map.renderer, tileCentre(pending.x, pending.y), {pointer.x, pointer.y}, colour, tileSize(), nullptr,
                  false);
}

void MapOverlays::drawSelectedItemFrame() const
{
    if (!state.itemPanelOpen) return;
    const auto shown = std::find_if(map.game.items.begin(), map.game.items.end(), [this](const CargoItem& item) {
        return item.cargo == state.itemPanelCargo && item.id == state.itemPanelRecord.id;
    });
    if (shown == map.game.items.end()) return;
    const SDL_Rect view = map.viewport();
    ItemScreenPlace place;
    if (!itemScreenRect(map.game, *shown, map.scroll(), view, place)) return;
    SDL_Rect seen;
    if (SDL_IntersectRect(&place.rect, &place.clip, &seen) == SDL_FALSE) return;
    const SDL_Rect frame{seen.x + 1, seen.y + 1, seen.w - 2, seen.h - 2};
    if (frame.w <= 0 || frame.h <= 0) return;
    SDL_RenderSetClipRect(map.renderer, &view);
    outlineRect(map.renderer, frame, OVERLAY_VALID);
}

void MapOverlays::drawDiagnostics() const
{
    if (!state.diagnosticsVisible) return;
    const int t = tileSize();
    for (const CargoItem& item : map.game.items) {
        // The frame lies inside the item's own square.
        const SDL_Rect frame{static_cast<int>(std::lround(t * item.posX)) - map.camera.scrollX + 2,
                             static_cast<int>(std::lround(t * item.posY)) - map.camera.scrollY + 2, t - 4, t - 4};
        // Items off the view are passed over before their reason is asked; the
        // reason may still reach into it from the left.
        if (frame.x >= map.viewWidth || frame.y - REASON_RISE >= map.viewHeight || frame.y + frame.h < 0) continue;
        const std::string reason = map.game.blockedReason(item, &map.facts.itemIndex);
        if (reason.empty()) continue;
        outlineRect(map.renderer, frame, DIAGNOSTICS_COLOUR);
        drawText(map.renderer, "!", frame.x + frame.w - 7, frame.y + 3, 1);
        drawText(map.renderer, reason.c_str(), frame.x, frame.y - REASON_RISE, 1);
    }
}

void MapOverlays::drawCopyOrPaste() const
{
    if (state.copyRect.active) {
        outlineRect(map.renderer, tileSpan(state.copyRect.start, state.copyRect.current), OVERLAY_VALID);
        return;
    }
    const Blueprint& blueprint = state.clipboard.blueprint;
    if (!state.clipboard.pasting || blueprint.empty() || !insideView(state, pointer.x, pointer.y)) return;
    const TilePoint at = pointerTile();
    const int t = tileSize();
    const SDL_Rect corner = map.tileSquare(at.x, at.y);
    const SDL_Rect footprint{corner.x, corner.y, blueprint.width * t, blueprint.height * t};
    const bool fits = canPlaceArea(map.game, blueprint, at.x, at.y);
    outlineRect(map.renderer, footprint, fits ? OVERLAY_VALID : OVERLAY_INVALID);
}

void MapOverlays::drawSignalDrag() const
{
    const WireDrag& drag = state.interaction.wireDrag;
    if (!drag.active() || !drag.moved) return;
    const int t = tileSize();
    const TilePoint at = pointerTile();
    const TileSpot spot = tileSpotAt(map.camera.scrollY, pointer.y, t);
    Link link;
    if (pointerOnMap() && canAddSignalLink(map.game, drag, at.x, at.y, spot.half, spot.quarter, &link)) {
        const LinkEnds ends = buildSignalLinkPath(map.game, link, map.scroll());
        const Route route =
            drag.isDc ? computeOffsetLinkRoute(ends.start, ends.end, t) : buildLinkRoute(map.game, link, map.scroll());
        const PackedColor colour = drag.isDc ? toggleButtonColor(true, true) : OVERLAY_VALID;
        drawLinkRoute(map.renderer, ends.start, ends.end, colour, t, &route, false);
        if (drag.isDc) outlineRect(map.renderer, tileFrame(at.x, at.y), OVERLAY_VALID);
        return;
    }
    drawLine(map.renderer, tileCentre(drag.x, drag.y), pointer, OVERLAY_INVALID);
    if (drag.isDc) outlineRect(map.renderer, tileFrame(at.x, at.y), OVERLAY_INVALID);
}

void MapOverlays::drawCarriedLinkEnd() const
{
    const LinkEndDrag& drag = state.interaction.linkEndDrag;
    if (!drag.active() || drag.index < 0) return;
    const std::vector<Link>& links = linksOfKind(map.game, drag.kind);
    if (static_cast<std::size_t>(drag.index) >= links.size()) return;
    const Link& link = links[static_cast<std::size_t>(drag.index)];
    ScreenPoint moved;
    if (drag.kind == POWER_CABLE) {
        moved = drag.firstEnd ? linkAnchorPoint(map.game, link.x0, link.y0, map.scroll())
                              : linkAnchorPoint(map.game, link.x1, link.y1, map.scroll());
    } else {
        const LinkEnds ends = buildSignalLinkPath(map.game, link, map.scroll());
        moved = drag.firstEnd ? ends.start : ends.end;
    }
    const TilePoint at = pointerTile();
    const TileSpot spot = tileSpotAt(map.camera.scrollY, pointer.y, tileSize());
    const bool allowed = pointerOnMap() && canMoveLinkEnd(map.game, drag.kind, drag.index, drag.firstEnd, at.x, at.y,
                                                          spot.half, spot.quarter);
    const PackedColor colour = allowed ? OVERLAY_VALID : OVERLAY_INVALID;
    drawLine(map.renderer, moved, pointer, colour);
    outlineRect(map.renderer, tileFrame(at.x, at.y), colour);
}

void MapOverlays::drawMoveDrag() const
{
    const MoveDrag& drag = state.moveDrag;
    if (!drag.active) return;
    const MachineGroup& group = drag.group;
    const bool fits = canMoveControl(map.game, group, drag.target.x, drag.target.y);
    const int dx = drag.target.x - group.x;
    const int dy = drag.target.y - group.y;
    for (const TileCell& cell : group.cells)
        outlineRect(map.renderer, tileFrame(cell.x + dx, cell.y + dy), fits ? OVERLAY_VALID : OVERLAY_INVALID);
}

void MapOverlays::drawInspectedFrame() const
{
    const ControlSelection& selected = state.interaction.selection;
    if (!selected.selected() || !inGrid(selected.control.x, selected.control.y)) return;
    outlineRect(map.renderer, tileFrame(selected.control.x, selected.control.y), OVERLAY_VALID);
}
