// Renders the icon's drawing to PNGs at build time, one a size:
//   render_icon DRAWING.svg OUTPUT_FOLDER NAME SIZE...
// writes OUTPUT_FOLDER/SIZExSIZE/NAME.png. The windows carry these, so that
// they show the icon without loading Qt's SVG icon engine, and the package
// installs them into the hicolor theme.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: render_icon DRAWING.svg OUTPUT_FOLDER NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    if (!drawing.isValid()) {
        std::fprintf(stderr, "render_icon: %s is no SVG drawing\n", argv[1]);
        return 1;
    }
    for (int k = 4; k < argc; ++k) {
        const int size = QString::fromLatin1(argv[k]).toInt();
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "render_icon: %s is no icon size\n", argv[k]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.render(&painter);
        painter.end();
        const QString folder = QString::fromLocal8Bit(argv[2]) + QString("/%1x%1").arg(size);
        const QString file = folder + "/" + QString::fromLocal8Bit(argv[3]) + ".png";
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "render_icon: could not write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
