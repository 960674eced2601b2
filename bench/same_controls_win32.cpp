// The floor for Tavrel.exe's start-up with its controls: a plain window (no
// dialog class, no tooltips, no subclassing, no answers for screen readers) holding
// the main window's 37 standard controls with their fonts and texts, placed
// at 96 DPI, built with the same flags and manifest, created and shown with
// nothing else.
#include "common/twips.h"
#include "main_window/form1_controls.h"

#include <cmath>
#include <cstring>
#include <map>
#include <string>

#include <windows.h>

using namespace tavrel;

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

HFONT FontOf(const FontDesign &design)
{
    static std::map<std::pair<double, bool>, HFONT> fonts;
    HFONT &font = fonts[{design.points, design.bold}];
    if (!font) {
        LOGFONTW face{};
        face.lfHeight = -LONG(std::lround((design.points > 0 ? design.points : 8.25) * 96 / 72.0));
        face.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
        wcscpy_s(face.lfFaceName, L"Microsoft Sans Serif");
        font = CreateFontIndirectW(&face);
    }
    return font;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"SameControls";
    RegisterClassW(&windowClass);
    RECT frame{0, 0, TwipsToPixels(kForm1Design.widthTwips, 96),
               TwipsToPixels(kForm1Design.heightTwips, 96)};
    AdjustWindowRect(&frame, WS_CAPTION | WS_SYSMENU, FALSE);
    const HWND window = CreateWindowW(
        L"SameControls", L"Same controls", WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    for (const ControlDesign &control : kForm1Design.controls) {
        const wchar_t *windowClass = L"STATIC";
        DWORD style = WS_CHILD | (control.visible ? WS_VISIBLE : 0);
        switch (control.kind) {
        case ControlKind::TextBox:
            windowClass = L"EDIT";
            style |= ES_AUTOHSCROLL | WS_BORDER;
            break;
        case ControlKind::Spinner:
            windowClass = L"SCROLLBAR";
            style |= SBS_VERT;
            break;
        case ControlKind::OptionButton:
            windowClass = L"BUTTON";
            style |= BS_AUTORADIOBUTTON;
            break;
        case ControlKind::CommandButton:
            windowClass = L"BUTTON";
            break;
        default:
            break;
        }
        std::wstring caption(control.caption, control.caption + std::strlen(control.caption));
        const TwipsRect &r = control.rect;
        const HWND handle =
            CreateWindowW(windowClass, caption.c_str(), style, TwipsToPixels(r.left, 96),
                          TwipsToPixels(r.top, 96), TwipsToPixels(r.width, 96),
                          TwipsToPixels(r.height, 96), window, nullptr, instance, nullptr);
        SendMessageW(handle, WM_SETFONT, WPARAM(FontOf(control.font)), FALSE);
    }
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
