// The title under which the program runs: the main window's caption, the About
// box's title line and the title of every message box.
#pragma once

#include "tavrel_version.h"

namespace tavrel {

inline constexpr const char *kApplicationTitle = TAVREL_TITLE;
// "1.00", as the packages and the version resource show it.
inline constexpr const char *kPackageVersion = TAVREL_PACKAGE_VERSION;

} // namespace tavrel
