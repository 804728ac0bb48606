#include "world/game.h"

// The belt step and machine outputs are not built yet.
void Game::stepItems(bool, bool, int) {}

void Game::spawnMachineOutputs(bool, bool) {}
