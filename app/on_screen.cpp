#include "app/on_screen.h"

#include <algorithm>

namespace corrolab {

ScreenBox FitOnScreen(ScreenBox window, ScreenBox screen)
{
    window.width = std::min(window.width, screen.width);
    window.height = std::min(window.height, screen.height);
    window.x = std::clamp(window.x, screen.x, screen.x + screen.width - window.width);
    window.y = std::clamp(window.y, screen.y, screen.y + screen.height - window.height);
    return window;
}

} // namespace corrolab
