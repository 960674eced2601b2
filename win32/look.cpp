#include "win32/look.h"

#include <cmath>

namespace tavrel {

namespace {

void Delete(std::vector<std::pair<FontDesign, HFONT>> &fonts)
{
    for (const auto &[design, font] : fonts)
        DeleteObject(font);
    fonts.clear();
}

} // namespace

COLORREF ToColorRef(ColourValue colour)
{
    // A plain colour is written 0x00BBGGRR, as a COLORREF.
    return IsSystemColour(colour) ? GetSysColor(int(SystemColourIndex(colour))) : colour;
}

BrushCache::~BrushCache()
{
    for (const auto &[colour, brush] : m_brushes)
        DeleteObject(brush);
}

HBRUSH BrushCache::Get(ColourValue colour)
{
    if (IsSystemColour(colour))
        return GetSysColorBrush(int(SystemColourIndex(colour)));
    HBRUSH &brush = m_brushes[colour];
    if (!brush)
        brush = CreateSolidBrush(ToColorRef(colour));
    return brush;
}

FontCache::~FontCache()
{
    Delete(m_fonts);
    Delete(m_stale);
}

HFONT FontCache::Get(const FontDesign &font, UINT dpi)
{
    if (dpi != m_dpi) {
        m_stale.insert(m_stale.end(), m_fonts.begin(), m_fonts.end());
        m_fonts.clear();
        m_dpi = dpi;
    }
    for (const auto &[design, handle] : m_fonts)
        if (design.points == font.points && design.bold == font.bold)
            return handle;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    LOGFONTW face = metrics.lfMessageFont;
    if (font.points > 0) {
        face = LOGFONTW{};
        face.lfHeight = -LONG(std::lround(font.points * dpi / 72.0));
        face.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
        face.lfCharSet = DEFAULT_CHARSET;
        face.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        wcscpy_s(face.lfFaceName, L"Microsoft Sans Serif");
    }
    return m_fonts.emplace_back(font, CreateFontIndirectW(&face)).second;
}

void FontCache::DropStale() { Delete(m_stale); }

} // namespace tavrel
