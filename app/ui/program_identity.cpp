#include "app/ui/program_identity.h"

#include <QApplication>
#include <QIcon>

namespace corrolab {

QIcon ProgramIcon()
{
    return QIcon(QString(":/icons/") + kDesktopId + ".svg");
}

void SetUpProgramIdentity()
{
    QApplication::setApplicationName(kProgramName);
    QApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(ProgramIcon());
}

} // namespace corrolab
