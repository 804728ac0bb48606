#include "ui/language_popup.h"

#include <gtest/gtest.h>

#include <vector>

#include "text_probe.h"
#include "ui/hud_layout.h"
#include "world/language.h"

namespace {

constexpr int VIEW_WIDTH = 890;
constexpr int VIEW_HEIGHT = 700;
constexpr Rgba ROW_TEXT{235, 243, 241, 255};
constexpr Rgba FAILURE{245, 130, 110, 255};
constexpr Rgba LIT_FRAME{111, 215, 115, 255};
constexpr Rgba PLAIN_FRAME{102, 113, 120, 255};

class LanguagePopup : public testing::Test {
  protected:
    void TearDown() override { setLanguage(ENGLISH); }

    SoftwareCanvas& draw(Language shown, bool storeFailed)
    {
        setLanguage(shown);
        canvas.clear({0, 0, 0, 255});
        drawLanguagePopup(canvas.renderer(), VIEW_WIDTH, VIEW_HEIGHT, storeFailed);
        return canvas;
    }
    static ScreenRect row(int i) { return languagePopupRowRect(VIEW_WIDTH, VIEW_HEIGHT, i); }
    // Which pixels of the name's cells are lit: the row under them is lit or not
    // with the language in use.
    std::vector<bool> nameGlyphs(int i)
    {
        std::vector<bool> pixels;
        const ScreenRect popup = languagePopupRect(VIEW_WIDTH, VIEW_HEIGHT);
        for (int y = row(i).top + 12; y < row(i).top + 12 + GLYPH_HEIGHT; ++y) {
            for (int x = popup.left + 68; x < popup.left + 68 + 7 * GLYPH_ADVANCE; ++x)
                pixels.push_back(canvas.pixel(x, y) == ROW_TEXT);
        }
        return pixels;
    }
    bool starred(int i) { return showsText(canvas, "*", row(i).left + row(i).width - 18, row(i).top + 12, ROW_TEXT); }

    SoftwareCanvas canvas{VIEW_WIDTH + 320, VIEW_HEIGHT};
};

}  // namespace

TEST_F(LanguagePopup, RowsShowTheirNamesAsTheyStandAndStarTheLanguageInUse)
{
    const ScreenRect popup = languagePopupRect(VIEW_WIDTH, VIEW_HEIGHT);
    std::vector<bool> names[2];
    for (const Language shown : {GERMAN, ENGLISH}) {
        SCOPED_TRACE(shown);
        draw(shown, false);
        EXPECT_TRUE(showsText(canvas, "DEUTSCH", popup.left + 68, row(0).top + 12, ROW_TEXT));
        EXPECT_TRUE(showsText(canvas, "ENGLISH", popup.left + 68, row(1).top + 12, ROW_TEXT));
        EXPECT_EQ(starred(0), shown == GERMAN);
        EXPECT_EQ(starred(1), shown == ENGLISH);
        EXPECT_EQ(canvas.pixel(row(shown).left, row(shown).top), LIT_FRAME);
        EXPECT_EQ(canvas.pixel(row(1 - shown).left, row(1 - shown).top), PLAIN_FRAME);
        EXPECT_EQ(canvas.countPixels(FAILURE), 0);
        names[shown] = nameGlyphs(0);
        const std::vector<bool> second = nameGlyphs(1);
        names[shown].insert(names[shown].end(), second.begin(), second.end());
    }
    EXPECT_TRUE(names[GERMAN] == names[ENGLISH]);
}

TEST_F(LanguagePopup, AFailedStoreIsToldUnderTheRowsInTheLanguageInUse)
{
    const ScreenRect popup = languagePopupRect(VIEW_WIDTH, VIEW_HEIGHT);
    const int lineTop = popup.top + popup.height - 25;
    draw(GERMAN, true);
    EXPECT_TRUE(showsText(canvas, "SPRACHE KONNTE NICHT GESPEICHERT WERDEN", popup.left + 10, lineTop, FAILURE));
    draw(ENGLISH, true);
    EXPECT_TRUE(showsText(canvas, "COULD NOT SAVE THE LANGUAGE", popup.left + 10, lineTop, FAILURE));
    const SDL_Rect told = canvas.boundsOf(FAILURE);
    EXPECT_GE(told.y, row(1).top + row(1).height);
    EXPECT_LE(told.x + told.w, popup.left + popup.width - 10);
}
