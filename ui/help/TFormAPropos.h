#pragma once

#include "TFenetreSecondaire.h"

class QLabel;

namespace tavelor {

class TBoutonFermer;

// The About window: release date, two lines about the authors and the version.
class TFormAPropos : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFormAPropos(QWidget *parent = nullptr);

    QLabel *Label1;
    QLabel *StaticText1;
    QLabel *StaticText4;
    QLabel *StaticText6;
    TBoutonFermer *BitBtn1;

    void BitBtn1Click();

private:
    QLabel *CreeTexte(const char *nom, const QString &texte, QRect zone);
};

} // namespace tavelor
