#include "app/frame_update.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/main_loop.h"
#include "app/map_interaction.h"
#include "app/recording_input.h"
#include "ui/income_popups.h"
#include "world/translate.h"

namespace {

const std::vector<ArmLoopSource> NO_ARM_LOOPS;

// Up to a frame's share of the pending skip, muted; the sound comes back with the
// switch's state only once all of it is done.
void runTimeSkip(const WorldClock& clock)
{
    LoopState& state = clock.state;
    clock.sound.setMuted(true);
    double skipped = 0.0;
    for (int steps = 0; steps < MAX_SKIP_STEPS_PER_FRAME && state.pendingSkip > 0.0; ++steps) {
        const float step = static_cast<float>(std::min(state.pendingSkip, static_cast<double>(SKIP_STEP_SECONDS)));
        clock.game.update(step, true);
        clock.game.advanceClock(step);
        state.pendingSkip -= step;
        skipped += step;
    }
    if (state.pendingSkip < SKIP_DONE_BELOW) {
        state.pendingSkip = 0.0;
        clock.sound.setMuted(!state.soundEnabled);
    }
    const auto seconds = static_cast<float>(skipped);
    clock.stats.update(clock.game, seconds);
    state.animationTime += seconds;
}

// The world stands, but what is derived from the tiles follows the edits, and the arm
// motors fade out.
void standStill(const WorldClock& clock)
{
    clock.game.updateNetworks(0.0f);
    clock.sound.updateArmLoops(NO_ARM_LOOPS);
}

void singleStep(const WorldClock& clock)
{
    clock.game.update(SINGLE_STEP_SECONDS, false);
    clock.game.advanceClock(SINGLE_STEP_SECONDS);
    clock.stats.update(clock.game, SINGLE_STEP_SECONDS);
    clock.sound.updateArmLoops(NO_ARM_LOOPS);
    clock.state.stepRequested = false;
}

void runAtSpeed(const WorldClock& clock, float dt)
{
    LoopState& state = clock.state;
    for (int step = 0; step < state.speed; ++step) {
        clock.game.update(dt, false);
        clock.game.advanceClock(dt);
    }
    clock.stats.update(clock.game, static_cast<float>(state.speed) * dt);
    // A step asked for while paused and left when play resumed is dropped.
    state.stepRequested = false;
}

void advanceAnimationClock(LoopState& state, bool menuOpen, float dt)
{
    if (!menuOpen && !state.paused) state.animationTime += static_cast<float>(state.speed) * dt;
    if (state.animationTime >= ANIMATION_TIME_WRAP)
        state.animationTime = std::fmod(state.animationTime, ANIMATION_TIME_WRAP);
}

// The demo takes its frame behind the recorder's gate; it may move the camera and
// open a tool group, which this frame then draws.
void stepDemo(Shell& shell, float dt, LoopClock::time_point now)
{
    LoopState& state = shell.state;
    if (!passStartGate(state, now)) return;
    shell.demoPlayer.update(dt, shell.game, state.toolPanelX, state.toolPanelY, state.camera.scrollX,
                            state.camera.scrollY, tileSize(state.camera), state.openToolGroup, state.viewWidth,
                            state.viewHeight);
}

void autosave(Shell& shell)
{
    if (shell.directory) shell.saveMenu.autosaveIfDue(shell.game, *shell.directory);
}

// The selected control's panel shows a tile that no longer holds it (demolished,
// replaced, or a bridge gone from over its deck): everything open closes once.
// Asked after the world has moved, so a panel never outlives its control by a frame.
void closeGoneInspector(Shell& shell)
{
    if (!selectedControlStands(shell.game, shell.state.interaction.selection))
        resetInteraction(shell.state, shell.game);
}

void showTitle(Shell& shell)
{
    Game& game = shell.game;
    if (!game.titleChanged) return;
    SDL_SetWindowTitle(shell.screen.window, translate(game.titleText).c_str());
    game.titleChanged = false;
}

}  // namespace

bool skipPending(const LoopState& state) { return state.pendingSkip > 0.0; }

float frameSeconds(LoopClock::time_point last, LoopClock::time_point now)
{
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now - last).count();
    return std::clamp(static_cast<float>(nanoseconds) / 1e9f, 0.0f, MAX_FRAME_SECONDS);
}

void advanceWorld(const WorldClock& clock, bool menuOpen, float dt)
{
    const LoopState& state = clock.state;
    if (skipPending(state)) {
        runTimeSkip(clock);
    } else if (menuOpen || (state.paused && !state.stepRequested)) {
        standStill(clock);
    } else if (state.paused) {
        singleStep(clock);
    } else {
        runAtSpeed(clock, dt);
    }
}

void updateFrame(Shell& shell, LoopClock::time_point now)
{
    LoopState& state = shell.state;
    const float dt = frameSeconds(state.lastFrameTime, now);
    state.lastFrameTime = now;
    stepDemo(shell, dt, now);
    autosave(shell);
    shell.sound.setView(state.camera.scrollX, state.camera.scrollY, tileSize(state.camera), state.viewWidth,
                        state.viewHeight);
    const bool menuOpen = shell.saveMenu.state != MenuState::Closed;
    advanceWorld({shell.game, shell.stats, shell.sound, state}, menuOpen, dt);
    closeGoneInspector(shell);
    advanceAnimationClock(state, menuOpen, dt);
    ageSaleMarkers(state.saleMarkers, dt, shell.game);
    shell.demoPlayer.noteSales(shell.game);
    takeIncomeEvents(state.saleMarkers, shell.game);
    showTitle(shell);
}
