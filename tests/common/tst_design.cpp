// Both windows' design tables, which every front-end builds its windows from
// and reads back, against the designs transcribed line by line in
// designs.txt: a fault in the tables would otherwise be built and read back
// the same everywhere.
#include "about/frm_about.h"
#include "main_window/form1_controls.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using namespace tavrel;

namespace {

std::string Hex(ColourValue colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", colour);
    return colour == kDefaultColour ? "-" : text;
}

std::string Font(FontDesign font)
{
    std::ostringstream text;
    text << font.points << (font.bold ? " bold" : "");
    return font.points == 0 ? "-" : text.str();
}

// A control as a line of designs.txt, "from" its caption's beginning when the
// line gives only that, ending in "*".
std::string Line(const ControlDesign &c, const std::string &from)
{
    static const char *const kinds[] = {"label",  "box",     "spinner", "option",
                                        "button", "picture", "line"};
    const SpinnerDesign &s = c.spinner;
    std::ostringstream line, extras;
    if (c.kind == ControlKind::Spinner)
        extras << ' ' << s.min << ".." << s.max << " by " << s.smallChange << " at " << s.value;
    for (const auto &[on, word] : {std::pair{!c.visible, " hidden"},
                                   {c.selected, " selected"},
                                   {c.isDefault, " default"},
                                   {c.wordWrap, " wraps"}})
        extras << (on ? word : "");
    const bool begins = from.ends_with('*') &&
                        std::string_view(c.caption).starts_with(from.substr(0, from.size() - 1));
    line << c.name << " | " << kinds[int(c.kind)] << " | " << c.rect.left << ' ' << c.rect.top
         << ' ' << c.rect.width << ' ' << c.rect.height << " | "
         << (c.tabIndex < 0 ? "-" : std::to_string(c.tabIndex)) << " | \""
         << (begins ? from : c.caption) << "\" | " << Font(c.font) << " | " << Hex(c.foreColour)
         << " | " << Hex(c.backColour) << " | \"" << c.toolTip << "\" |"
         << (extras.str().empty() ? " -" : extras.str());
    return line.str();
}

TEST(Design, BothWindowsAsTranscribed)
{
    std::ifstream file(TAVREL_DESIGNS_FILE);
    const WindowDesign *window = nullptr;
    std::size_t next = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with("window | ")) {
            ASSERT_TRUE(!window || next == window->controls.size()) << "controls left out";
            window = line.find("| Form1 |") != std::string::npos ? &kForm1Design : &kAboutDesign;
            next = 0;
            std::ostringstream seen;
            seen << "| \"" << window->caption << "\" | " << window->widthTwips << ' '
                 << window->heightTwips << " | " << Font(window->font);
            EXPECT_EQ(line.substr(line.find('|', 9)), seen.str());
        } else if (!line.empty() && line[0] != '#') {
            ASSERT_TRUE(window && next < window->controls.size()) << line;
            const std::size_t quote = line.find(" | \"") + 4;
            EXPECT_EQ(
                Line(window->controls[next++], line.substr(quote, line.find('"', quote) - quote)),
                line);
        }
    }
    ASSERT_TRUE(window && next == window->controls.size()) << "controls left out";
}

} // namespace
