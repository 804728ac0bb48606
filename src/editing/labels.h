#pragma once

#include <string>
#include <string_view>

class Game;
class UndoHistory;

// The label being typed into a control's "ID TEXT" field. The shell keeps
// SDL's text input on while it is active.
struct LabelEntry {
    bool active = false;
    int x = -1;  // the control being labelled
    int y = -1;
    std::string buffer;
};

// Only producers carry labels: they stamp them into what they make, and the
// map reader allows labels on no other control.
bool takesLabel(const Game& game, int x, int y);

// Opens the entry for the control at (x, y), on the map: its label is the
// text to edit, unless the entry is open there already, whose typing stays.
void beginLabelEdit(LabelEntry& entry, const Game& game, int x, int y);

// Closes the entry, writing its text into the control's label first when
// commit is set and the control takes labels.
void endLabelEdit(LabelEntry& entry, Game& game, bool commit);

// Typed text: letters are upper-cased, and each character a label may hold
// goes in while the label has room; every other byte (UTF-8 letters
// included) is dropped, the rest of the text still goes in.
void typeLabelText(LabelEntry& entry, std::string_view text);

// Backspace: removes the last character, if any.
void eraseLabelChar(LabelEntry& entry);

// Return: writes the text into the label as one undo step and closes the
// entry. True when the label changed.
bool commitLabelEntry(LabelEntry& entry, Game& game, UndoHistory& history);
