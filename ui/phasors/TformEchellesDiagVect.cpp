#include "TformEchellesDiagVect.h"

namespace tavelor {

TformEchellesDiagVect::TformEchellesDiagVect(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Echelles du diagramme vectoriel"), QSize(238, 121), false, parent)
{}

} // namespace tavelor
