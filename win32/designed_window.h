// A window of Tavrel on the Windows desktop, built from its design: the
// standard controls, placed from their twips at the window's own DPI, with
// the design's fonts and colours, and laid out again when the window moves
// to a screen of another DPI.
//
// Both windows are dialogs of Tavrel's own window class. Every key that a
// window of Tavrel's takes (Tab, Enter, Esc, the arrows, the page keys,
// Alt with a letter) goes to its procedures before the dialog manager sees
// it, and so do the focus it had when deactivated and its activation. The
// one window procedure dispatches the rest to small handlers of each window.
#pragma once

#include "common/design.h"
#include "common/placement.h"
#include "main_window/interaction.h"
#include "win32/look.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <vector>

namespace tavrel {

class DesignedWindow
{
public:
    DesignedWindow(const DesignedWindow &) = delete;
    DesignedWindow &operator=(const DesignedWindow &) = delete;

    HWND Handle() const { return m_window; }

    // A key for the window of Tavrel's that the message is for; true when
    // its procedures took it.
    static bool TranslateKey(const MSG &message);

protected:
    // Creates the window, hidden, with its controls. The program ends when
    // the last of its windows is destroyed.
    DesignedWindow(const WindowDesign &design, DWORD style, DWORD exStyle);
    // Destroys a window still open without running its handlers.
    virtual ~DesignedWindow();

    HWND Control(int index) const { return m_controls[std::size_t(index)]; }
    void SetForeColour(int index, ColourValue colour);
    // Destroys the window once the message being handled is done.
    void DestroyLater();
    // Gives a control the focus as Tab does: an edit box's text selected.
    void Focus(int index);
    void MoveTo(ScreenPoint topLeft);
    ScreenRect Frame() const;
    ScreenRect WorkArea() const;

    // A notification of a control, a click of a command button included.
    virtual void OnCommand(int /*index*/, int /*code*/) {}
    // An arrow of a spinner, or a key on it.
    virtual void OnVScroll(int /*index*/, int /*code*/) {}
    // The wheel over a spinner, in the desktop's units (120 a notch).
    virtual void OnWheel(int /*index*/, int /*units*/) {}
    // The left button on a spinner's arrows (ArrowEvent), and the timer of a held one.
    virtual void OnArrow(int /*index*/, int /*event*/) {}
    virtual void OnArrowTimer() {}
    // The frame's close button or Alt+F4.
    virtual void OnClose() = 0;
    // After the controls have been placed at dpi, at construction and at a
    // change of DPI.
    virtual void OnLayout(UINT /*dpi*/) {}
    // The window is gone; nothing of it may be used any more.
    virtual void OnDestroyed() {}
    // A key for the control that has the focus (-1: none); true when taken.
    virtual bool OnKey(int /*index*/, const KeyPress & /*key*/) { return false; }
    // The control that had the focus as the window was deactivated, and its activation.
    virtual void OnFocus(int /*index*/) {}
    virtual void OnActivate() {}

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK TextBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR index, DWORD_PTR self);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    int IndexOf(HWND control) const;
    void Layout(UINT dpi);
    LRESULT OnCtlColor(HDC dc, HWND control, ColourValue background);
    ColourValue BackColour(std::size_t index, ColourValue platform) const;

    const WindowDesign &m_design;
    HWND m_window = nullptr;
    std::vector<HWND> m_controls;           // in design order
    std::vector<ColourValue> m_foreColours; // as the procedures last set them
    FontCache m_fonts;
    BrushCache m_brushes;
    bool m_toolTips = false; // made yet
};

} // namespace tavrel
