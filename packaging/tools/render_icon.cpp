// Renders the icon's drawing at build time, one picture a size:
//   render_icon DRAWING.svg OUTPUT_FOLDER NAME SIZE...
// writes OUTPUT_FOLDER/SIZExSIZE/NAME.png, which the package installs into the
// hicolor theme, and NAME.argb32 beside it: the same pixels as this machine's
// premultiplied ARGB32 words, row by row, which the windows carry and show
// without decoding a picture or loading Qt's SVG icon engine.
#include <QDir>
#include <QFile>
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
        QFile pixels(folder + "/" + QString::fromLocal8Bit(argv[3]) + ".argb32");
        const auto bytes = static_cast<qint64>(image.sizeInBytes());
        if (!QDir().mkpath(folder) || !image.save(file, "PNG") || !pixels.open(QIODevice::WriteOnly)
            || pixels.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes) {
            std::fprintf(stderr, "render_icon: could not write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
