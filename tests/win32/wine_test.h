// What the programs run under wine share: checks and waits, Tavrel.exe driven
// and its controls by their designs' names, and their ink as painted.
#pragma once

#include "main_window/form1_controls.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace tavrel {

void Check(bool ok, const std::string &what);

template <typename Condition> bool WaitFor(Condition condition, int seconds = 5)
{
    for (int i = 0; i < seconds * 40 && !condition(); ++i) {
        Sleep(25);
        for (MSG message;
             PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) // this process's windows
            DispatchMessageW(&message);
    }
    return condition();
}

// A window's text, even another process's box's.
inline std::wstring Text(HWND window)
{
    std::wstring text(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
    text.resize(SendMessageW(window, WM_GETTEXT, text.size(), LPARAM(text.data())));
    return text;
}

extern HWND g_form; // the main window, of the Tavrel.exe driven or of this process
HWND About();
// A window's controls in design order, each with its design; a control of
// either window by its design's name.
std::vector<std::pair<ControlDesign, HWND>> Controls(bool about);
HWND Control(Form1Control control);
HWND Named(const std::string &name);
HWND Focused();

// Tavrel.exe started, its main window in front with its first box focused; and ended.
void Start(const wchar_t *exe);
void Stop();

// A step of the scenario table (tests/scenarios/scenarios.txt), as a user takes it.
void Step(const std::string &step);

// A control's pixels of a colour as painted.
int Ink(HWND control, COLORREF colour);

// Tavrel.exe at a DPI, both windows read back as drawn against their designs.
void Layout(const wchar_t *exe, UINT dpi);
// Every row of the shared scenario table, each on a freshly started Tavrel.exe.
void Scenarios(const wchar_t *exe, const std::string &table);

} // namespace tavrel
