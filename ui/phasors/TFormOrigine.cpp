#include "TFormOrigine.h"

namespace tavelor {

TFormOrigine::TFormOrigine(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Origine du diagramme"), QSize(258, 130), true, parent)
{}

} // namespace tavelor
