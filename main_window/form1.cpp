#include "main_window/form1.h"

#include "about/frm_about.h"
#include "calc/descent.h"
#include "common/application.h"
#include "common/numbers.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace tavrel {

namespace {

const SpinnerPair *PairOf(Form1Control control)
{
    for (const SpinnerPair &pair : kSpinnerPairs)
        if (pair.box == control || pair.spinner == control)
            return &pair;
    return nullptr;
}

// The part of the window's frame that holds "Exit" and "About": from the top
// of the higher one down, as a share of the frame's height. The frame's
// title bar makes that share reach a little higher than the buttons.
ScreenRect ButtonsPart(const ScreenRect &frame)
{
    const int topTwips = std::min(DesignOf(Form1Control::Command2).rect.top,
                                  DesignOf(Form1Control::Command3).rect.top);
    const int top = frame.top + static_cast<int>(static_cast<long long>(frame.Height()) * topTwips /
                                                 kForm1Design.heightTwips);
    return {frame.left, top, frame.right, frame.bottom};
}

} // namespace

Form1::Form1(Form1Controls &controls, frmAbout &about) : m_controls(controls), m_about(about)
{
    // The About box gone: the focus comes back here, or, with this window
    // closed already, the program ends with its last window.
    m_about.WhenUnloaded([this] {
        if (m_shown)
            Activate();
        else
            m_controls.End();
    });
}

Form1::~Form1() { m_about.WhenUnloaded(nullptr); }

template <typename Procedure> void Form1::RunProcedure(Procedure &&procedure)
{
    try {
        procedure();
    } catch (const std::exception &e) {
        m_controls.ShowMessage(kApplicationTitle, e.what());
    }
}

void Form1::Load()
{
    // The wind look is not applied: the design starts in the no-wind look.
    // Screen readers, which do not see it, are told which rows it greys.
    RunProcedure([this] {
        for (const SpinnerPair &pair : kSpinnerPairs)
            WriteBox(pair);
        DescribeRows(IsWind(m_controls.Value(Form1Control::VScroll8)));
    });
}

void Form1::Show()
{
    const ScreenRect frame = m_controls.Frame(), work = m_controls.WorkArea();
    // Centred across, an eighth of the spare height from the top: room below
    // for the About box on a short screen, such as a browser's. A window
    // larger than the work area starts at its top-left corner, so that its
    // title bar and first controls can be reached.
    m_controls.Move({work.left + std::max(0, work.Width() - frame.Width()) / 2,
                     work.top + std::max(0, work.Height() - frame.Height()) / 8});
    m_controls.Show();
    m_shown = true;
    m_lastFocus.reset();
    Activate();
}

void Form1::Close()
{
    m_shown = false;
    m_controls.Hide();
    if (!m_about.Loaded())
        m_controls.End();
}

std::vector<Form1Control> Form1::TabStops() const
{
    const auto available = [this](int index) {
        const auto control = Form1Control(index);
        if (control == Form1Control::VScroll6 || control == Form1Control::VScroll7)
            return IsWind(m_controls.Value(Form1Control::VScroll8)); // shown with the wind only
        if (DesignOf(control).kind == ControlKind::OptionButton)
            return m_controls.Selected(control); // the group's one stop
        return DesignOf(control).visible;
    };
    std::vector<Form1Control> stops;
    for (const int index : tavrel::TabStops(kForm1Design, available))
        stops.push_back(Form1Control(index));
    return stops;
}

bool Form1::Key(Form1Control focused, const KeyPress &key)
{
    if (key.key == Key::Tab && !key.ctrl && !key.alt) {
        std::vector<int> indices;
        for (const Form1Control stop : TabStops())
            indices.push_back(int(stop));
        if (const int next = NextTabStop(indices, int(focused), key.shift); next >= 0)
            m_controls.SetFocus(Form1Control(next));
        return true;
    }
    if (key.key == Key::Enter || key.key == Key::Escape)
        return true; // no default and no cancel button in this window
    const bool arrow =
        key.key == Key::Up || key.key == Key::Down || key.key == Key::Left || key.key == Key::Right;
    switch (DesignOf(focused).kind) {
    case ControlKind::Spinner:
        if (const std::optional<SpinAction> action = SpinnerKey(key)) {
            Spin(focused, *action);
            return true;
        }
        return false;
    case ControlKind::OptionButton: {
        // Each arrow moves to the group's other option and selects it.
        if (!arrow || key.ctrl || key.alt)
            return false;
        const Form1Control other =
            focused == Form1Control::Option1 ? Form1Control::Option2 : Form1Control::Option1;
        m_controls.Select(other);
        m_controls.SetFocus(other);
        return true;
    }
    case ControlKind::CommandButton:
        return arrow; // a button keeps the focus: the arrows move nothing
    default:
        return false;
    }
}

void Form1::FocusIn(Form1Control control) { m_lastFocus = control; }

void Form1::Activate()
{
    const std::vector<Form1Control> stops = TabStops();
    const bool stillStop =
        m_lastFocus && std::find(stops.begin(), stops.end(), *m_lastFocus) != stops.end();
    if (stillStop)
        m_controls.SetFocus(*m_lastFocus);
    else if (!stops.empty())
        m_controls.SetFocus(stops.front());
}

int Form1::ArrowPressed(Form1Control spinner, bool upperArrow, bool byFinger)
{
    const SpinAction action = upperArrow ? SpinAction::LineUp : SpinAction::LineDown;
    m_heldSpinner = spinner;
    m_controls.SetFocus(spinner); // as a desktop scroll bar takes it on a click
    if (byFinger)
        return m_held.Touch(action);
    const int delay = m_held.Press(action);
    Spin(spinner, action);
    return delay;
}

int Form1::ArrowHover(bool overArrow) { return m_held.Hover(overArrow); }

int Form1::ArrowTimer()
{
    const auto tick = m_held.Tick();
    if (!tick)
        return 0;
    Spin(m_heldSpinner, tick->first);
    return tick->second;
}

int Form1::ArrowReleased()
{
    if (const std::optional<SpinAction> tap = m_held.Release())
        Spin(m_heldSpinner, *tap);
    return 0;
}

void Form1::FingerDown(Form1Control control)
{
    m_slide = {};
    const SpinnerPair *pair = PairOf(control);
    m_slideSpinner = pair ? std::optional(pair->spinner) : std::nullopt;
    m_wheelSpinner.reset(); // a slide starts with no part notch
}

int Form1::FingerMoved(double pixelsUp)
{
    const int units = m_slide.Move(pixelsUp);
    if (!m_slide.Sliding() || !m_slideSpinner)
        return HeldArrow::kKeep;
    const int timer = m_held.Slide();
    Wheel(*m_slideSpinner, units);
    return timer;
}

void Form1::Change(Form1Control box)
{
    if (box == m_writing)
        return; // the toolkit's report of Form1's own write
    const SpinnerPair *pair = PairOf(box);
    if (pair && box == pair->box)
        BoxChange(*pair); // Text6 has no procedure
}

void Form1::Spin(Form1Control spinner, SpinAction action)
{
    const SpinnerPair *pair = PairOf(spinner);
    if (!pair || spinner != pair->spinner)
        return;
    const int value = m_controls.Value(spinner);
    const int next = SpinnerValueAfter(DesignOf(spinner).spinner, value, action);
    if (next == value)
        return;
    m_controls.SetValue(spinner, static_cast<std::int16_t>(next));
    SpinnerChange(*pair);
}

void Form1::Wheel(Form1Control spinner, int units)
{
    if (m_wheelSpinner != spinner)
        m_wheel = {}; // a part notch does not carry over to another spinner
    m_wheelSpinner = spinner;
    for (int notches = m_wheel.Turn(units); notches != 0; notches -= notches > 0 ? 1 : -1)
        Spin(spinner, notches > 0 ? SpinAction::LineUp : SpinAction::LineDown);
}

void Form1::Click(Form1Control control)
{
    switch (control) {
    case Form1Control::Command1:
        Calculate();
        break;
    case Form1Control::Command2:
        m_controls.End();
        break;
    case Form1Control::Command3: {
        const ScreenRect frame = m_controls.Frame();
        m_about.Show(frame, ButtonsPart(frame), m_controls.WorkArea());
        break;
    }
    default:
        break;
    }
}

void Form1::SpinnerChange(const SpinnerPair &pair)
{
    RunProcedure([this, &pair] {
        WriteBox(pair);
        if (pair.spinner == Form1Control::VScroll8)
            ApplyWindState();
    });
}

void Form1::BoxChange(const SpinnerPair &pair)
{
    RunProcedure([this, &pair] { WriteBox(pair); });
}

void Form1::WriteBox(const SpinnerPair &pair)
{
    WriteText(pair.box, NumberToText(pair.rule(m_controls.Value(pair.spinner))));
}

void Form1::WriteText(Form1Control box, const std::string &text)
{
    if (m_controls.Text(box) == text)
        return;
    const std::optional<Form1Control> outer = std::exchange(m_writing, box);
    m_controls.SetText(box, text);
    m_writing = outer;
    Change(box);
}

void Form1::ApplyWindState()
{
    // Read once: nothing between the writes changes the wind speed.
    const bool wind = IsWind(m_controls.Value(Form1Control::VScroll8));
    for (const Form1Control label : {Form1Control::Label16, Form1Control::Label17,
                                     Form1Control::Label10, Form1Control::Label14})
        m_controls.SetForeColour(label, wind ? kSysButtonText : kSysButtonShadow);
    for (const Form1Control box : {Form1Control::Text7, Form1Control::Text8})
        m_controls.SetForeColour(box, wind ? kDarkBlue : kWhite);
    for (const Form1Control spinner : {Form1Control::VScroll6, Form1Control::VScroll7})
        m_controls.SetVisible(spinner, wind);
    DescribeRows(wind);
}

void Form1::DescribeRows(bool wind)
{
    for (const SpinnerPair &pair : kSpinnerPairs)
        for (const Form1Control control : {pair.box, pair.spinner}) {
            m_controls.SetDescription(control, AccessibleDescription(pair, wind));
            m_controls.SetInactive(control, IsInactive(pair, wind));
        }
}

void Form1::Calculate()
{
    RunProcedure([this] {
        const auto read = [this](Form1Control box) {
            return ToSingle(ReadNumber(m_controls.Text(box)));
        };
        using enum Form1Control;
        const DescentInputs inputs{.startAltitudeFt = read(Text1),
                                   .targetAltitudeFt = read(Text2),
                                   .verticalSpeedFtPerMin = read(Text3),
                                   .airspeedKt = read(Text4),
                                   .headingDeg = read(Text7),
                                   .windDirectionDeg = read(Text8),
                                   .windSpeedKt = read(Text9),
                                   .iasSelected = m_controls.Selected(Option1),
                                   .tasSelected = m_controls.Selected(Option2)};
        const std::string distance = DistanceText(ComputeDescentDistance(inputs));
        WriteText(Text6, distance);
        // Heard at once: the focus stays on the button, and the box changes silently.
        const std::size_t digits = std::min(distance.find_first_not_of(' '), distance.size());
        m_controls.Announce("Distance " + distance.substr(digits) + " nautical miles");
    });
}

} // namespace tavrel
