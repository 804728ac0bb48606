#pragma once

#include <SDL.h>

#include <functional>
#include <string_view>

#include "demo/demo_event_marks.h"
#include "demo/demo_targets.h"

// The synthetic input the demo player makes, field by field as the shell's input code
// reads it. Fields not set here are 0.

// Where the player's events go: SDL's queue in the game, a recorder in tests.
using DemoEventSink = std::function<void(const SDL_Event&)>;

// Hands the event to SDL's queue, from which the shell takes it in its next frame.
void pushToEventQueue(const SDL_Event& event);

// Pointer motion; `leftHeld` while a drag glides.
SDL_Event demoMotionEvent(Uint32 windowId, int x, int y, bool leftHeld);

// A button press or release; `mark` tells the shell which modifier counts as held.
SDL_Event demoButtonEvent(Uint32 windowId, Uint32 mark, Uint8 button, bool down, int x, int y);

// A key press or release; the window id carries the demo's mark.
SDL_Event demoKeyEvent(const DemoKey& key, bool down);

// The text must fit the event (DEMO_TEXT_MAX_BYTES); the caller checks.
SDL_Event demoTextEvent(Uint32 windowId, std::string_view text);

SDL_Event quitEvent();
