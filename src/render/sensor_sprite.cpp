#include "render/sensor_sprite.h"

void drawSensorSprite(SDL_Renderer*, int, int, int, int) {}
