#pragma once

#include "TFenetreSecondaire.h"

namespace tavelor {

// Closing this window ends the program, as the main window's "Quitter" does.
class TFormVecteurs : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFormVecteurs(QWidget *parent = nullptr);
};

} // namespace tavelor
