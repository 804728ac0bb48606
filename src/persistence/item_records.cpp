#include "persistence/item_records.h"

#include "world/cargo.h"

bool readItemId(std::istream& in, ItemId& id, bool labelled)
{
    id.label.clear();
    if (!readUnsigned(in, id.machineId) || !readUnsigned(in, id.serial)) return false;
    if (labelled && !readLabel(in, id.label)) return false;
    return (id.machineId == 0) == (id.serial == 0);
}

void writeItemId(TextOut& out, const ItemId& id)
{
    writeValue(out, id.machineId);
    writeValue(out, id.serial);
    writeLabel(out, id.label);
}

bool readItemRecord(std::istream& in, ItemId& id, std::vector<ItemId>& parts, bool labelled)
{
    std::uint32_t count = 0;
    if (!readItemId(in, id, labelled) || !readBoundedUnsigned(in, count, MAX_PARTS_PER_RECORD)) return false;
    parts.clear();
    for (std::uint32_t i = 0; i < count; ++i) {
        ItemId& part = parts.emplace_back();
        if (!readItemId(in, part, labelled) || part.machineId == 0) return false;
    }
    return true;
}

bool readItemRecord(std::istream& in, ItemRecord& record, bool labelled)
{
    return readItemRecord(in, record.id, record.parts, labelled);
}

void writeItemRecord(TextOut& out, const ItemId& id, const std::vector<ItemId>& parts)
{
    writeItemId(out, id);
    writeValue(out, static_cast<std::uint64_t>(parts.size()));
    for (const ItemId& part : parts)
        writeItemId(out, part);
}

void writeItemRecord(TextOut& out, const ItemRecord& record) { writeItemRecord(out, record.id, record.parts); }

bool readItemRecordDeque(std::istream& in, Fifo<ItemRecord>& records, std::uint32_t max, bool labelled)
{
    std::uint32_t count = 0;
    if (!readBoundedUnsigned(in, count, max)) return false;
    records.clear();
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!readItemRecord(in, records.emplace_back(), labelled)) return false;
    }
    return true;
}

void writeItemRecordDeque(TextOut& out, const Fifo<ItemRecord>& records)
{
    writeValue(out, static_cast<std::uint64_t>(records.size()));
    for (const ItemRecord& record : records)
        writeItemRecord(out, record);
}

bool readCargoDeque(std::istream& in, Fifo<int>& cargo, std::uint32_t max)
{
    std::uint32_t count = 0;
    if (!readBoundedUnsigned(in, count, max)) return false;
    cargo.clear();
    for (std::uint32_t i = 0; i < count; ++i) {
        int kind = 0;
        if (!readInt(in, kind) || !isCargoType(kind)) return false;
        cargo.push_back(kind);
    }
    return true;
}

void writeCargoDeque(TextOut& out, const Fifo<int>& cargo)
{
    writeValue(out, static_cast<std::uint64_t>(cargo.size()));
    for (int kind : cargo)
        writeValue(out, kind);
}
