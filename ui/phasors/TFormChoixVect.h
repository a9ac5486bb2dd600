#pragma once

#include "TFenetreSecondaire.h"

namespace tavelor {

class TFormChoixVect : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFormChoixVect(QWidget *parent = nullptr);
};

} // namespace tavelor
