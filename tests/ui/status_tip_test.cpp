#include "ui/status_tip.h"

#include <gtest/gtest.h>

#include "support/screen_rect_print.h"
#include "ui/text_probe.h"
#include "world/language.h"

namespace {

class StatusTips : public testing::Test {
  protected:
    void TearDown() override { setLanguage(ENGLISH); }
};

}  // namespace

TEST_F(StatusTips, TextAndBoxFollowThePointerAndStayInTheView)
{
    struct Case {
        const char* what;
        Language lang;
        const char* status;
        bool paused;
        int px, py, viewWidth, viewHeight;
        bool shown;
        const char* text;
        ScreenRect box;
    };
    // "SCHMILZT" is 8 cells in German and "SMELTING" 8 in English: 64 pixels wide.
    const Case cases[] = {
        {"empty tile", GERMAN, "", false, 100, 100, 900, 700, false, "", {}},
        {"empty tile while paused", GERMAN, "", true, 100, 100, 900, 700, false, "", {}},
        {"beside the pointer", GERMAN, "SCHMILZT", false, 100, 100, 900, 700, true, "SCHMILZT", {114, 122, 64, 24}},
        {"paused: told first",
         GERMAN,
         "SCHMILZT",
         true,
         100,
         100,
         900,
         700,
         true,
         "PAUSE - SCHMILZT",
         {114, 122, 112, 24}},
        {"measured in English",
         ENGLISH,
         "SCHMILZT",
         true,
         100,
         100,
         900,
         700,
         true,
         "PAUSE - SCHMILZT",
         {114, 122, 6 * 17 + 16, 24}},
        {"near the right edge it ends at the view's edge",
         GERMAN,
         "SCHMILZT",
         false,
         880,
         100,
         900,
         700,
         true,
         "SCHMILZT",
         {836, 122, 64, 24}},
        {"a view narrower than the box starts it at 0",
         GERMAN,
         "SCHMILZT",
         true,
         40,
         100,
         100,
         700,
         true,
         "PAUSE - SCHMILZT",
         {0, 122, 112, 24}},
        {"near the bottom it stays above the bar",
         GERMAN,
         "SCHMILZT",
         false,
         100,
         640,
         900,
         700,
         true,
         "SCHMILZT",
         {114, 620, 64, 24}},
        {"a view lower than that puts it at the top",
         GERMAN,
         "SCHMILZT",
         false,
         10,
         40,
         900,
         60,
         true,
         "SCHMILZT",
         {24, 0, 64, 24}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setLanguage(c.lang);
        const std::optional<StatusTip> tip = statusTipAt(c.status, c.paused, c.px, c.py, c.viewWidth, c.viewHeight);
        ASSERT_EQ(tip.has_value(), c.shown);
        if (!tip) continue;
        EXPECT_EQ(tip->text, c.text);
        EXPECT_EQ(tip->box, c.box);
    }
}

TEST_F(StatusTips, DrawnAsAFramedLineInTheFramesColour)
{
    const Rgba FRAME{111, 215, 185, 255};
    const Rgba FILL{18, 26, 32, 255};
    setLanguage(ENGLISH);
    SoftwareCanvas canvas(300, 200);
    const StatusTip tip = *statusTipAt("PAUSE - KEIN STROM", false, 20, 10, 300, 200);
    drawStatusTip(canvas.renderer(), tip);
    EXPECT_EQ(canvas.boundsOf(FRAME), (SDL_Rect{34, 32, 6 * 17 + 16, 24}));
    EXPECT_EQ(canvas.pixel(36, 34), FILL);
    EXPECT_TRUE(showsText(canvas, "PAUSED - NO POWER", 42, 40, FRAME));
}
