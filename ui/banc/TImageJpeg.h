#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tavelor {

// Decoder of the JPEG pictures stored in the program (the bench, "Réglage couple"), on libjpeg.
// Faulty data gives a null image: an error never reaches libjpeg's default handler, which
// would exit the program, and a warning (truncated file, corrupt entropy data) rejects the
// picture instead of showing the grey patch libjpeg fills it with.
class TImageJpeg {
public:
    // A 32-bit RGB image, or a null image if the data are not a complete baseline or progressive
    // JPEG of at most 16384 pixels a side in grey levels, RGB or YCbCr.
    static QImage Decode(const QByteArray &donnees);

    // Decodes a compiled-in resource, named "banc.jpg" or ":/banc.jpg"; null if it is missing.
    static QImage Charge(const QString &ressource);
};

} // namespace tavelor
