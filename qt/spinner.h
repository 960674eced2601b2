// A vertical scroll bar only tall enough for its two arrow buttons, used as a
// spinner beside a text box.
//
// It keeps QScrollBar's value and range, and draws and hit-tests just the
// two arrows itself: the desktop styles would squeeze or drop an arrow in a
// bar this short. It never moves by itself: an arrow click (repeated while
// held), a key or the wheel becomes a Spun or Wheeled signal, and the main
// window's procedures decide the new value. Screen readers meet it as a spin
// button whose value is its buddy box's number (not the bar's own value),
// with the box's range, and whose "increase" is its upper arrow.
#pragma once

#include "main_window/form1_controls.h"
#include "main_window/spinner_motion.h"

#include <QScrollBar>
#include <QTimer>

namespace tavrel {

class Spinner : public QScrollBar
{
    Q_OBJECT

public:
    explicit Spinner(QWidget *parent = nullptr);

    QSize sizeHint() const override;

    // The box whose text this spinner sets, and the values it can show:
    // what screen readers meet as the spin button's value and range.
    void SetBuddy(QWidget *box, BoxRange range)
    {
        m_buddy = box;
        m_range = range;
    }
    QWidget *Buddy() const { return m_buddy; }
    BoxRange Range() const { return m_range; }

    enum class Arrow { None, Up, Down };
    // The arrow button under a point, in widget coordinates.
    Arrow ArrowAt(QPoint point) const;
    QRect ArrowRect(Arrow arrow) const;

signals:
    void Spun(tavrel::SpinAction action);
    // The wheel turned over it, in eighths of a degree (120 a notch).
    void Wheeled(int units);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void SetHeld(bool held);

    QWidget *m_buddy = nullptr;
    BoxRange m_range{};
    Arrow m_pressed = Arrow::None;
    bool m_held = false; // pressed and the pointer still over that arrow
    QTimer m_repeat;
};

} // namespace tavrel
