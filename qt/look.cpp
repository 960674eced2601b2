#include "qt/look.h"

#include "common/application.h"
#include "common/twips.h"
#include "qt/spinner.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <limits>

namespace tavrel {

namespace {

// A picture box: a sunken frame around its picture, in the focus order like
// any control that takes input, with a focus frame to show it.
class PictureBox : public QLabel
{
public:
    explicit PictureBox(QWidget *parent) : QLabel(parent)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
        setScaledContents(true);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        // Dots on white, seen on any picture.
        QPainter painter(this);
        const QRect frame = contentsRect().adjusted(1, 1, -2, -2);
        painter.setPen(Qt::white);
        painter.drawRect(frame);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(frame);
    }
    void focusInEvent(QFocusEvent *) override { update(); }
    void focusOutEvent(QFocusEvent *) override { update(); }
};

void SetBackColour(QWidget *widget, ColourValue colour)
{
    const bool box = qobject_cast<QLineEdit *>(widget) != nullptr;
    QPalette palette = widget->palette();
    palette.setColor(box ? QPalette::Base : QPalette::Window, ToQColor(colour));
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
        auto *box = new QLineEdit(window);
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
        // Only the selected option is a tab stop, in both directions, from the
        // start: Qt keeps it so once an option of the group has had the focus.
        if (!design.selected)
            option->setFocusPolicy(Qt::FocusPolicy(option->focusPolicy() & ~Qt::TabFocus));
        control = option;
        break;
    }
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(caption, window);
        // Enter presses the default button, or the focused one in a dialog;
        // in the main window, none.
        button->setDefault(design.isDefault);
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
    if (design.foreColour != kDefaultColour)
        SetForeColour(control, design.foreColour);
    if (design.backColour != kDefaultColour)
        SetBackColour(control, design.backColour);
    if (*design.toolTip)
        control->setToolTip(QString::fromUtf8(design.toolTip));
    control->setVisible(design.visible);
    return control;
}

} // namespace

QColor ToQColor(ColourValue colour)
{
    if (!IsSystemColour(colour))
        return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));

    const QPalette palette = QApplication::palette();
    switch (SystemColourIndex(colour)) {
    case SystemColourIndex(kSysButtonShadow):
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    case SystemColourIndex(kSysInactiveBorder):
        return palette.color(QPalette::Inactive, QPalette::Window);
    case SystemColourIndex(kSysButtonText):
    default:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    }
}

QFont ClassicFont(qreal pointSize, bool bold)
{
    // Resolved once, to an installed family: asking the font database for a
    // missing one runs its fallback search for every control, which is a
    // good part of the start-up time.
    static const QString family = [] {
        for (const char *candidate : {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans",
                                      "Arimo", "Arial", "Helvetica"})
            if (QFontDatabase::hasFamily(candidate))
                return QString::fromLatin1(candidate);
        return QApplication::font().family();
    }();

    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QIcon ApplicationIcon()
{
    // Up to 64 pixels: a 32-pixel icon on a screen scaled by 2. The larger
    // images belong to the desktop's icon theme; decoding them (and sending
    // them to the X server) at every start would only cost time.
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QString(":/icons/tavrel-%1.png").arg(size), QSize(size, size));
    return icon;
}

void SetForeColour(QWidget *widget, ColourValue colour)
{
    QPalette palette = widget->palette();
    const QColor qcolour = ToQColor(colour);
    // A line edit draws its text in Text; labels and buttons in WindowText/ButtonText.
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, qcolour);
    widget->setPalette(palette);
}

void ShowMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

QRect TwipsToRect(const TwipsRect &twips, qreal logicalDpi)
{
    const int x = TwipsToPixels(twips.left, logicalDpi);
    const int y = TwipsToPixels(twips.top, logicalDpi);
    return QRect(QPoint(x, y), QPoint(TwipsToPixels(twips.left + twips.width, logicalDpi) - 1,
                                      TwipsToPixels(twips.top + twips.height, logicalDpi) - 1));
}

std::vector<QWidget *> BuildWindow(QWidget *window, const WindowDesign &design)
{
    window->setWindowTitle(QString::fromUtf8(design.caption));
    if (design.font.points > 0)
        window->setFont(ClassicFont(design.font.points, design.font.bold));

    const qreal dpi = window->logicalDpiY();
    std::vector<QWidget *> controls;
    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (const ControlDesign &control : design.controls) {
        QWidget *widget = CreateControl(window, control);
        controls.push_back(widget);
        if (!widget)
            continue;
        widget->setGeometry(TwipsToRect(control.rect, dpi));
        if (control.kind == ControlKind::Label) {
            // Captions lie beneath the boxes (two reach a pixel into theirs), and
            // one that this font draws wider than its box grows to the right.
            widget->lower();
            if (!control.wordWrap)
                widget->resize(std::max(widget->width(), widget->sizeHint().width()),
                               widget->height());
        } else if (control.tabIndex >= 0) {
            tabOrder.emplace_back(control.tabIndex, widget);
        }
    }
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty())
        tabOrder.front().second->setFocus();

    window->setFixedSize(TwipsToPixels(design.widthTwips, dpi),
                         TwipsToPixels(design.heightTwips, dpi));
    return controls;
}

} // namespace tavrel
