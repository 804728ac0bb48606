#include "editing/sensors_and_water.h"

#include "editing/grid_walk.h"
#include "world/game.h"

bool isBuildableGround(const Game& game, int x, int y)
{
    return game.inBounds(x, y) && game.tileAt(x, y).isFree() && !game.itemAt(x, y);
}

Tile& writeFreshTile(Game& game, int x, int y, ControlType type, Direction dir)
{
    Tile& tile = game.tileAt(x, y);
    tile = Tile{};
    tile.type = type;
    tile.dir = dir;
    return tile;
}

bool placeSensor(Game& game, int x, int y)
{
    if (!isBuildableGround(game, x, y)) return false;
    writeFreshTile(game, x, y, SENSOR, EAST);
    return true;
}

bool placeWaterSource(Game& game, int x, int y)
{
    if (!isBuildableGround(game, x, y)) return false;
    writeFreshTile(game, x, y, WATER_SOURCE).machineId = game.nextMachineId++;
    return true;
}

bool placeWaterPipe(Game& game, int x, int y)
{
    if (!isBuildableGround(game, x, y)) return false;
    writeFreshTile(game, x, y, WATER_PIPE);
    return true;
}

bool layPipesTowards(Game& game, int& lastX, int& lastY, int x, int y)
{
    bool laid = false;
    int nextX = lastX;
    int nextY = lastY;
    while (stepTowards(nextX, nextY, x, y) && game.inBounds(nextX, nextY)) {
        if (game.tileAt(nextX, nextY).type != WATER_PIPE) {
            if (!placeWaterPipe(game, nextX, nextY)) return laid;
            laid = true;
        }
        lastX = nextX;
        lastY = nextY;
    }
    return laid;
}
