#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainterPath>

#include <array>

class QDir;

namespace tavelor {

// One shape of the icon, in the units of a Cote x Cote canvas: its outline filled, stroked
// with round caps and joins, or both. An invalid colour means "not painted".
struct TTraceIcone {
    QPainterPath chemin;
    QColor remplissage;
    QColor trait;
    double epaisseur = 0;
};

// The program's icon, after the bench: the pink machine with its "~" feeding three stator
// lines to the terminals, on the bench's cream. Small sizes get a bolder drawing with fewer
// details whose strokes fall on whole pixels at 16 and 32 px.
class TDessinIcone {
public:
    static constexpr int Cote = 256;
    // The sizes of the hicolor theme's fixed-size folders.
    static constexpr std::array<int, 8> Tailles{16, 22, 24, 32, 48, 64, 128, 256};

    static QList<TTraceIcone> Traces(int taille);
    static QImage Dessine(int taille);

    // Writes <nom>.svg and <nom>-<taille>.png for every size into the folder.
    static bool Ecrit(const QDir &dossier, const QString &nom);
};

} // namespace tavelor
