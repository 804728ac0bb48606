#include "world/game.h"

// Smooth motion, ejectors and arms are not built yet.
void Game::moveItems(float) {}

void Game::landThrownItems() {}

void Game::stepEjectors(float) {}

void Game::rotateArms(float) {}

void Game::pickUpItems() {}
