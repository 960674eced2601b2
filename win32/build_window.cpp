#include "win32/build_window.h"

#include "common/twips.h"
#include "win32/picture_box.h"
#include "win32/spinner.h"
#include "win32/text.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <numeric>

namespace tavrel {

namespace {

constexpr int kLineThickness = 2; // an etched line: its colour, white beneath

struct ClassAndStyle
{
    const wchar_t *windowClass;
    DWORD style, exStyle;
};

ClassAndStyle ClassOf(const ControlDesign &design)
{
    switch (design.kind) {
    case ControlKind::Label: // with SS_NOTIFY it has the mouse, for its tooltip
        return {L"STATIC",
                DWORD(SS_NOPREFIX | SS_NOTIFY | (design.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP)),
                0};
    case ControlKind::TextBox:
        return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Spinner:
        return {L"SCROLLBAR", SBS_VERT, 0};
    case ControlKind::OptionButton:
        return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ControlKind::CommandButton:
        return {L"BUTTON", DWORD(design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
    case ControlKind::PictureBox:
        return {kPictureBoxClass, 0, WS_EX_CLIENTEDGE};
    case ControlKind::Line:
        break;
    }
    return {L"STATIC", SS_OWNERDRAW, 0}; // its window draws it in its design's colour
}

// A control's place at dpi, in its font. Edges are converted, not sizes, so
// that neighbours meet without gaps.
RECT PlaceOf(const ControlDesign &control, HFONT font, HDC measure, UINT dpi)
{
    RECT place{TwipsToPixels(control.rect.left, dpi), TwipsToPixels(control.rect.top, dpi),
               TwipsToPixels(control.rect.left + control.rect.width, dpi),
               TwipsToPixels(control.rect.top + control.rect.height, dpi)};
    if (control.kind == ControlKind::Line)
        place.bottom = place.top + kLineThickness;
    if (control.kind == ControlKind::Label && !control.wordWrap) {
        // A caption is never cut: one that this font draws wider grows to the right.
        const HGDIOBJ previous = SelectObject(measure, font);
        const std::wstring caption = Utf16(control.caption);
        SIZE extent{};
        GetTextExtentPoint32W(measure, caption.c_str(), int(caption.size()), &extent);
        SelectObject(measure, previous);
        place.right = std::max(place.right, place.left + LONG(extent.cx));
    }
    return place;
}

HFONT FontOf(const WindowDesign &design, const ControlDesign &control, FontCache &fonts, UINT dpi)
{
    return fonts.Get(control.font.points > 0 ? control.font : design.font, dpi);
}

} // namespace

std::vector<HWND> CreateControls(HWND window, const WindowDesign &design, FontCache &fonts,
                                 UINT dpi)
{
    // The controls that take no focus come last, so that they lie beneath the others.
    std::vector<std::size_t> order(design.controls.size());
    std::iota(order.begin(), order.end(), 0);
    const auto focusRank = [&](std::size_t i) {
        return design.controls[i].tabIndex < 0 ? INT_MAX : design.controls[i].tabIndex;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return focusRank(a) < focusRank(b); });

    std::vector<HWND> controls(order.size());
    const HDC measure = CreateCompatibleDC(nullptr);
    ControlKind previous = ControlKind::Line;
    for (const std::size_t i : order) {
        const ControlDesign &control = design.controls[i];
        ClassAndStyle kind = ClassOf(control);
        kind.style |= WS_CHILD | WS_CLIPSIBLINGS | (control.visible ? WS_VISIBLE : 0);
        // An option group is a run of option buttons: a click on one clears
        // the other. A scroll bar takes the focus on a click only as a tab
        // stop; which control Tab goes to is the procedures' choice.
        const bool option = control.kind == ControlKind::OptionButton;
        if (!option || previous != ControlKind::OptionButton)
            kind.style |= WS_GROUP;
        if (control.tabIndex >= 0)
            kind.style |= WS_TABSTOP;
        const int id = control.isDefault ? IDOK : kFirstControlId + int(i);
        const HFONT font = FontOf(design, control, fonts, dpi);
        const RECT place = PlaceOf(control, font, measure, dpi);
        // A picture box draws no text: its window text is the name screen readers say.
        const std::wstring text = Utf16(
            control.kind == ControlKind::PictureBox ? control.accessibleName : control.caption);
        const HWND handle = CreateWindowExW(
            kind.exStyle, kind.windowClass, text.c_str(), kind.style, place.left, place.top,
            place.right - place.left, place.bottom - place.top, window,
            reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(handle, WM_SETFONT, WPARAM(font), FALSE);
        controls[i] = handle;
        previous = control.kind;
        if (control.kind == ControlKind::TextBox)
            SendMessageW(handle, EM_SETLIMITTEXT, 0, 0); // a paste is never cut short
        else if (control.kind == ControlKind::Spinner)
            MakeSpinner(handle, control.spinner);
        else if (option && control.selected)
            SendMessageW(handle, BM_SETCHECK, BST_CHECKED, 0);
        else if (control.isDefault)
            SendMessageW(window, DM_SETDEFID, IDOK, 0);
    }
    DeleteDC(measure);
    return controls;
}

void AddToolTips(HWND window, const WindowDesign &design, const std::vector<HWND> &controls)
{
    const HWND toolTips = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                                          0, 0, 0, window, nullptr, nullptr, nullptr);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!*design.controls[i].toolTip)
            continue;
        std::wstring tip = Utf16(design.controls[i].toolTip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = UINT_PTR(controls[i]);
        tool.lpszText = tip.data();
        SendMessageW(toolTips, TTM_ADDTOOLW, 0, LPARAM(&tool));
    }
}

void LayOut(HWND window, const WindowDesign &design, const std::vector<HWND> &controls,
            FontCache &fonts, UINT dpi)
{
    const HDC measure = CreateCompatibleDC(nullptr);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const HFONT font = FontOf(design, design.controls[i], fonts, dpi);
        SendMessageW(controls[i], WM_SETFONT, WPARAM(font), FALSE);
        const RECT place = PlaceOf(design.controls[i], font, measure, dpi);
        SetWindowPos(controls[i], nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    DeleteDC(measure);
    SizeWindow(window, design, dpi);
    fonts.DropStale();
}

void SizeWindow(HWND window, const WindowDesign &design, UINT dpi)
{
    RECT frame{0, 0, TwipsToPixels(design.widthTwips, dpi), TwipsToPixels(design.heightTwips, dpi)};
    AdjustWindowRectExForDpi(&frame, DWORD(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                             DWORD(GetWindowLongPtrW(window, GWL_EXSTYLE)), dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tavrel
