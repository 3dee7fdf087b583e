// How the B-format plug-ins declare their parameters: one row per parameter, in host index
// order, holding everything that would otherwise live in lists that must agree (names,
// labels, display texts, program defaults, program layout and replay order).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace bformat {

constexpr std::int32_t kNotStored = -1;

template <typename Display>
struct ParameterRow {
    const char* name;
    const char* label;
    Display display;              // how the display text is made from the value
    float defaultValue;           // what a new program holds
    std::int32_t programSlot;     // the value's float in the program record, or kNotStored
    std::int32_t replayPosition;  // when selecting a program sends this parameter, 0 first
};

// Host indices in the order selecting a program replays them.
template <typename Display, std::size_t N>
constexpr std::array<std::int32_t, N> replayOrder(const ParameterRow<Display> (&table)[N]) {
    std::array<std::int32_t, N> order{};
    for (std::size_t i = 0; i < N; ++i) order[table[i].replayPosition] = static_cast<std::int32_t>(i);
    return order;
}

// True when every replay position and every program slot is used once.
template <typename Display, std::size_t N>
constexpr bool isConsistent(const ParameterRow<Display> (&table)[N], std::size_t slotCount) {
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i].replayPosition < 0 || static_cast<std::size_t>(table[i].replayPosition) >= N) return false;
        if (table[i].programSlot != kNotStored && static_cast<std::size_t>(table[i].programSlot) >= slotCount)
            return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (table[j].replayPosition == table[i].replayPosition) return false;
            if (table[i].programSlot != kNotStored && table[j].programSlot == table[i].programSlot) return false;
        }
    }
    return true;
}

// A program record's values are floats in a row; a slot is a float's position among them.
// Copied bytewise so that the record may be a struct of named floats.
template <typename Record>
float readSlot(const Record& record, std::int32_t slot) {
    static_assert(std::is_trivially_copyable<Record>::value && sizeof(Record) % sizeof(float) == 0,
                  "a program record is floats only");
    float value;
    std::memcpy(&value, reinterpret_cast<const unsigned char*>(&record) + slot * sizeof(float), sizeof value);
    return value;
}

template <typename Record>
void writeSlot(Record& record, std::int32_t slot, float value) {
    static_assert(std::is_trivially_copyable<Record>::value && sizeof(Record) % sizeof(float) == 0,
                  "a program record is floats only");
    std::memcpy(reinterpret_cast<unsigned char*>(&record) + slot * sizeof(float), &value, sizeof value);
}

}  // namespace bformat
