#pragma once

#include <QPixmap>
#include <QString>

class QAbstractButton;

namespace tavelor {

// The pictures compiled into the program, chosen for the screen. Each "x.png" or "x.jpg"
// has a "x@2x" version drawn with twice as many pixels a side; on a screen whose device
// pixel ratio is above 1 that version is used, marked with its ratio so that it keeps the
// 1x picture's size in the layout while every pixel of the screen is drawn. JPEGs go
// through our libjpeg decoder, the other formats through Qt's readers.
class TImageRessource {
public:
    static constexpr qreal RatioDouble = 2.0;

    // "banc.jpg" -> "banc@2x.jpg", keeping the resource prefix if there is one.
    static QString NomDouble(const QString &ressource);

    // The 1x picture at ratio 1 or below, else the @2x one if it exists; null if missing.
    static QPixmap Charge(const QString &ressource, qreal ratio);

    // Makes the picture the button's face, at the 1x picture's size, with both versions:
    // the icon picks the one that suits the screen it is painted on.
    static void HabilleBouton(QAbstractButton &bouton, const QString &ressource);
};

} // namespace tavelor
