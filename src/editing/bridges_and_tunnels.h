#pragma once

class Game;

// Controls of more than one tile that let cargo cross other traffic. Neither
// rebuilds the networks: the next frame does.

// Builds a bridge of three tiles in a row with its deck over (x, y), running
// east, or turns the bridge that (x, y) belongs to a quarter clockwise about
// its deck. A bridge always crosses a belt under its deck: a direction along
// that belt is skipped. Refused, with nothing changed, when a tile would lie
// off the map, hold an item, put a ramp on an occupied tile or cross another
// bridge, or when an item stands on the bridge being turned.
bool placeBridge(Game& game, int x, int y);

// Joins the entrance (x1, y1) and the exit (x2, y2), anywhere on the map, as
// one tunnel; the exit faces from the entrance along the larger distance
// (east or west on a tie). Both ends need buildable ground.
bool placeTunnel(Game& game, int x1, int y1, int x2, int y2);

// A click of the TUNNEL tool on (x, y). The first click chooses buildable
// ground as the entrance; the second builds the tunnel to it and forgets the
// entrance, or, when refused, keeps the entrance for the next click. Only the
// second click changes the map, so its press is the tunnel's one undo step.
// The entrance is (-1, -1) while none is chosen. True when a tunnel was built.
bool clickTunnelTool(Game& game, int& entranceX, int& entranceY, int x, int y);
