// Tavrel.exe at a DPI, read back as drawn against its design tables: each
// control's place, visibility, colours (the design's, or the desktop's own)
// and text's ink against the same text drawn here in the design's font, with
// and without wind; a held arrow; the About box's place and picture.
#include "about/frm_about.h"
#include "common/twips.h"
#include "resources/windows/resource.h"
#include "tests/win32/wine_test.h"
#include "win32/text.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace tavrel {

namespace {

const wchar_t *g_exe = nullptr; // the Tavrel.exe read
UINT g_dpi = 96;
std::string g_at; // " at <dpi> DPI", for the checks' names

struct Pixels
{
    int width = 0, height = 0;
    std::vector<COLORREF> at;
    bool operator==(const Pixels &) const = default;
    int Count(COLORREF colour) const { return int(std::ranges::count(at, colour)); }
};

// A memory bitmap of the screen's format, drawn by `draw`, and read.
Pixels Drawn(int width, int height, const std::function<void(HDC dc, HDC screen)> &draw)
{
    const HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max(width, 1), std::max(height, 1));
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    draw(dc, screen);
    SelectObject(dc, previous);
    BITMAPINFO info{{sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    Pixels pixels{width, height, std::vector<COLORREF>(std::size_t(width * height))};
    GetDIBits(dc, bitmap, 0, UINT(height), pixels.at.data(), &info, DIB_RGB_COLORS);
    for (COLORREF &pixel : pixels.at) // read as 0x00RRGGBB
        pixel = RGB(GetBValue(pixel), GetGValue(pixel), GetRValue(pixel));
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A window's client area as painted on screen, between fractions of its
// height, read until two reads agree: wine shows what it drew a moment later.
Pixels Painted(HWND window, double top = 0, double bottom = 1)
{
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT *>(&r), 2);
    const int height = r.bottom - r.top, y = r.top + int(height * top);
    const int rows = r.top + int(height * bottom) - y;
    const auto grab = [&] {
        return Drawn(r.right - r.left, rows, [&](HDC dc, HDC screen) {
            BitBlt(dc, 0, 0, r.right - r.left, rows, screen, r.left, y, SRCCOPY);
        });
    };
    Pixels last, now = grab();
    for (int i = 0; i < 40 && now != last; ++i) {
        Sleep(60);
        last = std::exchange(now, grab());
    }
    return now;
}

// A design's colour: plain as written (0x00BBGGRR), a system colour the
// desktop's own, the default the desktop's colour for `platform`.
COLORREF Colour(ColourValue design, int platform)
{
    return design == kDefaultColour ? GetSysColor(platform)
           : IsSystemColour(design) ? GetSysColor(int(SystemColourIndex(design)))
                                    : design;
}

// Where a text's ink, its pixels of one colour, lies, from its first pixel.
std::vector<int> InkOf(const Pixels &drawn, COLORREF ink)
{
    std::vector<int> at;
    for (int i = 0, first = -1; i < int(drawn.at.size()); ++i)
        if (drawn.at[std::size_t(i)] == ink)
            at.push_back(i - (first < 0 ? first = i : first));
    return at;
}

// What is wrong with the About box's picture: of Tavrel.exe's bitmaps drawn
// over the whole box, the one for the DPI the nearest (unless the focus mark
// is over it); a dotted focus mark a pixel inside its edge, with the focus only.
std::string PictureFault(const Pixels &drawn, bool focused)
{
    const auto row = drawn.at.begin() + drawn.width; // where the focus mark lies
    const int changes = std::inner_product(row + 2, row + drawn.width - 2, row + 1, 0,
                                           std::plus<>(), std::not_equal_to<>());
    const HMODULE module =
        LoadLibraryExW(g_exe, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    long long distance[2] = {}; // in green, to the 1x and the @2x bitmap
    for (const int id : {IDB_AIRLINER, IDB_AIRLINER_2X}) {
        const Pixels expected = Drawn(drawn.width, drawn.height, [&](HDC dc, HDC) {
            const HDC source = CreateCompatibleDC(dc);
            const HGDIOBJ previous =
                SelectObject(source, LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                                LR_CREATEDIBSECTION));
            BITMAP size{};
            GetObjectW(GetCurrentObject(source, OBJ_BITMAP), sizeof size, &size);
            SetStretchBltMode(dc, HALFTONE);
            StretchBlt(dc, 0, 0, drawn.width, drawn.height, source, 0, 0, size.bmWidth,
                       size.bmHeight, SRCCOPY);
            DeleteObject(SelectObject(source, previous));
            DeleteDC(source);
        });
        for (std::size_t i = 0; i < drawn.at.size(); ++i)
            distance[id == IDB_AIRLINER_2X] +=
                std::abs(int(GetGValue(drawn.at[i])) - int(GetGValue(expected.at[i])));
    }
    FreeLibrary(module);
    const bool big = g_dpi >= 144; // the first scale with the double-size picture
    const bool nearest = distance[big] < std::min(distance[!big], 4LL * int(drawn.at.size()));
    return std::string(focused || nearest ? "" : " not the bitmap for the DPI") +
           ((changes > drawn.width / 2) == focused ? "" : " focus mark wrong");
}

// What is wrong with how a control is drawn where it shows: its colours, and
// its text's ink against the same text drawn here in the design's font, an
// access key underlined.
std::string LookFault(HWND handle, const ControlDesign &control, const FontDesign &font, bool wind)
{
    const ControlKind kind = control.kind;
    const bool box = kind == ControlKind::TextBox, button = kind == ControlKind::CommandButton;
    const ColourValue fore = !wind ? control.foreColour // with wind the greyed rows are in use
                             : control.foreColour == kSysButtonShadow  ? kSysButtonText
                             : HidesValue(control, control.foreColour) ? kDarkBlue
                                                                       : control.foreColour;
    const COLORREF ink = Colour(fore, box ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
    // A push button's face is the desktop theme's.
    const COLORREF back =
        Colour(button ? kDefaultColour : control.backColour, box ? COLOR_WINDOW : COLOR_BTNFACE);
    const std::wstring text = Text(handle);
    Pixels drawn = Painted(handle);
    NONCLIENTMETRICSW metrics{}; // a font named, else the desktop's message font
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, g_dpi);
    const HFONT face = font.points > 0 ? CreateFontW(-int(std::lround(font.points * g_dpi / 72.0)),
                                                     0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, 0, 0,
                                                     0, 0, 0, 0, 0, 0, L"MS Sans Serif")
                                       : CreateFontIndirectW(&metrics.lfMessageFont);
    Pixels expected = Drawn(drawn.width, drawn.height, [&](HDC dc, HDC) {
        RECT area{0, 0, drawn.width, drawn.height};
        PatBlt(dc, 0, 0, area.right, area.bottom, ink ? BLACKNESS : WHITENESS); // not the ink
        const HGDIOBJ previous = SelectObject(dc, face);
        SetTextColor(dc, ink);
        DrawTextW(dc, text.c_str(), -1, &area,
                  DT_EXPANDTABS | (box      ? DT_SINGLELINE | DT_NOPREFIX
                                   : button ? DT_SINGLELINE | DT_CENTER | DT_VCENTER
                                            : (control.wordWrap ? DT_WORDBREAK : 0)));
        DeleteObject(SelectObject(dc, previous));
    });
    const int size = int(drawn.at.size());
    // Where a caption does not show, beyond its window or under a control above it, is not its
    // own: screen rectangles, read once (a read per pixel took minutes at 192 DPI).
    RECT r, window;
    GetWindowRect(handle, &r);
    GetClientRect(GetParent(handle), &window);
    MapWindowPoints(GetParent(handle), nullptr, reinterpret_cast<POINT *>(&window), 2);
    std::vector<RECT> above;
    for (HWND w = GetWindow(handle, GW_HWNDFIRST); w != handle; w = GetWindow(w, GW_HWNDNEXT))
        if (RECT s; IsWindowVisible(w) && GetWindowRect(w, &s))
            above.push_back(s);
    for (int i = 0; kind == ControlKind::Label && i < size; ++i)
        if (const POINT p{r.left + i % drawn.width, r.top + i / drawn.width};
            !PtInRect(&window, p) ||
            std::ranges::any_of(above, [&](const RECT &s) { return PtInRect(&s, p); }))
            drawn.at[std::size_t(i)] = expected.at[std::size_t(i)] = back;
    if (kind == ControlKind::Line) // etched: its colour over its back colour, half each
        return std::min(drawn.Count(ink), drawn.Count(back)) * 3 >= size ? "" : " not etched";
    if (box && HidesValue(control, fore))
        return drawn.Count(back) == size ? "" : " value not hidden";
    const std::vector<int> seen = InkOf(drawn, ink), want = InkOf(expected, ink);
    std::string fault = button || drawn.Count(back) * 2 > size ? "" : " background wrong";
    // An option shows only its circle; a focus mark lies over a focused button's text.
    if (kind != ControlKind::OptionButton && handle != Focused() && seen != want)
        fault += " text in " + std::to_string(seen.size()) + " pixels for " +
                 std::to_string(want.size());
    return fault;
}

// A window of Tavrel.exe: a caption with a close button and no other, a fixed
// frame, its client area; each control's place at the DPI, visibility, look.
void ReadBack(bool about, bool wind)
{
    const HWND window = about ? About() : g_form;
    const WindowDesign &design = about ? kAboutDesign : kForm1Design;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    RECT client;
    GetClientRect(window, &client);
    Check((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) &&
              !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) &&
              client.right == TwipsToPixels(design.widthTwips, g_dpi) &&
              client.bottom == TwipsToPixels(design.heightTwips, g_dpi),
          Utf8(Text(window)) + g_at + ": caption, close button only, fixed frame, client area");
    const auto pixels = [](int twips) { return TwipsToPixels(twips, g_dpi); };
    for (const auto &[control, handle] : Controls(about)) {
        const ControlKind kind = control.kind;
        const TwipsRect &t = control.rect;
        RECT r,
            want{pixels(t.left), pixels(t.top), pixels(t.left + t.width), pixels(t.top + t.height)};
        GetWindowRect(handle, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&r), 2);
        // A caption on one line grows to the right rather than be cut; a line is a stroke.
        if (kind == ControlKind::Label && !control.wordWrap && r.right > want.right)
            want.right = r.right;
        if (kind == ControlKind::Line)
            want.bottom = std::max(r.bottom, want.top + 1);
        std::string fault;
        if (!EqualRect(&r, &want))
            fault += " placed " + std::to_string(r.left) + "," + std::to_string(r.top) + "-" +
                     std::to_string(r.right) + "," + std::to_string(r.bottom);
        const bool visible = control.visible || (wind && kind == ControlKind::Spinner);
        if (bool(IsWindowVisible(handle)) != visible || !IsWindowEnabled(handle))
            fault += " shown or enabled wrong";
        if (visible && kind == ControlKind::PictureBox)
            fault += PictureFault(Painted(handle), Focused() == handle);
        else if (visible && kind != ControlKind::Spinner) // a scroll bar draws itself
            fault += LookFault(handle, control,
                               control.font.points > 0 ? control.font : design.font, wind);
        Check(fault.empty(), control.name + g_at + (wind ? ", wind" : "") + fault);
    }
}

} // namespace

int Ink(HWND control, COLORREF colour) { return Painted(control).Count(colour); }

void Layout(const wchar_t *exe, UINT dpi)
{
    using enum Form1Control;
    g_exe = exe;
    g_dpi = dpi;
    g_at = " at " + std::to_string(dpi) + " DPI";
    Start(exe);
    WaitFor([] { return Ink(Control(Label16), GetSysColor(COLOR_BTNSHADOW)) > 0; }); // drawn
    Step("Shift+Tab"); // to a spinner: no box's value selected, no button's focus shown
    WaitFor([] { return Focused() == Control(VScroll5); });
    ReadBack(false, false);
    Step("up:VScroll8"); // wind: every spinner
    ReadBack(false, true);
    // Held, then let go: the same spinner with the focus, only the arrow's state changed.
    Step("press:VScroll5");
    WaitFor([] { return Focused() == Control(VScroll5); });
    const Pixels held = Painted(Control(VScroll5), 0, 0.5);
    const Pixels pushed = Drawn(held.width, held.height, [&](HDC dc, HDC) {
        RECT arrow{0, 0, held.width, held.height};
        DrawFrameControl(dc, &arrow, DFC_SCROLL, DFCS_SCROLLUP | DFCS_PUSHED);
    });
    Check(held == pushed, "a held arrow drawn as Windows draws a pushed one" + g_at);
    Step("release");
    Check(WaitFor([&] { return Painted(Control(VScroll5), 0, 0.5) != held; }, 2),
          "a held arrow let go looks raised");
    Step("click:Command3");
    WaitFor([] { return About() && GetForegroundWindow() == About(); });
    RECT about, button, overlap;
    GetWindowRect(About(), &about);
    for (const Form1Control exitOrAbout : {Command2, Command3})
        Check(GetWindowRect(Control(exitOrAbout), &button) &&
                  !IntersectRect(&overlap, &about, &button),
              "About box beside the main window's buttons");
    ReadBack(true, false);
    Step("Tab"); // from OK to the next stop, the picture
    Check(WaitFor([] { return Focused() == Named("picIcon"); }), "Tab from OK to the picture");
    ReadBack(true, false);
    Stop();
}

} // namespace tavrel
