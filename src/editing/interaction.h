#pragma once

#include <string>

#include "editing/cables_and_wires.h"
#include "editing/labels.h"
#include "editing/selection.h"
#include "editing/switches_buttons.h"
#include "editing/wire_drags.h"

class Game;

// What the player is in the middle of on the map, kept by the shell beside
// the stroke: the held button, the selected control, the label being
// typed, the first end of a cable or wire, the link being dragged, and the
// status line.
struct Interaction {
    HeldButton heldButton;
    ControlSelection selection;
    LabelEntry label;
    PendingLinkEnd pendingLinkEnd;
    WireDrag wireDrag;
    LinkEndDrag linkEndDrag;
    std::string statusText;
};

// Cancels what is under way: lets go of the held button, closes the label
// entry without writing, drops the selection and the status text. The
// pending end of a cable or wire stays, so a click in between does not lose it.
void resetInteraction(Interaction& interaction, Game& game);

// After an undo or when another tool is picked: the pending end of a cable
// or wire goes too, and so do the drags, whose links the undo may have
// taken away.
void cancelInteraction(Interaction& interaction, Game& game);
