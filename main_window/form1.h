// Form1: the event procedures of Tavrel's main window.
//
// Architecture. tavrel_core (common/, calc/, main_window/, about/) is plain
// C++, the same on every platform, and holds everything the program decides:
// the number conversions, the descent computation, the windows' designs and
// their event procedures, how a spinner moves, where the About box first
// appears, how the windows answer keys, the focus, a held arrow and the
// wheel (interaction.h), and when the program ends. The front-ends (qt/,
// win32/, web/) build each window's controls from its design, implement its
// control interface (Form1Controls, AboutControls) over their toolkit, and
// turn each user action into a call of the procedures here; they decide
// nothing themselves.
//
// Every value lives in a control: a spinner's value, a box's text, the option
// selection. The procedures read controls, call the core and write controls.
// Each input box shows the text its spinner's rule derives, and is rewritten
// on three occasions: the load step, a change of its spinner, and a change of
// its own text, which undoes any edit at once. Writing a box's text runs the
// box's change procedure nested inside the write, only when the text differs;
// Form1 keeps this itself, whatever the toolkit reports of its writes, so
// that every write-back chain ends after one nested call. An error raised in
// a procedure is shown in a message box and the procedure abandoned; the
// program goes on.
#pragma once

#include "main_window/form1_controls.h"
#include "main_window/interaction.h"
#include "main_window/spinner_motion.h"

#include <optional>
#include <string>
#include <vector>

namespace tavrel {

class frmAbout;

class Form1
{
public:
    Form1(Form1Controls &controls, frmAbout &about);
    ~Form1();
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    // The load step: fills the seven input boxes from their spinners.
    void Load();
    // Shows the window at its first place, centred across the work area near
    // its top, with the focus on its first tab stop.
    void Show();
    // A box's text has changed, by the user or by a write; the front-end
    // reports every change its toolkit reports.
    void Change(Form1Control box);
    // The user moved a spinner: an arrow, a key or a held arrow's repeat.
    // An action past an end of the range changes nothing and runs nothing.
    void Spin(Form1Control spinner, SpinAction action);
    // The wheel turned over a spinner, in the desktop's units (120 a notch).
    void Wheel(Form1Control spinner, int units);
    // A command button was pressed.
    void Click(Form1Control control);

    // A key pressed while `focused` has the focus. True when the window took
    // it: the toolkit must then do nothing more with it. Enter and Esc press
    // nothing here; Tab goes round the tab stops; the arrows move between
    // the options, a spinner takes its scroll-bar keys and a button takes
    // the arrows, doing nothing.
    bool Key(Form1Control focused, const KeyPress &key);
    // The controls Tab stops at, in order, as the window stands now.
    std::vector<Form1Control> TabStops() const;
    // A control took the focus; the window gives it back to it when it is
    // activated again.
    void FocusIn(Form1Control control);
    void Activate();
    // The frame's close button, or the desktop closing the window: it goes,
    // and the program ends once no window of it is left.
    void Close();

    // An arrow of a spinner pressed by the pointer, the pointer moving on or
    // off that arrow, the front-end's timer and the release (HeldArrow):
    // each answers what the front-end's timer does next.
    // byFinger: a finger on a touch screen, which may yet tap, hold or slide.
    int ArrowPressed(Form1Control spinner, bool upperArrow, bool byFinger = false);
    int ArrowHover(bool overArrow);
    int ArrowTimer();
    int ArrowReleased();
    // A finger landed on a box, a spinner or one of its arrows (then
    // ArrowPressed follows), and moved by pixelsUp (CSS pixels, up
    // positive): sliding turns the spinner of that row as the wheel does
    // (FingerSlide). Answers the arrow's timer.
    void FingerDown(Form1Control control);
    int FingerMoved(double pixelsUp);

private:
    void SpinnerChange(const SpinnerPair &pair);
    void BoxChange(const SpinnerPair &pair);
    void WriteBox(const SpinnerPair &pair);
    void WriteText(Form1Control box, const std::string &text);
    // Heading and wind-direction rows: normal with wind, greyed without.
    void ApplyWindState();
    // The boxes' and spinners' descriptions and states for screen readers:
    // the greyed rows say that they are not used, and are inactive.
    void DescribeRows(bool wind);
    // Click of Command1: reads the seven boxes and the airspeed kind, writes
    // the distance text into Text6.
    void Calculate();
    template <typename Procedure> void RunProcedure(Procedure &&procedure);

    Form1Controls &m_controls;
    frmAbout &m_about;
    std::optional<Form1Control> m_writing; // the box whose text Form1 is setting
    WheelNotches m_wheel;
    std::optional<Form1Control> m_wheelSpinner; // the one m_wheel's part notch belongs to
    HeldArrow m_held;
    FingerSlide m_slide;
    std::optional<Form1Control> m_slideSpinner;
    Form1Control m_heldSpinner = Form1Control::VScroll5;
    std::optional<Form1Control> m_lastFocus;
    bool m_shown = false;
};

} // namespace tavrel
