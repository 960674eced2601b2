// How the designs' colours and fonts become Windows': colour references,
// brushes, and fonts at a window's DPI.
#pragma once

#include "common/design.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <map>
#include <utility>
#include <vector>

namespace tavrel {

// A plain colour as it is; a system colour from the desktop's own.
COLORREF ToColorRef(ColourValue colour);

// Solid brushes of the colours asked for; system colours use the desktop's own.
class BrushCache
{
public:
    BrushCache() = default;
    BrushCache(const BrushCache &) = delete;
    BrushCache &operator=(const BrushCache &) = delete;
    ~BrushCache();

    HBRUSH Get(ColourValue colour);

private:
    std::map<ColourValue, HBRUSH> m_brushes;
};

// The fonts of a window at its DPI. A design that names no size gets the
// desktop's message font; the others the classic face, whose TrueType version
// keeps its metrics and stays sharp at any DPI.
class FontCache
{
public:
    FontCache() = default;
    FontCache(const FontCache &) = delete;
    FontCache &operator=(const FontCache &) = delete;
    ~FontCache();

    // Fonts at another DPI than the last ones make those stale: they are
    // deleted by DropStale, once no control uses them any more.
    HFONT Get(const FontDesign &font, UINT dpi);
    void DropStale();

private:
    UINT m_dpi = 0;
    std::vector<std::pair<FontDesign, HFONT>> m_fonts, m_stale;
};

} // namespace tavrel
