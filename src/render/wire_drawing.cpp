#include "render/wire_drawing.h"

#include <algorithm>
#include <cstdlib>

#include "logic/logic_controls.h"
#include "logic/logic_rules.h"
#include "render/clip_scope.h"
#include "render/line_batch.h"

namespace {

constexpr PackedColor WIRE_OUTLINE = packColor(17, 22, 27);
constexpr PackedColor MEASURE_WIRE_COLOR = packColor(255, 211, 63);
constexpr PackedColor SWITCH_WIRE_ON = packColor(83, 226, 101);
constexpr PackedColor SWITCH_WIRE_OFF = packColor(39, 104, 54);

std::uint8_t channel(PackedColor colour, int shift) { return static_cast<std::uint8_t>(colour >> shift & 0xFFu); }

// Each channel through f; opaque.
template <typename F> PackedColor mapChannels(PackedColor colour, F f)
{
    return packColor(f(channel(colour, 0)), f(channel(colour, 8)), f(channel(colour, 16)));
}

PackedColor lightened(PackedColor colour)
{
    return mapChannels(colour, [](int c) { return static_cast<std::uint8_t>(c + (255 - c) / 2); });
}

PackedColor darkened(PackedColor colour)
{
    return mapChannels(colour, [](int c) { return static_cast<std::uint8_t>(c * 3 / 4); });
}

// The segment twice, the second one pixel further across it, so it is two
// pixels wide; `spread` pixels more on every side. A level or upright segment
// covers a rectangle, which is filled at once.
void addWideSegment(LineBatch& lines, ScreenPoint p, ScreenPoint q, int spread)
{
    const bool steep = std::abs(q.y - p.y) > std::abs(q.x - p.x);
    if (p.x == q.x || p.y == q.y) {
        const int left = std::min(p.x, q.x) - spread, top = std::min(p.y, q.y) - spread;
        const int across = 2 + 2 * spread, along = 2 * spread + 1;
        if (steep) {
            lines.addRect({left, top, across, std::abs(q.y - p.y) + along});
        } else {
            lines.addRect({left, top, std::abs(q.x - p.x) + along, across});
        }
        return;
    }
    for (int oy = -spread; oy <= spread; ++oy) {
        for (int ox = -spread; ox <= spread; ++ox) {
            lines.add(p.x + ox, p.y + oy, q.x + ox, q.y + oy);
            const int ax = steep ? ox + 1 : ox;
            const int ay = steep ? oy : oy + 1;
            lines.add(p.x + ax, p.y + ay, q.x + ax, q.y + ay);
        }
    }
}

// Where the wire's outline and pin markers can reach: its points' box and two pixels round it.
SDL_Rect routeReach(ScreenPoint start, ScreenPoint end, const Route& points)
{
    int left = std::min(start.x, end.x), right = std::max(start.x, end.x);
    int top = std::min(start.y, end.y), bottom = std::max(start.y, end.y);
    for (const ScreenPoint& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    constexpr int REACH = 3;
    return {left - REACH, top - REACH, right - left + 2 * REACH + 1, bottom - top + 2 * REACH + 1};
}

void drawPinMarker(SDL_Renderer* renderer, ScreenPoint p, PackedColor colour)
{
    setDrawColor(renderer, WIRE_OUTLINE);
    const SDL_Rect rim{p.x - 2, p.y - 2, 5, 5};
    SDL_RenderFillRect(renderer, &rim);
    setDrawColor(renderer, colour);
    const SDL_Rect pin{p.x - 1, p.y - 1, 3, 3};
    SDL_RenderDrawRect(renderer, &pin);
}

// What the machine at the wire's target is doing, as its wire shows it.
bool machineSwitchedOn(const Tile& target)
{
    switch (target.type) {
    case SOURCE:
        return target.sourceRunning;
    case SINK:
        return target.sinkAccepting;
    case ARM:
    case LONG_ARM:
        return target.armContinuous ? target.armSignalOn : target.armPendingJobs >= 1;
    case DISTRIBUTOR:
        return target.signalSelectsB;
    case OVEN:
        return target.ovenAcceptMask != 0;
    case SMELTER:
        return target.smelterAcceptMask != 0;
    case FILLER:
        return target.fillerAccepting;
    case STORAGE:
        return target.storageOutputOn;
    case COAL_GENERATOR:
        return target.generatorOn;
    case INJECTION_MOLDER:
        return target.molderOn;
    case EJECTOR:
        return target.ejectorActive;
    default:
        return false;
    }
}

}  // namespace

void drawLinkRoute(SDL_Renderer* renderer, ScreenPoint start, ScreenPoint end, PackedColor colour, int tileSize,
                   const Route* route, bool markersOnly)
{
    const Route own = route != nullptr || markersOnly ? Route{} : computeLinkRoute(start, end, tileSize);
    const Route& points = route != nullptr ? *route : own;
    if (clipExcludes(renderer, routeReach(start, end, markersOnly ? Route{} : points))) return;
    if (!markersOnly) {
        // All of the outline before any of the line, so no corner is nicked.
        LineBatch lines(renderer);
        setDrawColor(renderer, WIRE_OUTLINE);
        for (std::size_t i = 1; i < points.size(); ++i)
            addWideSegment(lines, points[i - 1], points[i], 1);
        lines.draw();
        setDrawColor(renderer, colour);
        for (std::size_t i = 1; i < points.size(); ++i)
            addWideSegment(lines, points[i - 1], points[i], 0);
        lines.draw();
    }
    drawPinMarker(renderer, start, colour);
    drawPinMarker(renderer, end, colour);
}

bool switchWireLit(const Game& game, const Link& wire)
{
    if (!game.inBounds(wire.x0, wire.y0) || !game.inBounds(wire.x1, wire.y1)) return false;
    const Tile& source = game.tileAt(wire.x0, wire.y0);
    const Tile& target = game.tileAt(wire.x1, wire.y1);
    if (isLogicType(target.type)) return source.type == SENSOR ? source.signalOut : wireSignal(source, wire.param);
    // A watching sensor pays an ejector or an arm with a flash as it sees its cargo.
    const bool paysOnSight =
        source.type == SENSOR && source.sensorWatchItems && (target.type == EJECTOR || isArm(target.type));
    if (paysOnSight) return source.sensorFlash > 0.0f && source.sensorSeenMatch;
    return machineSwitchedOn(target);
}

void WireDrawing::drawTileLink(int pass, const Link& wire, PackedColor colour, bool highlighted) const
{
    if (highlighted && pass == WIRES_UNDER_CONTROLS) return;
    const LinkEnds ends = buildSignalLinkPath(game, wire, scroll);
    const Route route = buildLinkRoute(game, wire, scroll);
    drawLinkRoute(renderer, ends.start, ends.end, highlighted ? lightened(colour) : darkened(colour), scroll.tileSize,
                  &route, pass == WIRES_OVER_CONTROLS && !highlighted);
}

void WireDrawing::drawLinks(int pass) const
{
    const auto isHighlighted = [this](const Link& wire) {
        if (selectedX < 0 || selectedY < 0) return false;
        return (wire.x0 == selectedX && wire.y0 == selectedY) || (wire.x1 == selectedX && wire.y1 == selectedY);
    };
    for (const Link& wire : game.signalMeasureLinks)
        drawTileLink(pass, wire, MEASURE_WIRE_COLOR, isHighlighted(wire));
    for (const Link& wire : game.signalControlLinks)
        drawTileLink(pass, wire, switchWireLit(game, wire) ? SWITCH_WIRE_ON : SWITCH_WIRE_OFF, isHighlighted(wire));
}
