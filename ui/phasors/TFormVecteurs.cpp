#include "TFormVecteurs.h"

namespace tavelor {

TFormVecteurs::TFormVecteurs(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Diagramme vectoriel"), QSize(353, 377), true, parent,
                         FermetureTermineProgramme)
{}

} // namespace tavelor
