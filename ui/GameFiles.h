#pragma once

#include "game/GameRecord.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace kesto::ui {

// Games saved to and opened from files in the tournament managers' form,
// through the desktop's file dialog. A file that cannot be written or
// taken is said in a message beside the window, naming the line and why.
class GameFiles : public QObject {
    Q_OBJECT

public:
    // Picks a file as the file dialog would: for saving when `saving`, for
    // opening otherwise; an empty path when the player gives up.
    using Chooser = std::function<QString(bool saving)>;

    explicit GameFiles(QWidget* window);

    // Stands in for the file dialog from now on (tests choose files so);
    // an empty chooser brings the dialog back.
    static void chooseWith(Chooser chooser);

    // Asks where, and writes `record`'s stones there.
    void save(const GameRecord& record);

    // Asks which file, and reads the game in it: a game between two people,
    // Player 1's stone first. Nothing when the player gives up or the file
    // is refused.
    std::optional<GameRecord> open();

    // Reads the game in the file at `path`, as open() does.
    std::optional<GameRecord> read(const QString& path);

private:
    QString choose(bool saving) const;
    void complain(const QString& text);

    QWidget* window_;
};

} // namespace kesto::ui
