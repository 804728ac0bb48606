#include "persistence/loaded_world.h"

#include "world/game.h"

void settleLoadedWorld(Game& game, int) { game.updateNetworks(0.0f); }
