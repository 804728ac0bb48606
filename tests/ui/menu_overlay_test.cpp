#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <vector>

#include "support/scratch_directory.h"
#include "support/world_builders.h"
#include "text_probe.h"
#include "ui/menu_overlay.h"
#include "world/game.h"
#include "world/language.h"

namespace fs = std::filesystem;

namespace {

constexpr int WINDOW_WIDTH = 800;
constexpr int WINDOW_HEIGHT = 700;
const ScreenRect DIALOG = dialogRect(WINDOW_WIDTH, WINDOW_HEIGHT);

constexpr Rgba GREEN_FRAME{111, 215, 115, 255};
constexpr Rgba RED_FRAME{220, 85, 85, 255};
constexpr Rgba PLAIN_FRAME{102, 113, 120, 255};
constexpr Rgba LABEL{235, 239, 241, 255};
constexpr Rgba DIMMED{115, 125, 132, 255};
constexpr Rgba MENU_TEXT{220, 230, 235, 255};

// The menu as the shell shows it over a window, and the player's presses on what it shows.
class MenuScreens : public testing::Test {
  protected:
    void SetUp() override
    {
        setLanguage(GERMAN);
        menu.services.saveDirectory = [this] { return directoryKnown ? std::optional(scratch.path) : std::nullopt; };
        menu.services.now = [] { return std::int64_t{0}; };
    }
    void TearDown() override { setLanguage(ENGLISH); }

    void press(const ScreenRect& r) { menu.handleClick(game, DIALOG, r.left + r.width / 2, r.top + r.height / 2); }
    SoftwareCanvas& draw()
    {
        canvas.clear({0, 0, 0, 255});
        drawMenuOverlay(canvas.renderer(), WINDOW_WIDTH, WINDOW_HEIGHT, menu);
        return canvas;
    }
    Rgba corner(const ScreenRect& r) { return canvas.pixel(r.left, r.top); }
    int rowTextY(int slot) const { return DIALOG.top + 61 + 42 * (slot - 1); }
    bool rowShows(int slot, std::string_view text)
    {
        return showsText(canvas, text, DIALOG.left + 18, rowTextY(slot), LABEL);
    }

    ScratchDirectory scratch;
    bool directoryKnown = true;
    SaveMenu menu;
    Game game;
    SoftwareCanvas canvas{WINDOW_WIDTH, WINDOW_HEIGHT};
};

}  // namespace

TEST(MenuOverlay, RowsTitlesAndButtonLooksFollowTheSlots)
{
    setLanguage(GERMAN);
    EXPECT_EQ(slotRowText(10, true, "ABCDEFGHIJKLMNOPQRSTUVWX"), "10  ABCDEFGHIJKLMNOPQRSTU");
    EXPECT_EQ(slotRowText(3, false, "WHATEVER"), "3  LEER");
    setLanguage(ENGLISH);
    EXPECT_EQ(slotRowText(3, false, ""), "3  EMPTY");

    struct Case {
        int button;
        bool inUse;
        bool saveMode;
        MenuButtonLook look;
    };
    for (const Case& c : std::vector<Case>{{0, false, true, {1, false}},
                                           {0, false, false, {0, false}},
                                           {1, false, false, {2, true}},
                                           {1, true, false, {1, false}},
                                           {1, true, true, {0, false}},
                                           {2, false, true, {2, true}},
                                           {3, true, true, {0, false}}}) {
        EXPECT_EQ(slotButtonLook(c.button, c.inUse, c.saveMode), c.look) << c.button << c.inUse << c.saveMode;
    }
    EXPECT_EQ(autosaveButtonLook(0, 0, false), (MenuButtonLook{1, false}));
    EXPECT_EQ(autosaveButtonLook(2, 5, false), (MenuButtonLook{1, false}));
    EXPECT_EQ(autosaveButtonLook(3, 5, false), (MenuButtonLook{0, false}));
    EXPECT_EQ(autosaveButtonLook(4, 5, false), (MenuButtonLook{2, true}));
    EXPECT_EQ(autosaveButtonLook(4, 5, true), (MenuButtonLook{0, false}));
    EXPECT_EQ(renameConfirmState(""), 2);
    EXPECT_EQ(renameConfirmState("A"), 1);

    SaveMenu menu;
    for (const auto& [state, title] :
         std::vector<std::pair<MenuState, std::string_view>>{{MenuState::MainMenu, "HAUPTMENUE"},
                                                             {MenuState::SlotScreen, "SPIELSTAND LADEN"},
                                                             {MenuState::Result, "SPIELSTAND LADEN"},
                                                             {MenuState::Rename, "SPIELSTAND UMBENENNEN"},
                                                             {MenuState::ConfirmDelete, "SPIELSTAND LOESCHEN"},
                                                             {MenuState::ConfirmNewMap, "NEUE KARTE"},
                                                             {MenuState::ConfirmQuit, "SPIEL BEENDEN"}}) {
        menu.state = state;
        EXPECT_EQ(menuTitle(menu), title);
    }
    menu.saveMode = true;
    menu.state = MenuState::ConfirmSlot;
    EXPECT_EQ(menuTitle(menu), "SPIELSTAND SPEICHERN");
}

TEST_F(MenuScreens, SavingRenamingLoadingAndDeletingASlotThroughPresses)
{
    menu.openMainMenu();
    draw();
    EXPECT_TRUE(showsText(canvas, "HAUPTMENUE", DIALOG.left + 10, DIALOG.top + 8, LABEL));
    EXPECT_TRUE(showsText(canvas, "SPEICHERN", DIALOG.left + 44, DIALOG.top + 55 + 55 + 16, LABEL));
    // The whole window is dimmed under the dialog.
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{2, 2},
                                                               {DIALOG.left - 1, DIALOG.top},
                                                               {DIALOG.left + DIALOG.width, DIALOG.top + 300},
                                                               {DIALOG.left, DIALOG.top + DIALOG.height}})
        EXPECT_EQ(canvas.pixel(x, y), (Rgba{4, 5, 7, 255})) << x << "," << y;

    press(mainMenuButtonRect(DIALOG, 1));
    ASSERT_EQ(menu.state, MenuState::SlotScreen);
    draw();
    EXPECT_TRUE(rowShows(3, "3  LEER"));
    EXPECT_EQ(corner(slotButtonRect(DIALOG, 3, 0)), GREEN_FRAME);
    EXPECT_EQ(corner(slotButtonRect(DIALOG, 3, 1)), RED_FRAME);

    press(slotButtonRect(DIALOG, 3, 0));
    ASSERT_EQ(menu.state, MenuState::Result);
    EXPECT_TRUE(fs::exists(scratch.path / "karte-3.map"));
    draw();
    EXPECT_TRUE(showsText(canvas, "SPIELSTAND GESPEICHERT", DIALOG.left + 10, DIALOG.top + 40, {120, 220, 140, 255}));
    EXPECT_TRUE(showsText(canvas, "ZURUECK", DIALOG.left + 20, DIALOG.top + DIALOG.height - 38, PLAIN_FRAME));

    press(backButtonRect(DIALOG));
    press(slotButtonRect(DIALOG, 3, 2));
    ASSERT_EQ(menu.state, MenuState::Rename);
    menu.name.clear();
    draw();
    EXPECT_EQ(corner(confirmButtonRect(DIALOG)), RED_FRAME);
    EXPECT_TRUE(showsText(canvas, "-", DIALOG.left + 20, DIALOG.top + 104, LABEL));
    menu.typeName("lager 2");
    draw();
    EXPECT_EQ(corner(confirmButtonRect(DIALOG)), GREEN_FRAME);
    EXPECT_TRUE(showsText(canvas, "LAGER 2-", DIALOG.left + 20, DIALOG.top + 104, LABEL));
    press(confirmButtonRect(DIALOG));
    press(backButtonRect(DIALOG));
    draw();
    EXPECT_TRUE(rowShows(3, "3  LAGER 2"));

    // Loading over a world with work in it asks first, then the menu closes on the loaded map.
    layBelt(game, 40, 40, EAST);
    press(slotButtonRect(DIALOG, 3, 1));
    ASSERT_EQ(menu.state, MenuState::ConfirmSlot);
    draw();
    EXPECT_TRUE(showsText(canvas, "AKTUELLEN SPIELSTAND DURCH DIESE KARTE ERSETZEN?", DIALOG.left + 10, DIALOG.top + 40,
                          MENU_TEXT));
    press(confirmButtonRect(DIALOG));
    EXPECT_EQ(menu.state, MenuState::Closed);
    EXPECT_EQ(game.tileAt(40, 40).type, EMPTY);

    menu.openSlotScreen(false, false);
    press(slotButtonRect(DIALOG, 3, 3));
    ASSERT_EQ(menu.state, MenuState::ConfirmDelete);
    draw();
    EXPECT_TRUE(
        showsText(canvas, "DIESEN SPIELSTAND ENDGUELTIG LOESCHEN?", DIALOG.left + 10, DIALOG.top + 50, MENU_TEXT));
    press(confirmButtonRect(DIALOG));
    EXPECT_FALSE(fs::exists(scratch.path / "karte-3.map"));
    EXPECT_FALSE(fs::exists(scratch.path / "karte-3.name"));
    press(backButtonRect(DIALOG));
    draw();
    EXPECT_TRUE(rowShows(3, "3  LEER"));
}

TEST_F(MenuScreens, TheLoadScreenDimsWhatCannotBeUsedAndCutsLongNames)
{
    menu.openSlotScreen(true, false);
    press(slotButtonRect(DIALOG, 10, 0));
    std::ofstream(scratch.path / "karte-10.name") << "ABCDEFGHIJKLMNOPQRSTUVWX\n";
    menu.openSlotScreen(false, false);
    draw();
    EXPECT_TRUE(showsText(canvas, "PLATZ ZUM LADEN WAEHLEN", DIALOG.left + 10, DIALOG.top + 28, MENU_TEXT));
    EXPECT_TRUE(rowShows(10, "10  ABCDEFGHIJKLMNOPQRSTU"));
    EXPECT_FALSE(rowShows(10, "10  ABCDEFGHIJKLMNOPQRSTUV"));

    const ScreenRect load = slotButtonRect(DIALOG, 4, 1);
    EXPECT_EQ(corner(load), RED_FRAME);
    EXPECT_TRUE(showsText(canvas, "LADEN", load.left + 7, rowTextY(4), DIMMED));
    EXPECT_EQ(corner(slotButtonRect(DIALOG, 4, 0)), PLAIN_FRAME);
    EXPECT_TRUE(showsText(canvas, "SPEICHERN", load.left + 7 - 82, rowTextY(4), LABEL));
    EXPECT_EQ(corner(slotButtonRect(DIALOG, 10, 1)), GREEN_FRAME);
    EXPECT_EQ(corner(slotButtonRect(DIALOG, 10, 3)), PLAIN_FRAME);

    // Autosave off: "AUS" is the lit interval; without an autosave file its "LADEN" is dimmed.
    EXPECT_EQ(corner(autosaveButtonRect(DIALOG, 0)), GREEN_FRAME);
    EXPECT_EQ(corner(autosaveButtonRect(DIALOG, 1)), PLAIN_FRAME);
    EXPECT_EQ(corner(autosaveButtonRect(DIALOG, 4)), RED_FRAME);
    EXPECT_TRUE(showsText(canvas, "PRODUKTION PAUSIERT", DIALOG.left + 10, DIALOG.top + DIALOG.height - 70, MENU_TEXT));

    // Without a known directory every slot is empty and only saving is offered.
    directoryKnown = false;
    draw();
    EXPECT_TRUE(rowShows(10, "10  LEER"));
    EXPECT_EQ(corner(slotButtonRect(DIALOG, 10, 1)), RED_FRAME);
    EXPECT_EQ(corner(slotButtonRect(DIALOG, 10, 0)), PLAIN_FRAME);
}
