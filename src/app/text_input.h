#pragma once

#include <string_view>

struct LoopState;
struct Shell;
class Game;

// Typed text, byte by byte, goes to one entry: the number being typed first, then
// the slot name being typed in the menu, then the label being typed; with none open
// it is dropped. SDL's text input runs only while one of them is open.
void handleTextInput(Shell& shell, std::string_view text);

// The label entry closes, writing its text as one undo step when commit is set,
// and SDL's text input stops.
void endLabelEntry(Shell& shell, bool commit);

// The number entry commits (commit) or cancels as one undo step on the selected
// counter; SDL's text input stops once the entry has closed. A bad number keeps it open.
void finishNumberEntry(Shell& shell, bool commit);
