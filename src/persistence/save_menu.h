#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "persistence/current_directory.h"
#include "persistence/save_menu_layout.h"
#include "persistence/system_calls.h"

class Game;

// Which screen or dialog of the in-game menu is open; the drawing shares the numbers.
enum class MenuState : std::int32_t {
    Closed = 0,
    MainMenu = 1,
    SlotScreen = 2,
    ConfirmSlot = 3,
    Rename = 4,
    ConfirmDelete = 5,
    Result = 6,
    ConfirmNewMap = 7,
    ConfirmQuit = 8,
};

constexpr int MAX_SLOT_NAME_LENGTH = 24;

// Steady-clock time in nanoseconds, the clock the autosave deadline is kept in.
std::int64_t steadyClockNanoseconds();

// What the menu asks of the world outside; tests hand in their own.
struct SaveMenuServices {
    std::function<std::int64_t()> now = steadyClockNanoseconds;
    // The save directory, looked up at the moment of each action; empty when unknown.
    std::function<std::optional<std::filesystem::path>()> saveDirectory = currentDirectory;
    // Receives whole log lines; the shell passes them on to its log.
    std::function<void(const std::string&)> log;
    // Every read and write of slot, autosave and settings files goes through these.
    SystemCalls files = realSystemCalls();
};

// The controller behind the in-game menu: ten named save slots, the autosave,
// their dialogs, the quick save and the timed autosave. The interface draws it
// from these fields. The open screen, the selection, the typed name and the
// result text are interface state: they live here, free of SDL, because the
// slot actions that change them live here, and src/ui only draws them.
struct SaveMenu {
    MenuState state = MenuState::Closed;
    bool saveMode = false;  // the slot screen and its pending action save rather than load
    bool openedFromMainMenu = false;
    bool error = false;                 // the result dialog shows status as a failure
    int slot = 0;                       // selected slot 1..10, 0 for none or the autosave
    int autosaveMinutes = 0;            // 0 = off, else 1, 5 or 10
    std::int64_t autosaveDeadline = 0;  // steady-clock nanoseconds; 0 while off
    std::filesystem::path slotPath;     // the file the pending slot action works on
    std::filesystem::path currentPath;  // where the running game came from or went; the quick-save target
    std::string status;
    std::string name;  // typed in the rename dialog
    SaveMenuServices services;

    static std::filesystem::path slotMapPath(const std::filesystem::path& dir, int slot);
    static std::filesystem::path slotNamePath(const std::filesystem::path& dir, int slot);
    static std::filesystem::path autosavePath(const std::filesystem::path& dir);
    // Whether the slot's map file, or the autosave file, is there; one that cannot be checked is not.
    static bool slotInUse(const std::filesystem::path& dir, int slot);
    static bool autosaveExists(const std::filesystem::path& dir);
    // The slot's stored name, or the translated default "KARTE n".
    static std::string slotLabel(const std::filesystem::path& dir, int slot,
                                 const SystemCalls& calls = realSystemCalls());
    static bool isSlotNameChar(char c);
    static bool isValidSlotName(std::string_view text);

    void openMainMenu();
    void openSlotScreen(bool save, bool fromMainMenu);
    void back();
    // A left click at window pixel (x, y) while the menu is open; true only when quitting was confirmed.
    bool handleClick(Game& game, const MenuRect& menu, int x, int y);

    void selectSlot(Game& game, int n, const std::filesystem::path& dir);
    void runSlotAction(Game& game);
    void renameSlot(const std::filesystem::path& dir);
    void deleteSlot(const std::filesystem::path& dir);

    // Rename dialog input: typed bytes become upper case, others than name characters are dropped.
    void typeName(std::string_view typed);
    // Enter in the rename dialog: renames in the save directory unless the name is empty.
    void submitName();

    // Saves to the current file, or to the autosave file for a new map; restarts the autosave interval.
    bool quickSave(const Game& game, const std::filesystem::path& dir);
    // Once per frame: saves the autosave file when its deadline has passed.
    void autosaveIfDue(const Game& game, const std::filesystem::path& dir);
    // Starts a whole interval from now, or switches the deadline off for 0 minutes.
    void armAutosave();

  private:
    void handleMainMenuClick(const MenuRect& menu, int x, int y);
    // Each returns whether the click hit one of its regions.
    bool handleSlotScreenClick(Game& game, const MenuRect& menu, int x, int y, const std::filesystem::path& dir);
    bool handleSlotRowClick(Game& game, const MenuRect& menu, int n, int x, int y, const std::filesystem::path& dir);
    void pressSlotButton(Game& game, int n, int button, const std::filesystem::path& dir);
    // The confirm button of the open dialog; true only for a confirmed quit.
    bool confirm(Game& game);
    void setAutosaveInterval(int minutes, const std::filesystem::path& dir);
    // The save directory, or nothing after showing that it is unknown.
    std::optional<std::filesystem::path> saveDirectoryOrReport();
    void clearSelection();
    void showResult(bool failed, std::string message);
    void showFailure(std::string message);
};
