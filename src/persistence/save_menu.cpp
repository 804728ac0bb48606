#include "persistence/save_menu.h"

#include <array>
#include <chrono>
#include <system_error>

#include "persistence/durable_file.h"
#include "persistence/map_file.h"
#include "persistence/settings.h"
#include "persistence/text_file.h"
#include "world/game.h"
#include "world/tile.h"
#include "world/translate.h"

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t NANOSECONDS_PER_MINUTE = 60'000'000'000;
// Minutes of the four interval buttons; the fifth loads the autosave.
constexpr std::array<int, 4> AUTOSAVE_CHOICES = {0, 1, 5, 10};
constexpr int LOAD_AUTOSAVE_BUTTON = 4;

enum SlotButton { SAVE_BUTTON, LOAD_BUTTON, RENAME_BUTTON, DELETE_BUTTON };

// How the main menu's buttons open the slot screen.
constexpr bool SAVING = true;
constexpr bool LOADING = false;
constexpr bool FROM_MAIN_MENU = true;

constexpr const char* NO_DIRECTORY = "DAS AKTUELLE VERZEICHNIS IST NICHT VERFUEGBAR";
constexpr const char* AUTOSAVE_SETTING_FAILED = "AUTOSAVE-EINSTELLUNG KONNTE NICHT GESPEICHERT WERDEN";
constexpr const char* SLOT_UNCHECKED = "SPEICHERPLATZ KONNTE NICHT GEPRUEFT WERDEN";
constexpr const char* SAVED = "SPIELSTAND GESPEICHERT";
constexpr const char* SAVE_FAILED = "SPEICHERN FEHLGESCHLAGEN";
constexpr const char* LOADED = "SPIELSTAND GELADEN";
constexpr const char* LOAD_FAILED =
    "LADEN FEHLGESCHLAGEN. DATEI FEHLT ODER IST UNGUELTIG. DER AKTUELLE STAND BLEIBT ERHALTEN.";
constexpr const char* RENAMED = "SPIELSTAND UMBENANNT";
constexpr const char* RENAME_FAILED = "UMBENENNEN FEHLGESCHLAGEN";
constexpr const char* DELETED = "SPIELSTAND GELOESCHT";
constexpr const char* DELETE_FAILED = "LOESCHEN FEHLGESCHLAGEN";

enum class FileQuery { Exists, Absent, Undetermined };

// Undetermined only where the system reported an error; a state it cannot name
// without one is taken as absent.
FileQuery queryFile(const fs::path& file)
{
    std::error_code error;
    fs::file_type type = fs::status(file, error).type();
    if (type == fs::file_type::not_found) return FileQuery::Absent;
    if (type == fs::file_type::none) return error ? FileQuery::Undetermined : FileQuery::Absent;
    return FileQuery::Exists;
}

// A file whose existence cannot be checked counts as missing.
bool fileExists(const fs::path& file)
{
    std::error_code ignored;
    return fs::exists(file, ignored);
}

bool isSlotNumber(int n) { return n >= 1 && n <= SLOT_COUNT; }

// A name file holds one short line; a much longer file is no name file.
constexpr std::size_t MAX_NAME_FILE_BYTES = 4096;

// The first line of a name file; empty when it cannot be read.
std::string nameFileLine(const fs::path& file, const SystemCalls& calls)
{
    std::string text = readRegularFile(file, MAX_NAME_FILE_BYTES, calls).text;
    return text.substr(0, text.find('\n'));
}

// Both paths name the same place, however the current path was spelt.
bool sameFile(const fs::path& a, const fs::path& b)
{
    std::error_code error;
    fs::path absoluteA = fs::absolute(a, error);
    fs::path absoluteB = fs::absolute(b, error);
    if (error) return a == b;
    return absoluteA.lexically_normal() == absoluteB.lexically_normal();
}

}  // namespace

std::int64_t steadyClockNanoseconds()
{
    auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count();
}

fs::path SaveMenu::slotMapPath(const fs::path& dir, int n) { return dir / ("karte-" + std::to_string(n) + ".map"); }

fs::path SaveMenu::slotNamePath(const fs::path& dir, int n) { return dir / ("karte-" + std::to_string(n) + ".name"); }

fs::path SaveMenu::autosavePath(const fs::path& dir) { return dir / "autosave.map"; }

bool SaveMenu::slotInUse(const fs::path& dir, int n) { return fileExists(slotMapPath(dir, n)); }

bool SaveMenu::autosaveExists(const fs::path& dir) { return fileExists(autosavePath(dir)); }

std::string SaveMenu::slotLabel(const fs::path& dir, int n, const SystemCalls& calls)
{
    std::string line = nameFileLine(slotNamePath(dir, n), calls);
    if (isValidSlotName(line)) return line;
    return translate("KARTE ") + std::to_string(n);
}

// Slot names are drawn in the same font as machine labels.
bool SaveMenu::isSlotNameChar(char c) { return isLabelChar(c); }

bool SaveMenu::isValidSlotName(std::string_view text)
{
    if (text.empty() || text.size() > MAX_SLOT_NAME_LENGTH) return false;
    for (char c : text) {
        if (!isSlotNameChar(c)) return false;
    }
    return true;
}

void SaveMenu::openMainMenu()
{
    state = MenuState::MainMenu;
    clearSelection();
}

void SaveMenu::openSlotScreen(bool save, bool fromMainMenu)
{
    state = MenuState::SlotScreen;
    saveMode = save;
    openedFromMainMenu = fromMainMenu;
    clearSelection();
}

void SaveMenu::back()
{
    switch (state) {
    case MenuState::MainMenu:
        state = MenuState::Closed;
        break;
    case MenuState::SlotScreen:
        if (openedFromMainMenu) {
            state = MenuState::MainMenu;
            clearSelection();
        } else {
            state = MenuState::Closed;
        }
        break;
    case MenuState::ConfirmSlot:
    case MenuState::Rename:
    case MenuState::ConfirmDelete:
    case MenuState::Result:
        // The result stays readable until the screen is opened anew.
        state = MenuState::SlotScreen;
        error = false;
        name.clear();
        break;
    case MenuState::ConfirmNewMap:
    case MenuState::ConfirmQuit:
        state = MenuState::MainMenu;
        clearSelection();
        break;
    case MenuState::Closed:
        break;
    }
}

bool SaveMenu::handleClick(Game& game, const MenuRect& menu, int x, int y)
{
    if (state == MenuState::MainMenu) {
        handleMainMenuClick(menu, x, y);
        return false;
    }
    if (state == MenuState::SlotScreen) {
        std::optional<fs::path> dir = saveDirectoryOrReport();
        if (!dir || handleSlotScreenClick(game, menu, x, y, *dir)) return false;
    }
    if (contains(backButtonRect(menu), x, y)) {
        back();
        return false;
    }
    return contains(confirmButtonRect(menu), x, y) && confirm(game);
}

void SaveMenu::handleMainMenuClick(const MenuRect& menu, int x, int y)
{
    int button = 0;
    while (button < MAIN_MENU_BUTTON_COUNT && !contains(mainMenuButtonRect(menu, button), x, y))
        ++button;
    switch (button) {
    case 0:
        state = MenuState::Closed;
        break;
    case 1:
        openSlotScreen(SAVING, FROM_MAIN_MENU);
        break;
    case 2:
        openSlotScreen(LOADING, FROM_MAIN_MENU);
        break;
    case 3:
        state = MenuState::ConfirmNewMap;
        break;
    case 4:
        state = MenuState::ConfirmQuit;
        break;
    default:
        break;
    }
}

bool SaveMenu::handleSlotScreenClick(Game& game, const MenuRect& menu, int x, int y, const fs::path& dir)
{
    for (std::size_t i = 0; i < AUTOSAVE_CHOICES.size(); ++i) {
        if (contains(autosaveButtonRect(menu, static_cast<int>(i)), x, y)) {
            setAutosaveInterval(AUTOSAVE_CHOICES[i], dir);
            return true;
        }
    }
    if (contains(autosaveButtonRect(menu, LOAD_AUTOSAVE_BUTTON), x, y)) {
        slotPath = autosavePath(dir);
        if (fileExists(slotPath)) {
            // Loading the autosave always asks first.
            slot = 0;
            saveMode = false;
            state = MenuState::ConfirmSlot;
        }
        return true;
    }
    for (int n = 1; n <= SLOT_COUNT; ++n) {
        if (handleSlotRowClick(game, menu, n, x, y, dir)) return true;
    }
    return false;
}

bool SaveMenu::handleSlotRowClick(Game& game, const MenuRect& menu, int n, int x, int y, const fs::path& dir)
{
    for (int button = 0; button < SLOT_BUTTON_COUNT; ++button) {
        if (contains(slotButtonRect(menu, n, button), x, y)) {
            pressSlotButton(game, n, button, dir);
            return true;
        }
    }
    if (!contains(slotRowRect(menu, n), x, y)) return false;
    if (saveMode || slotInUse(dir, n)) selectSlot(game, n, dir);
    return true;
}

void SaveMenu::pressSlotButton(Game& game, int n, int button, const fs::path& dir)
{
    bool used = slotInUse(dir, n);
    if (button == SAVE_BUTTON) {
        saveMode = true;
        selectSlot(game, n, dir);
        return;
    }
    if (!used) return;
    if (button == LOAD_BUTTON) {
        saveMode = false;
        selectSlot(game, n, dir);
        return;
    }
    slot = n;
    slotPath = slotMapPath(dir, n);
    if (button == RENAME_BUTTON) {
        name = slotLabel(dir, n, services.files);
        state = MenuState::Rename;
    } else {
        state = MenuState::ConfirmDelete;
    }
}

bool SaveMenu::confirm(Game& game)
{
    switch (state) {
    case MenuState::ConfirmSlot:
        runSlotAction(game);
        break;
    case MenuState::Rename:
        if (std::optional<fs::path> dir = saveDirectoryOrReport()) renameSlot(*dir);
        break;
    case MenuState::ConfirmDelete:
        if (std::optional<fs::path> dir = saveDirectoryOrReport()) deleteSlot(*dir);
        break;
    case MenuState::ConfirmNewMap:
        game.resetMap();
        currentPath.clear();
        state = MenuState::Closed;
        break;
    case MenuState::ConfirmQuit:
        return true;
    default:
        break;
    }
    return false;
}

void SaveMenu::setAutosaveInterval(int minutes, const fs::path& dir)
{
    Settings settings = loadSettings(dir, services.files);
    settings.autosaveMinutes = minutes;
    if (!saveSettings(dir, settings, services.files)) {
        showFailure(AUTOSAVE_SETTING_FAILED);
        return;
    }
    autosaveMinutes = minutes;
    armAutosave();
}

void SaveMenu::selectSlot(Game& game, int n, const fs::path& dir)
{
    if (!isSlotNumber(n)) return;
    slot = n;
    slotPath = slotMapPath(dir, n);
    switch (queryFile(slotPath)) {
    case FileQuery::Undetermined:
        showFailure(SLOT_UNCHECKED);
        break;
    case FileQuery::Exists:
        // Overwriting asks; so does loading over a world that holds work.
        if (!saveMode && game.isBlank()) {
            runSlotAction(game);
        } else {
            state = MenuState::ConfirmSlot;
        }
        break;
    case FileQuery::Absent:
        if (saveMode) {
            runSlotAction(game);
        } else {
            state = MenuState::ConfirmSlot;
        }
        break;
    }
}

void SaveMenu::runSlotAction(Game& game)
{
    bool ok = saveMode ? saveMapFile(game, slotPath, services.files) : loadMapFile(game, slotPath, services.files);
    if (ok) currentPath = slotPath;
    if (saveMode) {
        showResult(!ok, ok ? SAVED : SAVE_FAILED);
    } else if (ok) {
        // The menu closes on the loaded map.
        error = false;
        status = LOADED;
        state = MenuState::Closed;
    } else {
        showFailure(LOAD_FAILED);
    }
}

void SaveMenu::renameSlot(const fs::path& dir)
{
    bool ok = isSlotNumber(slot) && isValidSlotName(name) &&
              replaceFileAtomically(slotNamePath(dir, slot), name + '\n', services.files);
    showResult(!ok, ok ? RENAMED : RENAME_FAILED);
}

void SaveMenu::deleteSlot(const fs::path& dir)
{
    if (!isSlotNumber(slot)) {
        showFailure(DELETE_FAILED);
        return;
    }
    fs::path mapFile = slotMapPath(dir, slot);
    std::error_code error;
    bool removed = fs::remove(mapFile, error);
    if (error) {
        showFailure(DELETE_FAILED);
        return;
    }
    // The name goes with the slot even when its map was already gone.
    std::error_code ignored;
    fs::remove(slotNamePath(dir, slot), ignored);
    // The next quick save must not bring the deleted slot back.
    if (removed && !currentPath.empty() && sameFile(currentPath, mapFile)) currentPath.clear();
    showResult(!removed, removed ? DELETED : DELETE_FAILED);
}

void SaveMenu::typeName(std::string_view typed)
{
    for (char c : typed) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (name.size() < MAX_SLOT_NAME_LENGTH && isSlotNameChar(c)) name += c;
    }
}

void SaveMenu::submitName()
{
    if (name.empty()) return;
    if (std::optional<fs::path> dir = saveDirectoryOrReport()) renameSlot(*dir);
}

bool SaveMenu::quickSave(const Game& game, const fs::path& dir)
{
    fs::path target = currentPath.empty() ? autosavePath(dir) : currentPath;
    if (!saveMapFile(game, target, services.files)) return false;
    currentPath = target;
    armAutosave();
    return true;
}

void SaveMenu::autosaveIfDue(const Game& game, const fs::path& dir)
{
    if (autosaveMinutes <= 0 || services.now() < autosaveDeadline) return;
    fs::path target = autosavePath(dir);
    bool ok = saveMapFile(game, target, services.files);
    // Re-armed after failures too, so a broken disk is retried once an interval and not every frame.
    armAutosave();
    if (!ok && services.log) services.log("Automatisches Speichern fehlgeschlagen: " + target.string());
}

void SaveMenu::armAutosave()
{
    autosaveDeadline = autosaveMinutes > 0 ? services.now() + autosaveMinutes * NANOSECONDS_PER_MINUTE : 0;
}

std::optional<fs::path> SaveMenu::saveDirectoryOrReport()
{
    std::optional<fs::path> dir = services.saveDirectory ? services.saveDirectory() : std::nullopt;
    if (!dir) showFailure(NO_DIRECTORY);
    return dir;
}

void SaveMenu::clearSelection()
{
    error = false;
    slot = 0;
    slotPath.clear();
    status.clear();
    name.clear();
}

void SaveMenu::showFailure(std::string message) { showResult(true, std::move(message)); }

void SaveMenu::showResult(bool failed, std::string message)
{
    error = failed;
    status = std::move(message);
    state = MenuState::Result;
}
