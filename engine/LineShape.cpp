#include "LineShape.h"

#include <algorithm>
#include <optional>

namespace kesto::engine {

namespace {

using Code = LineCode::Code;
constexpr int kReach = LineCode::kReach;

Code markAt(Code code, int offset)
{
    return static_cast<Code>((code >> LineCode::shift(offset)) & 3U);
}

Code withMark(Code code, int offset, Code mark)
{
    return static_cast<Code>(code | (mark << LineCode::shift(offset)));
}

// Whether the stone on the cell, with `mine` marking the side's stones
// around it, stands in five or more in a row.
bool isFive(Code code, Code mine)
{
    int run = 1;
    for (int offset = -1; offset >= -kReach && markAt(code, offset) == mine; --offset) {
        ++run;
    }
    for (int offset = 1; offset <= kReach && markAt(code, offset) == mine; ++offset) {
        ++run;
    }
    return run >= kLineLength;
}

// Whether some run of five through the cell holds nothing of the other side
// and no edge.
bool fiveFits(Code code, Code mine)
{
    for (int first = -kReach; first <= 0; ++first) {
        bool clear = true;
        for (int offset = first; offset < first + kLineLength && clear; ++offset) {
            clear = offset == 0 || markAt(code, offset) == LineCode::kEmpty || markAt(code, offset) == mine;
        }
        if (clear) {
            return true;
        }
    }
    return false;
}

// Reads shapes from the most stones down: a line's shape is the best that
// one more stone of the side on it leads to.
class Classifier {
public:
    explicit Classifier(Code mine) : mine_(mine) {}

    Shape shape(Code code)
    {
        std::optional<Shape>& known = known_.at(code);
        if (!known) {
            known = classify(code);
        }
        return *known;
    }

private:
    Shape classify(Code code)
    {
        if (isFive(code, mine_)) {
            return Shape::Five;
        }
        int ways = 0;
        Shape best = Shape::None;
        for (int offset = -kReach; offset <= kReach; ++offset) {
            if (offset == 0 || markAt(code, offset) != LineCode::kEmpty) {
                continue;
            }
            const Code grown = withMark(code, offset, mine_);
            if (isFive(grown, mine_)) {
                ++ways;
            } else if (ways == 0) {
                best = std::max(best, shape(grown));
            }
        }
        if (ways > 0) {
            return ways > 1 ? Shape::OpenFour : Shape::Four;
        }
        switch (best) {
        case Shape::OpenFour:
            return Shape::ThreeOpen;
        case Shape::Four:
            return Shape::ThreeClosed;
        case Shape::ThreeOpen:
            return Shape::TwoOpen;
        case Shape::ThreeClosed:
            return Shape::TwoClosed;
        default:
            return fiveFits(code, mine_) ? Shape::One : Shape::None;
        }
    }

    Code mine_;
    std::vector<std::optional<Shape>> known_ = std::vector<std::optional<Shape>>(LineCode::kCodes);
};

} // namespace

const LineCode::Table& LineCode::table()
{
    static const Table shapes = [] {
        Table built(kCodes);
        for (Side side : {Side::Own, Side::Opponent}) {
            Classifier classifier(mark(side));
            for (std::size_t code = 0; code < built.size(); ++code) {
                built.at(code).at(slot(side)) = classifier.shape(static_cast<Code>(code));
            }
        }
        return built;
    }();
    return shapes;
}

} // namespace kesto::engine
