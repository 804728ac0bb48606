#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "persistence/map_text_support.h"
#include "persistence/save_menu.h"
#include "persistence/settings.h"
#include "support/world_builders.h"
#include "world/language.h"

namespace fs = std::filesystem;

namespace {

constexpr MenuRect MENU = {100, 50, 700, 600};
constexpr std::int64_t MINUTE = 60'000'000'000;
const std::string LOAD_FAILED =
    "LADEN FEHLGESCHLAGEN. DATEI FEHLT ODER IST UNGUELTIG. DER AKTUELLE STAND BLEIBT ERHALTEN.";

// Each test plays in a save directory of its own, with a clock it moves by hand.
class SaveSlots : public ::testing::Test {
  protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "gearhaven-slots-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        menu.services.now = [this] { return clock; };
        menu.services.saveDirectory = [this] { return directoryKnown ? std::optional(dir) : std::nullopt; };
        menu.services.log = [this](const std::string& line) { logLines.push_back(line); };
        setLanguage(ENGLISH);
    }
    void TearDown() override
    {
        setLanguage(ENGLISH);
        fs::remove_all(dir);
    }

    void write(const fs::path& file, const std::string& content) { std::ofstream(file, std::ios::binary) << content; }
    std::string read(const fs::path& file) const
    {
        std::ostringstream content;
        content << std::ifstream(file, std::ios::binary).rdbuf();
        return content.str();
    }
    bool click(const MenuRect& region)
    {
        return menu.handleClick(game, MENU, region.left + region.width / 2, region.top + region.height / 2);
    }
    void expectResult(bool failed, const std::string& status)
    {
        EXPECT_EQ(menu.state, MenuState::Result);
        EXPECT_EQ(menu.error, failed);
        EXPECT_EQ(menu.status, status);
    }
    // A slot holding a world with one belt.
    void saveBeltWorld(int slot)
    {
        Game built;
        layBelt(built, 10, 10, EAST);
        ASSERT_TRUE(built.saveFileAtomically(SaveMenu::slotMapPath(dir, slot)));
    }

    fs::path dir;
    bool directoryKnown = true;
    std::int64_t clock = 1000;
    std::vector<std::string> logLines;
    Game game;
    SaveMenu menu;
};

}  // namespace

TEST_F(SaveSlots, LabelsComeFromValidNameFilesOnly)
{
    EXPECT_EQ(SaveMenu::slotMapPath(dir, 3), dir / "karte-3.map");
    EXPECT_EQ(SaveMenu::slotNamePath(dir, 10), dir / "karte-10.name");
    EXPECT_EQ(SaveMenu::autosavePath(dir), dir / "autosave.map");
    EXPECT_EQ(SaveMenu::slotLabel(dir, 3), "MAP 3");  // no name file

    const struct {
        std::string content;
        bool kept;
    } cases[] = {
        {"FABRIK 2-B.\n", true},       {std::string(24, 'X'), true}, {"Fabrik\n", false}, {"A\tB\n", false},
        {std::string(25, 'X'), false}, {"FABRIK\r\n", false},        {"\n", false},       {"", false},
        {"\xC4PFEL\n", false},
    };
    for (const auto& c : cases) {
        write(SaveMenu::slotNamePath(dir, 3), c.content);
        std::string name = c.content.substr(0, c.content.find('\n'));
        EXPECT_EQ(SaveMenu::slotLabel(dir, 3), c.kept ? name : "MAP 3") << c.content;
    }
    setLanguage(GERMAN);
    EXPECT_EQ(SaveMenu::slotLabel(dir, 3), "KARTE 3");
}

TEST_F(SaveSlots, MainMenuButtonsHaveInclusiveLeftAndTopEdges)
{
    const struct {
        int x, y;
        MenuState expected;
    } cases[] = {
        {130, 105, MenuState::Closed},      {769, 144, MenuState::Closed},     {770, 105, MenuState::MainMenu},
        {130, 145, MenuState::MainMenu},    {130, 160, MenuState::SlotScreen}, {130, 270, MenuState::ConfirmNewMap},
        {130, 325, MenuState::ConfirmQuit}, {110, 600, MenuState::MainMenu},  // no back button here
    };
    for (const auto& c : cases) {
        menu.openMainMenu();
        menu.handleClick(game, MENU, c.x, c.y);
        EXPECT_EQ(menu.state, c.expected) << c.x << "," << c.y;
    }
    menu.openMainMenu();
    click(mainMenuButtonRect(MENU, 2));
    EXPECT_TRUE(menu.openedFromMainMenu && !menu.saveMode);
    click(backButtonRect(MENU));
    EXPECT_EQ(menu.state, MenuState::MainMenu);
    click(mainMenuButtonRect(MENU, 4));
    EXPECT_TRUE(click(confirmButtonRect(MENU)));
}

TEST_F(SaveSlots, SaveRenameDeleteAndNewMap)
{
    layBelt(game, 5, 5, EAST);
    menu.openSlotScreen(true, false);
    click(slotRowRect(MENU, 1));  // a free slot saves at once
    expectResult(false, "SPIELSTAND GESPEICHERT");
    EXPECT_EQ(menu.currentPath, dir / "karte-1.map");
    EXPECT_TRUE(fs::exists(dir / "karte-1.map"));

    click(backButtonRect(MENU));
    click(slotRowRect(MENU, 1));  // a used slot asks first
    EXPECT_EQ(menu.state, MenuState::ConfirmSlot);
    click(confirmButtonRect(MENU));
    expectResult(false, "SPIELSTAND GESPEICHERT");

    menu.back();
    click(slotButtonRect(MENU, 1, 2));
    ASSERT_EQ(menu.state, MenuState::Rename);
    EXPECT_EQ(menu.name, "MAP 1");
    menu.name.clear();
    menu.typeName("fabrik: nord-1.\t\xC4");
    EXPECT_EQ(menu.name, "FABRIK NORD-1.");
    menu.typeName("abcdefghijklmn");
    EXPECT_EQ(menu.name, "FABRIK NORD-1.ABCDEFGHIJ");
    menu.submitName();
    expectResult(false, "SPIELSTAND UMBENANNT");
    EXPECT_EQ(read(dir / "karte-1.name"), "FABRIK NORD-1.ABCDEFGHIJ\n");
    setLanguage(GERMAN);
    EXPECT_EQ(SaveMenu::slotLabel(dir, 1), "FABRIK NORD-1.ABCDEFGHIJ");

    menu.back();
    click(slotButtonRect(MENU, 1, 3));
    EXPECT_EQ(menu.state, MenuState::ConfirmDelete);
    click(confirmButtonRect(MENU));
    expectResult(false, "SPIELSTAND GELOESCHT");
    EXPECT_FALSE(fs::exists(dir / "karte-1.map"));
    EXPECT_FALSE(fs::exists(dir / "karte-1.name"));
    EXPECT_TRUE(menu.currentPath.empty());  // the deleted slot is no longer the quick-save target

    menu.openMainMenu();
    click(mainMenuButtonRect(MENU, 3));
    click(confirmButtonRect(MENU));
    EXPECT_EQ(menu.state, MenuState::Closed);
    EXPECT_TRUE(game.isBlank());
    ASSERT_TRUE(menu.quickSave(game, dir));
    EXPECT_EQ(menu.currentPath, dir / "autosave.map");
}

TEST_F(SaveSlots, LoadingAsksUnlessTheWorldIsBlank)
{
    saveBeltWorld(2);
    menu.openSlotScreen(false, false);
    click(slotButtonRect(MENU, 2, 1));
    EXPECT_EQ(menu.state, MenuState::Closed);
    EXPECT_EQ(menu.status, "SPIELSTAND GELADEN");
    EXPECT_EQ(game.tileAt(10, 10).type, BELT);

    game.resetMap();
    layBelt(game, 20, 20, EAST);
    menu.openSlotScreen(false, false);
    click(slotRowRect(MENU, 2));
    EXPECT_EQ(menu.state, MenuState::ConfirmSlot);
    EXPECT_EQ(game.tileAt(10, 10).type, EMPTY);
    click(confirmButtonRect(MENU));
    EXPECT_EQ(menu.state, MenuState::Closed);
    EXPECT_EQ(game.tileAt(10, 10).type, BELT);
    EXPECT_EQ(menu.currentPath, dir / "karte-2.map");
}

TEST_F(SaveSlots, CorruptSlotKeepsTheWorldAndTheCurrentFile)
{
    write(dir / "karte-4.map", "ZEDARADOREV_MAP 43\nnonsense\n");
    layBelt(game, 20, 20, EAST);
    menu.currentPath = dir / "mine.map";
    std::string before = mapTextOf(game);
    menu.openSlotScreen(false, false);
    click(slotRowRect(MENU, 4));
    click(confirmButtonRect(MENU));
    expectResult(true, LOAD_FAILED);
    EXPECT_EQ(mapTextOf(game), before);
    EXPECT_EQ(menu.currentPath, dir / "mine.map");
}

TEST_F(SaveSlots, FreeSlotsOnlyTakeTheSaveButton)
{
    menu.openSlotScreen(false, false);
    for (int button = 1; button < 4; ++button)
        click(slotButtonRect(MENU, 5, button));
    click(slotRowRect(MENU, 5));
    click(autosaveButtonRect(MENU, 4));  // no autosave yet
    EXPECT_EQ(menu.state, MenuState::SlotScreen);
    click(slotButtonRect(MENU, 5, 0));  // saves even from the load screen
    expectResult(false, "SPIELSTAND GESPEICHERT");

    ASSERT_TRUE(game.saveFileAtomically(dir / "autosave.map"));
    menu.openSlotScreen(true, false);
    click(autosaveButtonRect(MENU, 4));  // loading the autosave always asks
    EXPECT_EQ(menu.state, MenuState::ConfirmSlot);
    EXPECT_FALSE(menu.saveMode);
}

TEST_F(SaveSlots, FileFailuresBecomeStatusTexts)
{
    const std::string noDirectory = "DAS AKTUELLE VERZEICHNIS IST NICHT VERFUEGBAR";
    directoryKnown = false;
    menu.openSlotScreen(true, false);
    click(backButtonRect(MENU));  // any click, even the back button
    expectResult(true, noDirectory);
    for (MenuState dialog : {MenuState::Rename, MenuState::ConfirmDelete}) {
        menu.state = dialog;
        menu.slot = 1;
        menu.name = "X";
        click(confirmButtonRect(MENU));
        expectResult(true, noDirectory);
    }
    directoryKnown = true;

    fs::create_symlink("karte-1.map", dir / "karte-1.map");  // a loop the system cannot resolve
    menu.openSlotScreen(true, false);
    click(slotButtonRect(MENU, 1, 0));
    expectResult(true, "SPEICHERPLATZ KONNTE NICHT GEPRUEFT WERDEN");

    menu.slot = 2;
    menu.name.clear();
    menu.renameSlot(dir);
    expectResult(true, "UMBENENNEN FEHLGESCHLAGEN");
    if (fs::exists("/dev/full")) {
        // A full disk only shows when the name is flushed.
        fs::create_symlink("/dev/full", dir / "karte-2.name");
        menu.name = "VOLL";
        menu.renameSlot(dir);
        expectResult(true, "UMBENENNEN FEHLGESCHLAGEN");
        fs::create_symlink("/dev/full", dir / "gearhaven.ini");
        menu.openSlotScreen(true, false);
        click(autosaveButtonRect(MENU, 2));
        expectResult(true, "AUTOSAVE-EINSTELLUNG KONNTE NICHT GESPEICHERT WERDEN");
        EXPECT_EQ(menu.autosaveMinutes, 0);
    }

    write(dir / "karte-3.name", "WEG\n");  // its map is already gone
    menu.slot = 3;
    menu.deleteSlot(dir);
    expectResult(true, "LOESCHEN FEHLGESCHLAGEN");
    EXPECT_FALSE(fs::exists(dir / "karte-3.name"));
}

TEST_F(SaveSlots, AutosaveKeepsItsInterval)
{
    menu.openSlotScreen(true, false);
    click(autosaveButtonRect(MENU, 1));
    EXPECT_EQ(menu.autosaveMinutes, 1);
    EXPECT_EQ(loadSettings(dir).autosaveMinutes, 1);
    clock += MINUTE - 1;
    menu.autosaveIfDue(game, dir);
    EXPECT_FALSE(fs::exists(dir / "autosave.map"));
    clock += 1;
    menu.autosaveIfDue(game, dir);
    EXPECT_TRUE(fs::exists(dir / "autosave.map"));
    EXPECT_EQ(menu.autosaveDeadline, clock + MINUTE);
    EXPECT_TRUE(menu.currentPath.empty());  // the autosave never becomes the current file

    clock += MINUTE / 2;
    ASSERT_TRUE(menu.quickSave(game, dir));  // a quick save postpones the autosave
    EXPECT_EQ(menu.autosaveDeadline, clock + MINUTE);

    fs::path missing = dir / "gone";
    for (int frame = 0; frame < 3 * 3000; ++frame) {
        clock += MINUTE / 3000;  // three minutes of 20 ms frames
        menu.autosaveIfDue(game, missing);
    }
    ASSERT_EQ(logLines.size(), 3u);
    EXPECT_EQ(logLines[0], "Automatisches Speichern fehlgeschlagen: " + (missing / "autosave.map").string());

    click(autosaveButtonRect(MENU, 0));
    EXPECT_EQ(menu.autosaveDeadline, 0);
    clock += 10 * MINUTE;
    menu.autosaveIfDue(game, missing);
    EXPECT_EQ(logLines.size(), 3u);
}
