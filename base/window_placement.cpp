#include "base/window_placement.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace corrolab {

namespace {

// The box moved (not resized) so that as much of it as possible is on the screen,
// its top-left corner first.
Box KeptOnScreen(Box box, const Box& screen)
{
    box.left = std::max(screen.left, std::min(box.left, screen.right() - box.width));
    box.top = std::max(screen.top, std::min(box.top, screen.bottom() - box.height));
    return box;
}

} // namespace

Box FitOnScreen(Box window, const Box& screen)
{
    window.width = std::min(window.width, screen.width);
    window.height = std::min(window.height, screen.height);
    return KeptOnScreen(window, screen);
}

long long OverlapArea(const Box& a, const Box& b)
{
    const long long width = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const long long height = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

bool Contains(const Box& outer, const Box& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right()
        && inner.bottom() <= outer.bottom();
}

WindowPlaces PlaceBeside(const Box& screen, const Box& main, int width, int height,
    const std::vector<Box>& keepClear, int gap)
{
    const Box shown = KeptOnScreen(main, screen);
    const auto at = [&](int left, int top) { return Box {left, top, width, height}; };

    // 1. Beside the main window where it stands: right, left, below, above.
    const std::array<Box, 4> beside {at(shown.right() + gap, shown.top),
        at(shown.left - gap - width, shown.top), at(shown.left, shown.bottom() + gap),
        at(shown.left, shown.top - gap - height)};
    for (const Box& candidate : beside) {
        // Slid along the main window's edge to stay on the screen.
        const Box slid = KeptOnScreen(candidate, screen);
        if (Contains(screen, slid) && OverlapArea(slid, shown) == 0)
            return {shown, slid};
    }

    // 2. Side by side or one above the other, the main window moved to make room.
    if (shown.width + gap + width <= screen.width) {
        Box moved = shown;
        moved.left = std::min(shown.left, screen.right() - width - gap - shown.width);
        return {moved, KeptOnScreen(at(moved.right() + gap, moved.top), screen)};
    }
    if (shown.height + gap + height <= screen.height) {
        Box moved = shown;
        moved.top = std::min(shown.top, screen.bottom() - height - gap - shown.height);
        return {moved, KeptOnScreen(at(moved.left, moved.bottom() + gap), screen)};
    }

    // 3. No room: cover as little as possible of what must stay visible, the main
    // window moved to a side of the screen where that covers less; then as
    // little of the main window as possible, moving it only when that helps.
    const auto moveTo = [&](int left, int top) {
        return KeptOnScreen({left, top, shown.width, shown.height}, screen);
    };
    const std::array<Box, 7> mains {shown, moveTo(screen.left, shown.top),
        moveTo(screen.right() - shown.width, shown.top), moveTo(screen.left, screen.top),
        moveTo(screen.right() - shown.width, screen.top),
        moveTo(screen.left, screen.bottom() - shown.height),
        moveTo(screen.right() - shown.width, screen.bottom() - shown.height)};
    WindowPlaces best {shown, KeptOnScreen(beside[0], screen)};
    std::tuple<long long, bool, long long> bestCost {-1, false, 0};
    for (const Box& main : mains) {
        const int dx = main.left - shown.left;
        const int dy = main.top - shown.top;
        const std::array<int, 4> lefts {
            main.right() + gap, main.left - gap - width, screen.left, screen.right() - width};
        const std::array<int, 5> tops {main.top, main.bottom() + gap, main.top - gap - height,
            screen.top, screen.bottom() - height};
        for (int left : lefts)
            for (int top : tops) {
                const Box candidate = KeptOnScreen(at(left, top), screen);
                long long covered = 0;
                for (const Box& part : keepClear)
                    covered += OverlapArea(
                        candidate, {part.left + dx, part.top + dy, part.width, part.height});
                const auto cost
                    = std::make_tuple(covered, main != shown, OverlapArea(candidate, main));
                if (std::get<0>(bestCost) < 0 || cost < bestCost) {
                    best = {main, candidate};
                    bestCost = cost;
                }
            }
    }
    return best;
}

} // namespace corrolab
