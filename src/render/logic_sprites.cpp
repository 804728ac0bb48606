#include "render/logic_sprites.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "render/animation_step.h"
#include "render/bitmap_font.h"
#include "render/sprite_shapes.h"

namespace {

constexpr PackedColor PORT_LIT = packColor(76, 231, 115);
constexpr PackedColor PORT_UNLIT = packColor(219, 69, 71);

// ---- Frame and ports --------------------------------------------------------

void drawLogicFrame(SDL_Renderer* renderer, const SDL_Rect& r)
{
    fillPixels(renderer, r, packColor(25, 42, 47));
    const SDL_Rect inner{r.x + 3, r.y + 3, r.w - 6, r.h - 6};
    fillPixels(renderer, inner, packColor(59, 111, 109));
    setDrawColor(renderer, packColor(114, 188, 172));
    SDL_RenderDrawRect(renderer, &inner);
}

// A port is a square on the left (input) or right (output) edge, centred on
// its height c as far as its size allows.
struct PortSize {
    int side;
    int offset;
};

PortSize scaledPorts(int w) { return {w / 8, -(w / 8 / 2)}; }
// Gates, stepper and lamp.
PortSize gatePorts(int w) { return w <= 31 ? PortSize{3, -1} : scaledPorts(w); }
// Switch, button, timer and clock, whose plates leave less room.
PortSize platePorts(int w) { return w <= 23 ? PortSize{2, -1} : scaledPorts(w); }

PackedColor portColour(bool lit) { return lit ? PORT_LIT : PORT_UNLIT; }

void drawInputPort(SDL_Renderer* renderer, const SDL_Rect& r, PortSize p, int c, bool lit)
{
    fillPixels(renderer, {r.x + 1, r.y + c + p.offset, p.side, p.side}, portColour(lit));
}

void drawOutputPort(SDL_Renderer* renderer, const SDL_Rect& r, PortSize p, int c, bool lit)
{
    fillPixels(renderer, {r.x + r.w - p.side - 1, r.y + c + p.offset, p.side, p.side}, portColour(lit));
}

// One input and one output, both at half height.
void drawThroughPorts(SDL_Renderer* renderer, const SDL_Rect& r, PortSize p, const Tile& tile)
{
    drawInputPort(renderer, r, p, r.h / 2, tile.inputA);
    drawOutputPort(renderer, r, p, r.h / 2, tile.signalOut);
}

// ---- Gates ------------------------------------------------------------------

struct Gate {
    ControlType type;
    const char* longName;   // from 32 px
    const char* shortName;  // below
    const char* firstPort;  // port letters from 40 px; none on NOT
    const char* secondPort;
};

constexpr Gate GATES[] = {
    {LOGIC_AND, "AND", "A", "A", "B"},         {LOGIC_OR, "OR", "OR", "A", "B"}, {LOGIC_XOR, "XOR", "X", "A", "B"},
    {LOGIC_NOT, "NOT", "N", nullptr, nullptr}, {LOGIC_RS, "RS", "RS", "S", "R"},
};

constexpr PackedColor GATE_TEXT = packColor(235, 244, 224);

void drawGate(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile, const Gate& gate)
{
    const PortSize p = gatePorts(r.w);
    if (gate.type == LOGIC_NOT) {
        drawInputPort(renderer, r, p, r.h / 2, tile.inputA);
    } else {
        drawInputPort(renderer, r, p, r.h / 4, tile.inputA);
        drawInputPort(renderer, r, p, 3 * r.h / 4, tile.inputB);
    }
    drawOutputPort(renderer, r, p, r.h / 2, tile.signalOut);

    setDrawColor(renderer, GATE_TEXT);
    const char* name = r.w >= 32 ? gate.longName : gate.shortName;
    const int width = bitmapTextWidth(translatedTextLength(name), 1) - 1;
    drawText(renderer, name, r.x + (r.w - width) / 2, r.y + (r.h - GLYPH_HEIGHT) / 2, 1);
    if (r.w >= 40 && gate.firstPort != nullptr) {
        drawText(renderer, gate.firstPort, r.x + p.side + 2, r.y + r.h / 4 - 3, 1);
        drawText(renderer, gate.secondPort, r.x + p.side + 2, r.y + 3 * r.h / 4 - 3, 1);
    }
}

// ---- Stepper ----------------------------------------------------------------

constexpr int STEPPER_OUTPUTS = 4;

void drawStepper(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile)
{
    fillPixels(renderer, {r.x + r.w / 4, r.y + r.h / 4, r.w / 2, r.h / 2}, packColor(28, 46, 61));
    setDrawColor(renderer, packColor(139, 220, 236));
    // "-" until the first step; then the active output counted from 1.
    const std::string number =
        tile.stepperIndex < 0 ? "-" : std::to_string(static_cast<long long>(tile.stepperIndex) + 1);
    const int k = r.w <= 63 ? 1 : r.w / 32;
    drawText(renderer, number.c_str(), r.x + r.w / 2 - 2 * k, r.y + r.h / 2 - 3 * k, k);

    const PortSize p = gatePorts(r.w);
    drawInputPort(renderer, r, p, r.h / 2, tile.inputA);
    for (int i = 0; i < STEPPER_OUTPUTS; ++i)
        drawOutputPort(renderer, r, p, (2 * i + 1) * r.h / 8, tile.signalOut && tile.stepperIndex == i);
}

// ---- Switch, button, timer and clock plates ---------------------------------

// A raised plate in its rim and face colours; each part adds its light line.
void drawPlate(const FillDesignRectRgbExact& fill, PackedColor rim, PackedColor face)
{
    const DesignFill plate[] = {
        {0, 0, 32, 32, packColor(24, 34, 40)},
        {5, 5, 25, 26, packColor(10, 17, 23)},
        {4, 3, 24, 26, rim},
        {3, 4, 26, 24, rim},
        {5, 5, 22, 22, face},
    };
    fillDesigns(fill, plate);
}

constexpr DesignFill PLATE_SCREWS[] = {
    {6, 25, 2, 2, packColor(179, 193, 189)},
    {24, 25, 2, 2, packColor(179, 193, 189)},
};

// Lever up when on, down when off.
constexpr DesignFill SWITCH_ON[] = {
    {9, 7, 14, 18, packColor(12, 23, 29)},   {10, 8, 12, 16, packColor(42, 100, 68)},
    {11, 10, 10, 7, packColor(29, 41, 48)},  {11, 8, 10, 7, packColor(116, 225, 150)},
    {12, 8, 8, 1, packColor(239, 239, 215)}, {13, 11, 6, 1, packColor(52, 138, 85)},
};
constexpr DesignFill SWITCH_OFF[] = {
    {9, 7, 14, 18, packColor(12, 23, 29)},    {10, 8, 12, 16, packColor(108, 47, 48)},
    {11, 18, 10, 7, packColor(29, 41, 48)},   {11, 16, 10, 7, packColor(223, 111, 103)},
    {12, 16, 8, 1, packColor(239, 239, 215)}, {13, 19, 6, 1, packColor(151, 68, 65)},
};

// Cap pressed down (green) or raised (amber) in its ring.
constexpr DesignFill BUTTON_RING[] = {
    {8, 8, 16, 16, packColor(15, 25, 32)},
    {10, 7, 12, 18, packColor(192, 163, 93)},
    {7, 10, 18, 12, packColor(192, 163, 93)},
    {10, 10, 12, 13, packColor(74, 47, 29)},
};
constexpr DesignFill BUTTON_PRESSED[] = {
    {10, 12, 12, 10, packColor(101, 202, 113)},
    {9, 14, 14, 6, packColor(101, 202, 113)},
    {11, 12, 10, 2, packColor(148, 235, 158)},
    {12, 16, 8, 1, packColor(64, 139, 80)},
};
constexpr DesignFill BUTTON_RAISED[] = {
    {10, 9, 12, 10, packColor(235, 172, 65)},
    {9, 11, 14, 6, packColor(235, 172, 65)},
    {11, 9, 10, 2, packColor(255, 218, 130)},
    {12, 13, 8, 1, packColor(176, 111, 44)},
};

void drawSwitchOrButton(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile)
{
    const FillDesignRectRgbExact fill{renderer, r};
    drawPlate(fill, packColor(153, 170, 179), packColor(54, 70, 80));
    fill(6, 5, 20, 1, 198, 212, 214);
    bool on = false;
    if (tile.type == LOGIC_SWITCH) {
        on = tile.switchOn;
        if (on) {
            fillDesigns(fill, SWITCH_ON);
        } else {
            fillDesigns(fill, SWITCH_OFF);
        }
    } else {
        on = tile.buttonPressed;
        fillDesigns(fill, BUTTON_RING);
        if (on) {
            fillDesigns(fill, BUTTON_PRESSED);
        } else {
            fillDesigns(fill, BUTTON_RAISED);
        }
    }
    fillDesigns(fill, PLATE_SCREWS);
    drawOutputPort(renderer, r, platePorts(r.w), r.h / 2, on);
}

// ---- Timer and clock --------------------------------------------------------

// How far the period has run, 0..1; a whole period while the output is on.
float periodProgress(const Tile& tile)
{
    if (tile.signalOut) return 1.0f;
    const float f = tile.elapsed / static_cast<float>(std::max(1, tile.periodSeconds));
    return f > 0.0f ? std::min(f, 1.0f) : 0.0f;  // a progress that is not a number counts as none
}

struct Housing {
    PackedColor rim;
    PackedColor face;
    PackedColor topLine;
    PackedColor progress;
};

constexpr Housing TIMER_HOUSING{packColor(190, 150, 82), packColor(79, 66, 48), packColor(235, 203, 139),
                                packColor(238, 185, 76)};
constexpr Housing CLOCK_HOUSING{packColor(104, 166, 192), packColor(38, 61, 78), packColor(161, 212, 226),
                                packColor(77, 207, 187)};

void drawHousing(const FillDesignRectRgbExact& fill, const Housing& housing)
{
    drawPlate(fill, housing.rim, housing.face);
    const DesignFill lines[] = {{5, 4, 22, 1, housing.topLine}, {5, 27, 22, 1, packColor(28, 36, 40)}};
    fillDesigns(fill, lines);
    for (const int sy : {5, 25}) {
        for (const int sx : {5, 25}) {
            fill(sx, sy, 2, 2, 19, 29, 35);
            fill(sx, sy, 1, 1, 179, 193, 189);
        }
    }
}

constexpr DesignFill CLOCK_SCREEN[] = {
    {7, 7, 18, 16, packColor(13, 26, 33)}, {8, 8, 16, 14, packColor(15, 42, 48)}, {11, 8, 1, 14, packColor(24, 61, 65)},
    {16, 8, 1, 14, packColor(24, 61, 65)}, {21, 8, 1, 14, packColor(24, 61, 65)}, {8, 11, 16, 1, packColor(24, 61, 65)},
    {8, 15, 16, 1, packColor(24, 61, 65)}, {8, 19, 16, 1, packColor(24, 61, 65)},
};

constexpr int WAVE_COLUMNS = 16;
constexpr int WAVE_PERIOD = 12;  // high for 4 columns of every 12

// A square wave that scrolls through one period as the clock's period runs.
void drawClockScreen(const FillDesignRectRgbExact& fill, const Tile& tile, float f)
{
    fillDesigns(fill, CLOCK_SCREEN);
    if (tile.running) fill(8 + static_cast<int>(15.0f * f), 8, 1, 14, 42, 94, 94);
    const PackedColor wave = tile.signalOut ? packColor(190, 255, 149)
                             : tile.running ? packColor(83, 235, 183)
                                            : packColor(64, 134, 127);
    const int k = static_cast<int>(12.0f * f);
    for (int i = 0; i < WAVE_COLUMNS; ++i) {
        const int p = (k + i) % WAVE_PERIOD - 4;
        const bool high = p >= 0 && p < 4;
        fillDesign(fill, {8 + i, high ? 11 : 18, 1, 1, wave});
        if (i >= 1 && (p == 0 || p == 4)) fillDesign(fill, {8 + i, 11, 1, 8, wave});
    }
    fill(8, 8, 5, 1, 83, 139, 145);
}

// The hourglass's rows from design y 9 down: outline span, then the inner one
// (x and width; an inner width of 0 is none).
struct GlassRow {
    int outlineX;
    int outlineW;
    int innerX;
    int innerW;
};

constexpr GlassRow GLASS_ROWS[] = {
    {11, 10, 12, 8}, {11, 10, 12, 8}, {12, 8, 13, 6}, {13, 6, 14, 4},  {14, 4, 15, 2},  {15, 2, 0, 0},   {15, 2, 0, 0},
    {14, 4, 15, 2},  {13, 6, 14, 4},  {12, 8, 13, 6}, {11, 10, 12, 8}, {11, 10, 12, 8}, {11, 10, 12, 8},
};

constexpr DesignFill HOURGLASS_CAPS[] = {
    {10, 6, 12, 1, packColor(247, 216, 153)},  {9, 7, 14, 2, packColor(172, 119, 51)},
    {10, 22, 12, 1, packColor(235, 187, 104)}, {9, 23, 14, 1, packColor(151, 99, 44)},
    {11, 10, 1, 2, packColor(181, 229, 223)},
};

constexpr int SAND_STEPS = 5;

// Sand runs from the top bulb to the bottom one in five steps of the period.
void drawHourglass(const FillDesignRectRgbExact& fill, const Tile& tile, float f)
{
    fill(10, 7, 12, 2, 18, 29, 32);
    for (int row = 0; row < static_cast<int>(std::size(GLASS_ROWS)); ++row) {
        const GlassRow& g = GLASS_ROWS[row];
        fill(g.outlineX, 9 + row, g.outlineW, 1, 104, 177, 184);
        if (g.innerW > 0) fill(g.innerX, 9 + row, g.innerW, 1, 26, 56, 65);
    }
    const PackedColor sand = tile.signalOut ? packColor(139, 255, 157) : packColor(245, 194, 78);
    const auto sandRow = [&](int halfWidth, int y) { fillDesign(fill, {16 - halfWidth, y, 2 * halfWidth, 1, sand}); };
    const int n = static_cast<int>(SAND_STEPS * f);
    if (n < SAND_STEPS) {
        for (int j = SAND_STEPS - 1 - n; j >= 0; --j)
            sandRow(std::max(1, j), 14 - j);
    }
    for (int b = 0; b < n; ++b)
        sandRow(std::min(b + 1, 4), 22 - n + b);
    if (tile.running) {
        // Grains fall three rows apart, eight rows a second.
        for (int y = animationStep(tile.elapsed, 8.0f, 3) + 15; y < 21 - n; y += 3)
            fillDesign(fill, {15, y, 1, 1, sand});
    }
    fillDesigns(fill, HOURGLASS_CAPS);
}

void drawTimerOrClock(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile)
{
    const bool clock = tile.type == LOGIC_CLOCK;
    const Housing& housing = clock ? CLOCK_HOUSING : TIMER_HOUSING;
    const FillDesignRectRgbExact fill{renderer, r};
    const float f = periodProgress(tile);
    drawHousing(fill, housing);
    if (clock) {
        drawClockScreen(fill, tile, f);
    } else {
        drawHourglass(fill, tile, f);
    }
    fill(9, 25, 14, 2, 15, 26, 30);
    const int m = std::min(static_cast<int>(14.0f * f), 14);
    if (m > 0) fillDesign(fill, {9, 25, m, 1, housing.progress});
    drawThroughPorts(renderer, r, platePorts(r.w), tile);
}

// ---- Counter ----------------------------------------------------------------

constexpr int COUNTER_DIGITS = 5;

// Narrow digits for counts longer than the display's five places.
constexpr std::array<std::string_view, 10> DIGIT_FONT_3X5 = {
    "111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
    "111100111001111", "111100111101111", "111001001001001", "111101111101111", "111101111001111",
};

struct DigitFont {
    int columns;
    int rows;
    int advance;
};

constexpr DigitFont WIDE_DIGITS{GLYPH_WIDTH, GLYPH_HEIGHT, GLYPH_ADVANCE};
constexpr DigitFont NARROW_DIGITS{3, 5, 4};

bool digitCellLit(const DigitFont& font, char digit, int column, int row)
{
    if (font.columns == GLYPH_WIDTH) return glyphPixelLit(static_cast<unsigned char>(digit), column, row);
    return DIGIT_FONT_3X5[digit - '0'][row * font.columns + column] == '1';
}

// The count, never below 0, with leading zeros to five places.
std::string counterText(int count)
{
    const std::string digits = std::to_string(std::max(0, count));
    return std::string(COUNTER_DIGITS - std::min<int>(COUNTER_DIGITS, digits.size()), '0') + digits;
}

// The digits are scaled to fill the display: whole pixels where a cell is at
// least one pixel, fractions below that.
void drawCounter(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile)
{
    const SDL_Rect display{r.x + 1, r.y + r.h / 8, r.w - 2, r.h / 2};
    fillPixels(renderer, display, packColor(10, 20, 23));
    setDrawColor(renderer, tile.signalOut ? packColor(83, 226, 101) : packColor(238, 69, 101));

    const std::string text = counterText(tile.counterCount);
    const DigitFont& font = text.size() <= COUNTER_DIGITS ? WIDE_DIGITS : NARROW_DIGITS;
    const int span = font.advance * static_cast<int>(text.size()) - 1;
    float p = std::min(static_cast<float>(display.h - 2) / static_cast<float>(font.rows),
                       static_cast<float>(display.w) / static_cast<float>(span));
    if (p >= 1.0f) p = std::floor(p);
    if (!(p > 0.0f)) return;
    const float ox = static_cast<float>(display.x) + (static_cast<float>(display.w) - static_cast<float>(span) * p) / 2;
    const float oy = static_cast<float>(display.y) + (static_cast<float>(display.h) - font.rows * p) / 2;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        for (int row = 0; row < font.rows; ++row) {
            for (int column = 0; column < font.columns; ++column) {
                if (!digitCellLit(font, text[i], column, row)) continue;
                const SDL_FRect cell{ox + static_cast<float>(column + i * font.advance) * p, oy + row * p, p, p};
                SDL_RenderFillRectF(renderer, &cell);
            }
        }
    }
}

// ---- Signal lamp ------------------------------------------------------------

constexpr std::array<std::string_view, 11> LAMP_BITMAP = {
    "...00000...", "..0111110..", ".013333210.", "01366333220", "01364333220", "01344443220",
    "01344443220", "02344453220", ".023553220.", "..0222220..", "...00000...",
};

// Palette entries 0..6, lit and dark; the rim (0..2) is the same in both.
constexpr PackedColor LAMP_LIT[] = {
    packColor(12, 22, 27),  packColor(171, 195, 190), packColor(65, 84, 89),    packColor(20, 99, 45),
    packColor(71, 221, 85), packColor(35, 153, 55),   packColor(210, 255, 171),
};
constexpr PackedColor LAMP_DARK[] = {
    packColor(12, 22, 27),  packColor(171, 195, 190), packColor(65, 84, 89),    packColor(111, 25, 32),
    packColor(225, 58, 58), packColor(163, 36, 43),   packColor(255, 204, 155),
};

// Each bitmap cell is two design units square and keeps at least one pixel.
void drawLamp(SDL_Renderer* renderer, const SDL_Rect& r, const Tile& tile)
{
    const FillDesignRectRgb fill{renderer, r};
    const PackedColor* palette = tile.signalOut ? LAMP_LIT : LAMP_DARK;
    for (int row = 0; row < static_cast<int>(LAMP_BITMAP.size()); ++row) {
        for (int col = 0; col < static_cast<int>(LAMP_BITMAP[row].size()); ++col) {
            const char cell = LAMP_BITMAP[row][col];
            if (cell == '.') continue;
            fillDesign(fill, {7 + 2 * col, 5 + 2 * row, 2, 2, palette[cell - '0']});
        }
    }
    drawInputPort(renderer, r, gatePorts(r.w), r.h / 2, tile.inputA);
}

}  // namespace

void drawLogicSprite(SDL_Renderer* renderer, int x, int y, int w, int h, const Tile& tile)
{
    const SDL_Rect r{x, y, w, h};
    drawLogicFrame(renderer, r);
    switch (tile.type) {
    case LOGIC_STEPPER:
        drawStepper(renderer, r, tile);
        return;
    case LOGIC_SWITCH:
    case LOGIC_BUTTON:
        drawSwitchOrButton(renderer, r, tile);
        return;
    case LOGIC_TIMER:
    case LOGIC_CLOCK:
        drawTimerOrClock(renderer, r, tile);
        return;
    case LOGIC_COUNTER:
        drawCounter(renderer, r, tile);
        return;
    case SIGNAL_LAMP:
        drawLamp(renderer, r, tile);
        return;
    default:
        for (const Gate& gate : GATES) {
            if (gate.type == tile.type) drawGate(renderer, r, tile, gate);
        }
    }
}
