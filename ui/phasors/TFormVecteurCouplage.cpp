#include "TFormVecteurCouplage.h"

namespace tavelor {

TFormVecteurCouplage::TFormVecteurCouplage(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Diagramme vectoriel"), QSize(673, 265), false, parent,
                         FermetureTermineProgramme)
{}

} // namespace tavelor
