#pragma once

class Game;

// The last step of every successful load, once the new world is in place:
// the watching sensors take their sightings from the items they look at
// (the recorded arrival only for maps of version 28 or later) and the
// networks are refreshed at 0 seconds.
void settleLoadedWorld(Game& game, int version);
