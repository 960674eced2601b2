// What the programs run under wine share: checks and waits, the Tavrel.exe
// driven and its controls by their designs' names, input as a user gives it,
// and pixels read back from its windows.
#pragma once

#include "main_window/form1_controls.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace tavrel {

void Check(bool ok, const std::string &what);

template <typename Condition> bool WaitFor(Condition condition, int seconds = 5)
{
    for (int i = 0; i < seconds * 40 && !condition(); ++i)
        Sleep(25);
    return condition();
}

// A Win32 structure zeroed, with its size set.
template <typename T> T Sized()
{
    T value{};
    value.cbSize = sizeof value;
    return value;
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
const WindowDesign &DesignOf(bool about);
// Every control of a window in design order, and a control of either by its design's name.
std::vector<HWND> Controls(bool about);
HWND Control(Form1Control control);
HWND Named(const std::string &name);
std::string NameOf(HWND control);
HWND Focused();

// Tavrel.exe started, its main window in front with its first box focused; and ended.
PROCESS_INFORMATION Start(const wchar_t *exe);
void Stop(const PROCESS_INFORMATION &process);

// A key, with a modifier held unless it is 0; a mouse button or the wheel;
// the pointer moved to a quarter of a control's height ("up", "middle",
// "down") or beside it ("off"), pressed there unless `down` is 0.
void Key(WORD key, DWORD flags = 0, WORD modifier = 0);
void Mouse(DWORD flags, DWORD data = 0);
void Move(HWND window, const std::string &where, DWORD down = 0, DWORD up = 0);

struct Pixels
{
    int width = 0, height = 0;
    std::vector<COLORREF> at;
    bool operator==(const Pixels &) const = default;
    int Count(COLORREF colour) const { return int(std::count(at.begin(), at.end(), colour)); }
};

// A window's client area (or its whole frame) as painted on screen, between
// fractions of its height; and its pixels of a colour, or dark ones for CLR_INVALID.
Pixels Painted(HWND window, bool frame = false, double top = 0, double bottom = 1);
int Ink(HWND control, COLORREF colour, double top = 0, double bottom = 1);
// A memory bitmap of the screen's format, drawn by `draw`, and read.
Pixels Drawn(int width, int height, const std::function<void(HDC dc, HDC screen)> &draw);

// The state a window is read in: with wind the greyed rows are in use.
struct LookState
{
    UINT dpi;
    bool wind, active;
};

// Every control of a window of Tavrel.exe (`process`), in design order: its
// text, font, colours as painted, place at the DPI, visibility, Tab stop and tooltip.
void ReadBack(HWND window, const WindowDesign &design, const std::vector<HWND> &controls,
              HANDLE process, const LookState &state);

// Tavrel.exe at a DPI, both windows read back against their designs.
void Layout(const wchar_t *exe, UINT dpi);
// Every row of the shared scenario table, each on a freshly started Tavrel.exe.
void Scenarios(const wchar_t *exe, const std::string &table);

} // namespace tavrel
