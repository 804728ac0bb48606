#pragma once

#include <vector>

#include "render/map_scroll.h"
#include "world/game.h"

// The screen geometry of cables and wires, worked out anew every frame from
// the scroll: signal wires and 5V cables run as orthogonal polylines with cut
// corners, leaving a control on its right and entering the next on its left.

struct ScreenPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Consecutive points form the segments; fewer than two points draw and hit nothing.
using Route = std::vector<ScreenPoint>;

// The two pins of a signal wire or 5V cable: start at its source, end at its target.
struct LinkEnds {
    ScreenPoint start;
    ScreenPoint end;
};

// 5V cables run this far beside the line a wire between their ends would take.
constexpr int DC_CABLE_OFFSET = 4;

// Where a power cable meets the tile: a pole's insulator, a 5V supply's
// terminal, the centre of anything else.
ScreenPoint linkAnchorPoint(const Game& game, int x, int y, const MapScroll& scroll);

// The pins by the ends' types: a logic output on the right edge (a stepper's
// at its step's height, a counter's low), a logic input on the left edge (a
// gate's A above, B below), a 5V supply's terminal.
LinkEnds buildSignalLinkPath(const Game& game, const Link& link, const MapScroll& scroll);

// From one point to another: with room, across at a height that staggers
// parallel wires; otherwise looping out right and back in from the left.
Route computeLinkRoute(ScreenPoint from, ScreenPoint to, int tileSize);
// The same route moved aside, as 5V cables run.
Route computeOffsetLinkRoute(ScreenPoint from, ScreenPoint to, int tileSize);

// A signal wire's route; it rises over the first signal lamp in its way on the source's row.
Route buildLinkRoute(const Game& game, const Link& link, const MapScroll& scroll);
