// The standard controls of a window's design as Windows' controls, and
// their places at the window's DPI.
#pragma once

#include "common/design.h"
#include "win32/look.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <vector>

namespace tavrel {

// The first control identifier, clear of IDOK and IDCANCEL; a control's is
// this plus its index in the design, the default button's IDOK.
inline constexpr int kFirstControlId = 100;

// Creates the controls of the design as children of window, with their
// captions, styles, fonts and initial values, placed at dpi, in the focus
// order, which is the order screen readers meet them in. Returns them in
// design order.
std::vector<HWND> CreateControls(HWND window, const WindowDesign &design, FontCache &fonts,
                                 UINT dpi);

// The tooltips of the design's controls; made when the mouse first comes
// over the window, since no one sees them before.
void AddToolTips(HWND window, const WindowDesign &design, const std::vector<HWND> &controls);

// Sizes the window to the design's client area at dpi.
void SizeWindow(HWND window, const WindowDesign &design, UINT dpi);

// Places the controls again at another dpi, in the fonts of the design at
// that dpi, and sizes the window.
void LayOut(HWND window, const WindowDesign &design, const std::vector<HWND> &controls,
            FontCache &fonts, UINT dpi);

} // namespace tavrel
