#include "qt/form1_window.h"

#include "qt/look.h"
#include "qt/spinner.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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
            break;
        case ControlKind::Spinner:
            connect(Control<Spinner>(control), &Spinner::valueChanged, this, change);
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
        const auto *caption = Control<QLabel>(pair.caption);
        const QString name = caption->text() + ", " + QString::fromUtf8(pair.unit);
        for (QWidget *control : {Control<QWidget>(pair.box), Control<QWidget>(pair.spinner)}) {
            control->setAccessibleName(name);
            control->setAccessibleDescription(caption->toolTip());
        }
        Control<Spinner>(pair.spinner)->SetBuddy(Control<QLineEdit>(pair.box));
    }
    Control<QWidget>(Form1Control::Text6)
        ->setAccessibleName(Control<QLabel>(Form1Control::Label13)->text());
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

} // namespace tavrel
