#pragma once

#include <SDL.h>

#include <array>
#include <string>

#include "ui/hud_layout.h"
#include "world/power_overview.h"

// "STROMUEBERSICHT": the power supply summed over every network, then one block
// per network, drawn into the side panel's content area while the overview is
// open. The shell keeps the index of the first network shown; the mouse wheel
// moves it and the drawing keeps it inside the list.

constexpr int POWER_BLOCK_TOP = 178;   // below the totals and the hints
constexpr int POWER_BLOCK_PITCH = 86;  // four lines and a gap

// Network blocks that fit a window of the height: one at least.
int powerOverviewVisibleBlocks(int height);

// The first network shown, kept so that the last blocks stay in sight and none
// before the first is asked for.
int clampPowerOverviewScroll(int scroll, int networkCount, int height);

// The wheel: its steps (sign flipped for a wheel reporting flipped direction)
// lower the index, which stays at 0 or above.
int scrolledOverviewIndex(int scroll, int wheelSteps, bool flipped);

// "VERFUEGBAR ", "ZUGETEILT  ", "FEHLEND    ", "OHNE MAST  ", each with its kW:
// the missing total counts the consumers that reach no pole too.
std::array<std::string, 4> powerTotalLines(const PowerOverview& power);

// A network's block: its number in the list (from 1), consumers and kW.
std::array<std::string, 4> networkBlockLines(const PowerNetworkInfo& network, int index);

// Draws the window and stores the clamped index back.
void drawPowerOverview(SDL_Renderer* renderer, const ScreenRect& window, const PowerOverview& power, int& scroll);
