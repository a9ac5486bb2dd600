#pragma once

#include <QTranslator>

namespace tavelor {

// Qt's own French translation of its standard dialogs (buttons, message boxes),
// installed for as long as this object lives, so that no English word appears.
class TTraductionQt {
public:
    TTraductionQt();
    ~TTraductionQt();

    bool Installee() const { return Installe; }

private:
    QTranslator Traducteur;
    bool Installe = false;
};

} // namespace tavelor
