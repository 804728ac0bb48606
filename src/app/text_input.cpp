#include "app/text_input.h"

#include <SDL.h>

#include "app/main_loop.h"
#include "editing/recorded_commands.h"

void handleTextInput(Shell& shell, std::string_view text)
{
    LoopState& state = shell.state;
    if (state.numberEntry.active) {
        typeIntoNumberEntry(state.numberEntry, text);
        // Any typing answers the error message, even typing that adds nothing.
        state.numberEntry.invalid = false;
    } else if (shell.saveMenu.state == MenuState::Rename) {
        shell.saveMenu.typeName(text);
    } else if (state.interaction.label.active) {
        typeLabelText(state.interaction.label, text);
    }
}

void endLabelEntry(Shell& shell, bool commit)
{
    LabelEntry& label = shell.state.interaction.label;
    if (commit) {
        commitLabelEntry(label, shell.game, shell.undoHistory);
    } else {
        endLabelEdit(label, shell.game, false);
    }
    SDL_StopTextInput();
}

void finishNumberEntry(Shell& shell, bool commit)
{
    NumberEntry& entry = shell.state.numberEntry;
    const ControlPick& counter = shell.state.interaction.selection.control;
    commitNumberEntry(shell.undoHistory, shell.game, entry, counter.x, counter.y, commit);
    if (!entry.active) SDL_StopTextInput();
}
