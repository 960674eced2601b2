// How the windows' colour values and fonts become Qt colours and fonts.
#pragma once

#include "common/colours.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

class QWidget;

namespace tavrel {

// A plain colour as it is; a system colour from the application's palette:
// button text -> ButtonText, button shadow -> the disabled text colour (the
// desktop's own greyed look), inactive border -> the inactive window colour.
QColor ToQColor(ColourValue colour);

// The windows' classic sans-serif face, falling back to a metric-compatible
// one where it is not installed.
QFont ClassicFont(qreal pointSize, bool bold);

// The application's window icon, 16 to 64 pixels (32 at a scale factor of 2).
QIcon ApplicationIcon();

// Text colour: a box's text, a label's or button's caption.
void SetForeColour(QWidget *widget, ColourValue colour);
void SetBackColour(QWidget *widget, ColourValue colour);

// A message box with an OK button and no icon, titled with the application's title.
void ShowMessage(QWidget *parent, const QString &text);

// Runs one event procedure; an error it raises is shown by ShowMessage and the
// procedure is abandoned, so that the program goes on running.
template <typename Procedure> void RunProcedure(QWidget *parent, Procedure &&procedure)
{
    try {
        procedure();
    } catch (const std::exception &e) {
        ShowMessage(parent, QString::fromUtf8(e.what()));
    }
}

} // namespace tavrel
