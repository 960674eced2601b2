// The main window on the Windows desktop: the controls of kForm1Design as
// the standard controls behind Form1Controls. Every change of a box, every
// move of a spinner and every click of a command button goes to Form1's
// procedures, which decide.
#pragma once

#include "main_window/form1.h"
#include "win32/designed_window.h"

namespace tavrel {

class Form1Window : public DesignedWindow, public Form1Controls
{
public:
    explicit Form1Window(frmAbout &about);

    std::string Text(Form1Control box) const override;
    void SetText(Form1Control box, const std::string &text) override;
    std::int16_t Value(Form1Control spinner) const override;
    void SetValue(Form1Control spinner, std::int16_t value) override;
    void SetVisible(Form1Control spinner, bool visible) override;
    void SetForeColour(Form1Control control, ColourValue colour) override;
    void SetDescription(Form1Control control, const std::string &description) override;
    void SetInactive(Form1Control control, bool inactive) override;
    bool Selected(Form1Control option) const override;
    void Select(Form1Control option) override;
    void SetFocus(Form1Control control) override { Focus(int(control)); }
    void ShowMessage(const std::string &title, const std::string &text) override;
    void Announce(const std::string &text) override;
    void End() override;
    ScreenRect Frame() const override { return DesignedWindow::Frame(); }
    ScreenRect WorkArea() const override { return DesignedWindow::WorkArea(); }
    void Move(ScreenPoint topLeft) override { MoveTo(topLeft); }
    void Show() override;
    void Hide() override { ShowWindow(Handle(), SW_HIDE); }

    // Shows the window as the program starts.
    void Start() { m_procedures.Show(); }

private:
    HWND Control(Form1Control control) const { return DesignedWindow::Control(int(control)); }
    void OnCommand(int index, int code) override;
    void OnVScroll(int index, int code) override;
    void OnWheel(int index, int units) override;
    void OnArrow(int index, int event) override;
    void OnArrowTimer() override { Arm(m_procedures.ArrowTimer()); }
    // The held arrow's timer as the procedures answer (HeldArrow).
    void Arm(int timer);
    void OnClose() override;
    bool OnKey(int index, const KeyPress &key) override;
    void OnFocus(int index) override { m_procedures.FocusIn(Form1Control(index)); }
    void OnActivate() override { m_procedures.Activate(); }

    Form1 m_procedures;
};

} // namespace tavrel
