#include "qt/picture_box.h"

#include <QPainter>

namespace tavrel {

PictureBox::PictureBox(QWidget *parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setScaledContents(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent *event)
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

void PictureBox::focusInEvent(QFocusEvent *) { update(); }

void PictureBox::focusOutEvent(QFocusEvent *) { update(); }

} // namespace tavrel
