#include "frmAbout.h"

#include "ui/Twips.h"

namespace kesto::dialogs {

frmAbout::frmAbout()
    : PictureDialog(QStringLiteral("About Kesto"), ui::twipsSize(5235, 3720),
                    ui::Picture(QStringLiteral(":/assets/about.svg")))
{
    setObjectName(QStringLiteral("frmAbout"));
}

} // namespace kesto::dialogs
