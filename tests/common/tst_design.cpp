// Both windows' design tables, which every front-end builds its windows from
// and reads back, against the designs transcribed line by line in
// designs.txt: a fault in the tables would otherwise be built and read back
// the same everywhere.
#include "about/frm_about.h"
#include "main_window/form1_controls.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

using namespace tavrel;

namespace {

std::string Hex(ColourValue colour)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%08X", colour);
    return colour == kDefaultColour ? "-" : text;
}

std::string Font(FontDesign font)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g%s", font.points, font.bold ? " bold" : "");
    return font.points == 0 ? "-" : text;
}

// A control as a line of designs.txt; its caption is "*" when the line
// gives only the caption's beginning and the caption begins so.
std::string Line(const ControlDesign &c, const std::string &captionFrom)
{
    static const char *const kinds[] = {"label",  "box",     "spinner", "option",
                                        "button", "picture", "line"};
    const SpinnerDesign &s = c.spinner;
    std::string extras = c.kind == ControlKind::Spinner
                             ? std::to_string(s.min) + ".." + std::to_string(s.max) + " by " +
                                   std::to_string(s.smallChange) + " at " + std::to_string(s.value)
                             : "";
    for (const auto &[on, word] : {std::pair{!c.visible, "hidden"},
                                   {c.selected, "selected"},
                                   {c.isDefault, "default"},
                                   {c.wordWrap, "wraps"}})
        if (on)
            extras += (extras.empty() ? "" : " ") + std::string(word);
    const std::string caption =
        captionFrom.ends_with('*') &&
                std::string(c.caption).starts_with(captionFrom.substr(0, captionFrom.size() - 1))
            ? captionFrom
            : c.caption;
    const TwipsRect &r = c.rect;
    return std::string(c.name) + " | " + kinds[int(c.kind)] + " | " + std::to_string(r.left) + ' ' +
           std::to_string(r.top) + ' ' + std::to_string(r.width) + ' ' + std::to_string(r.height) +
           " | " + (c.tabIndex < 0 ? "-" : std::to_string(c.tabIndex)) + " | \"" + caption +
           "\" | " + Font(c.font) + " | " + Hex(c.foreColour) + " | " + Hex(c.backColour) +
           " | \"" + c.toolTip + "\" | " + (extras.empty() ? "-" : extras);
}

TEST(Design, BothWindowsAsTranscribed)
{
    std::ifstream file(TAVREL_DESIGNS_FILE);
    const WindowDesign *window = nullptr;
    std::size_t next = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line.starts_with("window | ")) {
            ASSERT_TRUE(!window || next == window->controls.size()) << "controls left out";
            window = line.find("| Form1 |") != std::string::npos ? &kForm1Design : &kAboutDesign;
            next = 0;
            EXPECT_EQ(line.substr(line.find('|', 9)),
                      "| \"" + std::string(window->caption) + "\" | " +
                          std::to_string(window->widthTwips) + ' ' +
                          std::to_string(window->heightTwips) + " | " + Font(window->font));
            continue;
        }
        ASSERT_TRUE(window && next < window->controls.size()) << line;
        const std::size_t quote = line.find(" | \"") + 4;
        EXPECT_EQ(Line(window->controls[next++], line.substr(quote, line.find('"', quote) - quote)),
                  line);
    }
    ASSERT_TRUE(window && next == window->controls.size()) << "controls left out";
}

} // namespace
