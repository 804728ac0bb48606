#pragma once

#include <SDL.h>

struct Shell;

// One key press, in the order that decides who takes it: F11, a press or grabbed
// link the key ends, the number entry, the dialogs Esc closes, the slot name being
// typed, then the shortcuts, and the label being typed for whatever they leave.
// Auto-repeats work only the label entry, Esc and R.
void handleKeyPress(Shell& shell, const SDL_KeyboardEvent& event);

// Esc with nothing being typed: ends the innermost thing pending, and with
// nothing pending opens the main menu.
void runEscCascade(Shell& shell);
