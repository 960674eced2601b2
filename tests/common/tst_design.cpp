// Both windows' design tables, which every front-end builds its windows from
// and reads back, against the designs transcribed line by line in
// designs.txt: a fault in the tables would otherwise be built and read back
// the same everywhere.
#include "../rows.h"
#include "about/frm_about.h"
#include "main_window/form1_controls.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace tavrel;
using tavrel::testing::Row;

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

// A control as a row of designs.txt, "from" its caption's beginning when the
// row gives only that, ending in "*".
Row Columns(const ControlDesign &c, const std::string &from)
{
    static const char *const kinds[] = {"label",  "box",     "spinner", "option",
                                        "button", "picture", "line"};
    const SpinnerDesign &s = c.spinner;
    std::ostringstream rect, extras;
    rect << c.rect.left << ' ' << c.rect.top << ' ' << c.rect.width << ' ' << c.rect.height;
    if (c.kind == ControlKind::Spinner)
        extras << s.min << ".." << s.max << " by " << s.smallChange << " at " << s.value << ' ';
    for (const auto &[on, word] : {std::pair{!c.visible, "hidden "},
                                   {c.selected, "selected "},
                                   {c.isDefault, "default "},
                                   {c.wordWrap, "wraps "}})
        extras << (on ? word : "");
    const bool begins = from.ends_with("*\"") &&
                        ('"' + std::string(c.caption)).starts_with(from.substr(0, from.size() - 2));
    return {c.name,
            kinds[int(c.kind)],
            rect.str(),
            c.tabIndex < 0 ? "-" : std::to_string(c.tabIndex),
            begins ? from : '"' + std::string(c.caption) + '"',
            Font(c.font),
            Hex(c.foreColour),
            Hex(c.backColour),
            '"' + std::string(c.toolTip) + '"',
            extras.str().empty() ? "-" : extras.str().substr(0, extras.str().size() - 1)};
}

TEST(Design, BothWindowsAsTranscribed)
{
    const std::vector<Row> rows = tavrel::testing::ReadRows(TAVREL_DESIGNS_FILE, 10);
    std::vector<Row> seen;
    for (const WindowDesign *window : {&kForm1Design, &kAboutDesign}) {
        seen.push_back(
            {"window", window == &kForm1Design ? "Form1" : "frmAbout",
             '"' + std::string(window->caption) + '"',
             std::to_string(window->widthTwips) + ' ' + std::to_string(window->heightTwips),
             Font(window->font), "", "", "", "", ""});
        for (const ControlDesign &c : window->controls)
            seen.push_back(Columns(c, seen.size() < rows.size() ? rows[seen.size()][4] : ""));
    }
    ASSERT_EQ(seen.size(), rows.size()) << "controls left out";
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(seen[i], rows[i]);
}

} // namespace
