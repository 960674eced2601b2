// Twips (1/1440 inch) to device-independent pixels at a screen's logical DPI,
// so that controls grow with the fonts when the user enlarges them.
#pragma once

#include <QRect>
#include <QWidget>
#include <QtMath>

#include <initializer_list>

namespace tavrel {

inline constexpr qreal kTwipsPerInch = 1440.0;

inline int TwipsToPixels(int twips, qreal logicalDpi)
{
    return qRound(twips * logicalDpi / kTwipsPerInch);
}

// Edges are converted, not sizes, so that neighbours meet without gaps.
inline QRect TwipsToRect(int left, int top, int width, int height, qreal logicalDpi)
{
    const int x = TwipsToPixels(left, logicalDpi);
    const int y = TwipsToPixels(top, logicalDpi);
    return QRect(QPoint(x, y), QPoint(TwipsToPixels(left + width, logicalDpi) - 1,
                                      TwipsToPixels(top + height, logicalDpi) - 1));
}

// A control and its rectangle in twips, as a window's design gives it.
struct TwipsPlacement
{
    QWidget *control;
    int left, top, width, height; // twips
};

inline void PlaceInTwips(std::initializer_list<TwipsPlacement> placements, qreal logicalDpi)
{
    for (const TwipsPlacement &p : placements)
        p.control->setGeometry(TwipsToRect(p.left, p.top, p.width, p.height, logicalDpi));
}

} // namespace tavrel
