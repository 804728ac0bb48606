#pragma once

#include "render/map_scroll.h"
#include "render/wire_routes.h"

// Which cable or wire the pointer is over.
struct LinkHit {
    LinkKind kind = NO_LINK;
    int index = -1;          // in the game's list of that kind
    bool nearStart = false;  // at least as near the first end as the second
};

// Squared pixel distance from the pointer to a measure or switch wire. Over
// another control only the wire's pins count, except for the wires of the
// selected tile, so wires are not picked where they merely cross a control.
struct LinkDistance {
    const Game& game;
    MapScroll scroll;
    int px = 0;
    int py = 0;
    int selectedX = -1;
    int selectedY = -1;

    double operator()(const Link& wire) const;
};

// The nearest link within reach of the window point (px, py): power cables,
// measure wires, switch wires, 5V cables; a near tie goes to the later kind,
// and within a kind to the earlier link.
LinkHit linkAtPoint(const Game& game, int px, int py, const MapScroll& scroll, int selectedX, int selectedY);
