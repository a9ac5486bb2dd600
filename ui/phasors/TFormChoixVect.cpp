#include "TFormChoixVect.h"

#include "TFormVecteurs.h"
#include "TModele.h"
#include "TPolices.h"
#include "TStylePinceau.h"
#include "Tchaine_riche.h"

#include <QCheckBox>
#include <QShowEvent>

namespace tavelor {

TFormChoixVect::TFormChoixVect(QWidget *parent)
    : TDialogueDiagramme(QStringLiteral("Vecteurs à afficher"), QSize(271, 188), true, QPoint(102, 147), parent)
{
    setFont(TPolices::Police(QStringLiteral("MS Sans Serif"), 8));
    move(558, 294);

    const std::initializer_list<std::tuple<QCheckBox **, const char *, const char *, int>> boites{
        {&CheckBoxI, "CheckBoxI", "Intensité statorique ", 16},
        {&CheckBoxV, "CheckBoxV", "Tension statorique ", 48},
        {&CheckBoxEv, "CheckBoxEv", "Fém à vide", 80},
        {&CheckBoxXs, "CheckBoxXs", "Tension réactance synchrone", 112}};
    for (const auto &[boite, nom, texte, y] : boites) {
        auto *b = new QCheckBox(QString::fromUtf8(texte), this);
        b->setObjectName(QString::fromLatin1(nom));
        b->setGeometry(40, y, 162, 17);
        connect(b, &QCheckBox::toggled, this, [this, b] { CheckBoxIClick(b); });
        *boite = b;
    }

    const std::initializer_list<
        std::tuple<Tchaine_riche **, const char *, QPoint, const char *, TCouleur, int, const char *>>
        etiquettes{{&chaine_richeI, "chaine_richeI", {211, 11}, "41I]00 ]}", clAqua, 16, "times new roman"},
                   {&chaine_richeV, "chaine_richeV", {208, 42}, "41V]}", clTeal, 15, "arial"},
                   {&chaine_richeEv, "chaine_richeEv", {208, 74}, "41E]00v ]}", clPurple, 15, "arial"},
                   {&chaine_riche1, "chaine_riche1", {209, 104}, "01j]11L]00s]21w]41I]}", clLime, 15, "arial"}};
    for (const auto &[etiquette, nom, place, chaine, couleur, taille, police] : etiquettes) {
        auto *e = new Tchaine_riche(this);
        e->setObjectName(QString::fromLatin1(nom));
        e->move(place);
        e->setchaine(QString::fromLatin1(chaine));
        e->setcouleur(couleur);
        e->settaille(taille);
        e->setPolice(QString::fromLatin1(police));
        e->setStyleFond(bsClear);
        e->setCouleurFond(clBlack);
        e->setPos_indice(9);
        e->setTaille_indice(10);
        *etiquette = e;
    }
}

void TFormChoixVect::showEvent(QShowEvent *event)
{
    TDialogueDiagramme::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormChoixVect::FormShow()
{
    for (QCheckBox *boite : {CheckBoxI, CheckBoxV, CheckBoxEv, CheckBoxXs}) {
        const auto paire = Paire(boite);
        if (!paire)
            continue;
        {
            const QSignalBlocker bloqueur(boite);
            boite->setChecked(paire->phaseur->Visible);
        }
        CheckBoxIClick(boite);
    }
}

std::optional<TFormChoixVect::TPaire> TFormChoixVect::Paire(QCheckBox *boite) const
{
    if (!Modele || !Diagramme)
        return std::nullopt;
    if (boite == CheckBoxI)
        return TPaire{&Modele->VecI, Diagramme->chaine_richeI};
    if (boite == CheckBoxV)
        return TPaire{&Modele->VecV, Diagramme->chaine_richeV};
    if (boite == CheckBoxEv)
        return TPaire{&Modele->VecEv, Diagramme->chaine_richeEv};
    if (boite == CheckBoxXs)
        return TPaire{&Modele->VecLsWI, Diagramme->chaine_riche1};
    return std::nullopt;
}

// The arrow itself changes at the diagram's next repaint, the next clock tick.
void TFormChoixVect::CheckBoxIClick(QCheckBox *sender)
{
    if (const auto paire = Paire(sender)) {
        paire->phaseur->Visible = sender->isChecked();
        paire->etiquette->setVisible(sender->isChecked());
    }
}

} // namespace tavelor
