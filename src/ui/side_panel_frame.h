#pragma once

#include <SDL.h>

#include <string_view>

#include "ui/hud_layout.h"

// The side panel around its content: the background and border, the heading
// "INFORMATIONEN", the button "STROM P" that opens the power overview, the
// close button "X" while anything is open in the panel, and the help page
// shown when nothing is. Positions are on the screen, from the side panel's
// rectangle.

ScreenRect powerButtonRect(const ScreenRect& sidePanel);
ScreenRect closeButtonRect(const ScreenRect& sidePanel);

// The power button lit while the overview is open; "X" only when shown.
void drawSidePanelFrame(SDL_Renderer* renderer, const ScreenRect& sidePanel, bool powerOverviewOpen, bool closeShown);

// What the help page tells: how switch wires are laid while their tool is
// chosen, with the status line under it; else the mouse and key commands,
// the diagnostics note and the copy-and-paste message.
struct HelpPage {
    bool switchWireTool = false;
    bool diagnostics = false;
    std::string_view status;
    std::string_view copyMessage;
};

void drawHelpPage(SDL_Renderer* renderer, const ScreenRect& sidePanel, const HelpPage& page);
