// A window of Tavrel in a web page, built from its design: the page draws a
// framed window whose controls are elements, each with the design's name as
// its id, placed from their twips at 15 twips a CSS pixel. The page reports
// every edit, arrow, key, wheel notch, click and close of a window here, by
// the window's handle and the control's id; the window's handlers turn each
// into a call of its procedures.
//
// Every key, focus, arrow and activation goes to the window's procedures,
// which decide what it does (main_window/interaction.h).
#pragma once

#include "common/design.h"
#include "common/placement.h"
#include "main_window/interaction.h"

#include <string>

namespace tavrel {

class DesignedWindow
{
public:
    DesignedWindow(const DesignedWindow &) = delete;
    DesignedWindow &operator=(const DesignedWindow &) = delete;

    // What the page reports, passed on to the window of the handle, if it is
    // still open; a window unloaded meanwhile is deleted afterwards.
    static void Change(int handle, const char *id);
    static void Wheel(int handle, const char *id, int deltaMode, double deltaY);
    static void Click(int handle, const char *id);
    static void Close(int handle);
    // A key, by the DOM's name of it; true when the window took it.
    static bool Key(int handle, const char *id, const char *key, bool shift, bool ctrl, bool alt);
    static void Focus(int handle, const char *id);
    static void Activate(int handle);
    // An arrow of a spinner: "up" or "down" pressed, "on" or "off" it,
    // "tick" of the timer, "release". Returns the timer (HeldArrow).
    static int Arrow(int handle, const char *id, const char *event);
    // A finger landed on a control, and slid by pixelsUp; the slide returns
    // the arrow's timer (HeldArrow).
    static void Finger(int handle, const char *id);
    static int Slide(int handle, double pixelsUp);

protected:
    // Opens the window, hidden, with its controls. role: "main" or "dialog".
    DesignedWindow(const WindowDesign &design, const char *role);
    // Removes a window still open without running its handlers.
    virtual ~DesignedWindow();

    const char *Id(int index) const;
    std::string Text(int index) const;
    void SetText(int index, const std::string &text);
    void SetAttribute(int index, const char *name, const std::string &value);
    void SetHidden(int index, bool hidden);
    // A box whose text takes its background colour hides its selection too.
    void SetForeColour(int index, ColourValue colour);
    bool Checked(int index) const;
    void Select(int index);
    void Focus(int index);

    void SetCaption(const std::string &caption);
    void Show();
    void Hide();
    void Move(ScreenPoint topLeft);
    ScreenRect Frame() const;
    ScreenRect WorkArea() const;
    // Removes the window now and deletes it once the event being handled is done.
    void CloseLater();

    // A box's text was edited.
    virtual void OnChange(int /*index*/) {}
    // The wheel over a spinner, in the desktop's units (120 a notch).
    virtual void OnWheel(int /*index*/, int /*units*/) {}
    virtual void OnClick(int /*index*/) {}
    // The frame's close button.
    virtual void OnClose() = 0;
    virtual bool OnKey(int /*index*/, const KeyPress & /*key*/) { return false; }
    virtual void OnFocus(int /*index*/) {}
    virtual void OnActivate() {}
    virtual int OnArrow(int /*index*/, const std::string & /*event*/) { return 0; }
    virtual void OnFinger(int /*index*/) {}
    virtual int OnSlide(double /*pixelsUp*/) { return 0; }

private:
    int IndexOf(const char *id) const;
    template <typename Handler> static void Dispatch(int handle, Handler &&handler);
    // Dispatch to the control of the id, if the window has one.
    template <typename Handler>
    static void DispatchToControl(int handle, const char *id, Handler &&handler);

    const WindowDesign &m_design;
    int m_handle = 0; // 0 once closed
};

} // namespace tavrel
