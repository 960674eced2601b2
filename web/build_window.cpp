#include "web/build_window.h"

#include "web/look.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace tavrel {

std::string Escaped(std::string_view text)
{
    std::string html;
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

namespace {

// A caption's "&" marks its access key, underlined (the procedures take
// Alt with it). "&&" is a plain "&".
std::string Caption(std::string_view caption)
{
    std::string html;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&' || i + 1 == caption.size()) {
            html += Escaped(caption.substr(i, 1));
        } else if (caption[++i] == '&') {
            html += "&amp;";
        } else {
            html += "<u>" + Escaped(caption.substr(i, 1)) + "</u>";
        }
    }
    return html;
}

std::string ControlMarkup(const ControlDesign &control)
{
    using enum ControlKind;
    const std::string caption = Caption(control.caption);
    const std::string id = std::string(" id=\"") + control.name + "\"";
    std::string attributes = id;
    if (*control.toolTip)
        attributes += " title=\"" + Escaped(control.toolTip) + "\"";
    if (*control.accessibleName)
        attributes += (control.kind == PictureBox ? " alt=\"" : " aria-label=\"") +
                      Escaped(control.accessibleName) + "\"";
    if (HidesValue(control, control.foreColour))
        attributes += " data-blank"; // its selection hidden too
    if (!control.visible)
        attributes += " hidden";

    switch (control.kind) {
    case Label:
        return std::string("<div class=\"label") + (control.wordWrap ? " wrap\"" : "\"") +
               attributes + ">" + caption + "</div>";
    case TextBox:
        // Typing is undone at once: a touch screen's keyboard would only cover the window.
        return "<input class=\"box\" type=\"text\" inputmode=\"none\" autocomplete=\"off\" "
               "spellcheck=\"false\"" +
               attributes + ">";
    case Spinner:
        return "<div class=\"spinner\" role=\"spinbutton\" tabindex=\"0\"" + attributes +
               "><div class=\"arrow up\"></div><div class=\"arrow down\"></div></div>";
    case OptionButton:
        // One option group per window; the caption is clipped as on the desktop.
        return "<label class=\"option\" data-for=\"" + std::string(control.name) +
               "\"><input type=\"radio\" name=\"options\"" + id +
               (control.selected ? " checked>" : ">") + "<span>" + caption + "</span></label>";
    case CommandButton:
        return std::string("<button class=\"command") + (control.isDefault ? " default\"" : "\"") +
               " type=\"button\"" + attributes + ">" + caption + "</button>";
    case PictureBox:
        return "<img class=\"picture\" tabindex=\"0\"" + attributes + ">";
    case Line:
        return "<div class=\"line\"" + attributes + "></div>";
    }
    return {};
}

bool TakesFocus(const ControlDesign &control)
{
    return control.tabIndex >= 0 && control.kind != ControlKind::Label &&
           control.kind != ControlKind::Line;
}

} // namespace

std::string FrameMarkup(std::string_view role, std::string_view caption, std::string_view client)
{
    const std::string id = "caption-" + std::string(role);
    const bool main = role == "main";
    return std::string(main ? "<main" : "<section role=\"dialog\"") +
           " class=\"window unshown\" aria-labelledby=\"" + id +
           "\"><div class=\"title\"><span class=\"caption\" id=\"" + id + "\">" + Escaped(caption) +
           "</span><button class=\"close\" type=\"button\" tabindex=\"-1\" title=\"Close\" "
           "aria-label=\"Close\"></button></div><div class=\"client\">" +
           std::string(client) + (main ? "</div></main>" : "</div></section>");
}

std::string WindowMarkup(const WindowDesign &design)
{
    std::vector<const ControlDesign *> controls;
    for (const ControlDesign &control : design.controls)
        controls.push_back(&control);
    std::sort(controls.begin(), controls.end(), [](const auto *a, const auto *b) {
        if (TakesFocus(*a) != TakesFocus(*b))
            return TakesFocus(*a);
        return TakesFocus(*a) ? a->tabIndex < b->tabIndex : ReadsBefore(*a, *b);
    });

    std::string markup = "<div class=\"form\">";
    for (const ControlDesign *control : controls)
        markup += ControlMarkup(*control);
    return markup + "</div>";
}

} // namespace tavrel
