#pragma once

#include "TFenetreSecondaire.h"

namespace tavelor {

class Taxes;

class TFormOscillogrammes : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFormOscillogrammes(QWidget *parent = nullptr);

    // The middle frame: its useful width sets the length of every sample history.
    Taxes *axesInter;
};

} // namespace tavelor
