// What the programs run under wine share: checks, waits, text and pixels
// read back from Tavrel.exe's windows, and its look against its designs.
#pragma once

#include "common/design.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tavrel {

void Check(bool ok, const std::string &what); // windows_test.cpp

template <typename Condition> bool WaitFor(Condition condition, int seconds = 5)
{
    for (int i = 0; i < seconds * 40 && !condition(); ++i)
        Sleep(25);
    return condition();
}

// A window's text, even another process's box's.
inline std::wstring Text(HWND window)
{
    std::wstring text(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
    text.resize(SendMessageW(window, WM_GETTEXT, text.size(), LPARAM(text.data())));
    return text;
}

struct Pixels
{
    int width = 0, height = 0;
    std::vector<COLORREF> at;
    bool operator==(const Pixels &) const = default;
    int Count(COLORREF colour) const { return int(std::count(at.begin(), at.end(), colour)); }
};

// A window's client area (or its whole frame) as painted on screen, between
// fractions of its height.
Pixels Painted(HWND window, bool frame = false, double top = 0, double bottom = 1);

// The state a window is read in: with wind the greyed rows are in use.
struct LookState
{
    UINT dpi;
    bool wind, active;
};

// Every control of a window of Tavrel.exe (`process`), in design order: its
// text, font, colours as painted, place at the DPI, visibility, tab stop and
// tooltip.
void ReadBack(HWND window, const WindowDesign &design, const std::vector<HWND> &controls,
              HANDLE process, const LookState &state);

// A window's title bar: its caption, a close button and no other, a fixed
// frame, drawn in the active or inactive title's colours.
void ReadTitle(HWND window, const std::string &title, const LookState &state);

// The About box's picture as drawn: which of the two bitmaps of `exe`, at
// the size of the box; and whether its focus rectangle shows.
void ReadPicture(HWND picture, const wchar_t *exe, int expectedId, const std::string &what);
bool FocusShows(HWND picture);

} // namespace tavrel
