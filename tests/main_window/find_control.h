// Looks a control up by its object name; a missing control ends the test run
// at once, since every check after it would only fail confusingly.
#pragma once

#include <QObject>
#include <QtGlobal>

template <typename T> T *FindControl(const QObject *parent, const char *name)
{
    T *control = parent->findChild<T *>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}
