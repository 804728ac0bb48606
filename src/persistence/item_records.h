#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

#include "persistence/map_tokens.h"
#include "world/fifo.h"
#include "world/item_identity.h"

// Identities and queues as the map text holds them: an ItemId is
// "machine serial label"; an ItemRecord its id, the part count and the parts;
// a queue its element count and the elements front to back.

constexpr std::uint32_t MAX_PARTS_PER_RECORD = 1000000;

// Machine id and serial must be both 0 (anonymous) or both set. Labels are
// present from the first labelled version on; without one the label is empty.
bool readItemId(std::istream& in, ItemId& id, bool labelled);
void writeItemId(TextOut& out, const ItemId& id);

// Every part must carry a machine id. The parts grow as they are read.
bool readItemRecord(std::istream& in, ItemId& id, std::vector<ItemId>& parts, bool labelled);
bool readItemRecord(std::istream& in, ItemRecord& record, bool labelled);
void writeItemRecord(TextOut& out, const ItemId& id, const std::vector<ItemId>& parts);
void writeItemRecord(TextOut& out, const ItemRecord& record);

bool readItemRecordDeque(std::istream& in, Fifo<ItemRecord>& records, std::uint32_t max, bool labelled);
void writeItemRecordDeque(TextOut& out, const Fifo<ItemRecord>& records);

// Cargo kinds, each 0..12.
bool readCargoDeque(std::istream& in, Fifo<int>& cargo, std::uint32_t max);
void writeCargoDeque(TextOut& out, const Fifo<int>& cargo);
