#pragma once

#include <QFont>
#include <QStaticText>
#include <QString>

#include <cstdint>

class QPaintDevice;
class QPainter;

namespace tavelor {

// A piece of text in one font, measured and shaped once, then drawn as often as the
// windows repaint: shaping is most of the cost of drawing a short text. On a screen,
// unscaled, it is drawn from its shaped glyphs on the very baseline plain text would
// take; elsewhere (a printer, a picture, a scaled painter) as plain text, and so is
// underlined text, whose line shaped text draws one or two pixels longer.
class TTexteForme {
public:
    TTexteForme() = default;
    // Measured for `appareil`, as QFontMetrics(police, appareil) measures.
    TTexteForme(const QString &texte, const QFont &police, const QPaintDevice *appareil);

    const QString &Texte() const { return Chaine; }
    const QFont &Police() const { return PoliceTexte; }
    int Largeur() const { return LargeurTexte; }
    int Hauteur() const { return HauteurTexte; }
    int Ascendante() const { return AscendanteTexte; }

    // In the painter's pen, the painter's font becoming this text's.
    void Dessine(QPainter &painter, int x, int ligneDeBase) const;

    // Texts drawn from their shaped glyphs so far, by every window: the tests watch that
    // the screen keeps this fast path.
    static std::uint64_t DessinsDejaFormes();

private:
    QString Chaine;
    QFont PoliceTexte;
    QStaticText Forme;
    int LargeurTexte = 0;
    int HauteurTexte = 0;
    int AscendanteTexte = 0;
    // From the top of the shaped text down to its baseline, read at the first drawing.
    mutable qreal AscendanteExacte = 0.0;
    mutable bool AscendanteConnue = false;
};

} // namespace tavelor
