#include "qt/spinner.h"

#include "qt/accessible_states.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>
#include <qdrawutil.h>

namespace tavrel {

namespace {

// A solid triangle drawn row by row, so that it stays crisp at a few pixels.
void DrawArrow(QPainter &painter, const QRect &area, bool up)
{
    int width = area.width() % 2 ? area.width() : area.width() - 1;
    int height = (width + 1) / 2;
    if (height > area.height()) {
        height = qMax(1, area.height());
        width = 2 * height - 1;
    }
    const int left = area.left() + (area.width() - width) / 2;
    const int top = area.top() + (area.height() - height) / 2;
    for (int row = 0; row < height; ++row) {
        const int inset = up ? height - 1 - row : row;
        painter.drawLine(left + inset, top + row, left + width - 1 - inset, top + row);
    }
}

// The spinner as a spin button: the value is the number of the box it sets,
// "increase" is its upper arrow (which lowers the bar's own value and raises
// the box's). The value is set only through the arrows.
class SpinnerAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SpinnerAccessible(Spinner *spinner) : QAccessibleWidget(spinner, QAccessible::SpinBox)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return BoxText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        return WithCoreStates(widget(), QAccessibleWidget::state());
    }
    QVariant currentValue() const override { return BoxText().toDouble(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return spinner()->Range().maximum; }
    QVariant minimumValue() const override { return spinner()->Range().minimum; }
    QVariant minimumStepSize() const override { return spinner()->Range().step; }
    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == increaseAction())
            emit spinner()->Spun(SpinAction::LineUp);
        else if (name == decreaseAction())
            emit spinner()->Spun(SpinAction::LineDown);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    Spinner *spinner() const { return static_cast<Spinner *>(widget()); }
    QString BoxText() const
    {
        const auto *box = qobject_cast<const QLineEdit *>(spinner()->Buddy());
        return box ? box->text() : QString();
    }
};

QAccessibleInterface *SpinnerAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("tavrel::Spinner") && object->isWidgetType())
        return new SpinnerAccessible(static_cast<Spinner *>(object));
    return nullptr;
}

} // namespace

Spinner::Spinner(QWidget *parent) : QScrollBar(Qt::Vertical, parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(SpinnerAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    // Scroll bars of the desktop take the focus on Tab and on a click.
    setFocusPolicy(Qt::StrongFocus);
    m_repeat.setSingleShot(true);
    connect(&m_repeat, &QTimer::timeout, this, &Spinner::TimerFired);
}

QSize Spinner::sizeHint() const
{
    const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QSize(width, 2 * width);
}

QRect Spinner::ArrowRect(Arrow arrow) const
{
    const int upperHeight = height() / 2;
    switch (arrow) {
    case Arrow::Up:
        return QRect(0, 0, width(), upperHeight);
    case Arrow::Down:
        return QRect(0, upperHeight, width(), height() - upperHeight);
    case Arrow::None:
        break;
    }
    return QRect();
}

Spinner::Arrow Spinner::ArrowAt(QPoint point) const
{
    if (ArrowRect(Arrow::Up).contains(point))
        return Arrow::Up;
    if (ArrowRect(Arrow::Down).contains(point))
        return Arrow::Down;
    return Arrow::None;
}

void Spinner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor arrowColour =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    for (const Arrow arrow : {Arrow::Up, Arrow::Down}) {
        const QRect button = ArrowRect(arrow);
        const bool sunken = m_repeat.isActive() && m_pressed == arrow;
        qDrawWinButton(&painter, button, palette(), sunken, &palette().brush(QPalette::Button));

        painter.setPen(arrowColour);
        DrawArrow(painter, button.adjusted(2, 2, -2, -2).translated(sunken ? 1 : 0, sunken ? 1 : 0),
                  arrow == Arrow::Up);
    }

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void Spinner::Arm(int timer)
{
    if (timer == HeldArrow::kKeep)
        return;
    if (timer > 0)
        m_repeat.start(timer);
    else
        m_repeat.stop();
    update();
}

void Spinner::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_pressed != Arrow::None) {
        event->ignore();
        return;
    }
    m_pressed = ArrowAt(event->position().toPoint());
    m_over = true;
    if (m_pressed != Arrow::None)
        emit ArrowPressed(m_pressed == Arrow::Up);
}

void Spinner::mouseMoveEvent(QMouseEvent *event)
{
    const bool over = ArrowAt(event->position().toPoint()) == m_pressed;
    if (m_pressed != Arrow::None && over != m_over) {
        m_over = over;
        emit ArrowHovered(over);
    }
}

void Spinner::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_pressed == Arrow::None)
        return;
    m_pressed = Arrow::None;
    emit ArrowReleased();
}

void Spinner::contextMenuEvent(QContextMenuEvent *event)
{
    // QScrollBar's "Scroll here" menu needs a track; a spinner has none.
    event->ignore();
}

void Spinner::wheelEvent(QWheelEvent *event)
{
    emit Wheeled(event->angleDelta().y());
    event->accept();
}

void Spinner::keyPressEvent(QKeyEvent *event) { event->ignore(); }

} // namespace tavrel
