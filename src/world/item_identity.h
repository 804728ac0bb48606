#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Identity of one produced unit: machine id 0 means anonymous.
struct ItemId {
    std::uint64_t machineId = 0;
    std::uint64_t serial = 0;
    std::string label;

    bool isAnonymous() const { return machineId == 0 && serial == 0 && label.empty(); }
    friend bool operator==(const ItemId&, const ItemId&) = default;
};

// A unit together with the units consumed to make it.
struct ItemRecord {
    ItemId id;
    std::vector<ItemId> parts;

    ItemRecord() = default;
    ItemRecord(const ItemId& identity, std::vector<ItemId>&& consumed) : id(identity), parts(std::move(consumed))
    {
        consumed.clear();
    }
    friend bool operator==(const ItemRecord&, const ItemRecord&) = default;
};
