#pragma once

#include "world/direction.h"
#include "world/fifo.h"
#include "world/item_identity.h"

struct Tile;

// Small rules the production machines and the storage share.

// Whether an item travelling this way would come in through the tile's output
// face. A tile without a compass direction has no such face.
bool entersThroughOutputFace(const Tile& tile, Direction travel);

// Removes the front record if there is one: a record queue can be shorter
// than its counts after loading an older map, and the work must go on.
void dropFrontRecord(Fifo<ItemRecord>& records);

// Spends time from `unspent` on a job of `duration` seconds. True when the
// job is done, with `unspent` lowered by what it took; else the timer keeps
// all of it and `unspent` is 0.
bool advanceJob(float& timer, float duration, float& unspent);

// The record of a freshly made product: the producer's stamp, no parts.
ItemRecord freshProductRecord(Tile& producer);

// Sizes the record queues of a machine, storage or sink for as many records
// as it holds, so that filling them later allocates nothing.
void reserveRecordQueues(Tile& tile);
