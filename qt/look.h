// How the designs' colours, fonts and twips become Qt's, and the standard
// controls of a design as Qt widgets.
#pragma once

#include "common/design.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

#include <vector>

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

// A message box with an OK button and no icon, titled with the application's title.
void ShowMessage(QWidget *parent, const QString &text);

// A rectangle in twips as pixels at a logical DPI. Edges are converted, not
// sizes, so that neighbours meet without gaps.
QRect TwipsToRect(const TwipsRect &twips, qreal logicalDpi);

// Builds a window from its design: caption, fixed client size and font, and a
// widget for each control, in design order (nullptr for a line, which the
// window paints), placed, with the focus order of the tab indexes. Only the
// selected option button of the window is a tab stop. Returns the widgets.
std::vector<QWidget *> BuildWindow(QWidget *window, const WindowDesign &design);

} // namespace tavrel
