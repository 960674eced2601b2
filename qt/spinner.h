// A vertical scroll bar only tall enough for its two arrow buttons, used as a
// spinner beside a text box.
//
// It keeps QScrollBar's value and range, and draws and hit-tests just the
// two arrows itself: the desktop styles would squeeze or drop an arrow in a
// bar this short. It never moves by itself and decides nothing: the press
// of an arrow, the pointer moving on or off it, its release, the timer and
// the wheel become signals; the main window's procedures decide the new
// value and the timer (HeldArrow), which Arm carries out. Screen readers meet it as a spin
// button whose value is its buddy box's number (not the bar's own value),
// with the box's range, and whose "increase" is its upper arrow.
#pragma once

#include "main_window/form1_controls.h"
#include "main_window/interaction.h"

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

    // The timer as the procedures answer: HeldArrow::kKeep, 0 to stop, or a
    // delay in ms. The pressed arrow looks sunken while the timer runs.
    void Arm(int timer);

signals:
    // A screen reader's increase or decrease.
    void Spun(tavrel::SpinAction action);
    void ArrowPressed(bool upperArrow);
    void ArrowHovered(bool overArrow);
    void ArrowReleased();
    void TimerFired();
    // The wheel turned over it, in eighths of a degree (120 a notch).
    void Wheeled(int units);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    // The procedures took every key a spinner answers (through the window);
    // QScrollBar would move itself on the rest, behind their back.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *m_buddy = nullptr;
    BoxRange m_range{};
    Arrow m_pressed = Arrow::None;
    bool m_over = false; // the pointer over the pressed arrow
    QTimer m_repeat;
};

} // namespace tavrel
