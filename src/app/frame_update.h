#pragma once

#include "app/loop_state.h"

class Game;
class SdlSoundEngine;
struct ProductionStats;
struct Shell;

// How the world keeps time between two frames.
constexpr float MAX_FRAME_SECONDS = 0.05f;  // a longer frame slows the world rather than jumping it
constexpr float SINGLE_STEP_SECONDS = 1.0f / 60.0f;
constexpr float SKIP_STEP_SECONDS = 1.0f / 1.7f;  // one item step, the longest a skip may take at once
constexpr int MAX_SKIP_STEPS_PER_FRAME = 100;     // a long skip spreads over frames
constexpr double SKIP_DONE_BELOW = 1e-6;          // seconds of skip left that count as none
constexpr float ANIMATION_TIME_WRAP = 1000.0f;

// A time skip is being worked off: the skip buttons show "..." and take no presses,
// and the sound stays muted whatever its switch says until the skip is done.
bool skipPending(const LoopState& state);

// Real seconds from the last frame to now, capped; never below 0.
float frameSeconds(LoopClock::time_point last, LoopClock::time_point now);

// What a frame's world advance works on.
struct WorldClock {
    Game& game;
    ProductionStats& stats;
    SdlSoundEngine& sound;
    LoopState& state;
};

// Advances the world by one frame of dt real seconds, the first that applies: a
// pending time skip (paused or not, menu open or not); nothing while the menu is open
// or the game paused without a step request; one step of 1/60 s while paused; else
// `speed` steps of dt, which drop a step request left from the pause.
void advanceWorld(const WorldClock& clock, bool menuOpen, float dt);

// Everything of a frame between the input and the drawing, at the steady-clock time
// `now`, which becomes the next frame's start: the demo's step behind the recorder's
// gate, the autosave, the listener's view, the world, the panel of a selected
// control that is gone, the animation clock, the sale markers and the window title.
void updateFrame(Shell& shell, LoopClock::time_point now);
