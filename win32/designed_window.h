// A window of Tavrel on the Windows desktop, built from its design: the
// standard controls, placed from their twips at the window's own DPI, with
// the design's fonts and colours, and laid out again when the window moves
// to a screen of another DPI.
//
// Both windows are dialogs of Tavrel's own window class, so that the dialog
// manager gives them a dialog's keyboard: Tab in the focus order, the arrow
// keys in the option group. Enter and Esc are the window's own: in a window
// with a default button, Enter presses the focused command button or else
// the default one, and Esc the default one; in a window without, neither
// presses anything. The one window procedure dispatches the rest to small
// handlers of each window.
#pragma once

#include "common/design.h"
#include "common/placement.h"
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

    // Enter and Esc for the window of Tavrel's that the message is for; true
    // when the message was such a key and is handled.
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
    // Centred on the work area of its screen.
    void Centre();
    ScreenRect Frame() const;
    ScreenRect WorkArea() const;

    // A notification of a control, a click of a command button included.
    virtual void OnCommand(int /*index*/, int /*code*/) {}
    // An arrow of a spinner, or a key on it.
    virtual void OnVScroll(int /*index*/, int /*code*/) {}
    // The wheel over a spinner, in the desktop's units (120 a notch).
    virtual void OnWheel(int /*index*/, int /*units*/) {}
    // The frame's close button or Alt+F4.
    virtual void OnClose() = 0;
    // After the controls have been placed at dpi, at construction and at a
    // change of DPI.
    virtual void OnLayout(UINT /*dpi*/) {}
    // The window is gone; nothing of it may be used any more.
    virtual void OnDestroyed() {}

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK TextBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR index, DWORD_PTR self);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    int IndexOf(HWND control) const;
    void Layout(UINT dpi);
    void OnKey(WPARAM key);
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
