#include "app/start_up.h"

#include <algorithm>
#include <cctype>
#include <ranges>
#include <system_error>

#include "world/language.h"

namespace {

constexpr const char* CONTROLS_HELP =
    "Steuerung: Werkzeug links waehlen, links = setzen, Links auf Control = Informationen, Shift und Links = "
    "Werkzeug, sichtbare Fracht hat Vorrang, Drehen in der Seitenleiste, Werkzeug LOESCHEN = entfernen, rechts "
    "ziehen = Control verschieben, mittlere Maustaste ziehen = Karte verschieben, Mausrad = Zoom, Leertaste = Pause, "
    "Strg+Z = Undo (30 Schritte), R = reset, ESC = beenden";

constexpr auto START_GATE_WAIT = std::chrono::seconds(5);

Uint32 windowFlags(WindowMode mode)
{
    Uint32 flags = SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE;
    if (mode == WindowMode::DesktopFullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    if (mode == WindowMode::Maximised) flags |= SDL_WINDOW_MAXIMIZED;
    return flags;
}

// A window manager may still be settling the mode; a failed query leaves the default.
void readWindowSize(Screen& screen)
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(screen.window, &width, &height);
    if (width > 0 && height > 0) {
        screen.width = width;
        screen.height = height;
    }
}

// SDL compares driver names regardless of case.
bool sameDriverName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b,
                              [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// True where SDL chose a driver that shows nothing without being asked; SDL's error then says so.
bool foundNoDisplay()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);  // SDL_VIDEODRIVER, unless set in code
    if (driver == nullptr || !isUnseenFallback(driver, asked != nullptr ? asked : "")) return false;
    SDL_SetError("kein Bildschirm gefunden (Videotreiber %s)", driver);
    return true;
}

WindowBorders windowBorders(SDL_Window* window)
{
    WindowBorders borders;
    if (SDL_GetWindowBordersSize(window, &borders.top, &borders.left, &borders.bottom, &borders.right) != 0) {
        borders = {};
    }
    return borders;
}

}  // namespace

bool readCommandLine(int argc, const char* const* argv, Options& options)
{
    if (parseCommandLine(argc, argv, options)) return true;
    SDL_Log("%s", USAGE_TEXT);
    return false;
}

bool loadDemoOption(const Options& options, DemoScript& script)
{
    if (!options.hasDemo() || loadDemoScript(script, options.demoScript)) return true;
    SDL_Log("%s", script.error.c_str());
    return false;
}

bool loadMapOption(const Options& options, Game& game)
{
    if (!options.hasMap() || game.loadFromFile(options.mapPath)) return true;
    SDL_Log("Karte konnte nicht geladen werden: %s", options.mapPath.string().c_str());
    return false;
}

bool isUnseenFallback(std::string_view chosenDriver, std::string_view askedDrivers)
{
    if (!sameDriverName(chosenDriver, "offscreen") && !sameDriverName(chosenDriver, "dummy")) return false;
    for (const auto asked : std::views::split(askedDrivers, ',')) {
        if (sameDriverName(std::string_view(asked.begin(), asked.end()), chosenDriver)) return false;
    }
    return true;
}

// An unseen start counts as a failed SDL_Init: it ends before any window or
// settings file exists. SDL_Quit drops the error text, so the log goes first.
bool startVideo()
{
    const bool started = SDL_Init(SDL_INIT_VIDEO) == 0;
    if (started && !foundNoDisplay()) return true;
    SDL_Log("SDL_Init fehlgeschlagen: %s", SDL_GetError());
    if (started) SDL_Quit();
    return false;
}

Settings startSettings(const std::optional<std::filesystem::path>& directory)
{
    return directory ? loadSettings(*directory) : Settings{};
}

bool openWindow(Screen& screen, const WindowChoice& choice)
{
    screen.window = SDL_CreateWindow("Gearhaven", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, choice.width,
                                     choice.height, windowFlags(choice.mode));
    if (screen.window == nullptr) {
        SDL_Log("Fenster konnte nicht erstellt werden: %s", SDL_GetError());
        return false;
    }
    SDL_SetWindowMinimumSize(screen.window, MIN_WINDOW_WIDTH, MIN_WINDOW_HEIGHT);
    if (choice.mode == WindowMode::DesktopFullscreen &&
        SDL_SetWindowFullscreen(screen.window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        SDL_Log("Desktop-Vollbild fehlgeschlagen: %s", SDL_GetError());
    }
    if (choice.mode == WindowMode::Maximised) SDL_MaximizeWindow(screen.window);
    readWindowSize(screen);
    return true;
}

bool openRenderer(Screen& screen)
{
    constexpr Uint32 vsynced = SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC;
    screen.renderer = SDL_CreateRenderer(screen.window, -1, vsynced | SDL_RENDERER_TARGETTEXTURE);
    if (screen.renderer == nullptr) screen.renderer = SDL_CreateRenderer(screen.window, -1, vsynced);
    if (screen.renderer != nullptr) return true;
    SDL_Log("Renderer konnte nicht erstellt werden: %s", SDL_GetError());
    return false;
}

void centreWindow(SDL_Window* window)
{
    SDL_PumpEvents();
    const int display = SDL_GetWindowDisplayIndex(window);
    SDL_Rect usable;
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0) return;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    const ScreenRect area{usable.x, usable.y, usable.w, usable.h};
    const WindowPosition position = centredWindowPosition(area, width, height, windowBorders(window));
    SDL_SetWindowPosition(window, position.x, position.y);
}

bool loadSprites(Screen& screen)
{
    // Sprites are pixel art: scaled up, each source pixel stays a sharp block.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    return loadCargoTextures(screen.renderer, screen.cargoTextures) &&
           loadArmTextures(screen.renderer, screen.armTextures);
}

void refuseWindowIdCapture() { SDL_Log("Fenster-ID-Aufnahme benoetigt X11-Unterstuetzung."); }

void applyStoredPreferences(const std::optional<std::filesystem::path>& directory, SaveMenu& saveMenu, LoopState& state,
                            SdlSoundEngine& sound)
{
    saveMenu.services.saveDirectory = [directory] { return directory; };
    if (directory) {
        if (!migrateLegacySettings(*directory)) {
            SDL_Log("Einstellungen konnten nicht nach gearhaven.ini uebernommen werden");
        }
        const Settings settings = loadSettings(*directory);
        saveMenu.autosaveMinutes = settings.autosaveMinutes;
        saveMenu.armAutosave();
        state.soundEnabled = settings.soundEnabled;
        setLanguage(settings.language);
    }
    sound.setMuted(!state.soundEnabled);
}

LoopState startLoopState(const Screen& screen, bool recording)
{
    LoopState state;
    state.recording = recording;
    resizeView(state, screen.width, screen.height);
    return state;
}

void armStartGate(LoopState& state, const Options& options, const RecordingEnvironment& environment,
                  LoopClock::time_point now)
{
    if (!options.hasDemo()) return;
    if (!environment.startGate.empty()) {
        state.startGatePath = environment.startGate;
        std::error_code error;
        state.waitingForStartGate = std::filesystem::exists(std::filesystem::status(environment.startGate, error));
    }
    state.startGateDeadline = now + START_GATE_WAIT;
}

void logStartMessages(SDL_Renderer* renderer, bool recording)
{
    SDL_RendererInfo info;
    if (recording && SDL_GetRendererInfo(renderer, &info) == 0) SDL_Log("Demo-Renderer: %s", info.name);
    SDL_Log("%s", CONTROLS_HELP);
}
