#include "ScriptedGame.h"

#include "Form1.h"
#include "GameKeeper.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace kesto::ui {

void ScriptedGame::startOn(Form1& window)
{
    const QString script = qEnvironmentVariable(kVariable);
    if (script.isEmpty()) {
        return;
    }
    std::vector<int> cells;
    for (const QString& word : script.split(QLatin1Char(','))) {
        bool number = false;
        const int cell = word.trimmed().toInt(&number);
        if (!number || cell < 1 || cell > kCellCount) {
            std::fprintf(stderr, "kesto: %s holds %s, not a cell from 1 to %d\n", kVariable, qUtf8Printable(word),
                         kCellCount);
            return;
        }
        cells.push_back(cell);
    }
    new ScriptedGame(window, std::move(cells));
}

ScriptedGame::ScriptedGame(Form1& window, std::vector<int> cells)
    : QObject(&window), window_(window), cells_(std::move(cells))
{
    connect(window.findChild<GameKeeper*>(), &GameKeeper::written, this, &ScriptedGame::stoneKept);
    QTimer::singleShot(0, this, [this] {
        window_.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        playNext();
    });
}

void ScriptedGame::playNext()
{
    if (played_ == cells_.size()) {
        std::puts("done");
        std::fflush(stdout);
        QCoreApplication::quit();
        return;
    }
    // A click as the pointer makes one, on the middle of the cell.
    auto* target = window_.findChild<QWidget*>(QStringLiteral("Image2(%1)").arg(cells_[played_]));
    const QPointF middle = QRectF(target->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, middle, target->mapToGlobal(middle), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &click);
    }
    ++played_;
}

void ScriptedGame::stoneKept(int stones)
{
    if (stones != static_cast<int>(played_)) {
        return;
    }
    std::printf("kept %d\n", stones);
    std::fflush(stdout);
    playNext();
}

} // namespace kesto::ui
