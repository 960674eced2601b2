// A window's design as plain data: the window, and every control with its
// kind, place and initial properties, in the order the window creates them.
// Each front-end builds its toolkit's controls from it, so that both show the
// same window.
#pragma once

#include "common/colours.h"

#include <span>
#include <string_view>

namespace tavrel {

enum class ControlKind { Label, TextBox, Spinner, OptionButton, CommandButton, PictureBox, Line };

// Position and size in twips, from the top-left corner of the client area. A
// line is drawn from (left, top) to (left + width, top), in its fore colour,
// with a line of its back colour beneath it unless that is the default.
struct TwipsRect
{
    int left, top, width, height;
};

// "MS Sans Serif" at a size in points; 0 points is the window's default font.
struct FontDesign
{
    double points = 0;
    bool bold = false;
};

// A vertical scroll bar used as a spinner. Its LargeChange is 1.
struct SpinnerDesign
{
    int min = 0, max = 0, smallChange = 0, value = 0;
};

// The platform's default colour for the kind of control.
inline constexpr ColourValue kDefaultColour = 0xFFFFFFFFu;

struct ControlDesign
{
    const char *name;
    ControlKind kind;
    TwipsRect rect;
    int tabIndex = -1; // focus order; labels, lines and hidden controls take no focus
    const char *caption = "";
    FontDesign font = {};
    ColourValue foreColour = kDefaultColour;
    ColourValue backColour = kDefaultColour;
    const char *toolTip = "";
    const char *accessibleName = ""; // what screen readers call a control with no caption
    SpinnerDesign spinner = {};
    bool visible = true;
    bool selected = false;  // option button
    bool wordWrap = false;  // label: wraps at word boundaries inside its box
    bool isDefault = false; // command button: the default and the cancel button
};

// Reading order, as a screen reader goes through the controls that take no
// focus: top to bottom, then left to right.
inline bool ReadsBefore(const ControlDesign &a, const ControlDesign &b)
{
    return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
}

// A box whose text is drawn in its own background colour hides its value:
// its selection too, whatever colours a platform highlights with.
constexpr bool HidesValue(const ControlDesign &box, ColourValue foreColour)
{
    return box.kind == ControlKind::TextBox && foreColour == box.backColour;
}

// True when the controls carry these names, in this order: ties a window's
// control enumeration to its design by name, at compile time.
constexpr bool NamedInOrder(std::span<const ControlDesign> controls,
                            std::span<const char *const> names)
{
    if (controls.size() != names.size())
        return false;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (std::string_view(controls[i].name) != names[i])
            return false;
    return true;
}

// A window's controls from one list of names, X(name) each: the enumeration
// `Type`, in the list's order, and `names`, the same names as strings.
#define TAVREL_ENUMERATOR(name) name,
#define TAVREL_NAME(name) #name,
#define TAVREL_DECLARE_CONTROLS(Type, names, LIST)                                                 \
    enum class Type { LIST(TAVREL_ENUMERATOR) };                                                   \
    inline constexpr const char *names[] = {LIST(TAVREL_NAME)};

struct WindowDesign
{
    const char *caption; // empty when the load step sets it
    int widthTwips, heightTwips;
    FontDesign font; // of the controls that name none; 0 points: the platform's
    std::span<const ControlDesign> controls;
};

} // namespace tavrel
