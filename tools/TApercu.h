#pragma once

#include <QImage>
#include <QString>

namespace tavelor {

// Check pictures for whoever draws the bench, never shipped: the bench as the program
// decodes it, with the widget rectangles outlined, and a mock-up of the main window.
class TApercu {
public:
    TApercu(const QImage &banc, const QImage &regCouple, const QImage &warning);

    // Writes banc.png, banc_zones.png, banc_fenetre.png (and a 2x enlargement of each)
    // and petites_x4.png into the folder. Returns false if a file cannot be written.
    bool Ecrit(const QString &dossier) const;

private:
    QImage zones() const;
    QImage fenetre() const;
    QImage petites() const;

    QImage Banc;
    QImage RegCouple;
    QImage Warning;
};

} // namespace tavelor
