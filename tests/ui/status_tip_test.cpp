#include "ui/status_tip.h"

#include <gtest/gtest.h>

#include "support/screen_rect_print.h"
#include "world/language.h"

TEST(StatusTip, TextAndBoxFollowThePointerAndStayInTheView)
{
    struct Case {
        Language lang;
        const char* status;
        bool paused;
        int px, viewWidth, viewHeight;
        const char* text;  // none shown when empty
        ScreenRect box;
    };
    // "SCHMILZT" takes 8 cells, "PAUSE - SCHMILZT" 16, "PAUSED - SMELTING" 17; the pointer's y is 100.
    const Case cases[] = {
        {GERMAN, "", false, 100, 900, 700, "", {}},
        {GERMAN, "", true, 100, 900, 700, "", {}},
        {GERMAN, "SCHMILZT", false, 100, 900, 700, "SCHMILZT", {114, 122, 64, 24}},
        {GERMAN, "SCHMILZT", true, 100, 900, 700, "PAUSE - SCHMILZT", {114, 122, 112, 24}},
        {ENGLISH, "SCHMILZT", true, 100, 900, 700, "PAUSE - SCHMILZT", {114, 122, 118, 24}},
        {GERMAN, "SCHMILZT", false, 880, 900, 700, "SCHMILZT", {836, 122, 64, 24}},       // ends at the edge
        {GERMAN, "SCHMILZT", true, 40, 100, 700, "PAUSE - SCHMILZT", {0, 122, 112, 24}},  // narrower view
        {GERMAN, "SCHMILZT", false, 100, 900, 160, "SCHMILZT", {114, 80, 64, 24}},        // low view
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.status) + (c.paused ? " paused at " : " at ") + std::to_string(c.px));
        setLanguage(c.lang);
        const std::optional<StatusTip> tip = statusTipAt(c.status, c.paused, c.px, 100, c.viewWidth, c.viewHeight);
        ASSERT_EQ(tip.has_value(), *c.text != '\0');
        if (!tip) continue;
        EXPECT_EQ(tip->text, c.text);
        EXPECT_EQ(tip->box, c.box);
    }
    setLanguage(ENGLISH);
}
