#pragma once

#include <SDL.h>

#include <string>
#include <string_view>
#include <vector>

// The one built-in font: 5 × 7 glyphs for the codes '!' to '_'. Every other byte
// (the blank, lower-case letters, bytes from 96 up, UTF-8 sequences) takes a cell
// and draws nothing. Text is drawn in the renderer's current draw colour.

constexpr int GLYPH_WIDTH = 5;
constexpr int GLYPH_HEIGHT = 7;
constexpr int GLYPH_ADVANCE = 6;  // a cell is the glyph and one column of gap
constexpr int WRAPPED_LINE_STEP = 14;

// Whether the glyph of `c` lights the pixel at (column, row); false outside the cell.
bool glyphPixelLit(unsigned char c, int column, int row);

// Pixels a text of `cells` characters takes, its trailing gap included.
constexpr int bitmapTextWidth(int cells, int scale) { return GLYPH_ADVANCE * cells * scale; }

// A text as it reached the screen: what it reads after translation, the box of its
// lit cells cut to the clip rectangle, and the panel the recording names.
struct RecordedText {
    std::string text;
    SDL_Rect rect{};
    std::string panel;
};

// What tests hang into the text layer (`TextureCaches::textRecorder`) to see every
// text drawn while it hangs there; `panel` is copied into each record. The game
// never sets one, and drawing then costs one pointer test.
struct TextRecorder {
    std::string panel;
    std::vector<RecordedText> texts;
};

// Draws the text as it stands; x, y is the top-left pixel of the first cell.
void drawBitmapText(SDL_Renderer* renderer, const char* text, int x, int y, int scale);

// Draws a German interface phrase in the current language.
void drawText(SDL_Renderer* renderer, const char* text, int x, int y, int scale);

// Character cells the phrase takes in the current language.
int translatedTextLength(std::string_view text);

// Left edge at which a phrase at scale 1 sits centred in a box.
int centredTextX(int boxX, int boxWidth, std::string_view phrase);

// The lines of a block `width` pixels wide at scale 1: broken at the last blank
// that fits, hard at the line's capacity where none does; blanks between lines
// are dropped and a..z become upper case.
std::vector<std::string> wrapTextLines(std::string_view text, int width);

// Draws the wrapped lines 14 pixels apart at scale 1, translated first when asked.
void drawTextWrapped(SDL_Renderer* renderer, const std::string& text, int x, int y, int width, bool translateText);
