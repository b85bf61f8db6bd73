#pragma once

// The game clock's caption after a given number of one-second ticks since
// "Reset", shared by the rules' tests and the window's.

#include <QtTest>

namespace clocktable {

inline void addRows()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("shown");
    constexpr int kMinute = 60;
    constexpr int kHour = 60 * kMinute;
    QTest::newRow("1 s") << 1 << "00:00:01";
    QTest::newRow("9 s") << 9 << "00:00:09";
    QTest::newRow("10 s") << 10 << "00:00:10";
    QTest::newRow("59 s") << 59 << "00:00:59";
    QTest::newRow("60 s") << 60 << "00:01:00";
    QTest::newRow("61 s") << 61 << "00:01:01";
    QTest::newRow("10 min") << 10 * kMinute << "00:10:00";
    QTest::newRow("1 h less 1 s") << kHour - 1 << "00:59:59";
    QTest::newRow("1 h") << kHour << "01:00:00";
    QTest::newRow("1:01:01") << kHour + kMinute + 1 << "01:01:01";
    QTest::newRow("10 h") << 10 * kHour << "10:00:00";
    QTest::newRow("100 h") << 100 * kHour << "100:00:00";
}

} // namespace clocktable
