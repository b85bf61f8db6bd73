#pragma once

// Seeded random sequences of everything a player or a timer can do, and the
// report of a sequence that went wrong.

#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <random>

namespace randomplay {

enum class Kind { Click, Point, Reset, ClockTick, BlinkTick, BannerTick, About, CloseDialog };

struct Event {
    Kind kind;
    int cell = 0; // for clicks and pointing

    QString text() const
    {
        switch (kind) {
        case Kind::Click: return QStringLiteral("click %1").arg(cell);
        case Kind::Point: return QStringLiteral("point %1").arg(cell);
        case Kind::Reset: return QStringLiteral("reset");
        case Kind::ClockTick: return QStringLiteral("clock tick");
        case Kind::BlinkTick: return QStringLiteral("blink tick");
        case Kind::BannerTick: return QStringLiteral("banner tick");
        case Kind::About: return QStringLiteral("about");
        case Kind::CloseDialog: return QStringLiteral("close a dialog");
        }
        return {};
    }
};

// Draws events. Each player's clicks tend to follow a line of their own, so
// that runs grow and games are won; pointing keeps near the last click.
class EventSource {
public:
    EventSource(unsigned seed, bool withDialogs) : random_(seed), withDialogs_(withDialogs) {}

    Event next()
    {
        const int roll = std::uniform_int_distribution<int>(0, 99)(random_);
        if (roll < 40) {
            return {Kind::Click, lineCell()};
        }
        if (roll < 65) {
            return {Kind::Point, nearbyCell()};
        }
        if (roll < 67) {
            return {Kind::Reset};
        }
        if (roll < 78) {
            return {Kind::ClockTick};
        }
        if (roll < 88) {
            return {Kind::BlinkTick};
        }
        if (roll < 95 || !withDialogs_) {
            return {Kind::BannerTick};
        }
        return roll < 97 ? Event{Kind::About} : Event{Kind::CloseDialog};
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

private:
    // The two players' lines: a start, a step in one of eight directions,
    // and how far along it the next click goes.
    struct Line {
        int row = 0;
        int column = 0;
        int dRow = 0;
        int dColumn = 1;
        int length = 0;
    };

    int lineCell()
    {
        Line& line = lines_.at(static_cast<std::size_t>(clicks_++ % 2));
        int row = line.row + line.dRow * line.length;
        int column = line.column + line.dColumn * line.length;
        if (pick(8) == 0 || row < 0 || row > 9 || column < 0 || column > 9) {
            line.row = row = pick(10);
            line.column = column = pick(10);
            do {
                line.dRow = pick(3) - 1;
                line.dColumn = pick(3) - 1;
            } while (line.dRow == 0 && line.dColumn == 0);
            line.length = 0;
        }
        ++line.length;
        last_ = row * 10 + column + 1;
        return last_;
    }

    int nearbyCell()
    {
        if (pick(10) == 0) {
            last_ = 1 + pick(100);
        } else {
            const int row = std::clamp((last_ - 1) / 10 + pick(3) - 1, 0, 9);
            const int column = std::clamp((last_ - 1) % 10 + pick(3) - 1, 0, 9);
            last_ = row * 10 + column + 1;
        }
        return last_;
    }

    std::mt19937 random_;
    bool withDialogs_;
    std::array<Line, 2> lines_{};
    int clicks_ = 0;
    int last_ = 45;
};

// The failing seed and the events up to the first mismatch: the shortest
// prefix of the sequence that goes wrong.
inline QString report(unsigned seed, const QStringList& prefix, const QString& mismatch)
{
    return QStringLiteral("seed %1, after %2 events: %3\nevents: %4")
        .arg(seed)
        .arg(prefix.size())
        .arg(mismatch, prefix.join(QStringLiteral(", ")));
}

} // namespace randomplay
