#include "base/ui/window_place.h"

#include "base/ui/program_settings.h"
#include "base/window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace corrolab {

namespace {

bool remembered = true;

Box BoxOf(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// The available area of the screen that holds most of the rectangle, or of the
// primary screen when none does.
QRect ScreenAreaFor(const QRect& rect)
{
    QScreen* best = QGuiApplication::primaryScreen();
    int bestArea = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->availableGeometry().intersected(rect);
        const int area = common.width() * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = screen;
        }
    }
    return best ? best->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

void RestoreWindowPlace(QWidget& window, const QString& key, int defaultWidth, int defaultHeight)
{
    QRect place;
    if (remembered)
        place = ProgramSettings()->value(key + "/geometry").toRect();
    if (!place.isValid() || place.width() < 100 || place.height() < 100) {
        const QRect screen = ScreenAreaFor(QRect());
        place = QRect(0, 0, defaultWidth, defaultHeight);
        place.moveCenter(screen.center());
    }
    const Box fitted = FitOnScreen(BoxOf(place), BoxOf(ScreenAreaFor(place)));
    window.resize(fitted.width, fitted.height);
    window.move(fitted.left, fitted.top);
}

void KeepOnScreen(QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const Box fitted = FitOnScreen(BoxOf(frame), BoxOf(ScreenAreaFor(frame)));
    if (fitted == BoxOf(frame))
        return;
    // The frame adds its margins to the client size.
    window.resize(window.width() - (frame.width() - fitted.width),
        window.height() - (frame.height() - fitted.height));
    window.move(fitted.left, fitted.top);
}

void RememberWindowPlace(const QWidget& window, const QString& key)
{
    if (!remembered)
        return;
    ProgramSettings()->setValue(key + "/geometry", QRect(window.pos(), window.size()));
}

void BringToFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

void SetWindowPlacesRemembered(bool on)
{
    remembered = on;
}

} // namespace corrolab
