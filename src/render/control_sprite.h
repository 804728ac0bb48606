#pragma once

#include <SDL.h>

#include "render/design_grid.h"
#include "world/tile.h"

// The one colour of every sprite frame.
constexpr PackedColor SPRITE_FRAME = packColor(18, 19, 23);

// Paints the procedural sprite of one tile into the current render target: the
// background square of its type, the control on it, the frame and the status
// marks. The square is (tileX·tileSize − scrollX, tileY·tileSize − scrollY) with
// edge tileSize; sheet cells pass their column and row with zero scroll. `time`
// drives the animations (callers freeze it by passing 0); `powered` shows a power
// pole as connected and changes no other type. Reads the tile only; leaves the
// draw colour at the last colour used and the clip as it found it.
void drawControlSprite(SDL_Renderer* renderer, const Tile& tile, int tileX, int tileY, int scrollX, int scrollY,
                       int tileSize, float time, bool powered);

// The rectangle of the whole two-tile picture that a distributor or mixer tile
// (main or second) belongs to, from the tile's square r: the second tile lies on
// the clockwise side of the facing.
SDL_Rect pairSpriteRect(const Tile& tile, const SDL_Rect& r);
