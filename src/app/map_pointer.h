#pragma once

#include <SDL.h>

struct Shell;

// The mouse over the map view: presses by the selected tool, pointer motion
// for strokes and drags, releases, and the wheel for zoom and overview
// scrolling. Every press that reaches the map is one undo step; a stroke
// becomes one at its release.

// Takes mouse buttons, motion and the wheel; false for every other event.
bool dispatchPointerEvent(Shell& shell, const SDL_Event& event);

void pressMouseButton(Shell& shell, const SDL_MouseButtonEvent& press);
void movePointer(Shell& shell, const SDL_MouseMotionEvent& motion);
void releaseMouseButton(Shell& shell, const SDL_MouseButtonEvent& release);
void turnWheel(Shell& shell, const SDL_MouseWheelEvent& wheel);
