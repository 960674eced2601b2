// How Tavrel's windows answer the keyboard, the focus and the pointer, the
// same on every desktop and in the browser: which keys a window takes and
// what they press or move, the tab stops, a held arrow's repeat and the
// wheel's units. A front-end reports the native event in these terms and
// carries out the answer; it decides none of it.
#pragma once

#include "common/design.h"
#include "main_window/spinner_motion.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tavrel {

enum class Key {
    Tab,
    Enter,
    Escape,
    Up,
    Down,
    Left,
    Right,
    PageUp,
    PageDown,
    Home,
    End,
    Letter,
    Other
};

// A key pressed, as the front-end reports it. The keypad's keys are the same
// keys: a keypad is no modifier.
struct KeyPress
{
    Key key = Key::Other;
    char letter = 0; // for Key::Letter: 'A' to 'Z' or a digit
    bool shift = false, ctrl = false, alt = false;
};

// The keys of a focused desktop scroll bar: the arrows by SmallChange (Up
// and Left towards Min), the page keys by LargeChange, Home and End to the
// ends. None with a modifier.
std::optional<SpinAction> SpinnerKey(const KeyPress &key);

// The controls Tab stops at, as indices into the design, in focus order:
// those with a tab index that take the focus and that `available` accepts
// (shown, and of an option group only the selected one).
std::vector<int> TabStops(const WindowDesign &design, const std::function<bool(int)> &available);

// The stop Tab (or Shift+Tab, backwards) goes to from `from`, round the
// window; from a control that is no stop, the first (or the last). -1 when
// there is none.
int NextTabStop(const std::vector<int> &stops, int from, bool backwards);

// The window's default button, which Enter and Esc press, or -1: a window
// without one takes neither key.
int DefaultButton(const WindowDesign &design);

// The control whose caption marks `letter` with "&" (Alt with the letter
// presses it), or -1.
int AccessKeyControl(const WindowDesign &design, char letter);

// The wheel as a browser reports it (deltaMode 0 pixels, 1 lines, 2 pages;
// deltaY positive towards the user), in the desktop's units: 120 a notch,
// positive away from the user. A notch is 100 pixels, 3 lines or a page.
int WheelUnits(int deltaMode, double deltaY);

// A finger is about a row of the main window: what it touches should be at
// least that wide and tall (26 CSS pixels; on a phone held sideways, 44 on
// its screen).
constexpr int kFingerTwips = 390;

// A finger sliding up or down on a box or its spinner turns it as the wheel
// does: each kFingerTwips of the slide is one notch, up is away from the
// user (the upper arrow). It slides once it has moved kSlopPx from where it
// landed; less is a tap's wobble.
class FingerSlide
{
public:
    static constexpr double kNotchPx = kFingerTwips / 15.0;
    static constexpr double kSlopPx = 8;

    // The finger moved by pixelsUp (CSS pixels, up positive); the wheel's
    // units to turn now.
    int Move(double pixelsUp);
    bool Sliding() const { return m_sliding; }

private:
    double m_pixels = 0;
    int m_units = 0;
    bool m_sliding = false;
};

// A spinner's arrow held by the pointer, as a desktop scroll bar repeats it:
// one click at the press, the first repeat after kRepeatDelayMs, then one
// every kRepeatIntervalMs while the pointer stays over the arrow; leaving it
// pauses, coming back starts again with the first delay; releasing stops.
// Each answer is the front-end's timer: kKeep leaves it as it is, 0 stops
// it, any other value (re)starts it with that delay in ms.
class HeldArrow
{
public:
    static constexpr int kRepeatDelayMs = 500;
    static constexpr int kRepeatIntervalMs = 50;
    static constexpr int kKeep = -1;

    // A finger lands on an arrow: nothing moves yet. Lifted before
    // kTouchHoldMs it was a tap, one click at the release; held, the first
    // click comes then and the arrow repeats as held; sliding, it presses
    // nothing (Slide).
    static constexpr int kTouchHoldMs = 300;

    int Press(SpinAction action);
    int Touch(SpinAction action);
    int Hover(bool overArrow);
    // The timer fired: the action to repeat now, if the arrow is still held,
    // and the delay until the next.
    std::optional<std::pair<SpinAction, int>> Tick();
    // The click a tap makes at its release, if it was one.
    std::optional<SpinAction> Release();
    // The finger slid off into a slide: no tap and no hold. Answers the timer.
    int Slide();

private:
    bool Held() const { return m_pressed && m_over; }

    SpinAction m_action = SpinAction::LineUp;
    bool m_pressed = false, m_over = false;
    bool m_tapping = false; // a finger down, neither held nor sliding yet
};

} // namespace tavrel
