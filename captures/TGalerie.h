#pragma once

#include "TCouleur.h"

#include <QDir>
#include <QPoint>
#include <QWidget>

#include <memory>

namespace tavelor {

class Tchaine_riche;

// The display components set up as the windows use them, each picture saved as a PNG
// for a person to look at: meters, switch poles, an oscillogram, the labels, the protractor.
class TGalerie {
public:
    explicit TGalerie(const QString &dossier);

    // Every picture; false if one could not be written.
    bool Tout();

private:
    bool Afficheurs();
    bool Interrupteurs();
    bool Oscillogramme();
    bool Etiquettes();
    bool Rapporteur();

    void NouvelleFenetre();
    bool Enregistre(const QString &nom);
    Tchaine_riche *Label(QPoint position, const char *chaine, TCouleur couleur, int taille, const char *police,
                         int posIndice = 9, int tailleIndice = 10);

    QDir Dossier;
    std::unique_ptr<QWidget> fenetre;
};

} // namespace tavelor
