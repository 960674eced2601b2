#include "qt/look.h"

#include "common/twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>

namespace tavrel {

QColor ToQColor(ColourValue colour)
{
    if (!IsSystemColour(colour))
        return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));

    const QPalette palette = QApplication::palette();
    switch (SystemColourIndex(colour)) {
    case SystemColourIndex(kSysButtonShadow):
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    case SystemColourIndex(kSysInactiveBorder):
        return palette.color(QPalette::Inactive, QPalette::Window);
    case SystemColourIndex(kSysButtonText):
    default:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    }
}

QFont ClassicFont(qreal pointSize, bool bold)
{
    // Resolved once, to an installed family: asking the font database for a
    // missing one runs its fallback search for every control, which is a
    // good part of the start-up time.
    static const QString family = [] {
        for (const char *candidate : {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans",
                                      "Arimo", "Arial", "Helvetica"})
            if (QFontDatabase::hasFamily(candidate))
                return QString::fromLatin1(candidate);
        return QApplication::font().family();
    }();

    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QIcon ApplicationIcon()
{
    // Up to 64 pixels: a 32-pixel icon on a screen scaled by 2. The larger
    // images belong to the desktop's icon theme; decoding them (and sending
    // them to the X server) at every start would only cost time.
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QString(":/icons/tavrel-%1.png").arg(size), QSize(size, size));
    return icon;
}

void SetForeColour(QWidget *widget, ColourValue colour, bool hidesValue)
{
    QPalette palette = widget->palette();
    const QColor qcolour = ToQColor(colour);
    // A line edit draws its text in Text; labels and buttons in WindowText/ButtonText.
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, qcolour);
    if (qobject_cast<QLineEdit *>(widget)) {
        // The selection is drawn in highlight colours: hide it with the value.
        const bool hidden = hidesValue;
        const QPalette standard = QApplication::palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
                palette.setColor(group, role, hidden ? qcolour : standard.color(group, role));
    }
    widget->setPalette(palette);
}

void ShowMessage(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

QRect TwipsToRect(const TwipsRect &twips, qreal logicalDpi)
{
    const int x = TwipsToPixels(twips.left, logicalDpi);
    const int y = TwipsToPixels(twips.top, logicalDpi);
    return QRect(QPoint(x, y), QPoint(TwipsToPixels(twips.left + twips.width, logicalDpi) - 1,
                                      TwipsToPixels(twips.top + twips.height, logicalDpi) - 1));
}

} // namespace tavrel
