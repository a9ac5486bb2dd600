#include "TFormVecteurCouplage.h"

#include <QCloseEvent>

namespace tavelor {

TFormVecteurCouplage::TFormVecteurCouplage(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Diagramme vectoriel"), QSize(673, 265), false, parent)
{
}

void TFormVecteurCouplage::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit demandeFermeture();
}

} // namespace tavelor
