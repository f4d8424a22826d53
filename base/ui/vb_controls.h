#pragma once

#include <QObject>
#include <QRect>

class QColor;
class QComboBox;
class QFont;
class QLabel;
class QListWidget;
class QWidget;

namespace corrolab {

// Window positions are designed in twips; 15 twips make one pixel at 100 % scale
// (Qt's high-DPI scaling takes care of larger screens).
constexpr int TwipsToPixels(int twips)
{
    return (twips >= 0 ? twips + 7 : twips - 7) / 15;
}
QRect Twips(int left, int top, int width, int height);

// A designed window height counts the title bar and borders, which the window
// system adds outside the client area here: this much of it is not client area.
constexpr int kNonClientHeightTwips = 370;

// Fonts the windows were designed with, with sensible stand-ins where missing.
QFont DesignFont(const char* family, double pointSize, bool bold = false);

// A label at its place.
QLabel* MakeLabel(QWidget* parent, const char* caption, QRect place);

// The colour of a control's text, and of its background. The windows' designed
// colours hold where they read on the desktop's palette: a text colour too close
// to the control's ground is lightened (a dark palette) or darkened until it
// reads, so that the red and green captions keep their hue; a light ground is
// not put under a dark palette's light text, the palette's own ground stays.
void SetTextColour(QWidget* widget, const QColor& colour);
void SetBackground(QWidget* widget, const QColor& colour);

// The contrast ratio of two colours by the WCAG 2 formula: 1 (the same) to 21
// (black on white); bold and large text reads from 3 up.
double ContrastRatio(const QColor& a, const QColor& b);

// A frame in the highlight colour while the control has the focus.
void MarkFocus(QListWidget* list);

// Sets a selection from code without the control's own signal, so that the
// window runs the control's click handler itself, once and synchronously.
// True when a row is selected afterwards (the handler should run).
bool SelectFromCode(QListWidget* list, int index);
bool SelectFromCode(QComboBox* combo, int index);

// Selects the whole content of a text box when it gets the focus or is clicked,
// so that typing replaces it.
class SelectAllOnFocus : public QObject
{
public:
    explicit SelectAllOnFocus(QObject* parent)
        : QObject(parent)
    { }
    static void Install(QWidget* textBox);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool selectOnRelease_ = false;
};

} // namespace corrolab
