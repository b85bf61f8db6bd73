#pragma once

#include "Types.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kesto {

// What the computer player has already learnt about positions it met before,
// reached by another order of the same moves. Positions are known by a
// 64-bit key; a newer entry simply replaces an older one in its slot.
class TranspositionTable {
public:
    enum class Bound : std::int8_t { Exact, Lower, Upper };

    struct Entry {
        std::uint64_t key = 0;
        std::int32_t score = 0;
        std::int16_t depth = -1; // -1: the slot is unused
        CellIndex move = 0;
        Bound bound = Bound::Exact;
    };

    // Empties the table and gives it 2 to the power `slotsLog2` slots. A new
    // table has none, and keeps nothing until it is reset.
    void reset(std::size_t slotsLog2) { entries_.assign(std::size_t{1} << slotsLog2, Entry{}); }

    // The entry for `key`, or nullptr when none is kept.
    const Entry* find(std::uint64_t key) const
    {
        if (entries_.empty()) {
            return nullptr;
        }
        const Entry& entry = entries_.at(key & (entries_.size() - 1));
        return entry.depth >= 0 && entry.key == key ? &entry : nullptr;
    }

    void store(const Entry& entry)
    {
        if (!entries_.empty()) {
            entries_.at(entry.key & (entries_.size() - 1)) = entry;
        }
    }

private:
    std::vector<Entry> entries_;
};

} // namespace kesto
