#pragma once

#include <SDL.h>

#include "app/loop_state.h"

struct Shell;

// Keeps a demo and the player apart. Synthetic events carry the demo's marks; in
// recording mode real input is ignored altogether, and outside it a real press stops
// a running demo.

// What becomes of one polled event before dispatch.
enum class InputVerdict {
    Pass,
    Drop,
    InterruptDemo,  // a real press during the demo: the demo stops, then the press is handled
};

// Made by the demo player: a key event marked in its window id, a motion event or a
// button event (with any of the three marks) in its mouse id.
bool isSyntheticEvent(const SDL_Event& event);

// `demoInProgress` is the demo player's isRunning; `demoMouse` keeps the real pointer
// and wheel live during a demo.
InputVerdict filterInput(const SDL_Event& event, bool recording, bool demoInProgress, bool demoMouse);

// The filter applied to the shell: an interrupting press stops the demo, ends what the
// pointer had under way and is then let through. True when the event is to be dispatched.
bool admitEvent(Shell& shell, const SDL_Event& event);

// The demo stops, its held button goes up through the queue, a stroke under way
// becomes one undo step, and no drag or press continues.
void interruptDemo(Shell& shell);

// While the recorder's gate file exists and its deadline lies ahead, the demo waits;
// false then. When the file has gone or the deadline has passed, says which in the log
// and opens the gate for good. Always true once the gate is open or was never armed.
bool passStartGate(LoopState& state, LoopClock::time_point now);
