#pragma once

#include <string>

#include "app/options.h"
#include "persistence/settings.h"
#include "ui/hud_layout.h"

// How a screen recording wants the demo run, from the environment.
struct RecordingEnvironment {
    bool recordingRequested = false;  // "GEARHAVEN_DEMO_RECORDING" set, whatever its value
    bool fullscreenDesktop = false;   // "GEARHAVEN_DEMO_FULLSCREEN_DESKTOP" is exactly "1"
    std::string windowIdFile;         // "GEARHAVEN_DEMO_WINDOW_ID_FILE"
    std::string startGate;            // "GEARHAVEN_DEMO_START_GATE"
};

RecordingEnvironment readRecordingEnvironment();

// Recording mode ignores real input; only a demo can record.
bool isRecording(const Options& options, const RecordingEnvironment& environment);

// Handing the recorder the window's id needs X11 support, which this build lacks.
bool wantsWindowIdCapture(const Options& options, const RecordingEnvironment& environment);

enum class WindowMode { Normal, DesktopFullscreen, Maximised };

struct WindowChoice {
    int width = 0;
    int height = 0;
    WindowMode mode = WindowMode::Normal;
    bool centred = false;  // placed in the middle of the display's usable area once it exists

    friend bool operator==(const WindowChoice&, const WindowChoice&) = default;
};

// Size and mode of the window at start-up. A plain start follows the command line, then
// the settings; a demo and the sprite export never read the settings.
WindowChoice chooseWindow(const Options& options, const Settings& settings, const RecordingEnvironment& environment);

// Frame sizes around the window's client area; 0 where the system cannot say.
struct WindowBorders {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
};

struct WindowPosition {
    int x = 0;
    int y = 0;

    friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

// Client-area position that centres the framed window in the display's usable area;
// a window that does not fit keeps its frame at the area's top left corner.
WindowPosition centredWindowPosition(const ScreenRect& usable, int width, int height, const WindowBorders& borders);
