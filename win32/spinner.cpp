#include "win32/spinner.h"

#include <commctrl.h>

namespace tavrel {

namespace {

// The one arrow the mouse holds, if any.
struct Held
{
    HWND spinner = nullptr;
    bool upper = false, over = false;
} g_held;

RECT ArrowRect(HWND spinner, bool upper)
{
    RECT area;
    GetClientRect(spinner, &area); // a spinner is its two arrows, a half each
    (upper ? area.bottom : area.top) = (area.top + area.bottom) / 2;
    return area;
}

void Tell(HWND spinner, ArrowEvent event)
{
    InvalidateRect(spinner, nullptr, FALSE);
    SendMessageW(GetParent(spinner), kArrowMessage, WPARAM(event), LPARAM(spinner));
}

LRESULT CALLBACK SpinnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR)
{
    const POINT at{short(LOWORD(lParam)), short(HIWORD(lParam))};
    const bool holding = g_held.spinner == window;
    switch (message) {
    case WM_MOUSEWHEEL:
        return SendMessageW(GetParent(window), message, wParam, lParam);
    case WM_KEYDOWN:
        return 0; // the procedures took every key a spinner answers; it moves on no other
    case WM_CONTEXTMENU:
        return 0; // nor has it a menu of its own
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const RECT upperArrow = ArrowRect(window, true);
        const bool upper = PtInRect(&upperArrow, at);
        g_held = {window, upper, true};
        SetCapture(window);
        Tell(window, upper ? ArrowEvent::PressUpper : ArrowEvent::PressLower);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (holding) {
            const RECT arrow = ArrowRect(window, g_held.upper);
            if (const bool over = PtInRect(&arrow, at); over != g_held.over) {
                g_held.over = over;
                Tell(window, over ? ArrowEvent::Over : ArrowEvent::Off);
            }
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (holding) {
            g_held = {};
            if (message == WM_LBUTTONUP)
                ReleaseCapture();
            Tell(window, ArrowEvent::Release);
        }
        return 0;
    case WM_PAINT:
        if (holding && g_held.over) {
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            RECT arrow = ArrowRect(window, g_held.upper);
            const HDC dc = GetDC(window);
            DrawFrameControl(dc, &arrow, DFC_SCROLL,
                             (g_held.upper ? DFCS_SCROLLUP : DFCS_SCROLLDOWN) | DFCS_PUSHED);
            ReleaseDC(window, dc);
            return result;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, SpinnerProc, 0);
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

void MakeSpinner(HWND bar, const SpinnerDesign &design)
{
    SetScrollRange(bar, SB_CTL, design.min, design.max, FALSE);
    SetScrollPos(bar, SB_CTL, design.value, FALSE);
    SetWindowSubclass(bar, SpinnerProc, 0, 0);
}

std::optional<SpinAction> SpinActionOf(int scrollCode)
{
    switch (scrollCode) {
    case SB_LINEUP:
        return SpinAction::LineUp;
    case SB_LINEDOWN:
        return SpinAction::LineDown;
    case SB_PAGEUP:
        return SpinAction::PageUp;
    case SB_PAGEDOWN:
        return SpinAction::PageDown;
    case SB_TOP:
        return SpinAction::Top;
    case SB_BOTTOM:
        return SpinAction::Bottom;
    }
    return std::nullopt;
}

} // namespace tavrel
