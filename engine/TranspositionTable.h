#pragma once

#include "game/Types.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kesto::engine {

// What the computer player has already learnt about positions it met
// before, reached by another order of the same moves or on an earlier move
// of the same game. Positions are known by a 64-bit key. A slot keeps the
// deeper of two results, unless the one it holds is from an earlier move.
class TranspositionTable {
public:
    enum class Bound : std::int8_t { Exact, Lower, Upper };

    struct Entry {
        std::uint64_t key = 0;
        std::int32_t score = 0;
        std::int16_t depth = -1; // -1: the slot is unused
        CellIndex move = 0;
        Bound bound = Bound::Exact;
        std::uint8_t age = 0;
    };

    // Empties the table and gives it 2 to the power `slotsLog2` slots.
    void reset(std::size_t slotsLog2)
    {
        entries_.assign(std::size_t{1} << slotsLog2, Entry{});
        age_ = 0;
    }

    // A new move of the game: what is kept so far may give way to newer work.
    void nextMove() { ++age_; }

    // The entry for `key`, or nullptr when none is kept.
    const Entry* find(std::uint64_t key) const
    {
        if (entries_.empty()) {
            return nullptr;
        }
        const Entry& entry = entries_.at(key & (entries_.size() - 1));
        return entry.depth >= 0 && entry.key == key ? &entry : nullptr;
    }

    void store(Entry entry)
    {
        if (entries_.empty()) {
            return;
        }
        Entry& slot = entries_.at(entry.key & (entries_.size() - 1));
        if (slot.key == entry.key || slot.age != age_ || slot.depth <= entry.depth) {
            entry.age = age_;
            slot = entry;
        }
    }

private:
    std::vector<Entry> entries_;
    std::uint8_t age_ = 0;
};

} // namespace kesto::engine
