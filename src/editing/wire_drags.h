#pragma once

#include "editing/cables_and_wires.h"
#include "editing/tool.h"
#include "world/link.h"

class Game;
class MultiSelection;
class UndoHistory;
struct Interaction;

// Laying a link by dragging: a left drag from a signal component lays a
// switch wire (under most tools), a left drag with Ctrl from a 5V connector
// lays a 5V cable. Lives from the left press to the left release; x < 0 when
// none. The shell ends it on a press of another button, a wheel turn or the
// window losing focus.
struct WireDrag {
    int x = -1;  // start tile
    int y = -1;
    int input = 0;     // the half of the press
    int param = 0;     // the quarter of the press
    int pointerX = 0;  // last pointer position in window pixels, for the preview
    int pointerY = 0;
    bool moved = false;  // the pointer has left the start tile
    bool isDc = false;   // a 5V cable rather than a switch wire

    bool active() const { return x >= 0; }
};

// Moving one end of a link with the right button: the link under the press
// and the end of it nearer the pointer. Lives from the right press on a link
// to the right release; kind NO_LINK when none.
struct LinkEndDrag {
    LinkKind kind = NO_LINK;
    int index = 0;
    bool firstEnd = false;

    bool active() const { return kind != NO_LINK; }
};

// The switch wire or 5V cable the drag lays when it ends on tile (x, y), with
// the half (input) and quarter (param) of the release. With commit the link is
// added and the networks rebuilt; without, only the answer and the candidate
// (when given) are filled, for the preview. A drop never removes a link: a
// 5V cable that is there already, like a switch wire that would drive an
// input twice or close a loop, is refused.
bool addSignalLink(Game& game, const WireDrag& drag, int x, int y, int input, int param, bool commit,
                   Link* candidate = nullptr);
// The same answer and candidate without the commit, for a view of the world.
bool canAddSignalLink(const Game& game, const WireDrag& drag, int x, int y, int input, int param,
                      Link* candidate = nullptr);

// Moves the first or second end of link index of the kind to tile (x, y);
// the half and quarter of the release give the input of a two-input logic
// target and the output of a stepper source. The moved link must keep the
// rules of its kind: a power cable at most 10 tiles long on a tile with room,
// a measure wire from a sensor to a machine, a switch wire in a valid
// circuit, and no link twice. With commit it is moved and the networks
// rebuilt; without, only the answer, for the preview.
bool moveLinkEnd(Game& game, LinkKind kind, int index, bool firstEnd, int x, int y, int input, int param, bool commit);
// The same answer without the commit, for a view of the world.
bool canMoveLinkEnd(const Game& game, LinkKind kind, int index, bool firstEnd, int x, int y, int input, int param);

// What a left press starts (the shell asks only for a press on the map with
// neither Shift nor Alt): with Ctrl, a 5V drag from a 5V connector, after
// which the shell resets the interaction, drops the pending cable end and the
// press does nothing else; without, under every tool but the painting, pipe
// and cable tools, a switch-wire drag from a signal source, a switch-wire
// target or a logic component, and the press goes on as a click.
void beginWireDrag(WireDrag& drag, const Game& game, Tool tool, bool ctrl, int x, int y, TileSpot spot, int pointerX,
                   int pointerY);

// Pointer motion during a drag onto tile (x, y). True the first time it
// leaves the start tile: the shell then lets go of a held button and resets
// the interaction.
bool followWireDrag(WireDrag& drag, int x, int y, int pointerX, int pointerY);

// A press of another mouse button, a wheel turn or the window losing focus
// during a wire drag: the drag ends without a link and a held button lets
// go. True when a button was held: the shell stops capturing the mouse.
bool cancelWireDrag(Interaction& interaction, Game& game);

// What the left release of a drag did.
enum class WireDrop {
    NONE,               // no drag, or released off the map view
    LINK_LAID,          // a wire or cable was laid as one undo step
    REFUSED,            // the drop was refused; nothing changed
    SELECTION_TOGGLED,  // a Ctrl-click on a 5V connector
    SWITCH_TOGGLED,     // a click on a switch that did not become a drag
};

// The left release on tile (x, y); overMap is false over the tool palette,
// the shown minimap or outside the map view. A drag that left its start tile
// lays its link there; one that never did is a click: with Ctrl it adds or
// drops the control in the multi-selection, on a switch it flips the switch.
// The drag ends in every case.
WireDrop endWireDrag(WireDrag& drag, Game& game, UndoHistory& history, MultiSelection& selection, int x, int y,
                     TileSpot spot, bool overMap);

// The right release of an end drag on tile (x, y): the end moves there as one
// undo step when allowed. The drag ends in every case. True when it moved.
bool endLinkEndDrag(LinkEndDrag& drag, Game& game, UndoHistory& history, int x, int y, TileSpot spot, bool overMap);
