#include "web/form1_window.h"

#include "common/numbers.h"
#include "web/page.h"

namespace tavrel {

namespace {

int Index(Form1Control control) { return static_cast<int>(control); }

} // namespace

Form1Window::Form1Window(frmAbout &about)
    : DesignedWindow(kForm1Design, "main"), m_procedures(*this, about)
{
    for (int i = 0; i < kForm1ControlCount; ++i)
        m_values[std::size_t(i)] = std::int16_t(DesignOf(Form1Control(i)).spinner.value);
    DescribeControls();
    m_procedures.Load();
}

// Named by their visible captions (WindowMarkup); here, what the procedures
// decide: the spinners' ranges, and the boxes that undo typing as read-only.
void Form1Window::DescribeControls()
{
    for (const SpinnerPair &pair : kSpinnerPairs) {
        const BoxRange range = RangeOf(pair);
        SetAttribute(Index(pair.spinner), "aria-valuemin", NumberToText(range.minimum));
        SetAttribute(Index(pair.spinner), "aria-valuemax", NumberToText(range.maximum));
    }
    for (int i = 0; i < kForm1ControlCount; ++i)
        if (DesignOf(Form1Control(i)).kind == ControlKind::TextBox)
            SetAttribute(i, "aria-readonly", UndoesTyping(Form1Control(i)) ? "true" : "false");
}

std::string Form1Window::Text(Form1Control box) const { return DesignedWindow::Text(Index(box)); }

void Form1Window::SetText(Form1Control box, const std::string &text)
{
    DesignedWindow::SetText(Index(box), text);
    // The spinner's value, as screen readers hear it, is its box's number.
    for (const SpinnerPair &pair : kSpinnerPairs)
        if (pair.box == box)
            SetAttribute(Index(pair.spinner), "aria-valuenow", text);
}

std::int16_t Form1Window::Value(Form1Control spinner) const
{
    return m_values[std::size_t(Index(spinner))];
}

void Form1Window::SetValue(Form1Control spinner, std::int16_t value)
{
    m_values[std::size_t(Index(spinner))] = value;
}

void Form1Window::SetVisible(Form1Control spinner, bool visible)
{
    SetHidden(Index(spinner), !visible);
}

void Form1Window::SetForeColour(Form1Control control, ColourValue colour)
{
    DesignedWindow::SetForeColour(Index(control), colour);
}

void Form1Window::SetDescription(Form1Control control, const std::string &description)
{
    SetAttribute(Index(control), "aria-description", description);
}

void Form1Window::SetInactive(Form1Control control, bool inactive)
{
    SetAttribute(Index(control), "aria-disabled", inactive ? "true" : "false");
}

bool Form1Window::Selected(Form1Control option) const { return Checked(Index(option)); }

void Form1Window::ShowMessage(const std::string &title, const std::string &text)
{
    page_message(title.c_str(), text.c_str());
}

void Form1Window::Announce(const std::string &text) { page_announce(text.c_str()); }

void Form1Window::End() { page_end(); }

void Form1Window::OnChange(int index) { m_procedures.Change(Form1Control(index)); }

void Form1Window::OnWheel(int index, int units) { m_procedures.Wheel(Form1Control(index), units); }

void Form1Window::OnClick(int index) { m_procedures.Click(Form1Control(index)); }

void Form1Window::OnClose() { m_procedures.Close(); }

bool Form1Window::OnKey(int index, const KeyPress &key)
{
    return m_procedures.Key(Form1Control(index), key);
}

int Form1Window::OnArrow(int index, const std::string &event)
{
    if (event == "up" || event == "down" || event == "finger up" || event == "finger down")
        return m_procedures.ArrowPressed(Form1Control(index), event.ends_with("up"),
                                         event.starts_with("finger"));
    if (event == "on" || event == "off")
        return m_procedures.ArrowHover(event == "on");
    if (event == "tick")
        return m_procedures.ArrowTimer();
    return m_procedures.ArrowReleased();
}

void Form1Window::OnFinger(int index) { m_procedures.FingerDown(Form1Control(index)); }

int Form1Window::OnSlide(double pixelsUp) { return m_procedures.FingerMoved(pixelsUp); }

} // namespace tavrel
