#pragma once

#include <SDL.h>

#include <span>
#include <vector>

#include "render/design_grid.h"
#include "render/map_scroll.h"
#include "render/wire_routes.h"

// Power cables hang between their anchors as two copper strands, one either
// side of the straight line, sagging in the middle. The pointer's hit test
// measures against these same strands.

constexpr int CABLE_STRAND_SIDES[] = {-1, 1};

// One strand from a to b, side -1 or +1: its start and the point after each segment.
Route cableStrand(ScreenPoint a, ScreenPoint b, int side);

// Both strands with shadow, copper core and highlight, then a cap at each end;
// leaves the draw colour at the last one used.
void drawCable(SDL_Renderer* renderer, ScreenPoint a, ScreenPoint b);

struct CableEnds {
    ScreenPoint a;
    ScreenPoint b;
};
// The cables one over the other in their order, as drawCable draws each, in a
// few calls for all of them.
void drawCables(SDL_Renderer* renderer, std::span<const CableEnds> cables);

// The colour that tells power network `id` apart; six colours repeat, and a
// negative id (no network) is grey.
PackedColor networkColor(int id);

// The 7 x 7 tiles a power pole on tile (x, y) reaches, cut by the map, as a
// translucent square: in its network's colour when colouring by network, else blue.
struct RangeHighlight {
    SDL_Renderer* renderer;
    MapScroll scroll;
    bool byNetwork = false;
    const std::vector<int>& networkOfTile;  // PowerOverview::networkOfTile

    void operator()(int x, int y) const;
};
