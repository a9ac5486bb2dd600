#pragma once

#include "TFenetreSecondaire.h"

namespace tavelor {

// Closing this window ends the program: it refuses its own closing and asks the
// main window to close instead.
class TFormVecteurs : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFormVecteurs(QWidget *parent = nullptr);

signals:
    void demandeFermeture();

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace tavelor
