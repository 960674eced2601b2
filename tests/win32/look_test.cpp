// Tavrel.exe read back as a user sees it: each control's text, font, colours
// (from the pixels on screen, against the design's colour or the desktop's own
// GetSysColor), place at the DPI, visibility, tab stop and tooltip, and each
// window's title bar, all from the design tables the windows are built from.
#include "tests/win32/wine_test.h"

#include "common/twips.h"
#include "resources/windows/resource.h"
#include "win32/text.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iostream>
#include <map>
#include <utility>

namespace tavrel {

namespace {

// The colour most of the pixels have.
COLORREF Mode(const Pixels &pixels)
{
    std::map<COLORREF, int> counts;
    for (const COLORREF pixel : pixels.at)
        ++counts[pixel];
    return std::ranges::max_element(counts, {}, &std::pair<const COLORREF, int>::second)->first;
}

// A memory bitmap of the screen's format, drawn by `draw`, and read.
template <typename Draw> Pixels Drawn(int width, int height, Draw draw)
{
    const HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max(width, 1), std::max(height, 1));
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    draw(dc, screen);
    SelectObject(dc, previous);
    BITMAPINFO info{{sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    std::vector<DWORD> raw(std::size_t(width * height)); // 0x00RRGGBB each
    GetDIBits(dc, bitmap, 0, UINT(height), raw.data(), &info, DIB_RGB_COLORS);
    Pixels pixels{width, height, {}};
    for (const DWORD value : raw)
        pixels.at.push_back(RGB(value >> 16 & 0xFF, value >> 8 & 0xFF, value & 0xFF));
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

} // namespace

// Read until two reads agree, since wine puts what it drew on screen a moment later.
Pixels Painted(HWND window, bool frame, double top, double bottom)
{
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r;
    frame ? GetWindowRect(window, &r) : GetClientRect(window, &r);
    MapWindowPoints(frame ? nullptr : window, nullptr, reinterpret_cast<POINT *>(&r), 2);
    const int height = r.bottom - r.top;
    r = {r.left, r.top + int(height * top), r.right, r.top + int(height * bottom)};
    const auto grab = [&] {
        return Drawn(r.right - r.left, r.bottom - r.top, [&](HDC dc, HDC screen) {
            BitBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
        });
    };
    Pixels last = grab();
    for (int i = 0; i < 40; ++i) {
        Sleep(60);
        if (std::exchange(last, grab()) == last)
            break;
    }
    return last;
}

namespace {

// Where a control shows: inside its window's client area, not under a sibling above it.
std::vector<bool> Showing(HWND control)
{
    RECT r, parent;
    GetWindowRect(control, &r);
    GetClientRect(GetParent(control), &parent);
    MapWindowPoints(GetParent(control), nullptr, reinterpret_cast<POINT *>(&parent), 2);
    const HRGN shows = CreateRectRgnIndirect(&parent), above = CreateRectRgn(0, 0, 0, 0);
    for (HWND sibling = GetWindow(control, GW_HWNDPREV); sibling;
         sibling = GetWindow(sibling, GW_HWNDPREV)) {
        RECT s;
        if (!IsWindowVisible(sibling) || !GetWindowRect(sibling, &s))
            continue;
        SetRectRgn(above, s.left, s.top, s.right, s.bottom);
        CombineRgn(shows, shows, above, RGN_DIFF);
    }
    std::vector<bool> mask;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            mask.push_back(PtInRegion(shows, x, y));
    DeleteObject(shows);
    DeleteObject(above);
    return mask;
}

// A design's colour: plain as written (0x00BBGGRR), a system colour the
// desktop's own, the default the desktop's colour for `platform`.
COLORREF Colour(ColourValue design, int platform)
{
    if (design == kDefaultColour)
        return GetSysColor(platform);
    return IsSystemColour(design) ? GetSysColor(int(SystemColourIndex(design))) : design;
}

// The font a design asks for at a DPI; none named is the desktop's message font.
LOGFONTW FontOf(const FontDesign &design, UINT dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    LOGFONTW font = metrics.lfMessageFont;
    if (design.points > 0) {
        font = LOGFONTW{};
        font.lfHeight = -LONG(std::lround(design.points * dpi / 72.0));
        font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
        wcscpy(font.lfFaceName, L"MS Sans Serif");
    }
    return font;
}

// The pixels of one colour, as a mask cropped to where they lie: the ink of a text.
Pixels InkOf(const Pixels &drawn, COLORREF ink)
{
    int left = drawn.width, top = drawn.height, right = 0, bottom = 0;
    for (int y = 0; y < drawn.height; ++y)
        for (int x = 0; x < drawn.width; ++x)
            if (drawn.at[std::size_t(y * drawn.width + x)] == ink) {
                left = std::min(left, x), right = std::max(right, x + 1);
                top = std::min(top, y), bottom = std::max(bottom, y + 1);
            }
    Pixels mask{std::max(0, right - left), std::max(0, bottom - top), {}};
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            mask.at.push_back(drawn.at[std::size_t(y * drawn.width + x)] == ink);
    return mask;
}

// What is wrong with a text as drawn: its ink against the same text drawn
// here in the design's font, size and weight, an access key underlined.
std::string FontFault(const Pixels &drawn, const std::wstring &text, const LOGFONTW &font,
                      UINT format, COLORREF ink, COLORREF back,
                      const std::vector<bool> &showing = {})
{
    Pixels expected = Drawn(drawn.width, drawn.height, [&](HDC dc, HDC) {
        RECT area{0, 0, drawn.width, drawn.height};
        const HBRUSH brush = CreateSolidBrush(back);
        FillRect(dc, &area, brush);
        DeleteObject(brush);
        const HFONT handle = CreateFontIndirectW(&font);
        const HGDIOBJ previous = SelectObject(dc, handle);
        SetTextColor(dc, ink);
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, text.c_str(), -1, &area, format | DT_EXPANDTABS);
        SelectObject(dc, previous);
        DeleteObject(handle);
    });
    for (std::size_t i = 0; i < showing.size(); ++i)
        expected.at[i] = showing[i] ? expected.at[i] : back;
    const Pixels seen = InkOf(drawn, ink), want = InkOf(expected, ink);
    return seen == want
               ? ""
               : " text drawn " + std::to_string(seen.width) + "x" + std::to_string(seen.height) +
                     " for " + std::to_string(want.width) + "x" + std::to_string(want.height) +
                     " in " + Utf8(font.lfFaceName) + " " + std::to_string(font.lfHeight) + "/" +
                     std::to_string(font.lfWeight);
}

// Tavrel.exe's tooltips of a window, by control, read through its memory.
std::map<HWND, std::string> ToolTips(HWND window, HANDLE process)
{
    std::map<HWND, std::string> tips;
    HWND tips_window = nullptr;
    int count = -1; // made at the mouse's first visit: read once all its tools are added
    for (int i = 0; i < 40; ++i, Sleep(50)) {
        tips_window = nullptr;
        while ((tips_window = FindWindowExW(nullptr, tips_window, TOOLTIPS_CLASSW, nullptr)) &&
               GetWindow(tips_window, GW_OWNER) != window) {
        }
        const int now = tips_window ? int(SendMessageW(tips_window, TTM_GETTOOLCOUNT, 0, 0)) : -1;
        if (now > 0 && now == count)
            break;
        count = now;
    }
    if (!tips_window)
        return tips;
    constexpr std::size_t kLength = 256;
    auto *remote = static_cast<BYTE *>(VirtualAllocEx(
        process, nullptr, sizeof(TTTOOLINFOW) + kLength * 2, MEM_COMMIT, PAGE_READWRITE));
    const auto text = reinterpret_cast<wchar_t *>(remote + sizeof(TTTOOLINFOW));
    for (int i = 0; i < SendMessageW(tips_window, TTM_GETTOOLCOUNT, 0, 0); ++i) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = text;
        WriteProcessMemory(process, remote, &tool, sizeof tool, nullptr);
        SendMessageW(tips_window, TTM_ENUMTOOLSW, WPARAM(i), LPARAM(remote));
        ReadProcessMemory(process, remote, &tool, sizeof tool, nullptr);
        tool.lpszText = text;
        WriteProcessMemory(process, remote, &tool, sizeof tool, nullptr);
        SendMessageW(tips_window, TTM_GETTEXTW, kLength, LPARAM(remote));
        wchar_t said[kLength] = {};
        ReadProcessMemory(process, text, said, sizeof said - 2, nullptr);
        tips[HWND(tool.uId)] = Utf8(said);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return tips;
}

// What is wrong with how a control is drawn: its colours, and its text in its font.
std::string LookFault(HWND handle, const ControlDesign &control, const LOGFONTW &font,
                      const LookState &state)
{
    const bool box = control.kind == ControlKind::TextBox;
    ColourValue fore = control.foreColour;
    if (state.wind && fore == kSysButtonShadow) // the greyed rows, in use
        fore = kSysButtonText;
    if (state.wind && HidesValue(control, fore))
        fore = kDarkBlue;
    const COLORREF ink = Colour(fore, box ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
    const COLORREF back = Colour(control.backColour, box ? COLOR_WINDOW : COLOR_BTNFACE);
    if (control.kind == ControlKind::Spinner || control.kind == ControlKind::PictureBox)
        return ""; // a scroll bar's and a picture's colours are their own
    Pixels drawn = Painted(handle);
    std::vector<bool> masked;
    if (control.kind == ControlKind::Label) { // what lies over it is not its own
        const std::vector<bool> showing = Showing(handle);
        for (std::size_t i = 0; i < drawn.at.size(); ++i)
            drawn.at[i] = showing[i] ? drawn.at[i] : back;
        masked = showing;
    }
    const std::wstring text = Text(handle);
    std::string fault =
        Mode(drawn) == back || control.kind == ControlKind::CommandButton
            ? "" // a push button's face is the desktop theme's
            : " background " + std::to_string(Mode(drawn)) + " for " + std::to_string(back);
    switch (control.kind) {
    case ControlKind::Line:
        return drawn.Count(ink) > 0 ? "" : " no line drawn in " + std::to_string(ink);
    case ControlKind::TextBox:
        if (HidesValue(control, fore))
            return drawn.Count(back) == int(drawn.at.size()) ? "" : " value not hidden";
        if (text.empty())
            break;
        return fault + FontFault(drawn, text, font, DT_SINGLELINE | DT_NOPREFIX, ink, back);
    case ControlKind::Label:
        return fault +
               FontFault(drawn, text, font, control.wordWrap ? DT_WORDBREAK : 0, ink, back, masked);
    case ControlKind::CommandButton: // the themed face: the ink is compared where it lies
        return fault + FontFault(drawn, text, font, DT_SINGLELINE | DT_CENTER | DT_VCENTER, ink,
                                 Colour(kDefaultColour, COLOR_BTNFACE));
    default: // an option's caption lies beyond its box: only its circle shows
        break;
    }
    return fault;
}

} // namespace

bool FocusShows(HWND picture)
{
    const Pixels drawn = Painted(picture);
    // The focus rectangle is dotted, a pixel inside the edge: its pixels alternate.
    int changes = 0;
    for (int x = 2; x < drawn.width - 2; ++x)
        changes +=
            drawn.at[std::size_t(drawn.width + x)] != drawn.at[std::size_t(drawn.width + x - 1)];
    return changes > drawn.width / 2;
}

void ReadPicture(HWND picture, const wchar_t *exe, int expectedId, const std::string &what)
{
    const Pixels drawn = Painted(picture);
    const HMODULE module =
        LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    // Each bitmap of Tavrel.exe drawn as the design asks, over the whole box:
    // the one it drew is the one nearest to what is on screen.
    std::map<long long, int> distances;
    for (const int id : {IDB_AIRLINER, IDB_AIRLINER_2X}) {
        const auto bitmap = HBITMAP(
            LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        BITMAP size{};
        GetObjectW(bitmap, sizeof size, &size);
        const Pixels expected = Drawn(drawn.width, drawn.height, [&](HDC dc, HDC) {
            const HDC source = CreateCompatibleDC(dc);
            const HGDIOBJ previous = SelectObject(source, bitmap);
            SetStretchBltMode(dc, HALFTONE);
            StretchBlt(dc, 0, 0, drawn.width, drawn.height, source, 0, 0, size.bmWidth,
                       size.bmHeight, SRCCOPY);
            SelectObject(source, previous);
            DeleteDC(source);
        });
        long long distance = 0;
        for (std::size_t i = 0; i < drawn.at.size(); ++i)
            distance += std::abs(int(GetGValue(drawn.at[i])) - int(GetGValue(expected.at[i])));
        distances[distance] = id;
        DeleteObject(bitmap);
    }
    FreeLibrary(module);
    const long long nearest = distances.begin()->first;
    Check(distances.begin()->second == expectedId && nearest < 4LL * drawn.width * drawn.height,
          what + ": " + (distances.begin()->second == IDB_AIRLINER ? "the 1x" : "the @2x") +
              " bitmap over " + std::to_string(drawn.width) + "x" + std::to_string(drawn.height) +
              ", " + std::to_string(nearest / std::max(1, drawn.width * drawn.height)) +
              " from it a pixel");
}

void ReadBack(HWND window, const WindowDesign &design, const std::vector<HWND> &controls,
              HANDLE process, const LookState &state)
{
    const UINT dpi = state.dpi;
    const std::string at = " at " + std::to_string(dpi) + " DPI" + (state.wind ? ", wind" : "");
    TITLEBARINFO bar{}; // the mouse over the title, where no tooltip shows, makes them
    bar.cbSize = sizeof bar;
    GetTitleBarInfo(window, &bar);
    SetCursorPos(bar.rcTitleBar.left + 4, (bar.rcTitleBar.top + bar.rcTitleBar.bottom) / 2);
    const std::map<HWND, std::string> tips = ToolTips(window, process);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDesign &control = design.controls[i];
        const HWND handle = controls[i];
        const auto kind = control.kind;
        std::string fault;
        RECT r;
        GetWindowRect(handle, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&r), 2);
        const TwipsRect &t = control.rect;
        const RECT want{TwipsToPixels(t.left, dpi), TwipsToPixels(t.top, dpi),
                        TwipsToPixels(t.left + t.width, dpi), TwipsToPixels(t.top + t.height, dpi)};
        // A caption on one line grows to the right rather than be cut; a line is a stroke.
        const bool grows = kind == ControlKind::Label && !control.wordWrap;
        if (r.left != want.left || r.top != want.top ||
            (r.right != want.right && !(grows && r.right > want.right)) ||
            (r.bottom != want.bottom && !(kind == ControlKind::Line && r.bottom > r.top)))
            fault += " placed " + std::to_string(r.left) + "," + std::to_string(r.top) + "-" +
                     std::to_string(r.right) + "," + std::to_string(r.bottom);
        const bool visible = control.visible || (state.wind && kind == ControlKind::Spinner);
        const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
        if (bool(IsWindowVisible(handle)) != visible || !IsWindowEnabled(handle))
            fault += " shown or enabled wrong";
        if (bool(style & WS_TABSTOP) != (control.tabIndex >= 0))
            fault += " tab stop wrong";
        const std::string text = Utf8(Text(handle));
        const std::string caption =
            kind == ControlKind::PictureBox ? control.accessibleName : control.caption;
        if (kind != ControlKind::TextBox && kind != ControlKind::Spinner && text != caption)
            fault += " text \"" + text + "\"";
        // An access key shows underlined: nothing hides the "&".
        if (caption.find('&') != std::string::npos && kind == ControlKind::Label &&
            (style & SS_NOPREFIX))
            fault += " access key hidden";
        if (visible)
            fault +=
                LookFault(handle, control,
                          FontOf(control.font.points > 0 ? control.font : design.font, dpi), state);
        const auto tip = tips.find(handle);
        if ((tip == tips.end() ? "" : tip->second) != control.toolTip)
            fault += " tooltip \"" + (tip == tips.end() ? "" : tip->second) + "\"";
        Check(fault.empty(), control.name + at + fault);
    }
}

void ReadTitle(HWND window, const std::string &title, const LookState &state)
{
    const std::string at = " at " + std::to_string(state.dpi) + " DPI";
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    TITLEBARINFO bar{};
    bar.cbSize = sizeof bar;
    GetTitleBarInfo(window, &bar);
    const DWORD hidden = STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE;
    Check(Utf8(Text(window)) == title && (style & WS_CAPTION) == WS_CAPTION &&
              (style & WS_SYSMENU) &&
              !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) &&
              !(bar.rgstate[5] & hidden) &&
              (bar.rgstate[2] & bar.rgstate[3] & STATE_SYSTEM_INVISIBLE),
          title + at + ": caption, close button only, fixed frame");
    RECT frame;
    GetWindowRect(window, &frame);
    const Pixels drawn = Painted(window, true);
    int active = 0, inactive = 0;
    for (int y = bar.rcTitleBar.top; y < bar.rcTitleBar.bottom; ++y)
        for (int x = bar.rcTitleBar.left; x < bar.rcTitleBar.right; ++x) {
            if (x % 3 || GetAncestor(WindowFromPoint({x, y}), GA_ROOT) != window)
                continue; // where another window lies over it
            const COLORREF pixel =
                drawn.at[std::size_t((y - frame.top) * drawn.width + x - frame.left)];
            active += pixel == GetSysColor(COLOR_ACTIVECAPTION) ||
                      pixel == GetSysColor(COLOR_GRADIENTACTIVECAPTION);
            inactive += pixel == GetSysColor(COLOR_INACTIVECAPTION) ||
                        pixel == GetSysColor(COLOR_GRADIENTINACTIVECAPTION);
        }
    Check(state.active ? active > 0 && inactive == 0 : inactive > 0 && active == 0,
          title + at + (state.active ? ": the active title" : ": the inactive title") +
              " in the desktop's colours");
}

} // namespace tavrel
