#pragma once

#include <QPushButton>

namespace tavelor {

// The picture button "Fermer" of the side windows: the pale yellow word on black,
// with a hand cursor, named "Fermer" for screen readers.
class TBoutonFermer : public QPushButton {
    Q_OBJECT

public:
    TBoutonFermer(const char *nom, QRect zone, QWidget *parent);
};

} // namespace tavelor
