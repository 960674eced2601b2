// The main window on the Windows desktop: the controls of kForm1Design as
// the standard controls behind Form1Controls. Every change of a box or
// spinner and every click of a command button goes to Form1's procedures.
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
    void SetVisible(Form1Control spinner, bool visible) override;
    void SetForeColour(Form1Control control, ColourValue colour) override;
    bool Selected(Form1Control option) const override;
    void ShowMessage(const std::string &text) override;
    void End() override;

private:
    HWND Control(Form1Control control) const { return DesignedWindow::Control(int(control)); }
    void OnCommand(int index, int code) override;
    void OnVScroll(int index, int code) override;
    void OnClose() override;

    Form1 m_procedures;
};

} // namespace tavrel
