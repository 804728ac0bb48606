#pragma once

#include <SDL.h>

#include <string>
#include <string_view>

#include "persistence/save_menu.h"
#include "ui/hud_layout.h"

// The menu over the dimmed window: the main menu, the slot screen with its ten
// slots and the autosave row, the confirmations, the rename page and the result.
// It only draws what the SaveMenu is doing; the SaveMenu takes the clicks, on the
// rectangles of its layout, within the same dialogRect of the window.

std::string_view menuTitle(const SaveMenu& menu);

// Slot n's row: its number, two blanks and its label, or "LEER" when the slot
// holds no map, cut to 25 characters.
std::string slotRowText(int slot, bool inUse, std::string_view label);

// How a button of the slot screen looks: a usable button is lit when it is the
// page's main action, neutral otherwise; one that cannot be used is red with a
// dimmed label.
struct MenuButtonLook {
    int state = 0;
    bool dimmed = false;

    friend bool operator==(const MenuButtonLook&, const MenuButtonLook&) = default;
};
// Button 0 save, 1 load, 2 rename, 3 delete.
MenuButtonLook slotButtonLook(int button, bool slotInUse, bool saveMode);
// Buttons 0..3 the autosave intervals, 4 loads the autosave.
MenuButtonLook autosaveButtonLook(int button, int autosaveMinutes, bool autosaveExists);
// The rename page's "UEBERNEHMEN": lit while a name is typed, red while none is.
int renameConfirmState(std::string_view name);

void drawMenu(SDL_Renderer* renderer, const ScreenRect& dialog, const SaveMenu& menu);

// While the menu is open: the whole window dimmed and the menu over it in the
// window's centred dialog rectangle.
void drawMenuOverlay(SDL_Renderer* renderer, int windowWidth, int windowHeight, const SaveMenu& menu);
