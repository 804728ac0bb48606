#include "machines/production_rules.h"

#include "machines/placement.h"
#include "world/tile.h"

bool entersThroughOutputFace(const Tile& tile, Direction travel)
{
    return isCompassDirection(tile.dir) && travel == oppositeDirection(tile.dir);
}

void dropFrontRecord(Fifo<ItemRecord>& records)
{
    if (!records.empty()) records.pop_front();
}

ItemRecord freshProductRecord(Tile& producer)
{
    ItemRecord product;
    product.id = stampProductId(producer);
    return product;
}
