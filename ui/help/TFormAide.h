#pragma once

#include "TFenetreSecondaire.h"

namespace tavelor {

class TFormAide : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFormAide(QWidget *parent = nullptr);
};

} // namespace tavelor
