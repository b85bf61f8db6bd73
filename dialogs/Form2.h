#pragma once

#include "PictureDialog.h"

class QLabel;

namespace kesto::dialogs {

// The winner dialog: "THE WINNER IS" and, below it, the winner's name in
// large green letters.
class Form2 : public PictureDialog {
    Q_OBJECT

public:
    Form2();

    void setName(const QString& name);

protected:
    bool isSurface(QPoint pos) const override;

private:
    QLabel* Label1;
};

} // namespace kesto::dialogs
