#pragma once

#include <QImage>

class QPainter;

namespace tavelor {

// The bench picture laid under the main window's widgets: excitation supply, machine,
// stator lines with their meters, switch and terminal area, grid, drive and mechanical
// measuring module. Every element keeps clear of the widgets that sit on it, except the
// lines that the switch symbols and the terminals are meant to complete.
class TDessinBanc {
public:
    static constexpr int Largeur = 750;
    static constexpr int Hauteur = 350;

    // echelle 2 draws the same picture with twice as many pixels a side, for screens of
    // device pixel ratio 2; the image carries that ratio.
    QImage Dessine(qreal echelle = 1.0) const;

private:
    void dessineReglageIntensite(QPainter &crayon) const;
    void dessineExcitation(QPainter &crayon) const;
    void dessineMachine(QPainter &crayon) const;
    void dessineLignesStator(QPainter &crayon) const;
    void dessineCadreBornes(QPainter &crayon) const;
    void dessineReseau(QPainter &crayon) const;
    void dessineEntrainement(QPainter &crayon) const;
    void dessineModuleMesures(QPainter &crayon) const;
};

} // namespace tavelor
