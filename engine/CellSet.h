#pragma once

#include "game/Types.h"

#include <array>
#include <bit>
#include <cstdint>

namespace kesto::engine {

// A set of the board's cells, a bit a cell.
class CellSet {
public:
    void insert(CellIndex cell) { words_[wordOf(cell)] |= bitOf(cell); }
    void erase(CellIndex cell) { words_[wordOf(cell)] &= ~bitOf(cell); }
    bool contains(CellIndex cell) const { return (words_[wordOf(cell)] & bitOf(cell)) != 0; }
    bool empty() const { return (words_[0] | words_[1]) == 0; }

    CellSet& operator|=(const CellSet& other)
    {
        words_[0] |= other.words_[0];
        words_[1] |= other.words_[1];
        return *this;
    }

    // Calls `visit(cell)` for each cell, in order.
    template <typename Visit>
    void forEach(Visit visit) const
    {
        for (std::size_t word = 0; word < kWords; ++word) {
            for (std::uint64_t bits = words_[word]; bits != 0; bits &= bits - 1) {
                visit(static_cast<CellIndex>(word * 64 + static_cast<std::size_t>(std::countr_zero(bits))));
            }
        }
    }

private:
    static constexpr std::size_t kWords = 2;
    static_assert(kCellCount < 64 * kWords, "a cell set holds every cell");
    static std::size_t wordOf(CellIndex cell) { return static_cast<std::size_t>(cell) / 64; }
    static std::uint64_t bitOf(CellIndex cell) { return std::uint64_t{1} << (static_cast<std::size_t>(cell) % 64); }

    std::array<std::uint64_t, kWords> words_{};
};

} // namespace kesto::engine
