#include "TFormVecteurs.h"

#include <QCloseEvent>

namespace tavelor {

TFormVecteurs::TFormVecteurs(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Diagramme vectoriel"), QSize(353, 377), true, parent)
{
}

void TFormVecteurs::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit demandeFermeture();
}

} // namespace tavelor
