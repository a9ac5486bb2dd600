#include "TFormOscillogrammes.h"

#include "Taxes.h"

namespace tavelor {

TFormOscillogrammes::TFormOscillogrammes(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Oscillogrammes"), QSize(452, 675), false, parent), axesInter(new Taxes(this))
{
    axesInter->setObjectName(QStringLiteral("axesInter"));
    axesInter->setZU_droi(380);
}

} // namespace tavelor
