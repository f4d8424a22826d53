#pragma once

#include <vector>

namespace corrolab {

// A rectangle on the desktop, in pixels; right and bottom are one past the edge.
struct Box
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Box&) const = default;
};

// The window shrunk to the screen where it is larger, then moved so that it lies
// fully on the screen's available area; unchanged when it already does.
Box FitOnScreen(Box window, const Box& screen);

// The area two boxes share (0 when they do not meet).
long long OverlapArea(const Box& a, const Box& b);

// True when `inner` lies wholly inside `outer`.
bool Contains(const Box& outer, const Box& inner);

// Where the main window and a second window that opens beside it go.
struct WindowPlaces
{
    Box main; // the main window, moved only when that makes room
    Box second;
};

// Places a second window of `size` (its outer frame) next to the main window
// (`main`, its outer frame) on `screen` (the usable area): to its right, else to
// its left, below or above; else, when the two fit side by side or one above the
// other on the screen, the main window moves just enough to make room. When they
// cannot both be whole and apart, the second window goes where it covers the
// least of `keepClear` (the main window's parts that must stay visible, in
// desktop pixels), then the least of the main window. Both always end up inside
// the screen as far as their sizes allow.
WindowPlaces PlaceBeside(const Box& screen, const Box& main, int width, int height,
    const std::vector<Box>& keepClear, int gap = 4);

} // namespace corrolab
