// A vertical scroll bar only tall enough for its two arrow buttons, used as a
// spinner beside a text box.
//
// It keeps QScrollBar's value and range, and draws and hit-tests just the
// two arrows itself: the desktop styles would squeeze or drop an arrow in a
// bar this short. It never moves by itself: an arrow click (repeated while
// held), a key or the wheel becomes a Spun or Wheeled signal, and the main
// window's procedures decide the new value. Screen readers meet it as a spin
// box whose value is its buddy box's text and whose "increase" is its upper arrow.
#pragma once

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

    // The box whose text this spinner sets: what screen readers speak as its value.
    void SetBuddy(QWidget *box) { m_buddy = box; }
    QWidget *Buddy() const { return m_buddy; }

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
    Arrow m_pressed = Arrow::None;
    bool m_held = false; // pressed and the pointer still over that arrow
    QTimer m_repeat;
};

} // namespace tavrel
