#pragma once

#include <QImage>
#include <QString>

namespace tavelor {

// Each picture is drawn in the bench's pixels; echelle 2 gives twice as many pixels a side,
// for screens of device pixel ratio 2, and the image carries that ratio.

// "Réglage couple", drawn to replace the speed caption of the bench once the machine is coupled.
QImage ImageRegCouple(qreal echelle = 1.0);

// Warning lamp: yellow triangle with a black "!", transparent around it.
QImage ImageWarning(qreal echelle = 1.0);

// Button face: pale yellow text centred on black, sized to the button minus its 3 px frame.
QImage FaceBouton(const QString &texte, int largeur, int hauteur, qreal echelle = 1.0);

} // namespace tavelor
