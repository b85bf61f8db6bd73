#include "frmAbout.h"

#include "ui/Twips.h"

namespace kesto::dialogs {

frmAbout::frmAbout()
    : PictureDialog(QStringLiteral("About Kesto"), ui::twipsSize(5235, 3720),
                    ui::Picture(QStringLiteral(":/assets/about.svg")))
{
    setObjectName(QStringLiteral("frmAbout"));
    setAccessibleName(QStringLiteral("About Kesto"));
    setAccessibleDescription(QStringLiteral(
        "Kesto. Programming: the Kesto makers. Testing: friends of the board. "
        "www.example.org/kesto. kesto@example.org. Thanks to everyone who plays fair!"));
}

} // namespace kesto::dialogs
