#include "TFormAide.h"

namespace tavelor {

TFormAide::TFormAide(QWidget *parent) : TFenetreSecondaire(QStringLiteral(""), QSize(716, 378), true, parent) {}

} // namespace tavelor
