#include "app/ui/vb_controls.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
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

QFont DesignFont(const char* family, double pointSize, bool bold)
{
    QFont font(family);
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

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
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
    QFont font("MS Sans Serif");
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

} // namespace corrolab
