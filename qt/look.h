// How the designs' colours, fonts and twips become Qt's.
#pragma once

#include "common/design.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
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

// Text colour: a box's text, a label's or button's caption. A box that
// hidesValue (HidesValue) draws its selection in that colour too.
void SetForeColour(QWidget *widget, ColourValue colour, bool hidesValue = false);

// A message box with an OK button and no icon.
void ShowMessage(QWidget *parent, const QString &title, const QString &text);

// A rectangle in twips as pixels at a logical DPI. Edges are converted, not
// sizes, so that neighbours meet without gaps.
QRect TwipsToRect(const TwipsRect &twips, qreal logicalDpi);

} // namespace tavrel
