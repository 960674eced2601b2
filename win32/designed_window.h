// A window of Tavrel on the Windows desktop, built from its design: the
// standard controls, placed from their twips at the window's own DPI, with
// the design's fonts and colours, and laid out again when the window moves
// to a screen of another DPI.
//
// Both windows are dialogs of Tavrel's own window class, so that the dialog
// manager gives them a dialog's keyboard: Tab in the focus order, Enter on
// the focused or default button, Esc. The one window procedure dispatches
// the rest to small handlers of each window.
#pragma once

#include "common/design.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tavrel {

class DesignedWindow
{
public:
    DesignedWindow(const DesignedWindow &) = delete;
    DesignedWindow &operator=(const DesignedWindow &) = delete;

    HWND Handle() const { return m_window; }

protected:
    // Creates the window, hidden, with its controls. The program ends when
    // the last of its windows is destroyed.
    DesignedWindow(const WindowDesign &design, DWORD style, DWORD exStyle);
    // Lays the window out at its DPI and centres it on the screen; the last
    // step of a window's construction, as it calls OnLayout.
    void Place();
    // Destroys a window still open without running its handlers.
    virtual ~DesignedWindow();

    HWND Control(int index) const { return m_controls[std::size_t(index)]; }
    void SetForeColour(int index, ColourValue colour);
    // The picture a picture box shows, stretched to its size; owned by the caller.
    void SetPicture(int index, HBITMAP picture);
    // Destroys the window once the message being handled is done.
    void DestroyLater();
    // What screen readers say of a control: a name, a description, and for a
    // control that stands for another kind (0: its own) the role and a value.
    void Describe(int index, const std::wstring &name, const std::wstring &description,
                  long role = 0);
    void DescribeValue(int index, const std::wstring &value);

    // A notification of a control; the default button stands for IDOK and IDCANCEL.
    virtual void OnCommand(int /*index*/, int /*code*/) {}
    // An arrow of a spinner, a key on it or a notch of the wheel over it.
    virtual void OnVScroll(int /*index*/, int /*code*/) {}
    // The frame's close button or Alt+F4.
    virtual void OnClose() = 0;
    virtual void OnLayout(UINT /*dpi*/) {}
    // The window is gone; nothing of it may be used any more.
    virtual void OnDestroyed() {}

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void Layout(UINT dpi);
    int IndexOf(HWND control) const;
    HFONT Font(const FontDesign &font, UINT dpi);
    HBRUSH Brush(ColourValue colour);
    LRESULT OnCtlColor(HDC dc, HWND control, ColourValue background);
    void OnMouseWheel(int delta, POINT screen);

    const WindowDesign &m_design;
    HWND m_window = nullptr;
    HWND m_toolTips = nullptr;
    std::vector<HWND> m_controls;                      // in design order
    std::vector<ColourValue> m_foreColours;            // as the procedures last set them
    std::vector<std::pair<FontDesign, HFONT>> m_fonts; // at the current DPI
    std::map<ColourValue, HBRUSH> m_brushes;
    int m_wheelDelta = 0; // turned since the last whole notch
};

} // namespace tavrel
