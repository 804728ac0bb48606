#pragma once

#include <SDL.h>

#include <string>
#include <string_view>

#include "render/cargo_textures.h"
#include "ui/hud_layout.h"
#include "world/control_type.h"

class Game;
class UndoHistory;
struct NumberEntry;
struct Tile;

// The information panel of the controls without an inspector of their own:
// distributors, mixers, bridges, tunnels, generators, poles, molders, water
// sources and pipes, sensors, ejectors, logic components and 5V supplies. A
// title, a direction line for those that face a way, a section by type and
// the status line. Positions are offsets from the content area's corner.

// The title by type; "VERTEILER" for a type that has none of its own.
const char* informationTitle(ControlType type);

// "RICHTUNG " and the name of the way the control faces (a bridge: its deck),
// or nothing for the types without the line. A generator or pole has no way
// to face and shows the word alone.
bool hasDirectionLine(ControlType type);
std::string directionLine(ControlType type, const Tile& tile);

// Game hours the coal in the burner lasts at the load in use, rounded up; at
// full load when not in use.
int generatorBurnHours(const Tile& generator);

// "LAENGE 5 KACHELN"; "LAENGE - KACHELN" while the tunnel has no partner.
std::string tunnelLengthText(const Tile& tunnel, int x, int y);

// Pixels of the 88-pixel tank bar filled by the molder's water, 0..10 units.
int tankBarWidth(int water);

// The speed button of the belt under a bridge deck, level 0..5.
ScreenRect bridgeSpeedRect(const ScreenRect& panel, int level);

// The rows a single mixer or distributor and the settings view of a selection
// of them share.
ScreenRect mixerRatioRect(const ScreenRect& panel, int row, int value);  // row 0 ratio A, 1 ratio B; value 1..5
ScreenRect distributorModeRect(const ScreenRect& panel);
ScreenRect distributorRuleRect(const ScreenRect& panel, int cell);  // cell 0..12, by cargo kind
// The value button under the point, {row, value}, or value 0 for none.
struct MixerButton {
    int row = 0;
    int value = 0;
};
MixerButton mixerButtonAt(const ScreenRect& panel, int px, int py);
// -1 for none.
int distributorRuleAt(const ScreenRect& panel, int px, int py);
const char* distributorModeText(int mode);
// The ratio buttons, lit where the tile's ratio of their row is; their digits in
// the panel's text colour, or in the colour each button's frame leaves.
void drawMixerRatioRows(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& mixer, bool digitsInFrameColour);
// The mode button and the thirteen rule cells; labels as the digits above.
void drawDistributorRules(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& distributor,
                          bool labelsInFrameColour);

// What the panel shows of the control picked at (x, y), whose type the pick
// names (a bridge is picked at its deck, over whatever the ground holds).
struct InformationView {
    const Game& game;
    int x = -1;
    int y = -1;
    ControlType type = EMPTY;
    std::string_view status;          // the shell's status line
    bool molderReachesWater = false;  // the water network reaches the tile
    // The sensor's cargo sprite and the counter's number entry; without them
    // no sprite shows and the entry counts as closed.
    const CargoTextures* sprites = nullptr;
    const NumberEntry* numberEntry = nullptr;
};

void drawInformationPanel(SDL_Renderer* renderer, const ScreenRect& panel, const InformationView& view);

// A left press on the panel of the control (x, y) of the type, inside the
// shell's undo guard. True when one of its buttons took it.
bool pressInformationPanel(Game& game, UndoHistory& history, const ScreenRect& panel, int x, int y, ControlType type,
                           int px, int py);
