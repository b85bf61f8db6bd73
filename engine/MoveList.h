#pragma once

#include "game/Types.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace kesto {

// A short list of cells that lives on the stack: the computer player builds
// many of these for every position it looks at.
class MoveList {
public:
    void push(CellIndex cell) { cells_.at(size_++) = cell; }
    void pushUnique(CellIndex cell)
    {
        if (!contains(cell)) {
            push(cell);
        }
    }
    bool contains(CellIndex cell) const { return std::find(begin(), end(), cell) != end(); }
    // Moves `cell`, if present, to the front, keeping the others in order.
    void bringForward(CellIndex cell)
    {
        CellIndex* found = std::find(begin(), end(), cell);
        if (found != end()) {
            std::rotate(begin(), found, found + 1);
        }
    }
    void clear() { size_ = 0; }

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    // Only the cells pushed can be read: anything past them throws.
    CellIndex operator[](std::size_t index) const
    {
        if (index >= size_) {
            throw std::out_of_range("move list index " + std::to_string(index));
        }
        return cells_[index];
    }
    CellIndex front() const { return (*this)[0]; }

    CellIndex* begin() { return cells_.data(); }
    CellIndex* end() { return cells_.data() + size_; }
    const CellIndex* begin() const { return cells_.data(); }
    const CellIndex* end() const { return cells_.data() + size_; }

private:
    std::array<CellIndex, kCellCount> cells_;
    std::size_t size_ = 0;
};

} // namespace kesto
