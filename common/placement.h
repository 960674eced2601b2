// Where a second window first appears: beside the first, never over it where
// the screen has room, so that both stay usable side by side.
#pragma once

namespace tavrel {

// A rectangle on the screen, in pixels; right and bottom lie just outside it.
struct ScreenRect
{
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct ScreenPoint
{
    int x = 0, y = 0;
};

// The top-left corner for a window of width x height (its frame included)
// beside the window at `beside`, within the work area: to its right where
// the screen has room, else to its left, below it or above it; where none of
// these fits, the one of those places, moved into the work area, that covers
// none of `keepClear` (the part of `beside` that must stay usable) and the
// least of the rest.
ScreenPoint PlaceBeside(const ScreenRect &beside, const ScreenRect &keepClear, int width,
                        int height, const ScreenRect &workArea);

} // namespace tavrel
