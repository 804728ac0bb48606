#pragma once

#include <SDL.h>

#include "world/tile.h"

// The transport controls that the control sprite painter draws itself, each in
// the tile's square R over its background. Arms get only their hub here: shaft
// and hand are drawn over the map with the arm textures; the ejector's rail and
// plate likewise (ejector_sprite.h).

// Bed, rails and moving slats, and the speed level unless it is the normal 3.
void drawBeltSprite(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile, float time);
// How many pixels the slats have travelled within one slat pitch (tileSize / 4)
// at the speed level: 1.7 tiles a second at speed 3. The sprite key's belt frame.
int beltSlatTravel(int beltSpeed, int tileSize, float time);
// How far the slats have moved, in pixels within one slat pitch (tileSize / 4):
// they travel 1.7 tiles a second at speed 3, toward the belt's direction; 0 for
// a belt without a direction.
int beltSlatOffset(const Tile& tile, int tileSize, float time);

// Source and sink bodies go under the frame, their marks over it.
void drawSourceSinkBody(SDL_Renderer* renderer, const SDL_Rect& r, bool sink);
void drawSourceMarks(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile);
void drawSinkMarks(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile);

// The hub of a grab arm or long arm with the light of its cargo filter.
void drawArmHub(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile);

// A tunnel entrance always faces south; an exit turns with its direction.
void drawTunnelSprite(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile);

// The ejector's static tile with its on/off lamp.
void drawEjectorTile(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile);
