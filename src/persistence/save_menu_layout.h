#pragma once

// Where the buttons of the save menu lie. Clicks and the drawing share these
// rectangles, all relative to the menu rectangle the interface lays out.

struct MenuRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const MenuRect&, const MenuRect&) = default;
};

constexpr int MAIN_MENU_BUTTON_COUNT = 5;
constexpr int SLOT_COUNT = 10;
constexpr int SLOT_BUTTON_COUNT = 4;      // save, load, rename, delete
constexpr int AUTOSAVE_BUTTON_COUNT = 5;  // off, 1, 5, 10 minutes, load the autosave

// Left and top edges belong to a rectangle, right and bottom edges do not.
bool contains(const MenuRect& rect, int x, int y);

MenuRect mainMenuButtonRect(const MenuRect& menu, int button);
MenuRect slotRowRect(const MenuRect& menu, int slot);  // slot 1..10
MenuRect slotButtonRect(const MenuRect& menu, int slot, int button);
MenuRect autosaveButtonRect(const MenuRect& menu, int button);
MenuRect backButtonRect(const MenuRect& menu);
MenuRect confirmButtonRect(const MenuRect& menu);
