#include "qt/form1_window.h"

#include "qt/build_window.h"
#include "qt/look.h"
#include "qt/spinner.h"

#include <QAccessible>
#include <QCoreApplication>
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
    DescribeControls();
    Connect();
    m_procedures.Load();
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
            connect(Control<Spinner>(control), &Spinner::Spun, this,
                    [this, control](SpinAction action) { m_procedures.Spin(control, action); });
            connect(Control<Spinner>(control), &Spinner::Wheeled, this,
                    [this, control](int units) { m_procedures.Wheel(control, units); });
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

void Form1Window::DescribeControls()
{
    for (const SpinnerPair &pair : kSpinnerPairs) {
        const QString name = QString::fromStdString(AccessibleName(pair));
        for (QWidget *control : {Control<QWidget>(pair.box), Control<QWidget>(pair.spinner)})
            control->setAccessibleName(name);
        Control<Spinner>(pair.spinner)->SetBuddy(Control<QLineEdit>(pair.box), RangeOf(pair));
    }
    Control<QWidget>(Form1Control::Text6)
        ->setAccessibleName(QString::fromUtf8(DesignOf(Form1Control::Label13).caption));
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
    tavrel::SetForeColour(Control<QWidget>(control), colour);
}

bool Form1Window::Selected(Form1Control option) const
{
    return Control<QRadioButton>(option)->isChecked();
}

void Form1Window::ShowMessage(const std::string &text)
{
    tavrel::ShowMessage(this, QString::fromStdString(text));
}

void Form1Window::End() { QCoreApplication::exit(0); }

namespace {

ScreenRect ToScreenRect(const QRect &rect)
{
    return {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
}

} // namespace

ScreenRect Form1Window::Frame() const { return ToScreenRect(frameGeometry()); }

ScreenRect Form1Window::WorkArea() const { return ToScreenRect(screen()->availableGeometry()); }

} // namespace tavrel
