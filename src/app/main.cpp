#include <SDL.h>

#include <string>

#include "app/main_loop.h"
#include "app/start_up.h"
#include "persistence/current_directory.h"
#include "render/sprite_export.h"

namespace {

// The window size goes to the settings before the window does; every texture
// goes before its renderer.
void shutDown(Shell& shell)
{
    saveWindowSizeIfChanged(shell.windowSize, shell.screen.window);
    shell.sound.close();
    closeScreen(shell.screen);
}

// The export is the whole run: the sprites need a renderer, nothing more.
int exportAndClose(Screen& screen)
{
    const bool exported = exportControlPngs(screen.renderer);
    closeScreen(screen);
    return exported ? 0 : EXIT_START_FAILED;
}

// Ends a start that failed after SDL came up.
int abandonStart(Screen& screen)
{
    closeScreen(screen);
    return EXIT_START_FAILED;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!readCommandLine(argc, argv, options)) return EXIT_BAD_REQUEST;
    DemoScript script;
    if (!loadDemoOption(options, script)) return EXIT_BAD_REQUEST;
    Game game;
    if (!loadMapOption(options, game)) return EXIT_BAD_REQUEST;
    if (!startVideo()) return EXIT_START_FAILED;

    // From here on every exit closes the screen, which also ends SDL.
    const std::optional<std::filesystem::path> directory = currentDirectory();
    const RecordingEnvironment environment = readRecordingEnvironment();
    const bool recording = isRecording(options, environment);
    const WindowChoice choice = chooseWindow(options, startSettings(directory), environment);
    Screen screen;
    if (!openWindow(screen, choice) || !openRenderer(screen)) return abandonStart(screen);
    if (choice.centred) centreWindow(screen.window);
    if (options.exportControlPngs) return exportAndClose(screen);
    if (wantsWindowIdCapture(options, environment)) {
        refuseWindowIdCapture();
        return abandonStart(screen);
    }
    if (!loadSprites(screen)) return abandonStart(screen);

    SdlSoundEngine sound;
    startSoundEngine(sound, SOUND_DIRECTORY);
    game.sound = &sound;
    UndoHistory undoHistory;
    LoopState state = startLoopState(screen, recording);
    DemoPlayer demoPlayer(screen.window, options.hasDemo() ? &script : nullptr, options.demoMouse, options.demoSpeed);
    ProductionStats stats;
    MultiSelection selection;
    SaveMenu saveMenu;
    state.menu = &saveMenu;
    saveMenu.services.log = [](const std::string& line) { SDL_Log("%s", line.c_str()); };
    if (options.hasMap()) saveMenu.currentPath = options.mapPath;
    applyStoredPreferences(directory, saveMenu, state, sound);
    state.lastFrameTime = LoopClock::now();
    armStartGate(state, options, environment, state.lastFrameTime);
    logStartMessages(screen.renderer, recording);
    state.lastSizeChange = LoopClock::now();

    // Only a plain start remembers its window size. Until the window is read in a plain
    // state, the size asked for stands, so a full-screen start keeps the stored size.
    WindowSizeMemory windowSize{options.hasDemo() ? std::nullopt : directory, choice.width, choice.height};
    Shell shell{.options = options,
                .directory = directory,
                .game = game,
                .screen = screen,
                .sound = sound,
                .undoHistory = undoHistory,
                .demoPlayer = demoPlayer,
                .stats = stats,
                .selection = selection,
                .saveMenu = saveMenu,
                .windowSize = windowSize,
                .state = state};
    runMainLoop(shell);
    shutDown(shell);
    // A demo that failed part-way must not pass for one that played to its end.
    return demoPlayer.failed() ? EXIT_BAD_REQUEST : 0;
}
