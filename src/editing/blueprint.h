#pragma once

#include <string>
#include <vector>

#include "world/link.h"
#include "world/tile.h"

class Game;
class UndoHistory;

// A copied rectangle of the map: the construction (controls, their settings,
// their switch wires, measure wires and 5V cables) without any running state.
// Link ends and tunnel partners count from the top-left corner; power cables
// are never part of it, as they could not keep their length limit.
struct Blueprint {
    int width = 0;
    int height = 0;
    std::vector<Tile> tiles;  // row by row: index row * width + column
    std::vector<Link> controlLinks;
    std::vector<Link> measureLinks;
    std::vector<Link> dcLinks;

    bool empty() const { return width < 1 || height < 1 || tiles.empty(); }

    friend bool operator==(const Blueprint&, const Blueprint&) = default;
};

// The blueprint of the rectangle between two corners in any order, each
// moved onto the map's edge first. Empty when the rectangle cuts a bridge, a
// two-tile machine or a tunnel pair.
Blueprint copyArea(const Game& game, int x0, int y0, int x1, int y1);

// The blueprint fits with its top-left corner at (x, y): it lies on the map
// and each of its non-empty tiles meets free ground. The footprint at the
// pointer shows the answer.
bool canPlaceArea(const Game& game, const Blueprint& blueprint, int x, int y);

// Writes the blueprint with its top-left corner at (x, y): producers get
// fresh machine ids, tunnels point at their pasted partners, the wires join
// the pasted tiles; then the networks are rebuilt. Refused, with nothing
// changed, when it does not fit or an item thrown by an ejector is still in
// flight over one of its tiles. True when at least one tile was written.
bool pasteBlueprint(Game& game, const Blueprint& blueprint, int x, int y);

// The paste click: pastes as one undo step, which takes back the whole map
// as it was (a record of positions alone would demolish whatever another map
// loaded since holds there).
bool pasteArea(UndoHistory& history, Game& game, const Blueprint& blueprint, int x, int y);

// The clipboard and its two modes, kept by the shell for the whole run. In
// the copy mode a left drag spans the area to copy; in the paste mode each
// left click pastes the clipboard at the pointer tile. The clipboard stays
// until the next copy.
struct AreaClipboard {
    Blueprint blueprint;
    bool copying = false;
    bool pasting = false;
};

// Ctrl+C: the next left drag spans the area to copy.
void beginCopy(AreaClipboard& clipboard, std::string& status);

// The left release in the copy mode, with the press tile and the release
// tile: the copy replaces the clipboard, and a filled one turns to pasting.
void finishCopy(AreaClipboard& clipboard, const Game& game, int x0, int y0, int x1, int y1, std::string& status);

// Ctrl+V: pasting begins when the clipboard holds something; false otherwise.
bool beginPaste(AreaClipboard& clipboard, std::string& status);

// A left click in the paste mode, on tile (x, y); the mode stays. True when
// the paste was made.
bool pasteAt(AreaClipboard& clipboard, UndoHistory& history, Game& game, int x, int y, std::string& status);

// Esc: leaves copying and pasting and clears the status line.
void leaveClipboardModes(AreaClipboard& clipboard, std::string& status);
