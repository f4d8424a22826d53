#include "base/ui/window_picture.h"

#include <QApplication>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdio>

namespace corrolab {

bool SaveWindowPicture(QWidget& window, const QString& path)
{
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "corrolab: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace corrolab
