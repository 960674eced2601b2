#include "common/placement.h"

#include <algorithm>
#include <utility>

namespace tavrel {

namespace {

constexpr int kGapPx = 8; // between the two frames

// Shifted into the work area where it can be, else to its top-left corner.
ScreenPoint Inside(ScreenPoint at, int width, int height, const ScreenRect &workArea)
{
    at.x = std::max(std::min(at.x, workArea.right - width), workArea.left);
    at.y = std::max(std::min(at.y, workArea.bottom - height), workArea.top);
    return at;
}

long long Overlap(ScreenPoint at, int width, int height, const ScreenRect &other)
{
    const long long w = std::min(at.x + width, other.right) - std::max(at.x, other.left);
    const long long h = std::min(at.y + height, other.bottom) - std::max(at.y, other.top);
    return w > 0 && h > 0 ? w * h : 0;
}

} // namespace

ScreenPoint PlaceBeside(const ScreenRect &beside, const ScreenRect &keepClear, int width,
                        int height, const ScreenRect &workArea)
{
    const ScreenPoint sides[] = {
        {beside.right + kGapPx, beside.top},         // right
        {beside.left - kGapPx - width, beside.top},  // left
        {beside.left, beside.bottom + kGapPx},       // below
        {beside.left, beside.top - kGapPx - height}, // above
    };
    ScreenPoint best{};
    std::pair<long long, long long> bestCover{-1, -1}; // of keepClear, then of the rest
    for (const ScreenPoint side : sides) {
        const ScreenPoint at = Inside(side, width, height, workArea);
        const std::pair cover{Overlap(at, width, height, keepClear),
                              Overlap(at, width, height, beside)};
        if (bestCover.first < 0 || cover < bestCover) {
            best = at;
            bestCover = cover;
        }
    }
    return best;
}

} // namespace tavrel
