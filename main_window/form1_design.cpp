#include "main_window/form1_controls.h"

#include "common/application.h"
#include "main_window/spinner_rules.h"

#include <algorithm>

namespace tavrel {

namespace {

using enum ControlKind;

constexpr FontDesign kSmall{8.25, true};
constexpr FontDesign kLarge{9.75, true};
constexpr const char *kDistance = "Distance"; // Label13, and what screen readers call Text6

// In creation order, which Form1Control follows.
constexpr ControlDesign kControls[] = {
    {.name = "VScroll5",
     .kind = Spinner,
     .rect = {2249, 120, 135, 235},
     .tabIndex = 35,
     .spinner = {0, 30000, 50, 16000}},
    {.name = "VScroll8",
     .kind = Spinner,
     .rect = {5400, 915, 135, 235},
     .tabIndex = 34,
     .spinner = {0, 199, 1, 199}},
    {.name = "VScroll7",
     .kind = Spinner,
     .rect = {5400, 525, 135, 235},
     .tabIndex = 33,
     .spinner = {0, 359, 1, 0},
     .visible = false},
    {.name = "VScroll6",
     .kind = Spinner,
     .rect = {5400, 120, 135, 235},
     .tabIndex = 32,
     .spinner = {0, 359, 1, 0},
     .visible = false},
    {.name = "VScroll4",
     .kind = Spinner,
     .rect = {2249, 1320, 135, 235},
     .tabIndex = 31,
     .spinner = {0, 800, 5, 600}},
    {.name = "VScroll3",
     .kind = Spinner,
     .rect = {2249, 915, 135, 235},
     .tabIndex = 30,
     .spinner = {100, 10000, 100, 8300}},
    {.name = "VScroll2",
     .kind = Spinner,
     .rect = {2249, 525, 135, 235},
     .tabIndex = 29,
     .spinner = {0, 26000, 100, 23000}},
    {.name = "Command3",
     .kind = CommandButton,
     .rect = {4200, 2280, 1000, 375},
     .tabIndex = 28,
     .caption = "About",
     .toolTip = "About this software"},
    {.name = "Text9",
     .kind = TextBox,
     .rect = {4779, 915, 600, 285},
     .tabIndex = 21,
     .foreColour = kDarkBlue,
     .backColour = kWhite},
    {.name = "Text8",
     .kind = TextBox,
     .rect = {4779, 525, 600, 285},
     .tabIndex = 20,
     .foreColour = kWhite,
     .backColour = kWhite},
    {.name = "Text7",
     .kind = TextBox,
     .rect = {4779, 120, 600, 285},
     .tabIndex = 19,
     .foreColour = kWhite,
     .backColour = kWhite},
    {.name = "Option2",
     .kind = OptionButton,
     .rect = {3240, 1395, 255, 255},
     .tabIndex = 18,
     .caption = "TAS",
     .font = kSmall,
     .foreColour = kBlue,
     .backColour = kSysInactiveBorder},
    {.name = "Option1",
     .kind = OptionButton,
     .rect = {2449, 1395, 255, 255},
     .tabIndex = 17,
     .caption = "IAS",
     .font = kSmall,
     .foreColour = kBlue,
     .backColour = kSysInactiveBorder,
     .selected = true},
    {.name = "Command2",
     .kind = CommandButton,
     .rect = {3120, 2280, 1000, 375},
     .tabIndex = 11,
     .caption = "Exit",
     .toolTip = "Exit the program"},
    {.name = "Command1",
     .kind = CommandButton,
     .rect = {1149, 1725, 1245, 375},
     .tabIndex = 10,
     .caption = "Calculate",
     .font = kLarge},
    {.name = "Text6",
     .kind = TextBox,
     .rect = {1200, 2205, 1095, 375},
     .tabIndex = 8,
     .font = kLarge,
     .foreColour = kDarkBlue,
     .accessibleName = kDistance},
    {.name = "Text4",
     .kind = TextBox,
     .rect = {1624, 1320, 600, 285},
     .tabIndex = 7,
     .foreColour = kDarkBlue,
     .backColour = kWhite},
    {.name = "Text3",
     .kind = TextBox,
     .rect = {1624, 915, 600, 285},
     .tabIndex = 6,
     .foreColour = kDarkBlue,
     .backColour = kWhite},
    {.name = "Text2",
     .kind = TextBox,
     .rect = {1499, 525, 720, 285},
     .tabIndex = 5,
     .foreColour = kDarkBlue,
     .backColour = kWhite},
    {.name = "Text1",
     .kind = TextBox,
     .rect = {1499, 120, 720, 285},
     .tabIndex = 4,
     .foreColour = kDarkBlue,
     .backColour = kWhite},
    {.name = "Label11",
     .kind = Label,
     .rect = {3499, 1400, 615, 255},
     .caption = "TAS",
     .font = kLarge},
    {.name = "Label5",
     .kind = Label,
     .rect = {2699, 1400, 375, 255},
     .caption = "IAS",
     .font = kLarge},
    {.name = "Label18",
     .kind = Label,
     .rect = {3480, 1005, 1215, 255},
     .caption = "Wind speed",
     .font = kSmall},
    {.name = "Label17",
     .kind = Label,
     .rect = {3480, 600, 1335, 255},
     .caption = "Wind direction",
     .font = kSmall,
     .foreColour = kSysButtonShadow,
     .toolTip = "The direction the wind comes from"},
    {.name = "Label16",
     .kind = Label,
     .rect = {3480, 195, 1335, 255},
     .caption = "Plane heading",
     .font = kSmall,
     .foreColour = kSysButtonShadow,
     .toolTip = "Wher you're going!)"},
    {.name = "Label15",
     .kind = Label,
     .rect = {5565, 1005, 495, 255},
     .caption = "Kts",
     .font = kSmall},
    {.name = "Label14",
     .kind = Label,
     .rect = {5565, 600, 375, 375},
     .caption = "Deg.",
     .font = kSmall,
     .foreColour = kSysButtonShadow},
    {.name = "Label10",
     .kind = Label,
     .rect = {5565, 195, 375, 255},
     .caption = "Deg.",
     .font = kSmall,
     .foreColour = kSysButtonShadow},
    {.name = "Label13",
     .kind = Label,
     .rect = {120, 2325, 1005, 255},
     .caption = kDistance,
     .font = kLarge},
    {.name = "Label12",
     .kind = Label,
     .rect = {2400, 2355, 375, 255},
     .caption = "Nm",
     .font = kLarge},
    {.name = "Label9",
     .kind = Label,
     .rect = {2445, 1005, 855, 195},
     .caption = "Feet/min",
     .font = kSmall},
    {.name = "Label8",
     .kind = Label,
     .rect = {2445, 600, 375, 195},
     .caption = "Feet",
     .font = kSmall},
    {.name = "Label7",
     .kind = Label,
     .rect = {2445, 195, 375, 195},
     .caption = "Feet",
     .font = kSmall},
    {.name = "Label4",
     .kind = Label,
     .rect = {120, 1395, 1005, 195},
     .caption = "Airspeed",
     .font = kSmall,
     .toolTip = "Choose IAS ( Indicated AirSpeed ) or TAS ( True AirSpeed )"},
    {.name = "Label3",
     .kind = Label,
     .rect = {120, 1005, 1005, 195},
     .caption = "Vertical speed",
     .font = kSmall,
     .toolTip = "Your descent rate"},
    {.name = "Label2",
     .kind = Label,
     .rect = {120, 600, 1005, 195},
     .caption = "Flying to",
     .font = kSmall,
     .toolTip = "Your desired altitude"},
    {.name = "Label1",
     .kind = Label,
     .rect = {120, 195, 1005, 195},
     .caption = "Flying from",
     .font = kSmall,
     .toolTip = "Your altitude starting the descent."},
};
static_assert(NamedInOrder(kControls, kForm1ControlNames));

} // namespace

const WindowDesign kForm1Design{kApplicationTitle, 6000, 2880, {}, kControls};

const SpinnerPair kSpinnerPairs[7] = {
    {Form1Control::Text1, Form1Control::VScroll5, StartAltitudeFeet, Form1Control::Label1, "feet"},
    {Form1Control::Text2, Form1Control::VScroll2, TargetAltitudeFeet, Form1Control::Label2, "feet"},
    {Form1Control::Text3, Form1Control::VScroll3, VerticalSpeedFeetPerMin, Form1Control::Label3,
     "feet per minute"},
    {Form1Control::Text4, Form1Control::VScroll4, AirspeedKnots, Form1Control::Label4, "knots"},
    {Form1Control::Text8, Form1Control::VScroll7, DirectionDeg, Form1Control::Label17, "degrees"},
    {Form1Control::Text9, Form1Control::VScroll8, WindSpeedKnots, Form1Control::Label18, "knots"},
    {Form1Control::Text7, Form1Control::VScroll6, DirectionDeg, Form1Control::Label16, "degrees"},
};

std::string AccessibleName(const SpinnerPair &pair)
{
    return DesignOf(pair.caption).caption + std::string(", ") + pair.unit;
}

bool IsWind(std::int16_t windSpinnerValue)
{
    // At its Max the spinner stands for a wind speed of 0.
    return windSpinnerValue < DesignOf(Form1Control::VScroll8).spinner.max;
}

bool IsInactive(const SpinnerPair &pair, bool wind)
{
    return !wind &&
           (pair.spinner == Form1Control::VScroll6 || pair.spinner == Form1Control::VScroll7);
}

std::string AccessibleDescription(const SpinnerPair &pair, bool wind)
{
    return IsInactive(pair, wind) ? kUnusedWithoutWind : DesignOf(pair.caption).toolTip;
}

bool UndoesTyping(Form1Control box)
{
    // Not std::ranges: the web's libc++ lacks its algorithms.
    return std::any_of(std::begin(kSpinnerPairs), std::end(kSpinnerPairs),
                       [box](const SpinnerPair &pair) { return pair.box == box; });
}

BoxRange RangeOf(const SpinnerPair &pair)
{
    // Every rule falls as the spinner's value rises.
    const SpinnerDesign &spinner = DesignOf(pair.spinner).spinner;
    const double highest = pair.rule(std::int16_t(spinner.min));
    return {pair.rule(std::int16_t(spinner.max)), highest,
            highest - pair.rule(std::int16_t(spinner.min + spinner.smallChange))};
}

} // namespace tavrel
