#include "ui/language_popup.h"

#include <gtest/gtest.h>

#include "text_probe.h"
#include "ui/hud_layout.h"
#include "world/language.h"

// The names stand as they are in both languages, on a lit row for the language
// in use, which carries the star; a failed store is told under the rows.
TEST(LanguagePopup, NamesAsTheyStandTheLanguageInUseStarredAndAFailedStoreTold)
{
    constexpr Rgba TEXT{235, 243, 241, 255};
    constexpr Rgba FAILURE{245, 130, 110, 255};
    const ScreenRect popup = languagePopupRect(890, 700);
    SoftwareCanvas canvas(1210, 700);
    for (const Language shown : {GERMAN, ENGLISH}) {
        SCOPED_TRACE(shown);
        setLanguage(shown);
        canvas.clear({0, 0, 0, 255});
        drawLanguagePopup(canvas.renderer(), 890, 700, shown == ENGLISH);
        for (const Language row : {GERMAN, ENGLISH}) {
            const ScreenRect r = languagePopupRowRect(890, 700, row);
            EXPECT_TRUE(showsText(canvas, row == GERMAN ? "DEUTSCH" : "ENGLISH", popup.left + 68, r.top + 12, TEXT));
            EXPECT_EQ(showsText(canvas, "*", r.left + r.width - 18, r.top + 12, TEXT), row == shown);
            EXPECT_EQ(canvas.pixel(r.left, r.top) == (Rgba{111, 215, 115, 255}), row == shown);
        }
        EXPECT_EQ(canvas.countPixels(FAILURE) > 0, shown == ENGLISH);
    }
    EXPECT_TRUE(
        showsText(canvas, "COULD NOT SAVE THE LANGUAGE", popup.left + 10, popup.top + popup.height - 25, FAILURE));
    setLanguage(ENGLISH);
}
