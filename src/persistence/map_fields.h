#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <limits>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "persistence/map_format.h"
#include "persistence/map_tokens.h"
#include "world/cargo.h"
#include "world/fifo.h"
#include "world/item_identity.h"

using CargoCounts = std::array<int, CARGO_TYPE_COUNT>;

// What the reader accepts for one field. Numbers must lie in [low, high]
// (either end open when marked so); a mask field may only have the bits of
// high set; a queue or list may hold at most high elements.
struct FieldRange {
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    bool highOpen = false;
    bool lowOpen = false;
};

constexpr FieldRange ANY_VALUE{};
constexpr FieldRange NOT_NEGATIVE{0.0};
constexpr FieldRange rangeBelow(double high) { return FieldRange{0.0, high, true}; }
constexpr FieldRange allowedBits(std::uint32_t bits) { return FieldRange{0.0, static_cast<double>(bits)}; }
constexpr FieldRange atMost(double count) { return FieldRange{0.0, count}; }

template <typename Record>
using FieldMember =
    std::variant<int Record::*, std::uint32_t Record::*, std::uint64_t Record::*, std::int64_t Record::*,
                 bool Record::*, float Record::*, double Record::*, std::string Record::*, CargoCounts Record::*,
                 std::vector<ItemId> Record::*, Fifo<int> Record::*, Fifo<ItemRecord> Record::*, ItemRecord Record::*>;

// One field of a map record: where it lives, the versions that carry it and
// its bound. Writer and reader both walk the same table.
template <typename Record> struct MapField {
    FieldMember<Record> member;
    int since = OLDEST_MAP_VERSION;
    FieldRange range = ANY_VALUE;
    int until = MAP_VERSION;
};

// The reading and writing of one field value, by its type.
bool readFieldValue(std::istream& in, int& value, const FieldRange& range, int version);
bool readFieldValue(std::istream& in, std::uint32_t& value, const FieldRange& range, int version);
bool readFieldValue(std::istream& in, std::uint64_t& value, const FieldRange& range, int version);
bool readFieldValue(std::istream& in, std::int64_t& value, const FieldRange& range, int version);
bool readFieldValue(std::istream& in, bool& value, const FieldRange& range, int version);
bool readFieldValue(std::istream& in, float& value, const FieldRange& range, int version);
bool readFieldValue(std::istream& in, double& value, const FieldRange& range, int version);
bool readFieldValue(std::istream& in, std::string& value, const FieldRange& range, int version);
bool readFieldValue(std::istream& in, CargoCounts& value, const FieldRange& range, int version);
bool readFieldValue(std::istream& in, std::vector<ItemId>& value, const FieldRange& range, int version);
bool readFieldValue(std::istream& in, Fifo<int>& value, const FieldRange& range, int version);
bool readFieldValue(std::istream& in, Fifo<ItemRecord>& value, const FieldRange& range, int version);
bool readFieldValue(std::istream& in, ItemRecord& value, const FieldRange& range, int version);

void writeFieldValue(TextOut& out, const std::string& label);
void writeFieldValue(TextOut& out, const CargoCounts& counts);
void writeFieldValue(TextOut& out, const std::vector<ItemId>& ids);
void writeFieldValue(TextOut& out, const Fifo<int>& cargo);
void writeFieldValue(TextOut& out, const Fifo<ItemRecord>& records);
void writeFieldValue(TextOut& out, const ItemRecord& record);
template <typename Number> void writeFieldValue(TextOut& out, Number value) { writeValue(out, value); }

// Reads the fields that the version carries, in table order.
template <typename Record>
bool readFields(std::istream& in, Record& record, std::span<const MapField<Record>> fields, int version)
{
    for (const MapField<Record>& field : fields) {
        if (version < field.since || version > field.until) continue;
        bool ok = std::visit([&](auto member) { return readFieldValue(in, record.*member, field.range, version); },
                             field.member);
        if (!ok) return false;
    }
    return true;
}

// Writes the fields of the current version, in table order.
template <typename Record>
void writeFields(TextOut& out, const Record& record, std::span<const MapField<Record>> fields)
{
    for (const MapField<Record>& field : fields) {
        if (field.until < MAP_VERSION) continue;
        std::visit([&](auto member) { writeFieldValue(out, record.*member); }, field.member);
    }
}

// Cargo kinds of the per-kind counters: 10 before version 16, then 13.
int cargoTypeCountForVersion(int version);
