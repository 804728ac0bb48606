#include "persistence/save_menu_layout.h"

bool contains(const MenuRect& rect, int x, int y)
{
    return x >= rect.left && x < rect.left + rect.width && y >= rect.top && y < rect.top + rect.height;
}

MenuRect mainMenuButtonRect(const MenuRect& menu, int button)
{
    return {menu.left + 30, menu.top + 55 + 55 * button, menu.width - 60, 40};
}

MenuRect slotRowRect(const MenuRect& menu, int slot)
{
    return {menu.left + 10, menu.top + 48 + 42 * (slot - 1), menu.width - 20, 34};
}

MenuRect slotButtonRect(const MenuRect& menu, int slot, int button)
{
    MenuRect row = slotRowRect(menu, slot);
    return {menu.left + menu.width - 338 + 82 * button, row.top, 78, row.height};
}

MenuRect autosaveButtonRect(const MenuRect& menu, int button)
{
    return {menu.left + 90 + 92 * button, menu.top + 485, 86, 32};
}

MenuRect backButtonRect(const MenuRect& menu) { return {menu.left + 10, menu.top + menu.height - 50, 140, 32}; }

MenuRect confirmButtonRect(const MenuRect& menu) { return {menu.left + 160, menu.top + menu.height - 50, 140, 32}; }
