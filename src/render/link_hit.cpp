#include "render/link_hit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "render/power_cables.h"

namespace {

constexpr double NOTHING_NEAR = std::numeric_limits<float>::max();
// Distances closer than this count as a tie.
constexpr double TIE = 0.5;

double squaredDistance(int px, int py, ScreenPoint p)
{
    const double dx = px - p.x;
    const double dy = py - p.y;
    return dx * dx + dy * dy;
}

double routeDistanceSquared(const Route& route, int px, int py)
{
    if (route.size() < 2) return NOTHING_NEAR;
    double best = NOTHING_NEAR;
    for (std::size_t i = 1; i < route.size(); ++i) {
        const ScreenPoint a = route[i - 1];
        const ScreenPoint b = route[i];
        best = std::min(best, pointSegmentDistanceSquared(static_cast<float>(px), static_cast<float>(py),
                                                          static_cast<float>(a.x), static_cast<float>(a.y),
                                                          static_cast<float>(b.x), static_cast<float>(b.y)));
    }
    return best;
}

// Whether the pointer stands over a built tile, where only a link's ends can be picked.
bool overControl(const Game& game, int px, int py, const MapScroll& scroll)
{
    const int tx = (px + scroll.scrollX) / scroll.tileSize;
    const int ty = (py + scroll.scrollY) / scroll.tileSize;
    return game.inBounds(tx, ty) && game.tileAt(tx, ty).type != EMPTY;
}

bool within(int px, int py, ScreenPoint p, int tolerance)
{
    return std::abs(px - p.x) <= tolerance && std::abs(py - p.y) <= tolerance;
}

double cableDistance(const Game& game, const Link& cable, int px, int py, const MapScroll& scroll)
{
    const ScreenPoint a = linkAnchorPoint(game, cable.x0, cable.y0, scroll);
    const ScreenPoint b = linkAnchorPoint(game, cable.x1, cable.y1, scroll);
    double best = NOTHING_NEAR;
    for (const int side : CABLE_STRAND_SIDES)
        best = std::min(best, routeDistanceSquared(cableStrand(a, b, side), px, py));
    return best;
}

double dcCableDistance(const Game& game, const Link& cable, int px, int py, const MapScroll& scroll)
{
    const LinkEnds ends = buildSignalLinkPath(game, cable, scroll);
    const Route route = computeOffsetLinkRoute(ends.start, ends.end, scroll.tileSize);
    if (!overControl(game, px, py, scroll)) return routeDistanceSquared(route, px, py);
    if (route.empty()) return NOTHING_NEAR;
    const int tolerance = scroll.tileSize > 23 ? scroll.tileSize / 8 : 2;
    double best = NOTHING_NEAR;
    for (const ScreenPoint& end : {route.front(), route.back()}) {
        if (within(px, py, end, tolerance)) best = std::min(best, squaredDistance(px, py, end));
    }
    return best;
}

// The points nearStart compares: the anchors of a power cable, the pins of the rest.
LinkEnds comparedEnds(const Game& game, LinkKind kind, const Link& link, const MapScroll& scroll)
{
    if (kind == POWER_CABLE) {
        return {linkAnchorPoint(game, link.x0, link.y0, scroll), linkAnchorPoint(game, link.x1, link.y1, scroll)};
    }
    return buildSignalLinkPath(game, link, scroll);
}

const std::vector<Link>& linksOfKind(const Game& game, LinkKind kind)
{
    switch (kind) {
    case POWER_CABLE:
        return game.powerLinks;
    case MEASURE_WIRE:
        return game.signalMeasureLinks;
    case SWITCH_WIRE:
        return game.signalControlLinks;
    default:
        return game.dcLinks;
    }
}

}  // namespace

double LinkDistance::operator()(const Link& wire) const
{
    const bool selectedEnd =
        (wire.x0 == selectedX && wire.y0 == selectedY) || (wire.x1 == selectedX && wire.y1 == selectedY);
    if (overControl(game, px, py, scroll) && !selectedEnd) {
        const LinkEnds ends = buildSignalLinkPath(game, wire, scroll);
        const int tolerance = scroll.tileSize >= 32 ? scroll.tileSize / 32 + 2 : 2;
        for (const ScreenPoint& end : {ends.start, ends.end}) {
            if (within(px, py, end, tolerance)) return squaredDistance(px, py, end);
        }
        return NOTHING_NEAR;
    }
    return routeDistanceSquared(buildLinkRoute(game, wire, scroll), px, py);
}

LinkHit linkAtPoint(const Game& game, int px, int py, const MapScroll& scroll, int selectedX, int selectedY)
{
    const LinkDistance wireDistance{game, scroll, px, py, selectedX, selectedY};
    const auto distance = [&](LinkKind kind, const Link& link) {
        switch (kind) {
        case POWER_CABLE:
            return cableDistance(game, link, px, py, scroll);
        case DC_CABLE:
            return dcCableDistance(game, link, px, py, scroll);
        default:
            return wireDistance(link);
        }
    };

    LinkHit hit;
    double best = NOTHING_NEAR;
    for (const LinkKind kind : {POWER_CABLE, MEASURE_WIRE, SWITCH_WIRE, DC_CABLE}) {
        const std::vector<Link>& links = linksOfKind(game, kind);
        for (std::size_t i = 0; i < links.size(); ++i) {
            const double d = distance(kind, links[i]);
            const bool nearer = d < best - TIE;
            const bool laterKindTies = std::fabs(d - best) <= TIE && hit.kind < kind;
            if (!nearer && !laterKindTies) continue;
            best = d;
            hit.kind = kind;
            hit.index = static_cast<int>(i);
        }
    }
    const double reach = std::max(6.0, 0.28 * scroll.tileSize);
    if (hit.kind == NO_LINK || best > reach * reach) return {};
    const LinkEnds ends =
        comparedEnds(game, hit.kind, linksOfKind(game, hit.kind)[static_cast<std::size_t>(hit.index)], scroll);
    hit.nearStart = squaredDistance(px, py, ends.start) <= squaredDistance(px, py, ends.end);
    return hit;
}
