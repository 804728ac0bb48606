#pragma once

#include <SDL.h>

#include "render/map_scroll.h"
#include "world/game.h"

// Where one cargo item lands in the window.
struct ItemScreenPlace {
    SDL_Rect rect{};     // the item's square, one tile in size
    SDL_Rect clip{};     // what of it shows: not inside a machine, not off the view
    double angle = 0.0;  // degrees, clockwise on screen
};

// False when the item is not drawn (on a source, in a tunnel, hidden in a
// machine or off the view); then place's clip and angle mean nothing. An item
// held by an arm turns with the arm and is never clipped at machines.
bool itemScreenRect(const Game& game, const CargoItem& item, const MapScroll& scroll, const SDL_Rect& view,
                    ItemScreenPlace& place);

// The item rides a bridge, or lies at one of its ends on the deck's line: the
// map view draws it over the bridge, and the pointer prefers it.
bool isItemAtBridgeDeck(const Game& game, const CargoItem& item);

// The item under the window point: carried items first, then those at bridge
// decks, then the rest, and of one kind the one drawn last. Null when none.
const CargoItem* itemAtPoint(const Game& game, int px, int py, const MapScroll& scroll, const SDL_Rect& view);
