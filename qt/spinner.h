// A vertical scroll bar only tall enough for its two arrow buttons, used as a
// spinner beside a text box.
//
// It keeps QScrollBar's value, range and keyboard handling, and draws and
// hit-tests just the two arrows itself: the desktop styles would squeeze or
// drop an arrow in a bar this short. The upper arrow lowers the value by
// singleStep(), the lower one raises it, as on any vertical scroll bar; holding
// an arrow repeats, and a notch of the wheel is a click on the arrow it turns
// towards. Screen readers meet it as a spin box whose value is its
// buddy box's text and whose "increase" raises that value.
#pragma once

#include <QScrollBar>

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

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    static SliderAction ActionOf(Arrow arrow);
    void SetHeld(bool held);

    QWidget *m_buddy = nullptr;
    Arrow m_pressed = Arrow::None;
    bool m_held = false;  // pressed and the pointer still over that arrow
    int m_wheelDelta = 0; // turned since the last whole notch, in eighths of a degree
};

} // namespace tavrel
