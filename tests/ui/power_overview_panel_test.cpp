#include <gtest/gtest.h>

#include <vector>

#include "render/power_cables.h"
#include "support/software_canvas.h"
#include "support/world_builders.h"
#include "text_probe.h"
#include "ui/power_overview_panel.h"
#include "world/game.h"
#include "world/language.h"

namespace {

constexpr Rgba TOTALS{230, 235, 239, 255};

PowerOverview networks(int count)
{
    PowerOverview power;
    for (int i = 0; i < count; ++i)
        power.networks.push_back({i, 120 * (i + 1), 50, 0, i + 2});
    return power;
}

}  // namespace

TEST(PowerOverviewRules, BlocksFitTheHeightAndTheScrollStaysInTheList)
{
    struct Fit {
        int height, blocks;
    };
    for (const Fit& f : std::vector<Fit>{{700, 6}, {349, 1}, {100, 1}, {350, 2}, {522, 4}})
        EXPECT_EQ(powerOverviewVisibleBlocks(f.height), f.blocks) << f.height;

    struct Clamp {
        int scroll, count, height, kept;
    };
    for (const Clamp& c : std::vector<Clamp>{{5, 3, 700, 0},   // all three fit
                                             {9, 10, 700, 4},  // the last six stay in sight
                                             {3, 10, 700, 3},
                                             {-2, 10, 700, 0},
                                             {4, 0, 300, 0},
                                             {8, 10, 300, 8}})  // one block at a time
        EXPECT_EQ(clampPowerOverviewScroll(c.scroll, c.count, c.height), c.kept)
            << c.scroll << " of " << c.count << " at " << c.height;

    EXPECT_EQ(scrolledOverviewIndex(3, 1, false), 2);
    EXPECT_EQ(scrolledOverviewIndex(3, -2, false), 5);
    EXPECT_EQ(scrolledOverviewIndex(3, -2, true), 1);
    EXPECT_EQ(scrolledOverviewIndex(1, 4, false), 0);
}

TEST(PowerOverviewRules, AConsumerWithoutAPoleCountsAsMissingInTheTotalOnly)
{
    Game game = emptyGame();
    buildFuelledGenerator(game, 10, 10);
    build(game, POWER_POLE, 12, 10);
    game.powerLinks.push_back({10, 10, 12, 10});
    build(game, ARM, 40, 40);  // no pole reaches it
    game.updateNetworks(0);
    const PowerOverview power = game.powerNetworks();
    ASSERT_EQ(power.networks.size(), 1u);
    ASSERT_GT(power.missingWithoutPoleKw, 0);
    const std::string missing = std::to_string(power.missingWithoutPoleKw);
    const auto totals = powerTotalLines(power);
    EXPECT_EQ(totals[0], "VERFUEGBAR " + std::to_string(power.networks[0].capacityKw) + " KW");
    EXPECT_EQ(totals[2], "FEHLEND    " + missing + " KW");
    EXPECT_EQ(totals[3], "OHNE MAST  " + missing + " KW");
    EXPECT_EQ(networkBlockLines(power.networks[0], 0)[3], "FEHLEND 0 KW");
    EXPECT_EQ(networkBlockLines(power.networks[0], 0)[0], "NETZ 1 - 0 VERBRAUCHER");
    EXPECT_EQ(networkBlockLines({0, 240, 100, 20, 3}, 4)[2], "ZUGETEILT 100 KW");
}

TEST(PowerOverviewPicture, SixBlocksAtSevenHundredInTheirNetworksColours)
{
    setLanguage(GERMAN);
    SoftwareCanvas canvas(320, 700);
    const ScreenRect window{0, 0, 320, 700};
    int scroll = 1;
    drawPowerOverview(canvas.renderer(), window, networks(8), scroll);
    EXPECT_EQ(scroll, 1);
    EXPECT_TRUE(showsText(canvas, "STROMUEBERSICHT", 10, 8, {235, 239, 241, 255}));
    EXPECT_TRUE(showsText(canvas, "ZUGETEILT  400 KW", 10, 66, TOTALS));
    EXPECT_TRUE(showsText(canvas, "MAUSRAD HIER BLAETTERT - P ODER X SCHLIESST", 10, 146, TOTALS));
    for (int k = 0; k < 6; ++k) {
        const int index = k + 1;
        EXPECT_TRUE(
            showsText(canvas, "NETZ " + std::to_string(index + 1), 10, 178 + 86 * k, unpacked(networkColor(index))))
            << k;
        EXPECT_TRUE(showsText(canvas, "VERFUEGBAR " + std::to_string(120 * (index + 1)) + " KW", 10, 178 + 86 * k + 18,
                              unpacked(networkColor(index))));
    }
    const SDL_Rect painted = canvas.paintedBounds({21, 25, 29, 255});
    EXPECT_EQ(painted.y + painted.h, 178 + 86 * 5 + 54 + 7) << "no seventh block";

    // Three networks fit: a stored scroll past them goes back to the top.
    scroll = 5;
    canvas.clear({0, 0, 0, 255});
    drawPowerOverview(canvas.renderer(), window, networks(3), scroll);
    EXPECT_EQ(scroll, 0);
    EXPECT_TRUE(showsText(canvas, "NETZ 1 - 2 VERBRAUCHER", 10, 178, unpacked(networkColor(0))));

    canvas.clear({0, 0, 0, 255});
    drawPowerOverview(canvas.renderer(), window, PowerOverview{}, scroll);
    EXPECT_TRUE(showsText(canvas, "NOCH KEINE GENERATOREN ODER MASTEN", 10, 180, TOTALS));
    EXPECT_TRUE(showsText(canvas, "FEHLEND    0 KW", 10, 84, TOTALS));
    setLanguage(ENGLISH);
}
