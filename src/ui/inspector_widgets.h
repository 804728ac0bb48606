#pragma once

#include <SDL.h>

#include <string>
#include <string_view>

#include "render/bitmap_font.h"
#include "render/cargo_textures.h"
#include "render/design_grid.h"
#include "ui/hud_layout.h"
#include "world/control_type.h"

class Game;
class MultiSelection;
class UndoHistory;
struct LabelEntry;
struct Tile;

// What every inspector of the side panel shares: its colours, the rules for its
// button states, the cargo grid, the centred count, the "ID TEXT" label field and
// the "DREHEN" button. Every inspector is drawn into the side panel's content
// rectangle; positions inside it are offsets from its top-left corner.

constexpr PackedColor PANEL_TEXT_COLOUR = packColor(235, 239, 241);   // titles, captions, labels
constexpr PackedColor PANEL_VALUE_COLOUR = packColor(243, 245, 246);  // values, button texts, numbers
constexpr PackedColor PANEL_CAPTION_COLOUR = packColor(151, 170, 179);
constexpr PackedColor SWITCH_ON_TEXT_COLOUR = packColor(111, 215, 115);
constexpr PackedColor SWITCH_OFF_TEXT_COLOUR = packColor(220, 85, 85);

// Whom a panel's presses change: the inspected control at (x, y), or, in the
// settings view of a multi-selection, every selected control, (x, y) being the
// first. The shell checks before that (x, y) still holds the panel's control.
struct PanelTarget {
    Game& game;
    UndoHistory& history;
    int x = -1;
    int y = -1;
    const MultiSelection* selection = nullptr;  // set in the selection's settings view
    LabelEntry* label = nullptr;                // the label entry; none in the selection's view

    Tile& tile() const;
};

// The first free line under a text line or a box whose bottom edge is `bottom`:
// as far below it as wrapped lines stand apart, so a line put there never
// touches what is above.
constexpr int freeLineBelow(int bottom) { return bottom + WRAPPED_LINE_STEP - GLYPH_HEIGHT; }

// Button states by the panels' three rules: a choice among several is lit when
// chosen; an on/off switch, and a cargo kind of an accept set or filter, is green
// when on and red when off.
int choiceState(bool chosen);
int switchState(bool on);

// A button's box and frame in one of the three states.
void drawButton(SDL_Renderer* renderer, const ScreenRect& button, int state);

// A rectangle at an offset from the panel's top-left corner.
ScreenRect panelRect(const ScreenRect& panel, int dx, int dy, int width, int height);

// Cells of a three-column cargo grid: cell i in column i mod 3, row i div 3,
// 90 pixels wide at 10 + 100 × column; the row top, pitch and height are the panel's.
struct CargoGrid {
    int top = 0;
    int pitch = 0;
    int height = 0;
    int cells = 0;
};
ScreenRect cargoCellRect(const ScreenRect& panel, const CargoGrid& grid, int cell);
// The first cell holding the point, or -1.
int cargoCellAt(const ScreenRect& panel, const CargoGrid& grid, int px, int py);

// The cargo's sprite, or none for a kind out of range or a missing texture.
SDL_Texture* cargoSprite(const CargoTextures& sprites, int cargo);
void copySprite(SDL_Renderer* renderer, SDL_Texture* sprite, const SDL_Rect& target);
// A cargo kind's short or long German name; empty for a kind out of range.
const char* cargoShortName(int cargo);
const char* cargoLongName(int cargo);

// A phrase centred in the span [left, left + width).
void drawCentredText(SDL_Renderer* renderer, std::string_view phrase, int left, int width, int y, PackedColor colour);
// A line at (panel left + 10, y) in the current draw colour.
void drawLabel(SDL_Renderer* renderer, const ScreenRect& panel, std::string_view phrase, int y);

// Left edge of the decimal value centred in the span, halved toward zero.
int countRowX(int left, int width, int value);
// The decimal value centred in the span in the value colour.
void drawCountRow(SDL_Renderer* renderer, int left, int width, int value, int y);

// The "ID TEXT" field and its "OK" button in the row rowOffset below the panel's top.
ScreenRect idTextFieldRect(const ScreenRect& panel, int rowOffset);
ScreenRect idTextOkRect(const ScreenRect& panel, int rowOffset);

// What the field shows of a text: its tail of at most (width - 84) / 6
// characters, so what is typed stays in sight, and where the caret stands.
struct IdFieldText {
    std::string shown;
    int caretX = 0;
};
IdFieldText idFieldText(std::string_view text, const ScreenRect& panel);

// The field shows the buffer with a caret while editing, else the tile's label.
void drawIdTextField(SDL_Renderer* renderer, const ScreenRect& panel, const Tile& tile, bool editing,
                     std::string_view editBuffer, int rowOffset);

// A left press on a panel with a label field. A press on the field begins
// editing the label of (tileX, tileY), one on "OK" ends it writing the text in;
// both take the press. Any other press ends editing without writing and
// leaves the press to the panel's other buttons. True when the field took it.
bool pressIdTextField(LabelEntry& entry, Game& game, const ScreenRect& panel, int rowOffset, int tileX, int tileY,
                      int px, int py);

// Whether the selected control can be turned from its panel, which then shows
// "DREHEN" at its bottom edge: all but sinks, generators, poles, water sources,
// sensors, logic components and 5V supplies.
bool showsRotateButton(ControlType type);
ScreenRect rotateButtonRect(const ScreenRect& panel);
void drawRotateButton(SDL_Renderer* renderer, const ScreenRect& panel);
