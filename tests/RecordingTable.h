#pragma once

// A game driven without a window: a view that writes down what the game
// asks it to show, and the game as the window has it after start-up.

#include "game/Game.h"

#include <QList>

#include <string>
#include <vector>

namespace recording {

// Writes down, in order, everything the game asks its window to show.
class RecordingView : public kesto::GameView {
public:
    std::vector<std::string> events;
    std::string timeCaption = "00:00:00";

    void circleChanged(kesto::CellIndex cell) override { events.push_back("circle " + std::to_string(cell)); }
    void setTurnCaption(const std::string& name) override { events.push_back("turn " + name); }
    void setTimeCaption(const std::string& time) override { timeCaption = time; }
    void switchClockTimer(bool on) override { events.push_back(on ? "clock on" : "clock off"); }
    void switchBlinkTimer(bool on) override { events.push_back(on ? "blink on" : "blink off"); }
    void showWinner(const std::string& name) override { events.push_back("winner " + name); }
    void closeWinner() override { events.push_back("winner closed"); }

    // What follows from the game after each change, kept apart from the
    // events above: the last thing said of each.
    kesto::CellIndex marked = 0;
    bool undoPossible = false;
    int computerTurns = 0;
    int recordChanges = 0;
    bool replayTimerOn = false;

    void stoneChanged(kesto::CellIndex /*cell*/) override {}
    void markComputerStone(kesto::CellIndex cell) override { marked = cell; }
    void setUndoPossible(bool possible) override { undoPossible = possible; }
    void computerToMove() override { ++computerTurns; }
    void recordChanged() override { ++recordChanges; }
    void switchReplayTimer(bool on) override { replayTimerOn = on; }
};

// A game just as the window has it after start-up.
struct Table {
    RecordingView view;
    kesto::Game game{view};

    Table() { game.Form_Load(); }

    void play(std::initializer_list<int> cells)
    {
        for (int cell : cells) {
            game.Image2_Click(static_cast<kesto::CellIndex>(cell));
        }
    }

    QList<kesto::Color> colours() const
    {
        QList<kesto::Color> all;
        for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
            all << game.boxColor(static_cast<kesto::CellIndex>(cell));
        }
        return all;
    }

    int countColoured(kesto::Color color) const { return static_cast<int>(colours().count(color)); }
};

} // namespace recording
