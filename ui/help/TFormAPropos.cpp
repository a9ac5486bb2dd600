#include "TFormAPropos.h"

#include "TBoutonFermer.h"
#include "TPolices.h"

#include <QLabel>

#ifndef TAVELOR_VERSION
#error "TAVELOR_VERSION comes from CMake"
#endif

namespace tavelor {

TFormAPropos::TFormAPropos(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("A propos"), QSize(279, 141), false, parent)
{
    setFont(TPolices::Police(QStringLiteral("MS Sans Serif"), 8));
    // Each text is centred in its box, as the boxes are centred in the window.
    Label1 = CreeTexte("Label1", QStringLiteral("10 janvier 2011"), QRect(106, 8, 73, 13));
    StaticText1 =
        CreeTexte("StaticText1", QStringLiteral("Équipe Tavelor – professeurs de physique"), QRect(16, 32, 245, 17));
    StaticText4 = CreeTexte("StaticText4", QStringLiteral("Dole (Jura)"), QRect(85, 56, 110, 17));
    // The program has no web site: its last line gives the version it was built as.
    StaticText6 = CreeTexte("StaticText6", QStringLiteral("Version " TAVELOR_VERSION), QRect(77, 80, 123, 17));
    BitBtn1 = new TBoutonFermer("BitBtn1", QRect(104, 104, 75, 30), this);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormAPropos::BitBtn1Click);
}

QLabel *TFormAPropos::CreeTexte(const char *nom, const QString &texte, QRect zone)
{
    auto *label = new QLabel(texte, this);
    label->setObjectName(QString::fromLatin1(nom));
    label->setGeometry(zone);
    label->setAlignment(Qt::AlignCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void TFormAPropos::BitBtn1Click()
{
    close();
}

} // namespace tavelor
