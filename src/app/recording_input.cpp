#include "app/recording_input.h"

#include <system_error>

#include "app/main_loop.h"
#include "demo/demo_event_marks.h"

namespace {

bool isMarked(Uint32 id) { return id == DEMO_EVENT_MARK || id == DEMO_SHIFT_MARK || id == DEMO_CTRL_MARK; }

bool isRealPress(const SDL_Event& event)
{
    return (event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN) && !isSyntheticEvent(event);
}

// Recording mode lets through only what the demo made, and what no recording can do
// without: quit, window events, text input.
bool passesRecording(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return isSyntheticEvent(event);
    case SDL_MOUSEWHEEL:
        return false;
    default:
        return true;
    }
}

bool fileExists(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::status(path, error));
}

}  // namespace

bool isSyntheticEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return event.key.windowID == DEMO_EVENT_MARK;
    case SDL_MOUSEMOTION:
        return event.motion.which == DEMO_EVENT_MARK;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        return isMarked(event.button.which);
    default:
        return false;
    }
}

InputVerdict filterInput(const SDL_Event& event, bool recording, bool demoInProgress, bool demoMouse)
{
    if (recording) return passesRecording(event) ? InputVerdict::Pass : InputVerdict::Drop;
    if (!demoInProgress) return InputVerdict::Pass;
    if (isRealPress(event)) return InputVerdict::InterruptDemo;
    if (demoMouse) return InputVerdict::Pass;
    const bool realPointer =
        event.type == SDL_MOUSEWHEEL || (event.type == SDL_MOUSEMOTION && !isSyntheticEvent(event));
    return realPointer ? InputVerdict::Drop : InputVerdict::Pass;
}

bool admitEvent(Shell& shell, const SDL_Event& event)
{
    const DemoPlayer& demo = shell.demoPlayer;
    switch (filterInput(event, shell.state.recording, demo.isRunning(), demo.demoMouse)) {
    case InputVerdict::Drop:
        return false;
    case InputVerdict::InterruptDemo:
        interruptDemo(shell);
        return true;
    case InputVerdict::Pass:
        return true;
    }
    return true;
}

void interruptDemo(Shell& shell)
{
    shell.demoPlayer.interruptByUser();
    LoopState& state = shell.state;
    endStroke(state.stroke, shell.undoHistory, shell.game);
    endMoveDrag(state);
    state.interaction.wireDrag = {};
    state.interaction.linkEndDrag = {};
    state.ctrlRect = TileRectDrag{};
    state.copyRect = TileRectDrag{};
    state.panning = false;
    state.selectDragging = false;
    state.minimapDragging = false;
    state.toolPanelDragging = false;
}

bool passStartGate(LoopState& state, LoopClock::time_point now)
{
    if (!state.waitingForStartGate) return true;
    if (!fileExists(state.startGatePath)) {
        SDL_Log("Recorder bereit; Drehbuch beginnt.");
    } else if (now >= state.startGateDeadline) {
        SDL_Log("Recorder-Startsignal blieb aus; Demo startet nach 5 Sekunden.");
    } else {
        return false;
    }
    state.waitingForStartGate = false;
    return true;
}
