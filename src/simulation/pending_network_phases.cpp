#include "world/game.h"

// The network refresh is not built yet: its phases leave the world as it is.
void Game::updateNetworks(float) {}

void Game::updatePowerNetwork() {}
