// The controls of a window's design as the page's markup.
#pragma once

#include "common/design.h"

#include <string>
#include <string_view>

namespace tavrel {

// Text as HTML, in an element or an attribute's quotes.
std::string Escaped(std::string_view text);

// CSS pixels are 1/96 inch: 15 twips each.
inline constexpr double kCssDpi = 96.0;

// The client area of the window: one element per control, its id the
// control's name (placed by WindowStyle), with the design's captions,
// tooltips and initial states, in the order the window is read (a row's
// caption, its box, its spinner, its unit), as screen readers meet them; a
// box and its spinner are named by their row's visible caption and unit.
std::string WindowMarkup(const WindowDesign &design);

// A window's frame, hidden until shown: a <main> (role "main") or a dialog
// <section>, its title bar with the caption and the close button, then its
// client area, holding `client` (empty: the page fills it).
std::string FrameMarkup(std::string_view role, std::string_view caption,
                        std::string_view client = {});

} // namespace tavrel
