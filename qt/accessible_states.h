// What assistive tools are told of a box or spinner beyond what Qt says:
// read-only while the window undoes a box's edits, unavailable while its
// row is inactive, as the core answers. The control itself stays enabled,
// focusable and a Tab stop.
#pragma once

#include <QAccessible>
#include <QLineEdit>

namespace tavrel {

// A box of the window, which assistive tools read through an interface of
// this file over Qt's line edit's.
class Box : public QLineEdit
{
    Q_OBJECT
public:
    explicit Box(QWidget *parent);
};

void SetAccessiblyReadOnly(QWidget *box, bool readOnly);
void SetAccessiblyInactive(QWidget *control, bool inactive);

// The state Qt gives a control's interface, with those two applied.
QAccessible::State WithCoreStates(const QObject *control, QAccessible::State state);

} // namespace tavrel
