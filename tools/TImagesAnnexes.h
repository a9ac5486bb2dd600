#pragma once

#include <QImage>
#include <QString>

namespace tavelor {

// "Réglage couple", drawn to replace the speed caption of the bench once the machine is coupled.
QImage ImageRegCouple();

// Warning lamp: yellow triangle with a black "!", transparent around it.
QImage ImageWarning();

// Button face: pale yellow text centred on black, sized to the button minus its 3 px frame.
QImage FaceBouton(const QString &texte, int largeur, int hauteur);

} // namespace tavelor
