#include "TFormAPropos.h"

namespace tavelor {

TFormAPropos::TFormAPropos(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("A propos"), QSize(279, 141), false, parent)
{}

} // namespace tavelor
