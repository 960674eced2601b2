#include "win32/form1_window.h"

#include "win32/accessibility.h"
#include "win32/spinner.h"
#include "win32/text.h"
#include "win32/ui_automation.h"

namespace tavrel {

Form1Window::Form1Window(frmAbout &about)
    : DesignedWindow(kForm1Design, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0),
      m_procedures(*this, about)
{
    // Screen readers hear each field as its caption and unit, and its spinner
    // as a spin button whose value is the box's text, not the bar's own value;
    // a box that undoes typing as read-only.
    for (const SpinnerPair &pair : kSpinnerPairs) {
        const std::wstring name = Utf16(AccessibleName(pair));
        Describe(Control(pair.box), name, nullptr, UndoesTyping(pair.box));
        Describe(Control(pair.spinner), name, Control(pair.box));
    }
    for (int i = 0; i < kForm1ControlCount; ++i)
        if (const ControlDesign &control = DesignOf(Form1Control(i)); *control.accessibleName)
            Describe(Control(Form1Control(i)), Utf16(control.accessibleName), nullptr,
                     UndoesTyping(Form1Control(i)));
    m_procedures.Load();
}

void Form1Window::OnCommand(int index, int code)
{
    const auto control = Form1Control(index);
    switch (DesignOf(control).kind) {
    case ControlKind::TextBox:
        if (code == EN_CHANGE)
            m_procedures.Change(control);
        break;
    case ControlKind::CommandButton:
        if (code == BN_CLICKED)
            m_procedures.Click(control);
        break;
    default:
        break;
    }
}

void Form1Window::OnVScroll(int index, int code)
{
    if (const std::optional<SpinAction> action = SpinActionOf(code))
        m_procedures.Spin(Form1Control(index), *action);
}

void Form1Window::OnWheel(int index, int units) { m_procedures.Wheel(Form1Control(index), units); }

void Form1Window::OnArrow(int index, int event)
{
    switch (ArrowEvent(event)) {
    case ArrowEvent::PressUpper:
    case ArrowEvent::PressLower:
        return Arm(m_procedures.ArrowPressed(Form1Control(index),
                                             ArrowEvent(event) == ArrowEvent::PressUpper));
    case ArrowEvent::Over:
    case ArrowEvent::Off:
        return Arm(m_procedures.ArrowHover(ArrowEvent(event) == ArrowEvent::Over));
    case ArrowEvent::Release:
        return Arm(m_procedures.ArrowReleased());
    }
}

void Form1Window::Arm(int timer)
{
    if (timer == 0)
        KillTimer(Handle(), kArrowMessage);
    else if (timer != HeldArrow::kKeep)
        SetTimer(Handle(), kArrowMessage, UINT(timer), nullptr);
}

void Form1Window::OnClose() { m_procedures.Close(); }

bool Form1Window::OnKey(int index, const KeyPress &key)
{
    return index >= 0 && m_procedures.Key(Form1Control(index), key);
}

void Form1Window::Show()
{
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void Form1Window::Select(Form1Control option)
{
    for (int i = 0; i < kForm1ControlCount; ++i)
        if (DesignOf(Form1Control(i)).kind == ControlKind::OptionButton)
            SendMessageW(Control(Form1Control(i)), BM_SETCHECK,
                         Form1Control(i) == option ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string Form1Window::Text(Form1Control box) const { return Utf8(WindowText(Control(box))); }

void Form1Window::SetText(Form1Control box, const std::string &text)
{
    SetWindowTextW(Control(box), Utf16(text).c_str());
    for (const SpinnerPair &pair : kSpinnerPairs)
        if (pair.box == box)
            AnnounceValue(Control(pair.spinner));
}

std::int16_t Form1Window::Value(Form1Control spinner) const
{
    return std::int16_t(GetScrollPos(Control(spinner), SB_CTL));
}

void Form1Window::SetValue(Form1Control spinner, std::int16_t value)
{
    SetScrollPos(Control(spinner), SB_CTL, value, TRUE);
}

void Form1Window::SetDescription(Form1Control control, const std::string &description)
{
    tavrel::SetDescription(Control(control), Utf16(description));
}

void Form1Window::SetInactive(Form1Control control, bool inactive)
{
    tavrel::SetInactive(Control(control), inactive);
}

void Form1Window::SetVisible(Form1Control spinner, bool visible)
{
    ShowWindow(Control(spinner), visible ? SW_SHOWNA : SW_HIDE);
}

void Form1Window::SetForeColour(Form1Control control, ColourValue colour)
{
    DesignedWindow::SetForeColour(int(control), colour);
}

bool Form1Window::Selected(Form1Control option) const
{
    return SendMessageW(Control(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Said by UI Automation's notification where Windows has it; elsewhere a
// screen reader speaks a new description of the control with the focus.
void Form1Window::Announce(const std::string &text)
{
    const HWND focused = GetFocus();
    const HWND speaker = focused && IsChild(Handle(), focused) ? focused : Handle();
    if (!RaiseNotification(speaker, Utf16(text)))
        tavrel::SetDescription(speaker, Utf16(text));
}

void Form1Window::ShowMessage(const std::string &title, const std::string &text)
{
    MessageBoxW(Handle(), Utf16(text).c_str(), Utf16(title).c_str(), MB_OK);
}

void Form1Window::End() { PostQuitMessage(0); }

} // namespace tavrel
