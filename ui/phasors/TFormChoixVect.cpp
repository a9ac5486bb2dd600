#include "TFormChoixVect.h"

namespace tavelor {

TFormChoixVect::TFormChoixVect(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Vecteurs à afficher"), QSize(271, 188), true, parent)
{}

} // namespace tavelor
