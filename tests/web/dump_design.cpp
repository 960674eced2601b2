// Prints both windows' designs as JSON, so that the browser test compares
// what the browser draws with the tables the windows are built from. No text
// of the designs holds a quote or a backslash, which JSON would need escaped.
#include "about/frm_about.h"
#include "main_window/form1_controls.h"

#include <cstdio>
#include <utility>

int main()
{
    const char *separator = "{";
    for (const auto &[name, design] :
         {std::pair{"main", &tavrel::kForm1Design}, std::pair{"about", &tavrel::kAboutDesign}}) {
        std::printf("%s\"%s\":{\"caption\":\"%s\",\"points\":%g,\"controls\":[", separator, name,
                    design->caption, design->font.points);
        for (const tavrel::ControlDesign &c : design->controls)
            std::printf("%s{\"name\":\"%s\",\"kind\":%d,\"rect\":[%d,%d,%d,%d],\"tabIndex\":%d,"
                        "\"caption\":\"%s\",\"points\":%g,\"bold\":%d,\"fore\":%u,\"back\":%u,"
                        "\"toolTip\":\"%s\",\"visible\":%d}",
                        &c == design->controls.data() ? "" : ",", c.name, int(c.kind), c.rect.left,
                        c.rect.top, c.rect.width, c.rect.height, c.tabIndex, c.caption,
                        c.font.points, c.font.bold, c.foreColour, c.backColour, c.toolTip,
                        c.visible);
        std::printf("]}");
        separator = ",";
    }
    std::printf("}\n");
}
