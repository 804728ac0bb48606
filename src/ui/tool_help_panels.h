#pragma once

#include <SDL.h>

#include <string>

#include "ui/hud_layout.h"
#include "world/direction.h"

// The side panel's help for three tools: the belt-speed and direction choosers,
// which pick the level or direction their tool paints, and how switch wires are
// laid. The choosers lie in the side panel's content area; the shell keeps the
// chosen level and direction.

constexpr int BELT_SPEED_LEVELS = 6;

ScreenRect beltSpeedButtonRect(const ScreenRect& content, int level);
ScreenRect directionButtonRect(const ScreenRect& content, Direction direction);

// The level or direction under the point: -1 or NONE when there is none.
int beltSpeedLevelAt(const ScreenRect& content, int px, int py);
Direction directionAt(const ScreenRect& content, int px, int py);

// "NORD", "OST", "SUED", "WEST".
const char* directionName(Direction direction);

void drawBeltSpeedChooser(SDL_Renderer* renderer, const ScreenRect& content, int level);
// A direction outside north to west lights no button.
void drawDirectionChooser(SDL_Renderer* renderer, const ScreenRect& content, Direction direction);

// Where the side panel's prompt would stand, while the switch-wire tool is chosen;
// the last wiring message, when there is one, below it in yellow.
void drawSwitchWireHelp(SDL_Renderer* renderer, const ScreenRect& sidePanel, const std::string& message);

// Left presses on the choosers; true when they chose a level or a direction. They
// change no map.
bool pressBeltSpeedChooser(const ScreenRect& content, int px, int py, int& level);
bool pressDirectionChooser(const ScreenRect& content, int px, int py, Direction& direction);
