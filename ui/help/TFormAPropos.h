#pragma once

#include "TFenetreSecondaire.h"

namespace tavelor {

class TFormAPropos : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFormAPropos(QWidget *parent = nullptr);
};

} // namespace tavelor
