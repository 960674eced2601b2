#include "web/window_style.h"

#include "common/twips.h"
#include "main_window/interaction.h"
#include "web/build_window.h"
#include "web/look.h"

#include <algorithm>

namespace tavrel {

namespace {

int Pixels(int twips) { return TwipsToPixels(twips, kCssDpi); }

std::string Px(int pixels) { return std::to_string(pixels) + "px;"; }

bool TakesInput(const ControlDesign &control)
{
    return control.kind != ControlKind::Label && control.kind != ControlKind::Line &&
           control.kind != ControlKind::PictureBox;
}

struct Span
{
    int from, to; // twips
};

// [from, to] grown to a finger's size where [min, max] leaves room.
Span Grown(Span span, int min, int max)
{
    const int size = std::max(kFingerTwips, span.to - span.from);
    const int start = std::max(min, std::min((span.from + span.to - size) / 2, max - size));
    return {start, std::min(max, start + size)};
}

bool Overlap(Span a, Span b) { return a.from < b.to && b.from < a.to; }

// A control's finger target: first the row's height, then across as far as
// no other control is met (a spinner's unit label aside, which takes no
// press); between two that take presses, the gap is halved.
TwipsRect FingerTarget(const WindowDesign &design, const ControlDesign &control)
{
    const TwipsRect &r = control.rect;
    const Span rows = Grown({r.top, r.top + r.height}, 0, design.heightTwips);
    int min = 0, max = design.widthTwips;
    for (const ControlDesign &other : design.controls) {
        const TwipsRect &o = other.rect;
        const bool passable = control.kind == ControlKind::Spinner && !TakesInput(other);
        if (&other == &control || passable || !Overlap(rows, {o.top, o.top + o.height}))
            continue;
        const bool shared = TakesInput(other);
        // A neighbour that overlaps the control stops its target at the control.
        if (o.left + o.width / 2 > r.left + r.width / 2)
            max = std::min(max, shared ? (r.left + r.width + o.left) / 2
                                       : std::max(o.left, r.left + r.width));
        else
            min = std::max(min, shared ? (o.left + o.width + r.left) / 2
                                       : std::min(o.left + o.width, r.left));
    }
    const Span across = Grown({r.left, r.left + r.width}, min, max);
    return {across.from, rows.from, across.to - across.from, rows.to - rows.from};
}

// An invisible ::before of the element reaching `target`; left to bottom are
// the element's padding box, in pixels of the form.
std::string Reach(const std::string &selector, int left, int top, int right, int bottom,
                  const TwipsRect &target, const char *more = "")
{
    return selector + "::before{content:\"\";position:absolute;" + more +
           "left:" + Px(Pixels(target.left) - left) + "top:" + Px(Pixels(target.top) - top) +
           "right:" + Px(right - Pixels(target.left + target.width)) +
           "bottom:" + Px(bottom - Pixels(target.top + target.height)) + "}";
}

std::string FingerRules(const WindowDesign &design, const ControlDesign &control)
{
    const TwipsRect &r = control.rect;
    const int left = Pixels(r.left), top = Pixels(r.top);
    const int right = Pixels(r.left + r.width), bottom = Pixels(r.top + r.height);
    TwipsRect target = FingerTarget(design, control);
    if (control.kind != ControlKind::Spinner)
        return Reach(Selector(control), left, top, right, bottom, target);

    // Each arrow takes its half of the row (inside its 1 pixel border).
    const std::string arrow = Selector(control) + ">.";
    const int middle = (top + bottom) / 2;
    const TwipsRect upper{target.left, target.top, target.width, r.top + r.height / 2 - target.top};
    const TwipsRect lower{target.left, upper.top + upper.height, target.width,
                          target.height - upper.height};
    std::string rules = Reach(arrow + "up", left + 1, top + 1, right - 1, middle, upper) +
                        Reach(arrow + "down", left + 1, middle, right - 1, bottom - 1, lower);
    // Behind the arrows, the row from its box on, for a slide.
    for (const ControlDesign &box : design.controls)
        if (box.kind == ControlKind::TextBox && box.rect.top == r.top &&
            box.rect.left + box.rect.width <= r.left &&
            box.rect.left + box.rect.width + kFingerTwips / 2 > r.left) {
            target.width += target.left - box.rect.left;
            target.left = box.rect.left;
            rules += Reach(Selector(control), left, top, right, bottom, target, "z-index:-1;");
        }
    return rules;
}

} // namespace

std::string Selector(const ControlDesign &control)
{
    if (control.kind == ControlKind::OptionButton)
        return std::string("[data-for=") + control.name + "]";
    return std::string("#") + control.name;
}

std::string WindowStyle(const WindowDesign &design)
{
    std::string style = ".form{width:" + Px(Pixels(design.widthTwips)) +
                        "height:" + Px(Pixels(design.heightTwips)) + CssFont(design.font) + "}";
    std::string fingers;
    for (const ControlDesign &control : design.controls) {
        const TwipsRect &r = control.rect;
        const int left = Pixels(r.left), top = Pixels(r.top);
        style += Selector(control) + "{left:" + Px(left) + "top:" + Px(top) +
                 "width:" + Px(Pixels(r.left + r.width) - left) +
                 "height:" + Px(Pixels(r.top + r.height) - top) + CssFont(control.font);
        if (control.foreColour != kDefaultColour)
            style += "color:" + CssColour(control.foreColour) + ";";
        if (control.backColour != kDefaultColour)
            style += "background-color:" + CssColour(control.backColour) + ";";
        style += "}";
        if (TakesInput(control) && control.kind != ControlKind::TextBox)
            fingers += FingerRules(design, control);
    }
    return style + "@media (pointer:coarse){" + fingers + "}";
}

} // namespace tavrel
