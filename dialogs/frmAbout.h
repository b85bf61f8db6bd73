#pragma once

#include "PictureDialog.h"

namespace kesto::dialogs {

// The about dialog: the game's credits, all in one picture.
class frmAbout : public PictureDialog {
    Q_OBJECT

public:
    frmAbout();
};

} // namespace kesto::dialogs
