#include "app/window_placement.h"

#include <cstdlib>

namespace {

std::string environmentText(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Spare room is shared out only when there is more than a pixel of it.
int centredOffset(int slack) { return slack > 1 ? slack / 2 : 0; }

WindowChoice plainStart(const Options& options, const Settings& settings)
{
    WindowChoice choice{settings.windowWidth, settings.windowHeight, WindowMode::Normal, false};
    if (options.hasWindowSize()) {
        choice.width = options.windowWidth;
        choice.height = options.windowHeight;
    }
    if (options.fullscreen || (!options.hasWindowSize() && settings.fullscreen)) {
        choice.mode = WindowMode::DesktopFullscreen;
    }
    choice.centred = choice.mode == WindowMode::Normal;
    return choice;
}

WindowChoice demoStart(const Options& options, const RecordingEnvironment& environment)
{
    const Settings defaults;
    WindowChoice choice{defaults.windowWidth, defaults.windowHeight, WindowMode::Normal, false};
    if (options.hasWindowSize()) {
        choice.width = options.windowWidth;
        choice.height = options.windowHeight;
    }
    if (options.fullscreen) {
        choice.mode = WindowMode::DesktopFullscreen;
    } else if (isRecording(options, environment) && !options.hasWindowSize()) {
        choice.mode = environment.fullscreenDesktop ? WindowMode::DesktopFullscreen : WindowMode::Maximised;
    }
    return choice;
}

}  // namespace

RecordingEnvironment readRecordingEnvironment()
{
    RecordingEnvironment environment;
    environment.recordingRequested = std::getenv("GEARHAVEN_DEMO_RECORDING") != nullptr;
    environment.fullscreenDesktop = environmentText("GEARHAVEN_DEMO_FULLSCREEN_DESKTOP") == "1";
    environment.windowIdFile = environmentText("GEARHAVEN_DEMO_WINDOW_ID_FILE");
    environment.startGate = environmentText("GEARHAVEN_DEMO_START_GATE");
    return environment;
}

bool isRecording(const Options& options, const RecordingEnvironment& environment)
{
    return options.hasDemo() && environment.recordingRequested;
}

bool wantsWindowIdCapture(const Options& options, const RecordingEnvironment& environment)
{
    return options.hasDemo() && !environment.windowIdFile.empty();
}

WindowChoice chooseWindow(const Options& options, const Settings& settings, const RecordingEnvironment& environment)
{
    if (options.exportControlPngs) {
        const Settings defaults;
        return {defaults.windowWidth, defaults.windowHeight, WindowMode::Normal, false};
    }
    return options.hasDemo() ? demoStart(options, environment) : plainStart(options, settings);
}

WindowPosition centredWindowPosition(const ScreenRect& usable, int width, int height, const WindowBorders& borders)
{
    const int slackX = usable.width - width - borders.left - borders.right;
    const int slackY = usable.height - height - borders.top - borders.bottom;
    return {usable.left + borders.left + centredOffset(slackX), usable.top + borders.top + centredOffset(slackY)};
}
