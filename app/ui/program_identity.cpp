#include "app/ui/program_identity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

#include <cstring>

namespace corrolab {

QIcon ProgramIcon()
{
    // The sizes rendered from the drawing when the program was built ("16x16"
    // ...), as plain premultiplied pixels: nothing to decode, and neither the SVG
    // icon engine nor an image-format plugin is loaded for them.
    QIcon icon;
    for (const QString& size : QDir(":/icons").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QResource pixels(":/icons/" + size + "/" + kDesktopId + ".argb32");
        const int side = size.section('x', 0, 0).toInt();
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        if (side <= 0 || !pixels.isValid()
            || pixels.compressionAlgorithm() != QResource::NoCompression
            || pixels.size() != image.sizeInBytes())
            continue;
        std::memcpy(image.bits(), pixels.data(), static_cast<size_t>(image.sizeInBytes()));
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
