#pragma once

#include <SDL.h>

#include <string>
#include <string_view>

#include "ui/hud_layout.h"

class Game;
class MultiSelection;
struct Tile;

// "MEHRFACHAUSWAHL": while controls are selected together, the side panel
// counts them and offers "ALLE DREHEN", "EINSTELLUNGEN" and "AUSWAHL
// LOESCHEN". Its settings view changes every selected control at once: the
// controls with an inspector of their own through that inspector, mixers and
// distributors through the shared panels here, each ending in "ZURUECK".
// Positions are offsets from the content area's corner.

enum class SelectionButton { NONE, ROTATE_ALL, SETTINGS, DEMOLISH_ALL };

// Button k = 0, 1, 2 of the main view, counted from 110 pixels above the bottom.
ScreenRect selectionButtonRect(const ScreenRect& panel, int k);
SelectionButton selectionButtonAt(const ScreenRect& panel, int px, int py);
ScreenRect selectionBackButtonRect(const ScreenRect& panel);

// "3 CONTROLS AUSGEWAEHLT", one as many.
std::string selectionCountText(int count);

void drawSelectionMainView(SDL_Renderer* renderer, const ScreenRect& panel, int count, std::string_view status);
// "MISCHER GEMEINSAM" and "VERTEILER GEMEINSAM", showing the first selected tile.
void drawSharedMixerPanel(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& first);
void drawSharedDistributorPanel(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& first);
void drawSelectionBackButton(SDL_Renderer* renderer, const ScreenRect& panel);

// What the main view's buttons change; the status line is the shell's.
struct SelectionPanelControls {
    Game& game;
    MultiSelection& selection;
    std::string& status;
    bool& settingsOpen;
};

// A left press on the main view. "ALLE DREHEN" turns all or nothing and says
// so in the status line; "EINSTELLUNGEN" opens the settings view when all
// selected controls are of one kind and says why not otherwise; "AUSWAHL
// LOESCHEN" demolishes them all and empties the selection, after which the
// shell resets the interaction. Answers the button hit.
SelectionButton pressSelectionMainView(const SelectionPanelControls& controls, const ScreenRect& panel, int px, int py);

// Left presses on the shared panels, given the first selected tile's values;
// every selected mixer or distributor takes the setting. True when a button took it.
bool pressSharedMixerPanel(const MultiSelection& selection, Game& game, const ScreenRect& panel, int px, int py);
bool pressSharedDistributorPanel(const MultiSelection& selection, Game& game, const Tile& first,
                                 const ScreenRect& panel, int px, int py);
