// A picture box: a sunken frame around its picture, in the focus order like
// any control that takes input, with a focus frame to show it.
#pragma once

#include <QLabel>

namespace tavrel {

class PictureBox : public QLabel
{
public:
    explicit PictureBox(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace tavrel
