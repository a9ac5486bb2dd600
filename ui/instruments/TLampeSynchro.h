#pragma once

#include "TInstrument.h"

#include <QPixmap>

namespace tavelor {

struct TLampe;

// A lamp across one switch pole, drawn as a bulb that glows as (U/Un)², with its voltage
// and "allumée" or "éteinte" under it; "non raccordée" while its pole is unwired.
class TLampeSynchro : public TInstrument {
    Q_OBJECT

public:
    TLampeSynchro(const QString &nom, QWidget *parent);

    void DefinitEtat(const TLampe &lampe);
    // The colour of the bulb, from the dark glass to the full glow.
    QColor Couleur() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

    // Steps of the glow the eye is shown: finer would look the same and repaint more often.
    static constexpr int NiveauxEclat = 32;

private:
    void PrepareAmpoule();
    QRect RectAmpoule() const;
    QRect RectLigne(int ligne) const;

    const QFont PoliceNom;
    const QFont PoliceLecture;
    const int HauteurLigne;
    bool Raccordee = false;
    int Niveau = 0; // glow in steps of 1/NiveauxEclat
    QString Tension;
    QString Etat;
    QPixmap Ampoule; // the bulb and its halo as they look now, drawn again when the glow changes
    int NiveauAmpoule = -1;
};

} // namespace tavelor
