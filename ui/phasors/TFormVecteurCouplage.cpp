#include "TFormVecteurCouplage.h"

#include "Arrondi.h"
#include "CouleurQt.h"
#include "TCanevasQt.h"
#include "TLabelCliquable.h"
#include "TModele.h"
#include "TPaintBox.h"
#include "Tchaine_riche.h"

#include <QPalette>

namespace tavelor {

namespace {

// Both captions end with a blank in this window.
const QString Arreter = QStringLiteral("Arrêter ");
const QString Reprendre = QStringLiteral("Reprendre ");

constexpr int LargeurBoite = 217;
constexpr int HauteurBoite = 209;

// Tip of a phasor drawn at the three-phase scale, with the ordinate taken from `origine`'s
// Y0: the pole segments join the tips of two stars drawn about the same centre.
QPoint Pointe(const TNbComplexe &phaseur, const TNbComplexe &origine)
{
    return {Arrondi(TModele::EchelleTri * phaseur.Reel + phaseur.X0),
            Arrondi(origine.Y0 - TModele::EchelleTri * phaseur.Imag)};
}

} // namespace

TFormVecteurCouplage::TFormVecteurCouplage(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Diagramme vectoriel"), QSize(673, 265), false, parent,
                         FermetureTermineProgramme)
{
    setObjectName(QStringLiteral("FormVecteurCouplage"));

    PanelVectCouplage = new QWidget(this);
    PanelVectCouplage->setObjectName(QStringLiteral("PanelVectCouplage"));
    PanelVectCouplage->setGeometry(0, 0, 673, 265);
    QPalette palette = PanelVectCouplage->palette();
    palette.setColor(QPalette::Window, VersQColor(clFondBanc));
    PanelVectCouplage->setPalette(palette);
    PanelVectCouplage->setAutoFillBackground(true);

    PaintBoxStator = CreeBoite("PaintBoxStator", 0);
    PaintBoxInter = CreeBoite("PaintBoxInter", 224);
    PaintBoxReseau = CreeBoite("PaintBoxReseau", 448);
    PaintBoxStator->setAccessibleName(QStringLiteral("Stator machine"));
    PaintBoxInter->setAccessibleName(QStringLiteral("Interrupteur triphasé"));
    PaintBoxReseau->setAccessibleName(QStringLiteral("Réseau"));

    Label2 = CreeTitre("Label2", {56, 218}, QStringLiteral("Stator machine"));
    Label3 = CreeTitre("Label3", {264, 218}, QStringLiteral("Interrupteur triphasé"));
    Label4 = CreeTitre("Label4", {520, 218}, QStringLiteral("Réseau"));
    Label1 = new TLabelCliquable(Arreter, QStringLiteral("Arial"), 19, clRed, true, PanelVectCouplage);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(562, 242);
    connect(Label1, &TLabelCliquable::clicked, this, &TFormVecteurCouplage::Label1Click);

    chaine_richeEv = CreeChaine("chaine_richeEv", 8, "41V]00S1 ]}", clBlue);
    chaine_riche1 = CreeChaine("chaine_riche1", 48, "41V]00S2 ]}", clRed);
    chaine_riche2 = CreeChaine("chaine_riche2", 88, "41V]00S3 ]}", clFuchsia);
    chaine_riche3 = CreeChaine("chaine_riche3", 232, "41V]00K1 ]}", clBlue);
    chaine_riche5 = CreeChaine("chaine_riche5", 272, "41V]00K2 ]}", clRed);
    chaine_riche6 = CreeChaine("chaine_riche6", 312, "41V]00K3 ]}", clFuchsia);
    chaine_riche4 = CreeChaine("chaine_riche4", 456, "41V]00R1 ]}", clBlue);
    chaine_riche7 = CreeChaine("chaine_riche7", 496, "41V]00R2 ]}", clRed);
    chaine_riche8 = CreeChaine("chaine_riche8", 536, "41V]00R3 ]}", clFuchsia);
}

void TFormVecteurCouplage::DefinitModele(TModele *modele)
{
    Modele = modele;
}

TPaintBox *TFormVecteurCouplage::CreeBoite(const char *nom, int gauche)
{
    auto *boite = new TPaintBox(PanelVectCouplage);
    boite->setObjectName(QString::fromLatin1(nom));
    boite->setGeometry(gauche, 0, LargeurBoite, HauteurBoite);
    connect(boite, &TPaintBox::OnPaint, this,
            [this, boite](TCanevasQt &canevas) { PaintBoxStatorPaint(boite, canevas); });
    return boite;
}

// Created after the boxes, so that they lie over them and can be dragged across them.
Tchaine_riche *TFormVecteurCouplage::CreeChaine(const char *nom, int gauche, const char *chaine, TCouleur couleur)
{
    auto *etiquette = new Tchaine_riche(PanelVectCouplage);
    etiquette->setObjectName(QString::fromLatin1(nom));
    // Sizes before the text: each setter measures the runs, and a text measured at the
    // default size would load fonts that are never drawn.
    etiquette->settaille(15);
    etiquette->setPolice(QStringLiteral("arial"));
    etiquette->setPos_indice(9);
    etiquette->setTaille_indice(10);
    etiquette->setchaine(QString::fromUtf8(chaine));
    etiquette->setcouleur(couleur);
    etiquette->setsens(1);
    etiquette->setcentre(false);
    etiquette->setStyleFond(bsClear);
    etiquette->setCouleurFond(clBlack);
    etiquette->setAutoDepl(true);
    etiquette->setGeometry(gauche, 0, 35, 28);
    return etiquette;
}

// The captions under the boxes pause and resume as Label1 does; the keyboard reaches
// the pause through Label1 alone.
TLabelCliquable *TFormVecteurCouplage::CreeTitre(const char *nom, QPoint position, const QString &texte)
{
    auto *titre = new TLabelCliquable(texte, QStringLiteral("Arial"), 16, clBlack, false, PanelVectCouplage);
    titre->setObjectName(QString::fromLatin1(nom));
    titre->DefinitFocus(false);
    titre->move(position);
    connect(titre, &TLabelCliquable::clicked, this, &TFormVecteurCouplage::Label1Click);
    return titre;
}

void TFormVecteurCouplage::Label1Click()
{
    const bool enPause = Label1->text() == Arreter;
    if (Modele)
        Modele->PauseDiagramme = enPause;
    Label1->DefinitTexte(enPause ? Reprendre : Arreter);
}

void TFormVecteurCouplage::PaintBoxStatorPaint(TPaintBox *boite, TCanevasQt &canevas)
{
    if (!Modele)
        return;
    const TModele &m = *Modele;
    if (boite == PaintBoxReseau || boite == PaintBoxInter) {
        m.VR1.Dessine(canevas);
        m.VR2.Dessine(canevas);
        m.VR3.Dessine(canevas);
    }
    if (boite == PaintBoxStator || boite == PaintBoxInter) {
        m.VS1.Dessine(canevas);
        m.VS2.Dessine(canevas);
        m.VS3.Dessine(canevas);
    }
    if (boite != PaintBoxInter)
        return;
    // Pole k joins stator tip k to the tip of the grid phasor wired to it, in the colour
    // of grid phase k, with the thin solid pen the arrows leave behind.
    for (int k = 1; k <= 3; ++k) {
        const int j = m.Connexion[static_cast<std::size_t>(k - 1)];
        if (j < 1 || j > 3)
            continue;
        const TNbComplexe &stator = m.PhaseurStator(k);
        const QPoint debut = Pointe(stator, stator);
        const QPoint fin = Pointe(m.PhaseurReseau(j), stator);
        canevas.CouleurPlume(m.PhaseurReseau(k).Couleur);
        canevas.DeplaceVers(debut.x(), debut.y());
        canevas.LigneVers(fin.x(), fin.y());
    }
}

} // namespace tavelor
