#include "win32/spinner.h"

#include <commctrl.h>

namespace tavrel {

namespace {

LRESULT CALLBACK SpinnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR)
{
    if (message == WM_MOUSEWHEEL)
        return SendMessageW(GetParent(window), message, wParam, lParam);
    if (message == WM_KEYDOWN)
        return 0; // the procedures took every key a spinner answers; it moves on no other
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, SpinnerProc, 0);
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
