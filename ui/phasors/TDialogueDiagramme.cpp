#include "TDialogueDiagramme.h"

#include "TFormVecteurs.h"
#include "TImageRessource.h"
#include "TPaintBox.h"
#include "TPolices.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>

namespace tavelor {

TDialogueDiagramme::TDialogueDiagramme(const QString &titre, QSize client, bool auPremierPlan, QPoint placeFermer,
                                       QWidget *parent)
    : TFenetreSecondaire(titre, client, auPremierPlan, parent)
{
    BitBtnFermer = new QPushButton(this);
    BitBtnFermer->setObjectName(QStringLiteral("BitBtnFermer"));
    BitBtnFermer->setGeometry(QRect(placeFermer, QSize(75, 30)));
    TImageRessource::HabilleBouton(*BitBtnFermer, QStringLiteral(":/fermer.png"));
    BitBtnFermer->setCursor(Qt::PointingHandCursor);
    BitBtnFermer->setAccessibleName(QStringLiteral("Fermer"));
    connect(BitBtnFermer, &QPushButton::clicked, this, &TDialogueDiagramme::BitBtnFermerClick);
}

void TDialogueDiagramme::BitBtnFermerClick()
{
    hide();
}

QFont TDialogueDiagramme::PoliceTexte(int hauteur)
{
    QFont police(TPolices::Famille(QStringLiteral("times new roman")));
    for (int taille = hauteur; taille > 1; --taille) {
        police.setPixelSize(taille);
        if (QFontMetrics(police).height() <= hauteur)
            break;
    }
    return police;
}

void TDialogueDiagramme::SaisieInvalide()
{
    QMessageBox boite(QMessageBox::Information, QStringLiteral("Tavelor"), QStringLiteral("Saisie invalide"),
                      QMessageBox::Ok, this);
    boite.exec();
}

void TDialogueDiagramme::RedessineDiagramme()
{
    if (Diagramme)
        Diagramme->PaintBox1->repaint();
}

} // namespace tavelor
