#include "web/look.h"

#include "common/numbers.h"

namespace tavrel {

std::string CssColour(ColourValue colour)
{
    if (IsSystemColour(colour)) {
        switch (SystemColourIndex(colour)) {
        case SystemColourIndex(kSysButtonShadow):
            return "var(--greyed, GrayText)"; // darker where more contrast is asked for
        case SystemColourIndex(kSysInactiveBorder):
            return "ButtonFace"; // the windows' own background, as on the desktop
        default:
            return "ButtonText";
        }
    }
    if (colour == kRed)
        return "var(--warning, #ff0000)"; // the About box's notice; likewise
    constexpr char kDigits[] = "0123456789abcdef";
    std::string css = "#";
    for (const unsigned component : {RedOf(colour), GreenOf(colour), BlueOf(colour)})
        css += {kDigits[component >> 4], kDigits[component & 0xF]};
    return css;
}

std::string CssFont(const FontDesign &font)
{
    if (font.points <= 0)
        return {};
    return "font-size:" + NumberToText(font.points) +
           (font.bold ? "pt;font-weight:bold;" : "pt;font-weight:normal;");
}

} // namespace tavrel
