// Tavrel.exe's windows read back from what Windows shows of them, control by
// control, against the designs they are built from (look_test.cpp).
#pragma once

#include "common/design.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>
#include <vector>

namespace tavrel {

void Check(bool ok, const std::string &what); // windows_test.cpp

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

// The About box's picture as drawn: which of the two bitmaps of `exe`
// (resource ids `small`, `large`), at the size of the box; and whether its
// focus rectangle shows.
void ReadPicture(HWND picture, const wchar_t *exe, int expectedId, const std::string &what);
bool FocusShows(HWND picture);

// The pixels of the upper half of a control, as painted.
std::vector<COLORREF> UpperHalf(HWND control);

} // namespace tavrel
