// The title under which the program runs: the main window's caption, the About
// box's title line and the title of every message box.
#pragma once

namespace tavrel {

inline constexpr const char *kApplicationTitle = "Tavrel V1.0";

} // namespace tavrel
