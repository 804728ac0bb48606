#pragma once

#include <SDL.h>

#include <string>
#include <string_view>

#include "render/cargo_textures.h"
#include "ui/hud_layout.h"
#include "world/cargo.h"

class Game;
struct ItemId;

// The "FOERDERGUT" inspector of one cargo item clicked on the map. It shows the
// copy of the kind and identity taken at the click, not the live item, which
// may have moved on, been consumed or sold since.

// "ID -" for an anonymous identity (machine id or serial 0); else "ID ", the
// machine id, "-", the label and "-" when there is one, and the serial.
std::string itemIdentityText(const ItemId& id);

// The identity on at most two lines: the first (width - 20) / 6 characters, and
// whatever is left, uncut, on the second.
struct IdentityLines {
    std::string first;
    std::string second;
};
IdentityLines identityLines(std::string_view text, int panelWidth);

void drawItemPanel(SDL_Renderer* renderer, const CargoTextures& sprites, const ScreenRect& panel, CargoType cargo,
                   const ItemId& id);

ScreenRect itemDeleteButtonRect(const ScreenRect& panel);

enum class ItemPanelPress {
    Missed,   // off the button: nothing happens
    Removed,  // the item went; the panel closes and forgets it
    Refused,  // anonymous, or gone already: the panel stays as it was
};

// A left press in the panel: "GUT LOESCHEN" takes the item with the stored
// identity off the map.
ItemPanelPress pressItemPanel(Game& game, const ScreenRect& panel, int px, int py, bool& open, ItemId& stored);
