#pragma once

namespace corrolab {

// A rectangle in screen pixels.
struct ScreenBox
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ScreenBox&, const ScreenBox&) = default;
};

// The window moved (and, if it is larger than the screen, shrunk) so that it
// lies fully on the screen's available area; unchanged when it already does.
ScreenBox FitOnScreen(ScreenBox window, ScreenBox screen);

} // namespace corrolab
