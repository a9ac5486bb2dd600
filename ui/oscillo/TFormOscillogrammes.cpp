#include "TFormOscillogrammes.h"

#include "Arrondi.h"
#include "CouleurQt.h"
#include "TCanevasQt.h"
#include "TLabelCliquable.h"
#include "TModele.h"
#include "Taxes.h"
#include "Tchaine_riche.h"

#include <QPainter>

#include <algorithm>

namespace tavelor {

namespace {

const QString Arreter = QStringLiteral("Arrêter ");
const QString Reprendre = QStringLiteral("Reprendre");

// The three frames share one geometry: the axis 100 px from the top, 80 px of useful
// height each side (±267 V at 0.3 px/V), 380 samples from x = 15.
constexpr int LargeurAxes = 433;
constexpr int GaucheAxes = 8;

// Where a curve runs past the frame's top or bottom edge, a band of its colour along that
// edge: cut off silently, a 400 V peak would read as a flat top at the frame's height.
template <typename T> void MarqueDebords(TCanevasQt &canevas, const Taxes &axes, const T &courbe)
{
    const TGeometrieAxes g = axes.Geometrie();
    const std::size_t n = std::min(courbe.Valeurs.size(), static_cast<std::size_t>(std::max(g.ZU_droi, 0)));
    QPainter *peintre = nullptr;
    for (std::size_t i = 0; i < n; ++i) {
        const int y = g.Longueur_sup - Arrondi(courbe.Echelle * courbe.Valeurs[i]);
        if (y >= 0 && y < axes.height())
            continue;
        if (!peintre) {
            peintre = &canevas.Peintre();
            peintre->save();
        }
        const int x = g.Largeur_gau + static_cast<int>(i);
        peintre->fillRect(QRect(x, y < 0 ? 0 : axes.height() - 4, 1, 4), VersQColor(courbe.Couleur));
    }
    if (peintre)
        peintre->restore();
}

template <typename T> void Trace(TCanevasQt &canevas, const Taxes &axes, const T &c1, const T &c2, const T &c3)
{
    const TGeometrieAxes geometrie = axes.Geometrie();
    // Phase 3 last, on top where the curves cross.
    c1.TraceValeurs(canevas, geometrie);
    c2.TraceValeurs(canevas, geometrie);
    c3.TraceValeurs(canevas, geometrie);
    for (const T *courbe : {&c1, &c2, &c3})
        MarqueDebords(canevas, axes, *courbe);
}

} // namespace

TFormOscillogrammes::TFormOscillogrammes(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Oscillogrammes"), QSize(452, 675), false, parent)
{
    setObjectName(QStringLiteral("FormOscillogrammes"));

    axesReseau = CreeAxes("axesReseau", 24, QStringLiteral("Réseau"));
    axesInter = CreeAxes("axesInter", 248, QStringLiteral("Interrupteur triphasé"));
    axesStator = CreeAxes("axesStator", 472, QStringLiteral("Stator machine"));
    connect(axesReseau, &Taxes::OnPaint, this, &TFormOscillogrammes::axesReseauPaint);
    connect(axesInter, &Taxes::OnPaint, this, &TFormOscillogrammes::axesInterPaint);
    connect(axesStator, &Taxes::OnPaint, this, &TFormOscillogrammes::axesStatorPaint);

    Label4 = CreeTitre("Label4", {8, 2}, QStringLiteral("Réseau"));
    Label3 = CreeTitre("Label3", {8, 226}, QStringLiteral("Interrupteur triphasé"));
    Label2 = CreeTitre("Label2", {8, 450}, QStringLiteral("Stator machine"));

    chaine_riche1 = CreeChaine("chaine_riche1", {64, 16}, "11v]00R1]01(]11t]01)]}", clBlue, true);
    chaine_riche2 = CreeChaine("chaine_riche2", {128, 16}, "11v]00R2]01(]11t]01)]}", clRed, true);
    chaine_riche3 = CreeChaine("chaine_riche3", {192, 16}, "11v]00R3]01(]11t]01)]}", clFuchsia, true);
    chaine_riche4 = CreeChaine("chaine_riche4", {64, 240}, "11v]00K1]01(]11t]01)]}", clBlue, true);
    chaine_riche5 = CreeChaine("chaine_riche5", {128, 240}, "11v]00K2]01(]11t]01)]}", clRed, true);
    chaine_riche6 = CreeChaine("chaine_riche6", {192, 240}, "11v]00K3]01(]11t]01)]}", clFuchsia, true);
    chaine_riche7 = CreeChaine("chaine_riche7", {64, 464}, "11v]00S1]01(]11t]01)]}", clBlue, true);
    chaine_riche8 = CreeChaine("chaine_riche8", {128, 464}, "11v]00S2]01(]11t]01)]}", clRed, true);
    chaine_riche9 = CreeChaine("chaine_riche9", {192, 464}, "11v]00S3]01(]11t]01)]}", clFuchsia, true);
    chaine_riche10 = CreeChaine("chaine_riche10", {416, 96}, "11t]}", clBlack, false);
    chaine_riche11 = CreeChaine("chaine_riche11", {416, 320}, "11t]}", clBlack, false);
    chaine_riche12 = CreeChaine("chaine_riche12", {416, 544}, "11t]}", clBlack, false);

    Label1 = new TLabelCliquable(Arreter, QStringLiteral("Arial"), 19, clRed, true, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(357, 8);
    connect(Label1, &TLabelCliquable::clicked, this, &TFormOscillogrammes::Label1Click);
}

void TFormOscillogrammes::DefinitModele(TModele *modele)
{
    Modele = modele;
}

Taxes *TFormOscillogrammes::CreeAxes(const char *nom, int haut, const QString &nomAccessible)
{
    auto *axes = new Taxes(this);
    axes->setObjectName(QString::fromLatin1(nom));
    axes->setAccessibleName(nomAccessible);
    axes->setLongueur_sup(100);
    axes->setLongueur_inf(90);
    axes->setLargeur_gau(15);
    axes->setLargeur_droi(400);
    axes->setZU_sup(80);
    axes->setZU_inf(80);
    axes->setZU_gau(0);
    axes->setZU_droi(380);
    axes->setGrad_hor(10);
    axes->setGrad_ver(1);
    axes->setCouleur(clBlack);
    axes->setEpaisseur(0);
    axes->setInverse(false);
    axes->setGeometry(GaucheAxes, haut, LargeurAxes, axes->Longueur_sup() + axes->Longueur_inf());
    return axes;
}

// Created after the frames, so that they lie over them and can be dragged across them.
Tchaine_riche *TFormOscillogrammes::CreeChaine(const char *nom, QPoint position, const char *chaine, TCouleur couleur,
                                               bool mobile)
{
    auto *etiquette = new Tchaine_riche(this);
    etiquette->setObjectName(QString::fromLatin1(nom));
    // Sizes before the text: each setter measures the runs, and a text measured at the
    // default size would load fonts that are never drawn.
    etiquette->settaille(14);
    etiquette->setPolice(QStringLiteral("arial"));
    etiquette->setPos_indice(11);
    etiquette->setTaille_indice(10);
    etiquette->setchaine(QString::fromUtf8(chaine));
    etiquette->setcouleur(couleur);
    etiquette->setsens(1);
    etiquette->setcentre(false);
    etiquette->setStyleFond(bsClear);
    etiquette->setCouleurFond(clBlack);
    etiquette->setAutoDepl(mobile);
    etiquette->move(position);
    return etiquette;
}

// The frame titles pause and resume as Label1 does; the keyboard reaches the pause
// through Label1 alone.
TLabelCliquable *TFormOscillogrammes::CreeTitre(const char *nom, QPoint position, const QString &texte)
{
    auto *titre = new TLabelCliquable(texte, QStringLiteral("Arial"), 16, clBlack, false, this);
    titre->setObjectName(QString::fromLatin1(nom));
    titre->DefinitFocus(false);
    titre->move(position);
    connect(titre, &TLabelCliquable::clicked, this, &TFormOscillogrammes::Label1Click);
    return titre;
}

void TFormOscillogrammes::Label1Click()
{
    const bool enPause = Label1->text() == Arreter;
    if (Modele)
        Modele->PauseOscillo = enPause;
    Label1->DefinitTexte(enPause ? Reprendre : Arreter);
}

void TFormOscillogrammes::axesReseauPaint(TCanevasQt &canevas)
{
    if (Modele)
        Trace(canevas, *axesReseau, Modele->VR1, Modele->VR2, Modele->VR3);
}

void TFormOscillogrammes::axesInterPaint(TCanevasQt &canevas)
{
    if (Modele)
        Trace(canevas, *axesInter, Modele->vK1, Modele->vK2, Modele->vK3);
}

void TFormOscillogrammes::axesStatorPaint(TCanevasQt &canevas)
{
    if (Modele)
        Trace(canevas, *axesStator, Modele->VS1, Modele->VS2, Modele->VS3);
}

} // namespace tavelor
