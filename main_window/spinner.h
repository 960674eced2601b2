// A vertical scroll bar only tall enough for its two arrow buttons, used as a
// spinner beside a text box.
//
// It keeps QScrollBar's value, range, keyboard and wheel handling, and draws
// and hit-tests just the two arrows itself: the desktop styles would squeeze
// or drop an arrow in a bar this short. The upper arrow lowers the value by
// singleStep(), the lower one raises it, as on any vertical scroll bar; holding
// an arrow repeats.
#pragma once

#include <QScrollBar>

namespace tavrel {

class Spinner : public QScrollBar
{
    Q_OBJECT

public:
    explicit Spinner(QWidget *parent = nullptr);

    QSize sizeHint() const override;

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

private:
    static SliderAction ActionOf(Arrow arrow);
    void SetHeld(bool held);

    Arrow m_pressed = Arrow::None;
    bool m_held = false; // pressed and the pointer still over that arrow
};

} // namespace tavrel
