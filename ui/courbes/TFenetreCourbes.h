#pragma once

#include "TFenetreSecondaire.h"

#include <QImage>

#include <utility>
#include <vector>

namespace tavelor {

class TModele;
class TReleves;

// What the program knows of the characteristic curves window. The window and the
// plotting library it needs live in a module loaded the first time the curves are
// asked for, so that a bench that never shows them neither loads nor maps them.
class TFenetreCourbes : public TFenetreSecondaire {
public:
    using TFenetreSecondaire::TFenetreSecondaire;

    // Called at every tick: follows the model while the window is shown.
    virtual void Suit() = 0;
    // The points of the measurements table, shown on the curves as they change; they
    // outlive the window.
    virtual void DefinitReleves(const TReleves *) {}
    // The plot in view as it stands, `echelle` times the size it has on screen, for a
    // report, and the name of that plot.
    virtual QImage Image(qreal echelle)
    {
        const QImage image = grab().toImage();
        return image.scaled(image.size() * echelle, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    virtual QString TitreVue() const { return windowTitle(); }
    // Every plot that shows recorded points, named, for a report.
    virtual std::vector<std::pair<QString, QImage>> ImagesReleves(qreal echelle)
    {
        return {{TitreVue(), Image(echelle)}};
    }
    // The practical-work mode: no theoretical curve, limit or circle, only the axes, the
    // recorded series and the live point.
    virtual void DefinitModeTP(bool) {}
};

// Makes the window for the model it reads; the module exports one under NomFabriqueCourbes.
using TFabriqueCourbes = TFenetreCourbes *(*)(const TModele &modele);
inline constexpr char NomFabriqueCourbes[] = "tavelor_cree_fenetre_courbes";

} // namespace tavelor
