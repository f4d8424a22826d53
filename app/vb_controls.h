#pragma once

#include <QObject>
#include <QRect>

class QWidget;
class QFont;

namespace corrolab {

// Window positions are designed in twips; 15 twips make one pixel at 100 % scale
// (Qt's high-DPI scaling takes care of larger screens).
constexpr int TwipsToPixels(int twips)
{
    return (twips >= 0 ? twips + 7 : twips - 7) / 15;
}
constexpr int PixelsToTwips(int pixels)
{
    return pixels * 15;
}
QRect Twips(int left, int top, int width, int height);

// Fonts the windows were designed with, with sensible stand-ins where missing.
QFont DesignFont(const char* family, double pointSize, bool bold = false);

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
