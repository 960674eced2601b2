#include "qt/build_window.h"

#include "common/twips.h"
#include "qt/accessible_states.h"
#include "qt/look.h"
#include "qt/picture_box.h"
#include "qt/spinner.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <limits>

namespace tavrel {

namespace {

void SetBackColour(QWidget *widget, ColourValue colour)
{
    const bool box = qobject_cast<QLineEdit *>(widget) != nullptr;
    QPalette palette = widget->palette();
    // What each fills its background with: an option button its Button colour.
    palette.setColor(box ? QPalette::Base : widget->backgroundRole(), ToQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(!box);
}

QWidget *CreateControl(QWidget *window, const ControlDesign &design)
{
    const QString caption = QString::fromUtf8(design.caption);
    QWidget *control = nullptr;
    switch (design.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(caption, window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(design.wordWrap);
        control = label;
        break;
    }
    case ControlKind::TextBox: {
        auto *box = new Box(window);
        box->setMaxLength(std::numeric_limits<int>::max()); // a paste is never cut short
        control = box;
        break;
    }
    case ControlKind::Spinner: {
        auto *spinner = new Spinner(window);
        spinner->setRange(design.spinner.min, design.spinner.max);
        spinner->setSingleStep(design.spinner.smallChange);
        spinner->setPageStep(1);
        spinner->setValue(design.spinner.value);
        control = spinner;
        break;
    }
    case ControlKind::OptionButton: {
        auto *option = new QRadioButton(caption, window);
        option->setChecked(design.selected);
        control = option;
        break;
    }
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(caption, window);
        button->setDefault(design.isDefault); // its look; the procedures take Enter and Esc
        control = button;
        break;
    }
    case ControlKind::PictureBox:
        control = new PictureBox(window);
        break;
    case ControlKind::Line:
        return nullptr;
    }
    control->setObjectName(QString::fromLatin1(design.name));
    if (design.font.points > 0)
        control->setFont(ClassicFont(design.font.points, design.font.bold));
    if (design.backColour != kDefaultColour)
        SetBackColour(control, design.backColour);
    if (design.foreColour != kDefaultColour)
        SetForeColour(control, design.foreColour, HidesValue(design, design.foreColour));
    if (*design.toolTip)
        control->setToolTip(QString::fromUtf8(design.toolTip));
    if (*design.accessibleName)
        control->setAccessibleName(QString::fromUtf8(design.accessibleName));
    control->setVisible(design.visible);
    return control;
}

} // namespace

std::vector<QWidget *> BuildWindow(QWidget *window, const WindowDesign &design)
{
    window->setWindowTitle(QString::fromUtf8(design.caption));
    if (design.font.points > 0)
        window->setFont(ClassicFont(design.font.points, design.font.bold));

    const qreal dpi = window->logicalDpiY();
    std::vector<QWidget *> controls;
    std::vector<std::pair<const ControlDesign *, QWidget *>> labels;
    for (const ControlDesign &control : design.controls) {
        QWidget *widget = CreateControl(window, control);
        controls.push_back(widget);
        if (!widget)
            continue;
        widget->setGeometry(TwipsToRect(control.rect, dpi));
        if (control.kind == ControlKind::Label) {
            // Captions lie beneath the boxes (two reach a pixel into theirs), and
            // one that this font draws wider than its box grows to the right.
            labels.emplace_back(&control, widget);
            if (!control.wordWrap)
                widget->resize(std::max(widget->width(), widget->sizeHint().width()),
                               widget->height());
        }
    }
    // Lowered last first, so that screen readers meet them in reading order.
    std::sort(labels.begin(), labels.end(),
              [](const auto &a, const auto &b) { return ReadsBefore(*b.first, *a.first); });
    for (const auto &[control, label] : labels)
        label->lower();

    window->setFixedSize(TwipsToPixels(design.widthTwips, dpi),
                         TwipsToPixels(design.heightTwips, dpi));
    return controls;
}

} // namespace tavrel
