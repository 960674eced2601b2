// The main window's controls as its procedures see them: each known by its
// name, with the properties the procedures read and write. A front-end
// implements Form1Controls over its toolkit's controls.
#pragma once

#include "common/colours.h"
#include "common/design.h"
#include "common/placement.h"

#include <cstdint>
#include <iterator>
#include <string>

namespace tavrel {

// In the order the window creates them, which is the order of kForm1Design;
// the design is checked against these names when it is compiled.
// clang-format off
#define TAVREL_FORM1_CONTROLS(X) \
    X(VScroll5) X(VScroll8) X(VScroll7) X(VScroll6) X(VScroll4) X(VScroll3) \
    X(VScroll2) X(Command3) X(Text9) X(Text8) X(Text7) X(Option2) \
    X(Option1) X(Command2) X(Command1) X(Text6) X(Text4) X(Text3) \
    X(Text2) X(Text1) X(Label11) X(Label5) X(Label18) X(Label17) \
    X(Label16) X(Label15) X(Label14) X(Label10) X(Label13) X(Label12) \
    X(Label9) X(Label8) X(Label7) X(Label4) X(Label3) X(Label2) \
    X(Label1)
// clang-format on

TAVREL_DECLARE_CONTROLS(Form1Control, kForm1ControlNames, TAVREL_FORM1_CONTROLS)
inline constexpr int kForm1ControlCount = int(std::size(kForm1ControlNames));

// The window and its controls with their initial properties; the heading and
// wind-direction rows start in their no-wind look, since the wind speed starts at 0.
extern const WindowDesign kForm1Design;

inline const ControlDesign &DesignOf(Form1Control control)
{
    return kForm1Design.controls[static_cast<std::size_t>(control)];
}

// An input box, the spinner that is its only source, and the rule that turns
// the spinner's value into the box's value.
struct SpinnerPair
{
    Form1Control box;
    Form1Control spinner;
    double (*rule)(std::int16_t value);
    Form1Control caption;
    const char *unit; // spoken after the caption by screen readers
};

// The seven pairs, in the order the load step fills them.
extern const SpinnerPair kSpinnerPairs[7];

// What screen readers say of a pair's box and spinner: "Flying from, feet".
std::string AccessibleName(const SpinnerPair &pair);

// Said of the heading and wind-direction rows while they are greyed.
inline constexpr const char *kUnusedWithoutWind = "not used while there is no wind";

// True when the wind-speed spinner's value stands for some wind (1 kt or more).
bool IsWind(std::int16_t windSpinnerValue);

// A row the wind state leaves greyed: the heading and wind-direction rows
// while there is no wind. Its box and spinner still take the focus and keys.
bool IsInactive(const SpinnerPair &pair, bool wind);

// Their description: the caption's tooltip, or kUnusedWithoutWind for a row
// that the wind state leaves greyed.
std::string AccessibleDescription(const SpinnerPair &pair, bool wind);

// A box whose edits the window undoes at once: every input box. "Distance"
// keeps what is typed. Assistive tools call such a box read-only.
bool UndoesTyping(Form1Control box);

// The values a pair's box shows, as a spin button's range: the lowest, the
// highest, and the change of one arrow click.
struct BoxRange
{
    double minimum, maximum, step;
};
BoxRange RangeOf(const SpinnerPair &pair);

class Form1Controls
{
public:
    // A box's text, in UTF-8.
    virtual std::string Text(Form1Control box) const = 0;
    // Sets a box's text. The toolkit may report the change or not, even when
    // the text is unchanged: Form1 ignores reports of its own writes.
    virtual void SetText(Form1Control box, const std::string &text) = 0;
    virtual std::int16_t Value(Form1Control spinner) const = 0;
    // Moves a spinner; only Form1 does, for the user. No change is reported.
    virtual void SetValue(Form1Control spinner, std::int16_t value) = 0;
    virtual void SetVisible(Form1Control spinner, bool visible) = 0;
    // Text colour of a label or a box; system colours are the desktop's own.
    // A box hides its value, selection included, when HidesValue says so.
    virtual void SetForeColour(Form1Control control, ColourValue colour) = 0;
    // What assistive tools say of a box or spinner beside its name.
    virtual void SetDescription(Form1Control control, const std::string &description) = 0;
    // Whether assistive tools call a box or spinner unavailable (IsInactive);
    // it keeps the focus, the keys and the Tab stop either way.
    virtual void SetInactive(Form1Control control, bool inactive) = 0;
    virtual bool Selected(Form1Control option) const = 0;
    // Selects an option button; the other of the group is deselected.
    virtual void Select(Form1Control option) = 0;
    // Gives a control the keyboard focus, the window's own when it is not active.
    virtual void SetFocus(Form1Control control) = 0;
    // A message box with an OK button and no icon.
    virtual void ShowMessage(const std::string &title, const std::string &text) = 0;
    // Has screen readers say the text now, the focus staying where it is.
    virtual void Announce(const std::string &text) = 0;
    // Ends the program at once: no further procedure runs, every window goes.
    virtual void End() = 0;
    // The window with its frame, and the work area of its screen, in pixels.
    virtual ScreenRect Frame() const = 0;
    virtual ScreenRect WorkArea() const = 0;
    // Moves the window's frame there, shows it and activates it, or hides it.
    virtual void Move(ScreenPoint topLeft) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;

protected:
    ~Form1Controls() = default;
};

} // namespace tavrel
