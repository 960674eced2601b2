#include "qt/about_dialog.h"

#include "qt/build_window.h"
#include "qt/keys.h"
#include "qt/look.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace tavrel {

namespace {

const QSize kPictureSize(108, 99); // pixels at the standard 96 DPI

} // namespace

AboutControls &AboutDialog::Load(frmAbout &procedures) { return *new AboutDialog(procedures); }

AboutDialog::AboutDialog(frmAbout &procedures) : QDialog(nullptr), m_procedures(procedures)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Fixed dialog frame: close button, no minimize, maximize or help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const std::vector<QWidget *> controls = BuildWindow(this, kAboutDesign);
    std::copy(controls.begin(), controls.end(), m_controls.begin());
    for (QWidget *control : m_controls)
        if (control)
            control->installEventFilter(this);

    // The icon engine picks airliner@2x.png on screens scaled by 2 or more.
    auto *picture = static_cast<QLabel *>(m_controls[std::size_t(AboutControl::picIcon)]);
    picture->setPixmap(QIcon(":/pictures/airliner.png").pixmap(kPictureSize, devicePixelRatioF()));
    for (const AboutControl button : {AboutControl::cmdOK, AboutControl::cmdSysInfo})
        connect(static_cast<QPushButton *>(m_controls[std::size_t(button)]), &QPushButton::clicked,
                this, [this, button] { m_procedures.Click(button); });
}

AboutDialog::~AboutDialog()
{
    if (!m_unloaded)
        m_procedures.Closed(*this); // closed behind their back: they let it go
}

void AboutDialog::SetCaption(const std::string &caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

ScreenRect AboutDialog::Frame() const
{
    const QRect frame = frameGeometry();
    return {frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1};
}

void AboutDialog::Move(ScreenPoint topLeft) { move(topLeft.x, topLeft.y); }

void AboutDialog::Show()
{
    show();
    raise();
    activateWindow();
}

void AboutDialog::Unload()
{
    m_unloaded = true; // the procedures know, and may be gone by the time it is
    QDialog::done(Rejected);
}

void AboutDialog::reject() { m_procedures.Unload(); }

void AboutDialog::SetFocus(AboutControl control)
{
    m_controls[std::size_t(control)]->setFocus(Qt::TabFocusReason);
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find(m_controls.begin(), m_controls.end(), watched);
    if (found == m_controls.end())
        return false;
    const auto control = AboutControl(found - m_controls.begin());
    switch (event->type()) {
    case QEvent::FocusIn:
        m_procedures.FocusIn(control);
        return false;
    case QEvent::ShortcutOverride: // Alt+S comes as a key, not as the button's shortcut
        if (static_cast<QKeyEvent *>(event)->modifiers() & Qt::AltModifier)
            event->accept();
        return false;
    case QEvent::KeyPress: {
        const std::optional<KeyPress> key = ToKeyPress(*static_cast<QKeyEvent *>(event));
        return key && m_procedures.Key(control, *key);
    }
    default:
        return false;
    }
}

void AboutDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_procedures.Activate();
    QDialog::changeEvent(event);
}

void AboutDialog::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // Line1: its colour with its back colour beneath it, an etched separator.
    const ControlDesign &design = DesignOf(AboutControl::Line1);
    const QRect line = TwipsToRect(design.rect, logicalDpiY());
    QPainter painter(this);
    painter.setPen(ToQColor(design.foreColour));
    painter.drawLine(line.left(), line.top(), line.right() + 1, line.top());
    painter.setPen(ToQColor(design.backColour));
    painter.drawLine(line.left(), line.top() + 1, line.right() + 1, line.top() + 1);
}

} // namespace tavrel
