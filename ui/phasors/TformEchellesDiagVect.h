#pragma once

#include "TFenetreSecondaire.h"

namespace tavelor {

class TformEchellesDiagVect : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TformEchellesDiagVect(QWidget *parent = nullptr);
};

} // namespace tavelor
