#pragma once

#include "TInstrument.h"

#include <QFontMetrics>
#include <QStringList>

namespace tavelor {

// A named reading: a meter, an indicator or a report. The caption is the instrument's
// name; the reading is one line or more. En ligne, the caption sits on the left and the
// reading on the right; en dessous, the reading lies under the caption. The accessible
// description is the reading, its lines joined by ", ".
class TLecture : public TInstrument {
    Q_OBJECT

public:
    enum TDisposition { EnLigne, EnDessous };

    TLecture(const QString &nom, TDisposition disposition, int pointsNom, int pointsLecture, QWidget *parent);

    void DefinitLignes(const QStringList &lignes);
    // Two lines, compared with those shown before any list is made.
    void DefinitLignes(const QString &premiere, const QString &seconde);
    // The reading's colour; deep blue unless told.
    void DefinitEncre(const QColor &encre);
    void DefinitTexte(const QString &texte);
    const QStringList &Lignes() const { return LignesLues; }

    // Room for the caption and the widest reading shown so far: it only grows, so that a
    // changing number does not lay the window out again at every tick.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect RectNom() const;

    TDisposition Disposition;
    QFont PoliceNom;
    QFont PoliceLecture;
    QFontMetrics MesureNom;
    QFontMetrics MesureLecture;
    int LargeurNom;
    QStringList LignesLues;
    QColor EncreLignes = EncreLecture;
    int LargeurLignes = 0;
};

} // namespace tavelor
