#include "TFormAide.h"

#include "CouleurQt.h"
#include "TBoutonFermer.h"
#include "TCouleur.h"
#include "TRichEdit.h"

#include <QFile>
#include <QPalette>

namespace tavelor {

TFormAide::TFormAide(QWidget *parent) : TFenetreSecondaire(QString(), QSize(716, 378), true, parent)
{
    DefinitPlacement(nullptr, CentreSurLEcran, false);

    RichEdit1 = new TRichEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(16, 0, 697, 329);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = RichEdit1->palette();
    palette.setColor(QPalette::Base, VersQColor(clFondBanc));
    RichEdit1->setPalette(palette);
    RichEdit1->setAccessibleName(QStringLiteral("Aide"));
    RichEdit1->setAccessibleDescription(QStringLiteral("Mode d'emploi du banc de couplage"));
    RichEdit1->setPlainText(QStringLiteral("RichEdit1"));

    BitBtnFermer = new TBoutonFermer("BitBtnFermer", QRect(327, 343, 75, 30), this);
    connect(BitBtnFermer, &QPushButton::clicked, this, &TFormAide::BitBtnFermerClick);

    FormCreate();
}

void TFormAide::FormCreate()
{
    QFile ressource(QStringLiteral(":/AIDE"));
    if (ressource.open(QIODevice::ReadOnly))
        RichEdit1->ChargeRtf(ressource.readAll());
}

void TFormAide::BitBtnFermerClick()
{
    hide();
}

} // namespace tavelor
