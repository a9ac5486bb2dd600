#include "TFormOrigine.h"

#include "SaisieNombre.h"
#include "TModele.h"

#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include <cstdlib>

namespace tavelor {

namespace {

// Far off any screen, yet small enough that origin plus arrow stays an integer.
constexpr int OrigineMax = 100000; // px

} // namespace

TFormOrigine::TFormOrigine(QWidget *parent)
    : TDialogueDiagramme(QStringLiteral("Origine du diagramme"), QSize(258, 130), true, QPoint(102, 88), parent)
{
    setFont(PoliceTexte(17));

    Label1 = new QLabel(QStringLiteral("Horizontale (en pixels)\u00a0:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(16, 16);
    Label1->adjustSize();
    Label2 = new QLabel(QStringLiteral("Verticale (en pixels)\u00a0:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(16, 48);
    Label2->adjustSize();
    const std::initializer_list<std::tuple<QLineEdit **, const char *, QLabel *, int>> champs{
        {&EditX, "EditX", Label1, 13}, {&EditY, "EditY", Label2, 45}};
    for (const auto &[champ, nom, etiquette, y] : champs) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(nom));
        edit->setGeometry(188, y, 49, 27);
        edit->setAccessibleName(etiquette->text());
        etiquette->setBuddy(edit);
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { EditYChange(edit); });
        *champ = edit;
    }
}

void TFormOrigine::showEvent(QShowEvent *event)
{
    TDialogueDiagramme::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormOrigine::FormShow()
{
    if (!Modele)
        return;
    EcritChamp(EditX, Modele->VecV.X0);
    EcritChamp(EditY, Modele->VecV.Y0);
}

void TFormOrigine::EcritChamp(QLineEdit *champ, int valeur)
{
    {
        const QSignalBlocker bloqueur(champ);
        champ->setText(QString::number(valeur));
    }
    EditYChange(champ);
}

void TFormOrigine::EditYChange(QLineEdit *sender)
{
    if (!Modele || (sender != EditX && sender != EditY))
        return;
    int &coordonnee = sender == EditX ? Modele->VecV.X0 : Modele->VecV.Y0;
    const int ancienne = coordonnee;
    const auto valeur = LitEntier(sender->text());
    if (valeur && std::abs(*valeur) <= OrigineMax) {
        coordonnee = *valeur;
        for (TNbComplexe *phaseur : {&Modele->VecEv, &Modele->VecI}) {
            phaseur->X0 = Modele->VecV.X0;
            phaseur->Y0 = Modele->VecV.Y0;
        }
        Modele->MiseAJourModele();
    } else {
        SaisieInvalide();
        EcritChamp(sender, ancienne);
    }
    RedessineDiagramme();
}

} // namespace tavelor
