#include "persistence/map_fields.h"

#include <cmath>

#include "persistence/item_records.h"

namespace {

bool inRange(double value, const FieldRange& range)
{
    const bool aboveLow = range.lowOpen ? value > range.low : value >= range.low;
    const bool belowHigh = range.highOpen ? value < range.high : value <= range.high;
    return aboveLow && belowHigh;
}

// Float fields are compared with their bounds as floats, so that a value the
// game stores as 0.18f passes a bound of 0.18.
FieldRange asFloatBounds(FieldRange range)
{
    range.low = static_cast<float>(range.low);
    range.high = static_cast<float>(range.high);
    return range;
}

std::uint32_t countLimit(const FieldRange& range)
{
    return std::isfinite(range.high) ? static_cast<std::uint32_t>(range.high) : 0;
}

bool labelled(int version) { return version >= FIRST_LABELLED_VERSION; }

}  // namespace

int cargoTypeCountForVersion(int version)
{
    return version < FIRST_VERSION_WITH_THIRTEEN_CARGO ? 10 : CARGO_TYPE_COUNT;
}

bool readFieldValue(std::istream& in, int& value, const FieldRange& range, int)
{
    return readInt(in, value) && inRange(value, range);
}

bool readFieldValue(std::istream& in, std::uint32_t& value, const FieldRange& range, int)
{
    const std::uint32_t allowed = std::isfinite(range.high) ? static_cast<std::uint32_t>(range.high) : ~0u;
    return readBoundedUnsigned(in, value, ~0u) && (value & ~allowed) == 0;
}

// Identity numbers have no bound of their own; the record rules judge them.
bool readFieldValue(std::istream& in, std::uint64_t& value, const FieldRange&, int) { return readUnsigned(in, value); }

bool readFieldValue(std::istream& in, std::int64_t& value, const FieldRange& range, int)
{
    return readInt64(in, value) && inRange(static_cast<double>(value), range);
}

bool readFieldValue(std::istream& in, bool& value, const FieldRange&, int) { return readBool(in, value); }

bool readFieldValue(std::istream& in, float& value, const FieldRange& range, int)
{
    return readFloat(in, value) && inRange(value, asFloatBounds(range));
}

bool readFieldValue(std::istream& in, double& value, const FieldRange& range, int)
{
    return readDouble(in, value) && inRange(value, range);
}

bool readFieldValue(std::istream& in, std::string& value, const FieldRange&, int) { return readLabel(in, value); }

bool readFieldValue(std::istream& in, CargoCounts& value, const FieldRange& range, int version)
{
    value.fill(0);
    const int stored = cargoTypeCountForVersion(version);
    for (int c = 0; c < stored; ++c) {
        if (!readInt(in, value[c]) || !inRange(value[c], range)) return false;
    }
    return true;
}

bool readFieldValue(std::istream& in, std::vector<ItemId>& value, const FieldRange& range, int version)
{
    std::uint32_t count = 0;
    if (!readBoundedUnsigned(in, count, countLimit(range))) return false;
    value.clear();
    for (std::uint32_t i = 0; i < count; ++i) {
        ItemId& id = value.emplace_back();
        if (!readItemId(in, id, labelled(version)) || id.machineId == 0) return false;
    }
    return true;
}

bool readFieldValue(std::istream& in, Fifo<int>& value, const FieldRange& range, int)
{
    return readCargoDeque(in, value, countLimit(range));
}

bool readFieldValue(std::istream& in, Fifo<ItemRecord>& value, const FieldRange& range, int version)
{
    return readItemRecordDeque(in, value, countLimit(range), labelled(version));
}

bool readFieldValue(std::istream& in, ItemRecord& value, const FieldRange&, int version)
{
    return readItemRecord(in, value, labelled(version));
}

void writeFieldValue(TextOut& out, const std::string& label) { writeLabel(out, label); }

void writeFieldValue(TextOut& out, const CargoCounts& counts)
{
    for (int count : counts)
        writeValue(out, count);
}

void writeFieldValue(TextOut& out, const std::vector<ItemId>& ids)
{
    writeValue(out, static_cast<std::uint64_t>(ids.size()));
    for (const ItemId& id : ids)
        writeItemId(out, id);
}

void writeFieldValue(TextOut& out, const Fifo<int>& cargo) { writeCargoDeque(out, cargo); }

void writeFieldValue(TextOut& out, const Fifo<ItemRecord>& records) { writeItemRecordDeque(out, records); }

void writeFieldValue(TextOut& out, const ItemRecord& record) { writeItemRecord(out, record); }
