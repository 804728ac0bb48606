#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/recording_input.h"
#include "app/shell_fixture.h"
#include "app/start_up.h"
#include "demo/demo_event_marks.h"
#include "support/scratch_directory.h"

namespace {

constexpr Uint32 REAL_WINDOW = 1;
constexpr Uint32 REAL_MOUSE = 0;

SDL_Event keyEvent(Uint32 type, Uint32 windowId)
{
    SDL_Event event{};
    event.type = type;
    event.key.windowID = windowId;
    event.key.keysym.sym = SDLK_SPACE;
    return event;
}

SDL_Event pointerEvent(Uint32 type, Uint32 which)
{
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEMOTION) event.motion.which = which;
    if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) event.button.which = which;
    if (type == SDL_MOUSEWHEEL) event.wheel.which = which;
    return event;
}

SDL_Event plainEvent(Uint32 type)
{
    SDL_Event event{};
    event.type = type;
    return event;
}

char verdictLetter(InputVerdict verdict)
{
    switch (verdict) {
    case InputVerdict::Pass:
        return 'P';
    case InputVerdict::Drop:
        return 'D';
    case InputVerdict::InterruptDemo:
        return 'I';
    }
    return '?';
}

}  // namespace

TEST(RecordingInput, EachEventPassesOrIsDroppedByTheDemosStateAndRecording)
{
    // Columns: no demo; a demo running; running with "--demo_mouse"; recording while the
    // demo runs; recording with "--demo_mouse"; recording after the demo's last command.
    struct Column {
        bool recording;
        bool demoInProgress;
        bool demoMouse;
    };
    const Column columns[] = {{false, false, false}, {false, true, false}, {false, true, true},
                              {true, true, false},   {true, true, true},   {true, false, false}};
    struct Case {
        const char* name;
        SDL_Event event;
        const char* verdicts;
    };
    const std::vector<Case> cases = {
        {"real key press", keyEvent(SDL_KEYDOWN, REAL_WINDOW), "PIIDDD"},
        {"demo key press", keyEvent(SDL_KEYDOWN, DEMO_EVENT_MARK), "PPPPPP"},
        {"real key release", keyEvent(SDL_KEYUP, REAL_WINDOW), "PPPDDD"},
        {"demo key release", keyEvent(SDL_KEYUP, DEMO_EVENT_MARK), "PPPPPP"},
        {"real motion", pointerEvent(SDL_MOUSEMOTION, REAL_MOUSE), "PDPDDD"},
        {"demo motion", pointerEvent(SDL_MOUSEMOTION, DEMO_EVENT_MARK), "PPPPPP"},
        {"motion with the Shift mark", pointerEvent(SDL_MOUSEMOTION, DEMO_SHIFT_MARK), "PDPDDD"},
        {"real button press", pointerEvent(SDL_MOUSEBUTTONDOWN, REAL_MOUSE), "PIIDDD"},
        {"demo button press", pointerEvent(SDL_MOUSEBUTTONDOWN, DEMO_EVENT_MARK), "PPPPPP"},
        {"demo press with Shift", pointerEvent(SDL_MOUSEBUTTONDOWN, DEMO_SHIFT_MARK), "PPPPPP"},
        {"demo press with Ctrl", pointerEvent(SDL_MOUSEBUTTONDOWN, DEMO_CTRL_MARK), "PPPPPP"},
        {"real button release", pointerEvent(SDL_MOUSEBUTTONUP, REAL_MOUSE), "PPPDDD"},
        {"demo release with Ctrl", pointerEvent(SDL_MOUSEBUTTONUP, DEMO_CTRL_MARK), "PPPPPP"},
        {"real wheel", pointerEvent(SDL_MOUSEWHEEL, REAL_MOUSE), "PDPDDD"},
        {"wheel with the demo's mark", pointerEvent(SDL_MOUSEWHEEL, DEMO_EVENT_MARK), "PDPDDD"},
        {"text input", plainEvent(SDL_TEXTINPUT), "PPPPPP"},
        {"window event", plainEvent(SDL_WINDOWEVENT), "PPPPPP"},
        {"quit", plainEvent(SDL_QUIT), "PPPPPP"},
    };
    for (const Case& c : cases) {
        std::string verdicts;
        for (const Column& column : columns)
            verdicts += verdictLetter(filterInput(c.event, column.recording, column.demoInProgress, column.demoMouse));
        EXPECT_EQ(verdicts, c.verdicts) << c.name;
    }
}

TEST(RecordingInput, ARealPressStopsTheDemoOnceAndEndsWhatThePointerHadUnderWay)
{
    ShellFixture f(3);
    // A belt stroke half drawn by the demo, a pan and a carried control.
    {
        UndoGuard press(f.undoHistory, f.game);
        beginBeltStroke(f.state.stroke, press, f.game, 10, 10);
    }
    continueStroke(f.state.stroke, f.game, 13, 10);
    f.state.panning = true;
    f.state.toolPanelDragging = true;
    f.state.moveDrag.active = true;
    f.state.ctrlRect.active = true;

    SdlLogCapture log;
    EXPECT_FALSE(admitEvent(f.shell, pointerEvent(SDL_MOUSEMOTION, REAL_MOUSE)));
    EXPECT_TRUE(admitEvent(f.shell, pointerEvent(SDL_MOUSEBUTTONUP, REAL_MOUSE)));
    EXPECT_TRUE(f.demoPlayer.isRunning()) << "a release does not interrupt";

    EXPECT_TRUE(admitEvent(f.shell, keyEvent(SDL_KEYDOWN, REAL_WINDOW)));
    EXPECT_FALSE(f.demoPlayer.isRunning());
    EXPECT_EQ(f.state.stroke.kind, StrokeKind::NONE);
    EXPECT_EQ(f.undoHistory.size(), 1u) << "the stroke is one undo step";
    EXPECT_FALSE(f.state.panning || f.state.toolPanelDragging || f.state.moveDrag.active || f.state.ctrlRect.active);
    ASSERT_TRUE(f.undoHistory.undo(f.game));
    EXPECT_EQ(f.game.tileAt(11, 10).type, EMPTY);

    // Afterwards real input is the player's, and queued demo events are taken as any other.
    EXPECT_TRUE(admitEvent(f.shell, pointerEvent(SDL_MOUSEBUTTONDOWN, REAL_MOUSE)));
    EXPECT_TRUE(admitEvent(f.shell, pointerEvent(SDL_MOUSEMOTION, REAL_MOUSE)));
    EXPECT_TRUE(admitEvent(f.shell, pointerEvent(SDL_MOUSEBUTTONUP, DEMO_EVENT_MARK)));
    EXPECT_EQ(log.count("Demo durch Benutzereingabe unterbrochen"), 1);
}

TEST(RecordingInput, RecordingIgnoresRealPressesAndKeepsTheDemoGoing)
{
    ShellFixture f(3);
    f.state.recording = true;
    SdlLogCapture log;
    EXPECT_FALSE(admitEvent(f.shell, keyEvent(SDL_KEYDOWN, REAL_WINDOW)));
    EXPECT_FALSE(admitEvent(f.shell, pointerEvent(SDL_MOUSEBUTTONDOWN, REAL_MOUSE)));
    EXPECT_TRUE(admitEvent(f.shell, plainEvent(SDL_QUIT)));
    EXPECT_TRUE(f.demoPlayer.isRunning());
    EXPECT_TRUE(log.lines().empty());
}

TEST(RecordingInput, TheStartGateHoldsTheDemoUntilTheRecorderIsReadyOrFiveSecondsHavePassed)
{
    ScratchDirectory scratch;
    const LoopClock::time_point start{};
    const auto at = [&](double seconds) {
        return start + std::chrono::duration_cast<LoopClock::duration>(std::chrono::duration<double>(seconds));
    };
    struct Case {
        const char* name;
        bool demo;
        bool fileAtStart;
        double removedAt;  // seconds after start-up; negative: the file stays
        double opensAt;    // the first of the frames below in which the demo steps
        const char* logLine;
    };
    const std::vector<Case> cases = {
        {"recorder ready after 2 s", true, true, 2.0, 2.0, "Recorder bereit; Drehbuch beginnt."},
        {"recorder never ready", true, true, -1.0, 5.0,
         "Recorder-Startsignal blieb aus; Demo startet nach 5 Sekunden."},
        {"no gate file at start-up", true, false, -1.0, 0.0, nullptr},
        {"no demo", false, true, -1.0, 0.0, nullptr},
    };
    const double frames[] = {0.0, 1.0, 1.9, 2.0, 3.0, 4.99, 5.0, 6.0};
    for (const Case& c : cases) {
        const std::filesystem::path gate = scratch.path / "gate";
        std::filesystem::remove(gate);
        if (c.fileAtStart) scratch.write("gate", "");
        Options options;
        if (c.demo) options.demoScript = "demo.txt";
        RecordingEnvironment environment;
        environment.startGate = gate.string();
        LoopState state;
        armStartGate(state, options, environment, start);

        SdlLogCapture log;
        double opened = -1.0;
        for (double frame : frames) {
            if (c.removedAt >= 0.0 && frame >= c.removedAt) std::filesystem::remove(gate);
            if (passStartGate(state, at(frame)) && opened < 0.0) opened = frame;
        }
        EXPECT_EQ(opened, c.opensAt) << c.name;
        const std::vector<std::string> expected =
            c.logLine ? std::vector<std::string>{c.logLine} : std::vector<std::string>{};
        EXPECT_EQ(log.lines(), expected) << c.name;
    }
}
