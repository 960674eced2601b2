// Each control of Tavrel.exe read back as a user sees it, against the design
// table its window is built from: its text, font (its ink against the same
// text drawn here in the design's font), colours from the pixels on screen
// (against the design's colour or the desktop's own GetSysColor), place at
// the DPI, visibility, Tab stop and tooltip.
#include "tests/win32/wine_test.h"

#include "common/twips.h"
#include "win32/text.h"

#include <commctrl.h>

#include <climits>
#include <cmath>
#include <map>
#include <utility>

namespace tavrel {

Pixels Drawn(int width, int height, const std::function<void(HDC dc, HDC screen)> &draw)
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

int Ink(HWND control, COLORREF colour, double top, double bottom)
{
    const Pixels drawn = Painted(control, true, top, bottom);
    return colour != CLR_INVALID ? drawn.Count(colour)
                                 : int(std::ranges::count_if(drawn.at, [](COLORREF pixel) {
                                       return GetRValue(pixel) + GetGValue(pixel) < 200;
                                   }));
}

namespace {

// The colour most of the pixels have.
COLORREF Mode(const Pixels &pixels)
{
    std::map<COLORREF, int> counts;
    for (const COLORREF pixel : pixels.at)
        ++counts[pixel];
    return std::ranges::max_element(counts, {}, &std::pair<const COLORREF, int>::second)->first;
}

// Where a control shows: inside its window's client area, not under a sibling above it.
std::vector<bool> Showing(HWND control)
{
    RECT r, parent;
    GetWindowRect(control, &r);
    GetClientRect(GetParent(control), &parent);
    MapWindowPoints(GetParent(control), nullptr, reinterpret_cast<POINT *>(&parent), 2);
    std::vector<RECT> above;
    for (HWND sibling = control; (sibling = GetWindow(sibling, GW_HWNDPREV));)
        if (RECT s; IsWindowVisible(sibling) && GetWindowRect(sibling, &s))
            above.push_back(s);
    std::vector<bool> mask;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            mask.push_back(PtInRect(&parent, {x, y}) && std::ranges::none_of(above, [&](RECT &s) {
                               return PtInRect(&s, {x, y});
                           }));
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
    auto metrics = Sized<NONCLIENTMETRICSW>();
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
    const auto at = [&](int x, int y) { return drawn.at[std::size_t(y * drawn.width + x)]; };
    for (int y = 0; y < drawn.height; ++y)
        for (int x = 0; x < drawn.width; ++x)
            if (at(x, y) == ink)
                left = std::min(left, x), right = std::max(right, x + 1), top = std::min(top, y),
                bottom = std::max(bottom, y + 1);
    Pixels mask{std::max(0, right - left), std::max(0, bottom - top), {}};
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            mask.at.push_back(at(x, y) == ink);
    return mask;
}

// What is wrong with a text as drawn where it shows: its ink against the same
// text drawn here in the design's font, size and weight, an access key underlined.
std::string FontFault(const Pixels &drawn, const std::wstring &text, const LOGFONTW &font,
                      UINT format, COLORREF ink, COLORREF back, const std::vector<bool> &showing)
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
        DeleteObject(SelectObject(dc, previous));
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
    HWND tipsWindow = nullptr;
    int count = -1; // made at the mouse's first visit: read once all its tools are added
    for (int i = 0, now = 0; i < 40 && (now <= 0 || now != count); ++i, Sleep(50)) {
        count = now;
        tipsWindow = nullptr;
        while ((tipsWindow = FindWindowExW(nullptr, tipsWindow, TOOLTIPS_CLASSW, nullptr)) &&
               GetWindow(tipsWindow, GW_OWNER) != window) {
        }
        now = tipsWindow ? int(SendMessageW(tipsWindow, TTM_GETTOOLCOUNT, 0, 0)) : -1;
    }
    constexpr std::size_t kLength = 256;
    auto *remote = static_cast<BYTE *>(VirtualAllocEx(
        process, nullptr, sizeof(TTTOOLINFOW) + kLength * 2, MEM_COMMIT, PAGE_READWRITE));
    const auto text = reinterpret_cast<wchar_t *>(remote + sizeof(TTTOOLINFOW));
    for (int i = 0; tipsWindow && i < SendMessageW(tipsWindow, TTM_GETTOOLCOUNT, 0, 0); ++i) {
        auto tool = Sized<TTTOOLINFOW>();
        for (const UINT message : {TTM_ENUMTOOLSW, TTM_GETTEXTW}) { // the text where we say
            tool.lpszText = text;
            WriteProcessMemory(process, remote, &tool, sizeof tool, nullptr);
            SendMessageW(tipsWindow, message, message == TTM_ENUMTOOLSW ? WPARAM(i) : kLength,
                         LPARAM(remote));
            ReadProcessMemory(process, remote, &tool, sizeof tool, nullptr);
        }
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
    const ControlKind kind = control.kind;
    const bool box = kind == ControlKind::TextBox;
    ColourValue fore = control.foreColour;
    if (state.wind && fore == kSysButtonShadow) // the greyed rows, in use
        fore = kSysButtonText;
    if (state.wind && HidesValue(control, fore))
        fore = kDarkBlue;
    const COLORREF ink = Colour(fore, box ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
    const COLORREF back = Colour(control.backColour, box ? COLOR_WINDOW : COLOR_BTNFACE);
    if (kind == ControlKind::Spinner) // a scroll bar's colours are its own: both arrows drawn
        return Ink(handle, CLR_INVALID, 0, 0.5) && Ink(handle, CLR_INVALID, 0.5, 1)
                   ? ""
                   : " arrows not drawn";
    if (kind == ControlKind::PictureBox)
        return ""; // read by ReadPicture
    Pixels drawn = Painted(handle);
    std::vector<bool> showing(drawn.at.size(), true);
    if (kind == ControlKind::Label) // what lies over it is not its own
        showing = Showing(handle);
    for (std::size_t i = 0; i < drawn.at.size(); ++i)
        drawn.at[i] = showing[i] ? drawn.at[i] : back;
    const std::wstring text = Text(handle);
    std::string fault =
        Mode(drawn) == back || kind == ControlKind::CommandButton
            ? "" // a push button's face is the desktop theme's
            : " background " + std::to_string(Mode(drawn)) + " for " + std::to_string(back);
    if (kind == ControlKind::Line) // etched: its colour over its back colour, half each
        return std::min(drawn.Count(ink), drawn.Count(back)) * 3 >= int(drawn.at.size())
                   ? ""
                   : " not drawn in " + std::to_string(ink) + " over " + std::to_string(back);
    if (box && HidesValue(control, fore))
        return drawn.Count(back) == int(drawn.at.size()) ? "" : " value not hidden";
    if (kind == ControlKind::CommandButton) // the themed face: the ink is compared where it lies
        return FontFault(drawn, text, font, DT_SINGLELINE | DT_CENTER | DT_VCENTER, ink,
                         Colour(kDefaultColour, COLOR_BTNFACE), showing);
    if ((box && !text.empty()) || kind == ControlKind::Label)
        fault += FontFault(drawn, text, font,
                           box                ? DT_SINGLELINE | DT_NOPREFIX
                           : control.wordWrap ? DT_WORDBREAK
                                              : 0,
                           ink, back, showing);
    return fault; // an option's caption lies beyond its box: only its circle shows
}

} // namespace

void ReadBack(HWND window, const WindowDesign &design, const std::vector<HWND> &controls,
              HANDLE process, const LookState &state)
{
    const UINT dpi = state.dpi;
    const std::string at = " at " + std::to_string(dpi) + " DPI" + (state.wind ? ", wind" : "");
    auto bar =
        Sized<TITLEBARINFO>(); // the mouse over the title, where no tooltip shows, makes them
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

} // namespace tavrel
