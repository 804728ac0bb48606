#include "render/wire_routes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "logic/logic_controls.h"

namespace {

ControlType typeAt(const Game& game, int x, int y) { return game.inBounds(x, y) ? game.tileAt(x, y).type : EMPTY; }

// A 5V supply's terminal, on its right.
ScreenPoint dcTerminal(int x, int y, const MapScroll& s)
{
    const int ts = s.tileSize;
    return {x * ts - s.scrollX + 29 * ts / 32, y * ts - s.scrollY + 26 * ts / 32};
}

// The leg a wire makes out of its pin before it turns.
int stubLength(int ts) { return ts > 20 ? ts / 3 : 6; }
// How much of a corner is cut away at most.
int cornerCut(int ts) { return ts > 17 ? ts / 6 : 2; }

// Three points on one vertical or one horizontal line.
bool onOneAxis(ScreenPoint a, ScreenPoint b, ScreenPoint c)
{
    return (a.x == b.x && b.x == c.x) || (a.y == b.y && b.y == c.y);
}

// Drops repeated points and the middle point of any straight run, so a route
// that folds back along one line loses its fold.
Route withoutStraightJoints(const Route& raw)
{
    Route clean;
    for (const ScreenPoint& p : raw) {
        if (!clean.empty() && clean.back() == p) continue;
        while (clean.size() >= 2 && onOneAxis(clean[clean.size() - 2], clean.back(), p))
            clean.pop_back();
        clean.push_back(p);
    }
    return clean;
}

int manhattan(ScreenPoint a, ScreenPoint b) { return std::abs(b.x - a.x) + std::abs(b.y - a.y); }

// The point `cut` pixels from b towards a, along a segment `length` long.
ScreenPoint towards(ScreenPoint b, ScreenPoint a, int cut, int length)
{
    if (length == 0) return b;
    return {b.x + (a.x - b.x) * cut / length, b.y + (a.y - b.y) * cut / length};
}

// Each inner corner is replaced by two points either side of it.
Route chamfered(const Route& points, int ts)
{
    if (points.size() < 2) return points;
    Route route{points.front()};
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        const ScreenPoint a = points[i - 1];
        const ScreenPoint b = points[i];
        const ScreenPoint c = points[i + 1];
        const int la = manhattan(a, b);
        const int lc = manhattan(b, c);
        const int cut = std::min({lc / 2, la / 2, cornerCut(ts)});
        route.push_back(towards(b, a, cut, la));
        route.push_back(towards(b, c, cut, lc));
    }
    route.push_back(points.back());
    return route;
}

Route rawRoute(ScreenPoint from, ScreenPoint to, int ts)
{
    const int s = stubLength(ts);
    if (from.x + 2 * s < to.x) {
        // Wires whose ends differ in height turn at different fractions of the span.
        const int rise = std::abs(from.y - to.y);
        const int k = (ts > 7 ? rise / (ts / 4) : rise) % 4;
        const int xm = from.x + (k + 3) * (to.x - from.x) / 9;
        return {from, {xm, from.y}, {xm, to.y}, to};
    }
    if (from.y == to.y && from.x <= to.x) return {from, to};
    const int ym = from.y == to.y ? from.y - 2 * s : from.y + (to.y - from.y) / 2;
    return {from, {from.x + s, from.y}, {from.x + s, ym}, {to.x - s, ym}, {to.x - s, to.y}, to};
}

}  // namespace

ScreenPoint linkAnchorPoint(const Game& game, int x, int y, const MapScroll& scroll)
{
    const int ts = scroll.tileSize;
    const int left = x * ts - scroll.scrollX;
    const int top = y * ts - scroll.scrollY;
    switch (typeAt(game, x, y)) {
    case POWER_SUPPLY:
        return {left + 3 * ts / 32, top + 26 * ts / 32};
    case POWER_POLE:
        return {left + ts / 2, top + 7 * ts / 32};
    default:
        return {left + ts / 2, top + ts / 2};
    }
}

LinkEnds buildSignalLinkPath(const Game& game, const Link& link, const MapScroll& scroll)
{
    const int ts = scroll.tileSize;
    LinkEnds ends{{(2 * link.x0 + 1) * ts / 2 - scroll.scrollX, (2 * link.y0 + 1) * ts / 2 - scroll.scrollY},
                  {(2 * link.x1 + 1) * ts / 2 - scroll.scrollX, (2 * link.y1 + 1) * ts / 2 - scroll.scrollY}};
    const ControlType source = typeAt(game, link.x0, link.y0);
    const ControlType target = typeAt(game, link.x1, link.y1);
    const int pinInset = ts > 31 ? ts / 16 + 1 : 2;

    if (isLogicType(source)) ends.start.x += ts / 2 - pinInset;
    if (isLogicType(target)) {
        ends.end.x -= ts / 2 - pinInset;
        if (hasTwoInputs(target)) ends.end.y += link.input == 0 ? -ts / 4 : ts / 4;
    }
    if (source == LOGIC_STEPPER) ends.start.y = link.y0 * ts - scroll.scrollY + (2 * link.param + 1) * ts / 8;
    if (source == LOGIC_COUNTER) {
        const int lowPin = ts > 39 ? ts / 8 : 4;
        ends.start.y = (link.y0 + 1) * ts - scroll.scrollY - lowPin;
        if (target == LOGIC_COUNTER) ends.end.y = (link.y1 + 1) * ts - scroll.scrollY - lowPin;
    }
    if (source == POWER_SUPPLY) ends.start = dcTerminal(link.x0, link.y0, scroll);
    if (target == POWER_SUPPLY) ends.end = dcTerminal(link.x1, link.y1, scroll);
    return ends;
}

Route computeLinkRoute(ScreenPoint from, ScreenPoint to, int tileSize)
{
    return chamfered(withoutStraightJoints(rawRoute(from, to, tileSize)), tileSize);
}

Route computeOffsetLinkRoute(ScreenPoint from, ScreenPoint to, int tileSize)
{
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::max(1.0, std::sqrt(dx * dx + dy * dy));
    const int ox = static_cast<int>(std::lround(-DC_CABLE_OFFSET * dy / length));
    const int oy = static_cast<int>(std::lround(DC_CABLE_OFFSET * dx / length));
    Route route = computeLinkRoute(from, to, tileSize);
    for (ScreenPoint& p : route) {
        p.x += ox;
        p.y += oy;
    }
    return route;
}

Route buildLinkRoute(const Game& game, const Link& link, const MapScroll& scroll)
{
    const int ts = scroll.tileSize;
    const LinkEnds ends = buildSignalLinkPath(game, link, scroll);
    if (link.x1 <= link.x0 + 1) return computeLinkRoute(ends.start, ends.end, ts);

    const int margin = ts > 23 ? ts / 4 : 5;
    const int cut = cornerCut(ts);
    for (int c = link.x0 + 1; c < link.x1; ++c) {
        if (typeAt(game, c, link.y0) != SIGNAL_LAMP) continue;
        const int xl = c * ts - scroll.scrollX - margin - cut;
        if (xl <= ends.start.x) continue;
        // Up before the lamp, along above its row, and on from beyond it.
        const int yt = link.y0 * ts - scroll.scrollY - margin;
        const ScreenPoint beyond{(c + 1) * ts - scroll.scrollX + margin, yt};
        const ScreenPoint start = ends.start;
        Route route{start, {xl, start.y}, {xl + cut, start.y - cut}, {xl + cut, yt + cut}, {xl + 2 * cut, yt}, beyond};
        const Route rest = computeLinkRoute(beyond, ends.end, ts);
        if (!rest.empty()) route.insert(route.end(), rest.begin() + 1, rest.end());
        return route;
    }
    return computeLinkRoute(ends.start, ends.end, ts);
}
