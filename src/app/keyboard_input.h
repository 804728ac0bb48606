#pragma once

#include <SDL.h>

struct HeldModifiers;
struct LoopState;
struct Shell;

// The modifier keys that an SDL modifier state names.
HeldModifiers heldModifiersOf(Uint16 mod);

// A real key going down or up: the record of held modifier keys takes the
// event's own modifier state, in queue order. The demo's keys leave it alone,
// as they leave SDL's own state alone.
void followModifierKeys(LoopState& state, const SDL_KeyboardEvent& event);

// One key press, in the order that decides who takes it: F11, a press or grabbed
// link the key ends, the number entry, the dialogs Esc closes, the slot name being
// typed, then the shortcuts, and the label being typed for whatever they leave.
// Auto-repeats work only the label entry, Esc and R.
void handleKeyPress(Shell& shell, const SDL_KeyboardEvent& event);

// Esc with nothing being typed: ends the innermost thing pending, and with
// nothing pending opens the main menu.
void runEscCascade(Shell& shell);
