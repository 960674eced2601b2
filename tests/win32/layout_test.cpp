// Tavrel.exe at a DPI, as drawn, and read back against its designs: both
// windows, with and without wind, active and not; each window's title bar
// and client area; a held arrow pressed; the About box beside the main
// window, never over its buttons, its picture the bitmap for the DPI, with
// its focus rectangle when it has the focus.
#include "about/frm_about.h"
#include "common/application.h"
#include "common/twips.h"
#include "resources/windows/resource.h"
#include "tests/win32/wine_test.h"
#include "win32/text.h"

#include <oleacc.h>

#include <map>

namespace tavrel {

namespace {

// A window's title bar: its caption, a close button and no other, a fixed
// frame, drawn in the active or inactive title's colours; and its client area.
void ReadTitle(HWND window, const WindowDesign &design, const LookState &state)
{
    const std::string title = Utf8(Text(window)), at = " at " + std::to_string(state.dpi) + " DPI";
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    auto bar = Sized<TITLEBARINFO>();
    GetTitleBarInfo(window, &bar);
    RECT client, frame;
    GetClientRect(window, &client);
    Check((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) &&
              !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) &&
              !(bar.rgstate[5] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE)) &&
              (bar.rgstate[2] & bar.rgstate[3] & STATE_SYSTEM_INVISIBLE) &&
              client.right == TwipsToPixels(design.widthTwips, state.dpi) &&
              client.bottom == TwipsToPixels(design.heightTwips, state.dpi),
          title + at + ": caption, close button only, fixed frame, client area");
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

// The About box's picture as drawn: of the bitmaps of `exe` drawn as the
// design asks over the whole box, the one it drew is the nearest.
void ReadPicture(HWND picture, const wchar_t *exe, int expectedId, const std::string &what)
{
    const Pixels drawn = Painted(picture);
    const HMODULE module =
        LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
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
    const auto [nearest, id] = *distances.begin();
    Check(id == expectedId && nearest < 4LL * drawn.width * drawn.height,
          what + ": " + (id == IDB_AIRLINER ? "the 1x" : "the @2x") + " bitmap over " +
              std::to_string(drawn.width) + "x" + std::to_string(drawn.height) + ", " +
              std::to_string(nearest / std::max(1, drawn.width * drawn.height)) +
              " from it a pixel");
}

// The focus rectangle is dotted, a pixel inside the edge: its pixels alternate.
bool FocusShows(HWND picture)
{
    const Pixels drawn = Painted(picture);
    int changes = 0;
    for (int x = 2; x < drawn.width - 2; ++x)
        changes +=
            drawn.at[std::size_t(drawn.width + x)] != drawn.at[std::size_t(drawn.width + x - 1)];
    return changes > drawn.width / 2;
}

} // namespace

void Layout(const wchar_t *exe, UINT dpi)
{
    using enum Form1Control;
    const PROCESS_INFORMATION process = Start(exe);
    const std::string at = " at " + std::to_string(dpi) + " DPI";
    WaitFor([] { return Ink(Control(Label16), GetSysColor(COLOR_BTNSHADOW)) > 0; }); // drawn
    Key(VK_TAB, 0, VK_SHIFT); // to a spinner: no box's value selected, no button's focus shown
    WaitFor([] { return Focused() == Control(VScroll5); });
    ReadBack(g_form, kForm1Design, Controls(false), process.hProcess, {dpi, false, true});
    Move(Control(VScroll8), "up", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); // wind: every spinner
    WaitFor([] { return Ink(Control(VScroll6), CLR_INVALID) > 0; });
    ReadBack(g_form, kForm1Design, Controls(false), process.hProcess, {dpi, true, true});
    ReadTitle(g_form, kForm1Design, {dpi, true, true});
    // Held, then let go: the same spinner with the focus, only the arrow's state changed.
    Move(Control(VScroll5), "up", MOUSEEVENTF_LEFTDOWN);
    WaitFor([] { return Focused() == Control(VScroll5); });
    const Pixels held = Painted(Control(VScroll5), false, 0, 0.5);
    Check(held == Drawn(held.width, held.height,
                        [&held](HDC dc, HDC) {
                            RECT arrow{0, 0, held.width, held.height};
                            DrawFrameControl(dc, &arrow, DFC_SCROLL, DFCS_SCROLLUP | DFCS_PUSHED);
                        }),
          "a held arrow drawn as Windows draws a pushed one" + at);
    Mouse(MOUSEEVENTF_LEFTUP);
    Check(WaitFor([&] { return Painted(Control(VScroll5), false, 0, 0.5) != held; }, 2),
          "a held arrow looks pressed");

    SendMessageW(Control(Command3), BM_CLICK, 0, 0);
    WaitFor([] { return About() && GetForegroundWindow() == About(); });
    RECT about, exit, button, overlap;
    GetWindowRect(About(), &about);
    GetWindowRect(Control(Command2), &exit);
    GetWindowRect(Control(Command3), &button);
    Check(!IntersectRect(&overlap, &about, &exit) && !IntersectRect(&overlap, &about, &button),
          "About box beside the main window's buttons");
    Check(Utf8(Text(About())) == "About " + std::string(kApplicationTitle) &&
              Utf8(Text(g_form)) == kApplicationTitle,
          "the windows' titles");
    ReadTitle(About(), kAboutDesign, {dpi, false, true});
    ReadTitle(g_form, kForm1Design, {dpi, true, false});
    const HWND picture = Named("picIcon");
    ReadPicture(picture, exe, dpi >= 144 ? IDB_AIRLINER_2X : IDB_AIRLINER,
                "the About box's picture" + at);
    Check(!FocusShows(picture), "no focus rectangle on the picture without the focus");
    Key(VK_TAB); // from OK to the next stop
    const bool stop =
        DesignOf(AboutControl::picIcon).tabIndex == DesignOf(AboutControl::cmdOK).tabIndex + 1;
    WaitFor([&] { return (Focused() == picture) == stop; });
    Check(FocusShows(picture) == stop, "the picture's focus rectangle with its Tab stop");
    ReadBack(About(), kAboutDesign, Controls(true), process.hProcess, {dpi, false, true});
    Stop(process);
}

} // namespace tavrel
