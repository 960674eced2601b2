// The floor for Tavrel.exe's start-up time and memory under the same wine: a
// bare Win32 window of the main window's size, built with the same flags.
// With "label" it also shows one line of text in a TrueType face, the floor
// for any window that draws text (the font found and loaded, text measured).
#include <string_view>

#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"Bare";
    RegisterClassW(&windowClass);
    const HWND window =
        CreateWindowW(L"Bare", L"Bare window", WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                      CW_USEDEFAULT, 400, 192, nullptr, nullptr, instance, nullptr);
    if (commandLine == std::wstring_view(L"label")) {
        LOGFONTW face{};
        face.lfHeight = -11;
        wcscpy_s(face.lfFaceName, L"Microsoft Sans Serif");
        const HWND label = CreateWindowW(L"STATIC", L"Flying from", WS_CHILD | WS_VISIBLE, 8, 13,
                                         67, 13, window, nullptr, instance, nullptr);
        SendMessageW(label, WM_SETFONT, WPARAM(CreateFontIndirectW(&face)), FALSE);
    }
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
