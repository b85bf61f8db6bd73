#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace kesto::ui {

class Form1;

// A game the window plays by itself, for tests that watch a real kesto from
// outside: it presses Reset, then clicks the script's cells in turn, each
// once the previous stone is kept on the disk, and says on standard output
// "kept N" as the game with N stones is kept; "done" after the last. Only
// started when KESTO_SCRIPTED_GAME names the cells, by number, separated by
// commas.
class ScriptedGame : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kVariable = "KESTO_SCRIPTED_GAME";

    // Starts the script in the environment on `window`, if there is one.
    static void startOn(Form1& window);

private:
    ScriptedGame(Form1& window, std::vector<int> cells);
    void playNext();
    void stoneKept(int stones);

    Form1& window_;
    std::vector<int> cells_;
    std::size_t played_ = 0;
};

} // namespace kesto::ui
