#include "frmAbout.h"

#include "widgets/Twips.h"

namespace kesto::dialogs {

frmAbout::frmAbout()
    : PictureDialog(QStringLiteral("About Kesto"), widgets::twipsSize(5235, 3720),
                    widgets::Picture(QStringLiteral(":/assets/about.svg")))
{
    setObjectName(QStringLiteral("frmAbout"));
    setAccessibleName(QStringLiteral("About Kesto"));
    setAccessibleDescription(QStringLiteral(
        "Kesto. Programming: the Kesto makers. Testing: friends of the board. "
        "www.example.org/kesto. kesto@example.org. Thanks to everyone who plays fair!"));
}

} // namespace kesto::dialogs
