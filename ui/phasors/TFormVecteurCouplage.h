#pragma once

#include "TFenetreSecondaire.h"

namespace tavelor {

// Closing this window ends the program: it refuses its own closing and asks the
// main window to close instead.
class TFormVecteurCouplage : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFormVecteurCouplage(QWidget *parent = nullptr);

signals:
    void demandeFermeture();

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace tavelor
