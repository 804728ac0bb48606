#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/bitmap_font.h"
#include "render/texture_caches.h"
#include "support/software_canvas.h"
#include "world/language.h"

namespace {

constexpr Rgba BLACK{0, 0, 0, 255};
constexpr Rgba INK{10, 200, 30, 255};

// The picture of a text at scale 1 as rows of '#' and '.', read back from the canvas.
std::vector<std::string> readCells(SoftwareCanvas& canvas, int x, int y, int columns, int rows, int scale)
{
    std::vector<std::string> picture;
    for (int row = 0; row < rows; ++row) {
        std::string line;
        for (int column = 0; column < columns; ++column) {
            const Rgba p = canvas.pixel(x + column * scale, y + row * scale);
            line += p == INK ? '#' : p == BLACK ? '.' : '?';
        }
        picture.push_back(line);
    }
    return picture;
}

class LanguageGuard {
  public:
    explicit LanguageGuard(Language value) : saved_(language()) { setLanguage(value); }
    ~LanguageGuard() { setLanguage(saved_); }

  private:
    Language saved_;
};

}  // namespace

TEST(BitmapFont, ScaledTextLightsExactlyTheGlyphPixelsOneCellAfterAnother)
{
    SoftwareCanvas canvas(60, 30);
    SDL_SetRenderDrawColor(canvas.renderer(), INK.r, INK.g, INK.b, INK.a);
    drawBitmapText(canvas.renderer(), "A!A", 3, 2, 2);

    const std::vector<std::string> expected = {
        ".###....#....###..",  //
        "#...#...#...#...#.",  //
        "#...#...#...#...#.",  //
        "#####...#...#####.",  //
        "#...#...#...#...#.",  //
        "#...#.......#...#.",  //
        "#...#...#...#...#.",  //
    };
    EXPECT_EQ(readCells(canvas, 3, 2, 18, 7, 2), expected);
    // Each design pixel is a 2 × 2 block, and nothing lies outside the three cells.
    EXPECT_EQ(canvas.pixel(3 + 3, 2 + 1), INK);
    EXPECT_EQ(canvas.pixel(3 + 1, 2 + 1), BLACK);
    EXPECT_EQ(canvas.paintedBounds(), (SDL_Rect{3, 2, 2 * 12 + 10, 14}));
    EXPECT_EQ(bitmapTextWidth(3, 2), 36);
}

TEST(BitmapFont, CharactersWithoutGlyphTakeACellAndDrawNothing)
{
    SoftwareCanvas canvas(80, 10);
    SDL_SetRenderDrawColor(canvas.renderer(), INK.r, INK.g, INK.b, INK.a);
    // A blank, a lower-case letter, a two-byte UTF-8 letter, '#' and a byte from 128 up.
    drawBitmapText(canvas.renderer(), "I a\xC3\x84#\xFFI", 0, 0, 1);
    const SDL_Rect bounds = canvas.paintedBounds();
    EXPECT_EQ(bounds.x, 0);
    EXPECT_EQ(bounds.x + bounds.w, 7 * GLYPH_ADVANCE + GLYPH_WIDTH);
    EXPECT_EQ(canvas.pixel(7 * GLYPH_ADVANCE, 0), INK);
    for (int x = GLYPH_ADVANCE; x < 7 * GLYPH_ADVANCE; ++x) {
        for (int y = 0; y < GLYPH_HEIGHT; ++y)
            ASSERT_EQ(canvas.pixel(x, y), BLACK) << x << ", " << y;
    }
}

TEST(BitmapFont, DrawTextShowsThePhraseInTheCurrentLanguage)
{
    SoftwareCanvas drawn(200, 10);
    SoftwareCanvas expected(200, 10);
    {
        LanguageGuard english(ENGLISH);
        drawText(drawn.renderer(), "TASTER EIN", 0, 0, 1);
        drawBitmapText(expected.renderer(), "BUTTON ON", 0, 0, 1);
        EXPECT_EQ(drawn.pixels(), expected.pixels());
        EXPECT_EQ(translatedTextLength("TASTER EIN"), 9);
        EXPECT_EQ(centredTextX(100, 80, "TASTER EIN"), 100 + (80 - 54) / 2);
    }
    LanguageGuard german(GERMAN);
    drawn.clear(BLACK);
    expected.clear(BLACK);
    drawText(drawn.renderer(), "TASTER EIN", 0, 0, 1);
    drawBitmapText(expected.renderer(), "TASTER EIN", 0, 0, 1);
    EXPECT_EQ(drawn.pixels(), expected.pixels());
    EXPECT_EQ(translatedTextLength("TASTER EIN"), 10);
}

TEST(BitmapFont, WrappingBreaksAtTheLastBlankThatFits)
{
    struct Case {
        const char* text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"ABCD EFGH IJKL", 60, {"ABCD EFGH", "IJKL"}},
        {"ABCDEFGHIJKLMN", 60, {"ABCDEFGHIJ", "KLMN"}},
        {"AB    CD", 18, {"AB ", "CD"}},
        {"make it loud", 60, {"MAKE IT", "LOUD"}},
        {"A B", 11, {"A", "B"}},
        {"ABC", 0, {"A", "B", "C"}},
        {"", 60, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wrapTextLines(c.text, c.width), c.lines) << c.text << " in " << c.width;

    SoftwareCanvas wrapped(40, 30);
    SoftwareCanvas lines(40, 30);
    drawTextWrapped(wrapped.renderer(), "ab cd", 2, 1, 12, false);
    drawBitmapText(lines.renderer(), "AB", 2, 1, 1);
    drawBitmapText(lines.renderer(), "CD", 2, 1 + WRAPPED_LINE_STEP, 1);
    EXPECT_EQ(wrapped.pixels(), lines.pixels());
}

TEST(GlyphCache, ARendererChangeEmptiesAndRefillsItWithTheSamePixels)
{
    SoftwareCanvas first(60, 10);
    SoftwareCanvas second(60, 10);
    drawBitmapText(first.renderer(), "GEAR 42", 0, 0, 1);
    const std::vector<Rgba> picture = first.pixels();
    EXPECT_EQ(textureCaches().glyphRenderer, first.renderer());
    EXPECT_EQ(textureCaches().glyphs.size(), 6u);

    drawBitmapText(second.renderer(), "GO", 0, 0, 1);
    EXPECT_EQ(textureCaches().glyphRenderer, second.renderer());
    EXPECT_EQ(textureCaches().glyphs.size(), 2u);

    first.clear(BLACK);
    drawBitmapText(first.renderer(), "GEAR 42", 0, 0, 1);
    EXPECT_EQ(first.pixels(), picture);

    clearGlyphCache();
    EXPECT_TRUE(textureCaches().glyphs.empty());
    EXPECT_EQ(textureCaches().glyphRenderer, nullptr);
    first.clear(BLACK);
    drawBitmapText(first.renderer(), "GEAR 42", 0, 0, 1);
    EXPECT_EQ(first.pixels(), picture);
    clearGlyphCache();
}
