#include "app/ui/program_identity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace corrolab {

QIcon ProgramIcon()
{
    // The sizes rendered from the drawing when the program was built ("16x16"
    // ...), read as the PNGs they are: Qt reads PNG itself, so neither the SVG
    // icon engine nor any image-format plugin is loaded to learn their format.
    QIcon icon;
    for (const QString& size : QDir(":/icons").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QImageReader reader(":/icons/" + size + "/" + kDesktopId + ".png", "png");
        reader.setAutoDetectImageFormat(false); // else every plugin is asked whether it reads it
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
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
