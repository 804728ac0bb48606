#include <gtest/gtest.h>

#include <vector>

#include "text_probe.h"
#include "ui/income_popups.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr Rgba GOLD{250, 215, 105, 255};

Game gameWithShopAt(int x, int y)
{
    Game game;
    game.tileAt(x, y).type = SHOP;
    return game;
}

}  // namespace

TEST(IncomePopups, SalesBecomeMarkersThatAgeAndGo)
{
    Game game = gameWithShopAt(5, 6);
    game.tileAt(9, 9).type = SHOP;
    std::vector<SaleMarker> markers;
    for (int i = 0; i < 33; ++i)
        game.incomeEvents.push_back({5, 6, 100 + i});
    takeIncomeEvents(markers, game);
    // The 33rd sale pushes out the oldest at once.
    ASSERT_EQ(markers.size(), 32u);
    EXPECT_EQ(markers.front().amount, 101);
    EXPECT_EQ(markers.back().amount, 132);
    EXPECT_TRUE(game.incomeEvents.empty());

    markers = {{5, 6, 1, 1.0f}, {9, 9, 2, 0.0f}, {5, 6, 3, 0.5f}, {1, 1, 4, 0.0f}};
    ageSaleMarkers(markers, 0.34f, game);
    ASSERT_EQ(markers.size(), 3u);  // the marker on a tile that holds no shop is gone
    EXPECT_EQ(markers[0].amount, 1);
    ageSaleMarkers(markers, 0.02f, game);
    ASSERT_EQ(markers.size(), 2u);  // 1.36 s old
    EXPECT_EQ(markers[0].amount, 2);
    EXPECT_EQ(markers[1].amount, 3);

    // A shop that is demolished takes its markers with it.
    game.tileAt(9, 9) = Tile{};
    ageSaleMarkers(markers, 0.0f, game);
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0].amount, 3);
}

TEST(IncomePopups, BoxesRiseStackFadeAndStayInTheView)
{
    struct Case {
        SaleMarker marker;
        int newer;
        int tileSize;
        SDL_Rect box;
        const char* text;
        int textAlpha;
        int boxAlpha;
    };
    const std::vector<Case> cases = {
        // Just above the shop's tile, centred on it.
        {{5, 6, 375, 0.0f}, 0, 32, {5 * 32 + 16 - 52, 6 * 32 - 20 - 3, 104, 20}, "+375 EUR", 255, 210},
        // Nine characters at zoom 64; one newer sale of the same shop lifts it by a box and 2 pixels.
        {{5, 6, 3750, 0.0f}, 1, 64, {5 * 64 + 32 - 58, 6 * 64 - 20 - 3 - 22, 116, 20}, "+3750 EUR", 255, 210},
        // 16 pixels a second upwards; half faded at 1.175 s.
        {{5, 6, 375, 0.5f}, 0, 32, {124, 161, 104, 20}, "+375 EUR", 255, 210},
        {{5, 6, 375, 1.175f}, 0, 32, {124, 151, 104, 20}, "+375 EUR", 127, 104},
        // A shop in the corner of the view: held at x 0 and y 2.
        {{0, 0, 150, 0.0f}, 2, 32, {0, 2, 104, 20}, "+150 EUR", 255, 210},
        // Below zoom 24 the text is small.
        {{2, 2, 150, 0.0f}, 0, 16, {2 * 16 + 8 - 28, 32 - 13 - 3, 56, 13}, "+150 EUR", 255, 210},
    };
    for (const Case& c : cases) {
        const IncomePopup popup = incomePopup(c.marker, c.newer, 0, 0, c.tileSize, 800, 600);
        EXPECT_EQ(popup.box, c.box) << c.text << " at " << c.marker.age;
        EXPECT_EQ(popup.text, c.text);
        EXPECT_EQ(popup.textAlpha, c.textAlpha) << c.marker.age;
        EXPECT_EQ(popup.boxAlpha, c.boxAlpha) << c.marker.age;
    }
    // Near the view's right edge the box is pushed back in.
    EXPECT_EQ(incomePopup({24, 10, 375, 0.0f}, 0, 0, 0, 32, 790, 600).box.x, 790 - 104);
}

TEST(IncomePopups, ThreeSalesAtOneShopStackWithTheLastLowest)
{
    SoftwareCanvas canvas(400, 300);
    const std::vector<SaleMarker> markers = {{5, 6, 150, 0.2f}, {5, 6, 375, 0.1f}, {5, 6, 1125, 0.0f}};
    drawIncomePopups(canvas.renderer(), markers, 0, 0, 32, 400, 300);
    // Boxes 116 and 104 wide centred on x 176; each older one a box and 2 pixels higher, and risen.
    const int lowest = 6 * 32 - 20 - 3;
    EXPECT_TRUE(showsText(canvas, "+1125 EUR", 176 - 58 + 4, lowest + 3, GOLD, 2));
    EXPECT_TRUE(showsText(canvas, "+375 EUR", 176 - 52 + 4, lowest - 22 - 1 + 3, GOLD, 2));
    EXPECT_TRUE(showsText(canvas, "+150 EUR", 176 - 52 + 4, lowest - 44 - 3 + 3, GOLD, 2));
    SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
    SDL_GetRenderDrawBlendMode(canvas.renderer(), &mode);
    EXPECT_EQ(mode, SDL_BLENDMODE_NONE);
}

TEST(IncomePopups, OpenOrdersShowTheirCountInGreenWhileAnyIsOpen)
{
    setLanguage(ENGLISH);
    SoftwareCanvas canvas(100, 60);
    const SDL_Rect box{5, 5, 90, 50};
    drawOpenOrders(canvas.renderer(), box, 0);
    EXPECT_EQ(canvas.pixel(6, 6), (Rgba{25, 34, 41, 255}));
    EXPECT_TRUE(showsText(canvas, "PENDING", 5 + (90 - 42) / 2, 10, {177, 194, 203, 255}));
    EXPECT_TRUE(showsText(canvas, "ORDERS", 5 + (90 - 36) / 2, 21, {177, 194, 203, 255}));
    EXPECT_TRUE(showsText(canvas, "0", 5 + (90 - 12) / 2, 35, {177, 194, 203, 255}, 2));
    drawOpenOrders(canvas.renderer(), box, 12);
    EXPECT_TRUE(showsText(canvas, "12", 5 + (90 - 24) / 2, 35, {111, 235, 158, 255}, 2));
}
