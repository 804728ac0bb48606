#include "render/distributor_mixer_sprite.h"

void drawDistributorMixerSprite(SDL_Renderer*, int, int, int, int, Direction, bool, float) {}
