#include "web/build_window.h"

#include "web/look.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <tuple>
#include <utility>
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

// `labelledBy`: the ids of the visible caption and unit that name the
// control, or empty.
std::string ControlMarkup(const ControlDesign &control, const std::string &labelledBy)
{
    using enum ControlKind;
    const std::string caption = Caption(control.caption);
    const std::string id = std::string(" id=\"") + control.name + "\"";
    std::string attributes = id;
    if (*control.toolTip)
        attributes += " title=\"" + Escaped(control.toolTip) + "\"";
    if (!labelledBy.empty())
        attributes += " aria-labelledby=\"" + labelledBy + "\"";
    else if (*control.accessibleName)
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

bool SameRow(const TwipsRect &a, const TwipsRect &b)
{
    return a.top < b.top + b.height && b.top < a.top + a.height;
}

// What a row reads next after a control: the nearest control on its right
// in the same row (the nearest top on a tie), when it continues the control
// as read: a caption's box, a box's spinner, the unit after a box, a spinner
// or an option button. Null when the row's reading ends there.
const ControlDesign *Continuation(const WindowDesign &design, const ControlDesign &control)
{
    using enum ControlKind;
    const TwipsRect &r = control.rect;
    const ControlDesign *next = nullptr;
    const auto distance = [&r](const TwipsRect &o) {
        return std::pair(o.left, std::abs(o.top - r.top));
    };
    for (const ControlDesign &other : design.controls)
        if (other.rect.left > r.left + r.width / 2 && SameRow(r, other.rect) &&
            (!next || distance(other.rect) < distance(next->rect)))
            next = &other;
    if (!next)
        return nullptr;
    const ControlKind a = control.kind, b = next->kind;
    const bool continues = (a == Label && b == TextBox) || (a == TextBox && b == Spinner) ||
                           ((a == TextBox || a == Spinner || a == OptionButton) && b == Label);
    return continues ? next : nullptr;
}

using Chain = std::vector<const ControlDesign *>;

// Not std::ranges: the web's standard library has none yet.
int Top(const Chain &chain)
{
    int top = chain.front()->rect.top;
    for (const ControlDesign *control : chain)
        top = std::min(top, control->rect.top);
    return top;
}

bool HasSpinner(const Chain &chain)
{
    return std::any_of(chain.begin(), chain.end(),
                       [](const auto *c) { return c->kind == ControlKind::Spinner; });
}

// The window as it is read: row by row, each a caption, its box, its
// spinner, its unit (or one control alone). The rows of a box and spinner
// are read first, column by column as the form groups them, the rest from
// top to bottom, then left to right. The focus order is the procedures'
// own, whatever this order.
std::vector<Chain> ReadingOrder(const WindowDesign &design)
{
    std::vector<const ControlDesign *> continuations;
    for (const ControlDesign &control : design.controls)
        if (const ControlDesign *next = Continuation(design, control))
            continuations.push_back(next);
    std::vector<Chain> rows;
    for (const ControlDesign &control : design.controls) {
        if (std::find(continuations.begin(), continuations.end(), &control) != continuations.end())
            continue;
        rows.push_back({&control});
        while (const ControlDesign *next = Continuation(design, *rows.back().back()))
            rows.back().push_back(next);
    }
    const auto key = [](const Chain &c) {
        return HasSpinner(c) ? std::tuple(0, c.front()->rect.left, Top(c))
                             : std::tuple(1, Top(c), c.front()->rect.left);
    };
    std::sort(rows.begin(), rows.end(),
              [&key](const Chain &a, const Chain &b) { return key(a) < key(b); });
    return rows;
}

// The ids of a row's caption (a label before a box) and unit (a label that
// ends it), which name its box and spinner as the eye reads them.
std::string RowName(const Chain &row)
{
    using enum ControlKind;
    if (row.size() < 2 || row[0]->kind != Label || row[1]->kind != TextBox)
        return {};
    std::string ids = row[0]->name;
    if (row.size() > 2 && row.back()->kind == Label)
        ids += std::string(" ") + row.back()->name;
    return ids;
}

} // namespace

std::string FrameMarkup(std::string_view role, std::string_view caption, std::string_view client)
{
    const std::string id = "caption-" + std::string(role);
    const bool main = role == "main";
    // The main window's title, the program's, is the page's one heading.
    const std::string heading = main ? "h1" : "span";
    return std::string(main ? "<main" : "<section role=\"dialog\"") +
           " class=\"window unshown\" aria-labelledby=\"" + id + "\"><div class=\"title\"><" +
           heading + " class=\"caption\" id=\"" + id + "\">" + Escaped(caption) + "</" + heading +
           "><button class=\"close\" type=\"button\" tabindex=\"-1\" title=\"Close\" "
           "aria-label=\"Close\"></button></div><div class=\"client\">" +
           std::string(client) + (main ? "</div></main>" : "</div></section>");
}

std::string WindowMarkup(const WindowDesign &design)
{
    std::string markup = "<div class=\"form\">";
    for (const Chain &row : ReadingOrder(design)) {
        const std::string name = RowName(row);
        for (const ControlDesign *control : row) {
            const bool named =
                control->kind == ControlKind::TextBox || control->kind == ControlKind::Spinner;
            markup += ControlMarkup(*control, named ? name : std::string());
        }
    }
    return markup + "</div>";
}

} // namespace tavrel
