// Colours and fonts of the designs as CSS. The page sets the family, the
// classic sans serif of the desktop programs; a design gives size and weight.
#pragma once

#include "common/colours.h"
#include "common/design.h"

#include <string>

namespace tavrel {

// "#rrggbb" for a plain colour; a system colour as the CSS system colour of
// the same role, which follows the browser's and the user's settings.
std::string CssColour(ColourValue colour);

// "font-size:8.25pt;font-weight:bold;" or empty for the window's own font.
std::string CssFont(const FontDesign &font);

} // namespace tavrel
