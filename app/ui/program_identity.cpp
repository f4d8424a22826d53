#include "app/ui/program_identity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace corrolab {

QIcon ProgramIcon()
{
    // The sizes rendered from the drawing when the program was built: PNGs,
    // which Qt reads itself, so that no SVG icon engine is loaded for them.
    QIcon icon;
    for (const QString& folder : QDir(":/icons").entryList(QDir::Dirs)) { // "16x16", ...
        const int size = folder.section('x', 0, 0).toInt();
        icon.addFile(":/icons/" + folder + "/" + kDesktopId + ".png", QSize(size, size));
    }
    return icon;
}

void SetUpProgramIdentity()
{
    QApplication::setApplicationName(kProgramName);
    QApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(ProgramIcon());
}

} // namespace corrolab
