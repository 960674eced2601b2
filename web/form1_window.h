// The main window in the page: the controls of kForm1Design as elements
// behind Form1Controls. Every edit of a box, every move of a spinner and
// every click of a command button goes to Form1's procedures, which decide.
#pragma once

#include "main_window/form1.h"
#include "web/designed_window.h"

#include <array>

namespace tavrel {

class Form1Window : public DesignedWindow, public Form1Controls
{
public:
    // Opens the window and runs its load step.
    explicit Form1Window(frmAbout &about);
    // Shows it as the program starts.
    void Start() { m_procedures.Show(); }

    std::string Text(Form1Control box) const override;
    void SetText(Form1Control box, const std::string &text) override;
    std::int16_t Value(Form1Control spinner) const override;
    void SetValue(Form1Control spinner, std::int16_t value) override;
    void SetVisible(Form1Control spinner, bool visible) override;
    void SetForeColour(Form1Control control, ColourValue colour) override;
    void SetDescription(Form1Control control, const std::string &description) override;
    void SetInactive(Form1Control control, bool inactive) override;
    bool Selected(Form1Control option) const override;
    void Select(Form1Control option) override { DesignedWindow::Select(int(option)); }
    void SetFocus(Form1Control control) override { Focus(int(control)); }
    void ShowMessage(const std::string &title, const std::string &text) override;
    void Announce(const std::string &text) override;
    void End() override;
    ScreenRect Frame() const override { return DesignedWindow::Frame(); }
    ScreenRect WorkArea() const override { return DesignedWindow::WorkArea(); }
    void Move(ScreenPoint topLeft) override { DesignedWindow::Move(topLeft); }
    void Show() override { DesignedWindow::Show(); }
    void Hide() override { DesignedWindow::Hide(); }

private:
    void OnChange(int index) override;
    void OnWheel(int index, int units) override;
    void OnClick(int index) override;
    void OnClose() override;
    bool OnKey(int index, const KeyPress &key) override;
    void OnFocus(int index) override { m_procedures.FocusIn(Form1Control(index)); }
    void OnActivate() override { m_procedures.Activate(); }
    int OnArrow(int index, const std::string &event) override;
    void OnFinger(int index) override;
    int OnSlide(double pixelsUp) override;
    // Names, ranges and descriptions that screen readers speak for the boxes
    // and spinners.
    void DescribeControls();

    // The spinners' values: the page shows only the numbers of their boxes.
    std::array<std::int16_t, kForm1ControlCount> m_values{};
    Form1 m_procedures;
};

} // namespace tavrel
