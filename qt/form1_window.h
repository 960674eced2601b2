// The main window on the Qt desktop: the controls of kForm1Design as
// widgets behind Form1Controls. Every change of a box, every move of a
// spinner and every click of a command button goes to Form1's procedures,
// which decide.
#pragma once

#include "main_window/form1.h"

#include <QWidget>

#include <array>

namespace tavrel {

class Form1Window : public QWidget, public Form1Controls
{
    Q_OBJECT

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
    void SetFocus(Form1Control control) override;
    void ShowMessage(const std::string &title, const std::string &text) override;
    void Announce(const std::string &text) override;
    void End() override;
    ScreenRect Frame() const override;
    ScreenRect WorkArea() const override;
    void Move(ScreenPoint topLeft) override;
    void Show() override;
    void Hide() override;

    // Shows the window as the program starts.
    void Start() { m_procedures.Show(); }

protected:
    // Keys and focus of the controls, to the procedures.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    template <typename T> T *Control(Form1Control control) const
    {
        return static_cast<T *>(m_controls[static_cast<std::size_t>(control)]);
    }
    void Connect();
    void ConnectSpinner(Form1Control control);
    // Names and descriptions that screen readers speak for the boxes and spinners.
    void DescribeControls();
    // Tells assistive tools a box's new value, and its spinner's.
    void AnnounceValue(Form1Control box);

    std::array<QWidget *, kForm1ControlCount> m_controls{};
    Form1 m_procedures;
};

} // namespace tavrel
