#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace kesto {

// A fixed-size array whose valid indices run from 1 to N, as the game record
// counts its cells, line slots and players. Every access is bounds-checked:
// an index outside 1..N throws std::out_of_range instead of touching memory.
template <typename T, std::size_t N>
class OneBasedArray {
public:
    static constexpr int first = 1;
    static constexpr int last = static_cast<int>(N);

    T& at(int index) { return items_[slot(index)]; }
    const T& at(int index) const { return items_[slot(index)]; }

    void fill(const T& value) { items_.fill(value); }

    friend bool operator==(const OneBasedArray&, const OneBasedArray&) = default;

private:
    static std::size_t slot(int index)
    {
        if (index < first || index > last) {
            throw std::out_of_range("index " + std::to_string(index) + " outside 1.."
                                    + std::to_string(last));
        }
        return static_cast<std::size_t>(index - first);
    }

    std::array<T, N> items_{};
};

} // namespace kesto
