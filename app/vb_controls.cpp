#include "app/vb_controls.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QLineEdit>
#include <QPlainTextEdit>
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

} // namespace corrolab
