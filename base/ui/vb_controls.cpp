#include "base/ui/vb_controls.h"

#include <algorithm>
#include <cmath>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTimer>

namespace corrolab {

QRect Twips(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

namespace {

// The family a design font is drawn with: the named one where it is installed,
// else its metric-compatible stand-in (UseDesignFonts). Naming the stand-in
// itself lets two design fonts that end up the same (Tahoma and MS Sans Serif
// both become Liberation Sans on most Linux desktops) share one resolved font,
// where each name would be matched against the system's fonts anew.
QString DrawnFamily(const char* family)
{
    if (QFontDatabase::hasFamily(family))
        return family;
    return QFont::substitute(family);
}

} // namespace

QFont DesignFont(const char* family, double pointSize, bool bold)
{
    QFont font(DrawnFamily(family));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    if (QString(family) == "Courier New")
        font.setStyleHint(QFont::TypeWriter);
    else
        font.setStyleHint(QFont::SansSerif);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* caption, QRect place)
{
    auto* label = new QLabel(caption, parent);
    label->setGeometry(place);
    return label;
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    // Relative luminance of an sRGB colour (https://www.w3.org/TR/WCAG21/#dfn-relative-luminance).
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {
// The contrast the designed colours keep: bold captions and figures read from here.
constexpr double kReadable = 3.0;
} // namespace

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    // Text areas and lists draw their text on their viewport's ground.
    const QColor ground = palette.color(
        qobject_cast<QAbstractScrollArea*>(widget) ? QPalette::Base : widget->backgroundRole());
    QColor ink = colour;
    const bool darkGround = ground.lightness() < 128;
    for (int step = 0; step < 8 && ContrastRatio(ink, ground) < kReadable; ++step)
        ink = darkGround ? QColor::fromHsl(
                  ink.hslHue(), ink.hslSaturation(), std::min(255, ink.lightness() + 24))
                         : ink.darker(125);
    if (ContrastRatio(ink, ground) < kReadable)
        ink = palette.color(QPalette::Text);
    palette.setColor(QPalette::WindowText, ink);
    palette.setColor(QPalette::Text, ink);
    widget->setPalette(palette);
}

void SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    if (ContrastRatio(palette.color(QPalette::Text), colour) < kReadable)
        return; // the palette's own ground stays under its text
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void MarkFocus(QListWidget* list)
{
    list->setStyleSheet("QListWidget:focus { border: 2px solid palette(highlight); }");
}

bool SelectFromCode(QListWidget* list, int index)
{
    const QSignalBlocker blocker(list);
    list->setCurrentRow(index);
    return list->currentRow() >= 0;
}

bool SelectFromCode(QComboBox* combo, int index)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
    return combo->currentIndex() >= 0;
}

void SelectAllOnFocus::Install(QWidget* textBox)
{
    textBox->installEventFilter(new SelectAllOnFocus(textBox));
}

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event)
{
    const auto selectAll = [watched] {
        if (auto* line = qobject_cast<QLineEdit*>(watched))
            line->selectAll();
        else if (auto* box = qobject_cast<QPlainTextEdit*>(watched))
            box->selectAll();
    };
    if (event->type() == QEvent::FocusIn) {
        // Deferred, so that the focus change has settled first.
        QTimer::singleShot(0, watched, selectAll);
        selectOnRelease_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
    } else if (event->type() == QEvent::MouseButtonRelease && selectOnRelease_) {
        // The click that gave the focus would otherwise drop the selection;
        // later clicks place the cursor as usual.
        selectOnRelease_ = false;
        QTimer::singleShot(0, watched, selectAll);
    }
    return false;
}

void UseDesignFonts()
{
    // Metric-compatible stand-ins keep every caption inside its control where
    // the Windows fonts are missing.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Tahoma", "Liberation Sans");
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QApplication::setFont(DesignFont("MS Sans Serif", 8.25));
}

} // namespace corrolab
