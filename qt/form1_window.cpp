#include "qt/form1_window.h"

#include "qt/accessible_states.h"
#include "qt/build_window.h"
#include "qt/keys.h"
#include "qt/look.h"
#include "qt/spinner.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

namespace tavrel {

Form1Window::Form1Window(frmAbout &about) : m_procedures(*this, about)
{
    // Fixed single border with the system menu and the close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const std::vector<QWidget *> controls = BuildWindow(this, kForm1Design);
    std::copy(controls.begin(), controls.end(), m_controls.begin());
    for (QWidget *control : m_controls)
        if (control)
            control->installEventFilter(this);
    DescribeControls();
    Connect();
    m_procedures.Load();
}

bool Form1Window::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find(m_controls.begin(), m_controls.end(), watched);
    if (found == m_controls.end())
        return false;
    const auto control = Form1Control(found - m_controls.begin());
    if (event->type() == QEvent::FocusIn)
        m_procedures.FocusIn(control);
    if (event->type() != QEvent::KeyPress)
        return false;
    const std::optional<KeyPress> key = ToKeyPress(*static_cast<QKeyEvent *>(event));
    return key && m_procedures.Key(control, *key);
}

void Form1Window::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_procedures.Activate();
    QWidget::changeEvent(event);
}

void Form1Window::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the procedures hide the window, and end the program with the last one
    m_procedures.Close();
}

void Form1Window::Connect()
{
    for (int i = 0; i < kForm1ControlCount; ++i) {
        const auto control = static_cast<Form1Control>(i);
        const auto change = [this, control] { m_procedures.Change(control); };
        switch (DesignOf(control).kind) {
        case ControlKind::TextBox:
            connect(Control<QLineEdit>(control), &QLineEdit::textChanged, this, change);
            connect(Control<QLineEdit>(control), &QLineEdit::textChanged, this,
                    [this, control] { AnnounceValue(control); });
            break;
        case ControlKind::Spinner:
            ConnectSpinner(control);
            break;
        case ControlKind::CommandButton:
            connect(Control<QPushButton>(control), &QPushButton::clicked, this,
                    [this, control] { m_procedures.Click(control); });
            break;
        default:
            break;
        }
    }
}

void Form1Window::ConnectSpinner(Form1Control control)
{
    Spinner *spinner = Control<Spinner>(control);
    connect(spinner, &Spinner::Spun, this,
            [this, control](SpinAction action) { m_procedures.Spin(control, action); });
    connect(spinner, &Spinner::Wheeled, this,
            [this, control](int units) { m_procedures.Wheel(control, units); });
    connect(spinner, &Spinner::ArrowPressed, this, [this, control, spinner](bool upper) {
        spinner->Arm(m_procedures.ArrowPressed(control, upper));
    });
    connect(spinner, &Spinner::ArrowHovered, this,
            [this, spinner](bool over) { spinner->Arm(m_procedures.ArrowHover(over)); });
    connect(spinner, &Spinner::ArrowReleased, this,
            [this, spinner] { spinner->Arm(m_procedures.ArrowReleased()); });
    connect(spinner, &Spinner::TimerFired, this,
            [this, spinner] { spinner->Arm(m_procedures.ArrowTimer()); });
}

void Form1Window::DescribeControls()
{
    for (int i = 0; i < kForm1ControlCount; ++i)
        if (DesignOf(Form1Control(i)).kind == ControlKind::TextBox)
            SetAccessiblyReadOnly(m_controls[i], UndoesTyping(Form1Control(i)));
    for (const SpinnerPair &pair : kSpinnerPairs) {
        const QString name = QString::fromStdString(AccessibleName(pair));
        for (QWidget *control : {Control<QWidget>(pair.box), Control<QWidget>(pair.spinner)})
            control->setAccessibleName(name);
        Control<Spinner>(pair.spinner)->SetBuddy(Control<QLineEdit>(pair.box), RangeOf(pair));
    }
}

std::string Form1Window::Text(Form1Control box) const
{
    return Control<QLineEdit>(box)->text().toStdString();
}

void Form1Window::SetText(Form1Control box, const std::string &text)
{
    Control<QLineEdit>(box)->setText(QString::fromStdString(text));
}

std::int16_t Form1Window::Value(Form1Control spinner) const
{
    return static_cast<std::int16_t>(Control<Spinner>(spinner)->value());
}

void Form1Window::AnnounceValue(Form1Control box)
{
    // Whatever changed the text: the box and its spinner have a new value.
    for (const SpinnerPair &pair : kSpinnerPairs) {
        if (pair.box != box)
            continue;
        const QVariant value = Control<QLineEdit>(box)->text().toDouble();
        for (QWidget *control : {Control<QWidget>(pair.box), Control<QWidget>(pair.spinner)}) {
            QAccessibleValueChangeEvent event(control, value);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void Form1Window::SetDescription(Form1Control control, const std::string &description)
{
    Control<QWidget>(control)->setAccessibleDescription(QString::fromStdString(description));
}

void Form1Window::SetInactive(Form1Control control, bool inactive)
{
    SetAccessiblyInactive(Control<QWidget>(control), inactive);
}

void Form1Window::SetValue(Form1Control spinner, std::int16_t value)
{
    Control<Spinner>(spinner)->setValue(value);
}

void Form1Window::SetVisible(Form1Control spinner, bool visible)
{
    Control<QWidget>(spinner)->setVisible(visible);
}

void Form1Window::SetForeColour(Form1Control control, ColourValue colour)
{
    tavrel::SetForeColour(Control<QWidget>(control), colour, HidesValue(DesignOf(control), colour));
}

bool Form1Window::Selected(Form1Control option) const
{
    return Control<QRadioButton>(option)->isChecked();
}

void Form1Window::Select(Form1Control option) { Control<QRadioButton>(option)->setChecked(true); }

void Form1Window::SetFocus(Form1Control control)
{
    if (!isActiveWindow())
        activateWindow();
    Control<QWidget>(control)->setFocus(Qt::TabFocusReason);
}

void Form1Window::ShowMessage(const std::string &title, const std::string &text)
{
    tavrel::ShowMessage(this, QString::fromStdString(title), QString::fromStdString(text));
}

// Qt 6.4 has no announcement of its own; a screen reader speaks a new
// description of the control with the focus.
void Form1Window::Announce(const std::string &text)
{
    QWidget *focused = focusWidget();
    (focused ? focused : this)->setAccessibleDescription(QString::fromStdString(text));
}

void Form1Window::Move(ScreenPoint topLeft) { move(topLeft.x, topLeft.y); }

void Form1Window::Show()
{
    show();
    raise();
    activateWindow();
}

void Form1Window::Hide() { hide(); }

void Form1Window::End()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

namespace {

ScreenRect ToScreenRect(const QRect &rect)
{
    return {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
}

} // namespace

ScreenRect Form1Window::Frame() const { return ToScreenRect(frameGeometry()); }

ScreenRect Form1Window::WorkArea() const { return ToScreenRect(screen()->availableGeometry()); }

} // namespace tavrel
