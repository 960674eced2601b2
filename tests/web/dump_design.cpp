// Prints both windows' designs as JSON, so that the browser test compares
// what Chromium draws with the tables the windows are built from.
#include "about/frm_about.h"
#include "main_window/form1_controls.h"

#include <cstdio>
#include <string>

namespace {

std::string Quoted(const char *text)
{
    std::string json = "\"";
    for (; *text; ++text)
        json += (*text == '"' || *text == '\\') ? std::string("\\") + *text : std::string(1, *text);
    return json + "\"";
}

void Print(const char *name, const tavrel::WindowDesign &design)
{
    std::printf(
        "%s:{\"caption\":%s,\"width\":%d,\"height\":%d,\"points\":%g,\"bold\":%d,\"controls\":[",
        Quoted(name).c_str(), Quoted(design.caption).c_str(), design.widthTwips, design.heightTwips,
        design.font.points, design.font.bold);
    const char *comma = "";
    for (const tavrel::ControlDesign &c : design.controls) {
        std::printf("%s{\"name\":%s,\"kind\":%d,\"rect\":[%d,%d,%d,%d],\"tabIndex\":%d,"
                    "\"caption\":%s,\"points\":%g,\"bold\":%d,\"fore\":%u,\"back\":%u,"
                    "\"toolTip\":%s,\"visible\":%d}",
                    comma, Quoted(c.name).c_str(), int(c.kind), c.rect.left, c.rect.top,
                    c.rect.width, c.rect.height, c.tabIndex, Quoted(c.caption).c_str(),
                    c.font.points, c.font.bold, c.foreColour, c.backColour,
                    Quoted(c.toolTip).c_str(), c.visible);
        comma = ",";
    }
    std::printf("]}");
}

} // namespace

int main()
{
    std::printf("{");
    Print("main", tavrel::kForm1Design);
    std::printf(",");
    Print("about", tavrel::kAboutDesign);
    std::printf("}\n");
}
