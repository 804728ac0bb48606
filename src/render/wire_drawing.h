#pragma once

#include <SDL.h>

#include "render/design_grid.h"
#include "render/map_scroll.h"
#include "render/wire_routes.h"

// The map view draws the signal wires in two passes: whole under the
// controls, then over them only their pins and the wires of the selected
// control, so those stay visible where they cross other controls.
constexpr int WIRES_UNDER_CONTROLS = 0;
constexpr int WIRES_OVER_CONTROLS = 1;

// A two-pixel line along the route in a dark outline, and a pin marker at
// start and end. Without a route the wire runs as computeLinkRoute lays it.
void drawLinkRoute(SDL_Renderer* renderer, ScreenPoint start, ScreenPoint end, PackedColor colour, int tileSize,
                   const Route* route, bool markersOnly);

// Whether a switch wire shows its signal as on: what its source sends a logic
// input, or else the switched machine's own state.
bool switchWireLit(const Game& game, const Link& wire);

// The measure and switch wires of one game in one view; the wires of the
// selected tile are highlighted.
struct WireDrawing {
    SDL_Renderer* renderer;
    const Game& game;
    MapScroll scroll;
    int selectedX = -1;
    int selectedY = -1;

    // A highlighted wire is lightened and drawn whole over the controls; any
    // other is darkened, whole under the controls and its pins over them.
    void drawTileLink(int pass, const Link& wire, PackedColor colour, bool highlighted) const;
    // Every measure wire, then every switch wire, in their lists' order.
    void drawLinks(int pass) const;
};
