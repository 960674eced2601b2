#include "main_window/look.h"

#include "common/application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QWidget>

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

void SetForeColour(QWidget *widget, ColourValue colour)
{
    QPalette palette = widget->palette();
    const QColor qcolour = ToQColor(colour);
    // A line edit draws its text in Text; labels and buttons in WindowText/ButtonText.
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, qcolour);
    widget->setPalette(palette);
}

void SetBackColour(QWidget *widget, ColourValue colour)
{
    QPalette palette = widget->palette();
    const QColor qcolour = ToQColor(colour);
    palette.setColor(qobject_cast<QLineEdit *>(widget) ? QPalette::Base : QPalette::Window,
                     qcolour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(!qobject_cast<QLineEdit *>(widget));
}

void ShowMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace tavrel
