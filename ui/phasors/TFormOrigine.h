#pragma once

#include "TFenetreSecondaire.h"

namespace tavelor {

class TFormOrigine : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFormOrigine(QWidget *parent = nullptr);
};

} // namespace tavelor
