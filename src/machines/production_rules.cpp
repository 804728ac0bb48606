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

bool advanceJob(float& timer, float duration, float& unspent)
{
    // Compared before adding, so float rounding cannot leave a job a hair short.
    const float remaining = duration - timer;
    if (unspent < remaining) {
        timer += unspent;
        unspent = 0.0f;
        return false;
    }
    unspent -= remaining;
    return true;
}

ItemRecord freshProductRecord(Tile& producer)
{
    ItemRecord product;
    product.id = stampProductId(producer);
    return product;
}
