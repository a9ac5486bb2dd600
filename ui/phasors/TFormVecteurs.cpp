#include "TFormVecteurs.h"

#include "Angles.h"
#include "CouleurQt.h"
#include "FixedLocal.h"
#include "TActionsOutils.h"
#include "TCanevasQt.h"
#include "TModele.h"
#include "TPaintBox.h"
#include "TPolices.h"
#include "TRapporteur.h"
#include "TStylePinceau.h"
#include "Tchaine_riche.h"

#include <QActionGroup>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

namespace tavelor {

namespace {

constexpr QSize TailleClient(353, 377);

// A length of `pixels` read at `echelle` pixels per unit. A negative scale reads as its
// magnitude; a zero scale, or one so small that the quotient overflows, has no reading.
QString Lecture(double pixels, double echelle, int chiffres, int decimales, const QString &unite)
{
    const double valeur = pixels / std::abs(echelle);
    const QString nombre =
        echelle != 0.0 && std::isfinite(valeur) ? TexteNombre(valeur, chiffres, decimales) : QStringLiteral("---");
    return QStringLiteral("01") + nombre + QLatin1Char(' ') + unite + QStringLiteral("]}");
}

} // namespace

TFormVecteurs::TFormVecteurs(QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Diagramme vectoriel"), TailleClient, true, parent, FermetureTermineProgramme)
{
    // Qt paints every widget through a back buffer: the repaint at each pointer move
    // does not flicker.
    ZoneClient = new QWidget(this);
    ZoneClient->setObjectName(QStringLiteral("ZoneClient"));
    ZoneClient->setFixedSize(TailleClient);
    CreeMenus();
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    disposition->setMenuBar(MainMenu1);
    disposition->addWidget(ZoneClient);
    // The client area keeps its size; the window grows by the menu bar.
    disposition->setSizeConstraint(QLayout::SetFixedSize);
    CreeComposants();
}

void TFormVecteurs::DefinitOutils(TActionsOutils &outils)
{
    outils.AjouteA(Outils1);
}

void TFormVecteurs::CreeMenus()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);

    Afficher2 = MainMenu1->addAction(QStringLiteral("Afficher"));
    Echelles1 = MainMenu1->addAction(QStringLiteral("Echelles"));
    Editer1 = MainMenu1->addMenu(QStringLiteral("Editer"));
    Copierverspressepapier1 = Editer1->addAction(QStringLiteral("Copier vers presse papier"));
    ailleetpositiondesvecteurs1 = Editer1->addAction(QStringLiteral("Origine du diagramme"));
    Curseurs1 = MainMenu1->addMenu(QStringLiteral("Mesures"));
    Afficher1 = Curseurs1->addAction(QStringLiteral("Afficher"));
    ension2 = Curseurs1->addAction(QStringLiteral("Tension"));
    Intensit2 = Curseurs1->addAction(QStringLiteral("Intensité"));
    Rapporteur1 = Curseurs1->addAction(QStringLiteral("Rapporteur"));
    Outils1 = MainMenu1->addMenu(QStringLiteral("Outils"));

    const std::initializer_list<std::pair<QAction *, const char *>> noms{
        {Afficher2, "Afficher2"},
        {Echelles1, "Echelles1"},
        {Copierverspressepapier1, "Copierverspressepapier1"},
        {ailleetpositiondesvecteurs1, "ailleetpositiondesvecteurs1"},
        {Afficher1, "Afficher1"},
        {ension2, "ension2"},
        {Intensit2, "Intensit2"},
        {Rapporteur1, "Rapporteur1"}};
    for (const auto &[action, nom] : noms)
        action->setObjectName(QString::fromLatin1(nom));
    Editer1->setObjectName(QStringLiteral("Editer1"));
    Curseurs1->setObjectName(QStringLiteral("Curseurs1"));
    Outils1->setObjectName(QStringLiteral("Outils1"));

    connect(Afficher2, &QAction::triggered, this, [this] { Montre(ChoixVecteurs); });
    connect(Echelles1, &QAction::triggered, this, [this] { Montre(Echelles); });
    connect(ailleetpositiondesvecteurs1, &QAction::triggered, this, [this] { Montre(Origine); });
    connect(Copierverspressepapier1, &QAction::triggered, this, &TFormVecteurs::CopierverspressepapierClick);
    connect(Afficher1, &QAction::triggered, this, &TFormVecteurs::Afficher1Click);
    for (QAction *mode : {ension2, Intensit2, Rapporteur1}) {
        // The handler sets every check mark itself, as it does the mode.
        mode->setCheckable(true);
        connect(mode, &QAction::triggered, this, [this, mode] { ension2Click(mode); });
    }
}

Tchaine_riche *TFormVecteurs::CreeEtiquette(const char *nom, QPoint place, const char *chaine, TCouleur couleur,
                                            int taille, const char *police)
{
    auto *etiquette = new Tchaine_riche(ZoneClient);
    etiquette->setObjectName(QString::fromLatin1(nom));
    etiquette->move(place);
    etiquette->setchaine(QString::fromUtf8(chaine));
    etiquette->setcouleur(couleur);
    etiquette->settaille(taille);
    etiquette->setPolice(QString::fromLatin1(police));
    etiquette->setStyleFond(bsClear);
    etiquette->setCouleurFond(clBlack);
    etiquette->setPos_indice(9);
    etiquette->setTaille_indice(10);
    etiquette->setAutoDepl(true);
    return etiquette;
}

void TFormVecteurs::CreeComposants()
{
    PaintBox1 = new TPaintBox(ZoneClient);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(QRect(QPoint(0, 0), TailleClient));
    PaintBox1->setAccessibleName(QStringLiteral("Diagramme vectoriel"));
    connect(PaintBox1, &TPaintBox::OnPaint, this, &TFormVecteurs::PaintBox1Paint);
    connect(PaintBox1, &TPaintBox::OnMouseDown, this, &TFormVecteurs::PaintBox1MouseDown);
    connect(PaintBox1, &TPaintBox::OnMouseMove, this, &TFormVecteurs::PaintBox1MouseMove);

    chaine_richeEv = CreeEtiquette("chaine_richeEv", {8, 8}, "41E]00v ]}", clPurple, 15, "arial");
    chaine_richeI = CreeEtiquette("chaine_richeI", {40, 8}, "41I]00 ]}", clAqua, 16, "times new roman");
    chaine_richeV = CreeEtiquette("chaine_richeV", {56, 8}, "41V]}", clTeal, 15, "arial");
    chaine_riche1 = CreeEtiquette("chaine_riche1", {104, 8}, "01j]11L]00s]21w]41I]}", clLime, 15, "arial");

    Rapporteur2 = new TRapporteur(ZoneClient);
    Rapporteur2->setObjectName(QStringLiteral("Rapporteur2"));
    Rapporteur2->setGeometry(72, 80, 217, 217);
    Rapporteur2->setalpha1(0.7);
    Rapporteur2->setalpha2(0.7);
    Rapporteur2->setRayon(50);
    Rapporteur2->setRayonExt(50);
    Rapporteur2->setValeur(1.4);
    Rapporteur2->setTailleZS(6);
    Rapporteur2->setAccessibleName(QStringLiteral("Rapporteur"));
    Rapporteur2->hide();
    connect(Rapporteur2, &TRapporteur::OnMouseMove, this, &TFormVecteurs::Rapporteur2MouseMove);

    PanelMesures = new QWidget(ZoneClient);
    PanelMesures->setObjectName(QStringLiteral("PanelMesures"));
    PanelMesures->setGeometry(271, 8, 82, 33);
    QPalette fond = PanelMesures->palette();
    fond.setColor(QPalette::Window, VersQColor(clFondBanc));
    PanelMesures->setPalette(fond);
    PanelMesures->setAutoFillBackground(true);
    PanelMesures->hide();

    Shape1 = new QFrame(PanelMesures);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(0, 0, 73, 33);
    Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { border: 1px solid %1; background: transparent; }")
                              .arg(VersQColor(clAqua).name()));

    chaine_richeMesures = new Tchaine_riche(PanelMesures);
    chaine_richeMesures->setObjectName(QStringLiteral("chaine_richeMesures"));
    chaine_richeMesures->move(8, 6);
    chaine_richeMesures->setcouleur(clRed);
    chaine_richeMesures->settaille(14);
    chaine_richeMesures->setPolice(QStringLiteral("times new roman"));
    chaine_richeMesures->setPos_indice(-3);
    chaine_richeMesures->setTaille_indice(3);
    chaine_richeMesures->setStyleFond(bsClear);
    chaine_richeMesures->setCouleurFond(clBlack);
    chaine_richeMesures->setAccessibleName(QStringLiteral("Mesure"));
}

void TFormVecteurs::DefinitDialogues(QWidget *choixVecteurs, QWidget *echelles, QWidget *origine)
{
    ChoixVecteurs = choixVecteurs;
    Echelles = echelles;
    Origine = origine;
}

void TFormVecteurs::Montre(QWidget *dialogue)
{
    if (!dialogue)
        return;
    dialogue->show();
    dialogue->raise();
    dialogue->activateWindow();
}

void TFormVecteurs::showEvent(QShowEvent *event)
{
    TFenetreSecondaire::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// Each showing starts with the tools put away and the voltage mode chosen.
void TFormVecteurs::FormShow()
{
    Active = false;
    PaintBox1->setCursor(Qt::ArrowCursor);
    Affichees = false;
    PanelMesures->hide();
    Rapporteur2->hide();
    Afficher1->setText(QStringLiteral("Afficher"));
    Mode = MesureTension;
    ension2->setChecked(true);
    Intensit2->setChecked(false);
    Rapporteur1->setChecked(false);
    if (Modele) {
        chaine_richeEv->setVisible(Modele->VecEv.Visible);
        chaine_richeI->setVisible(Modele->VecI.Visible);
        chaine_richeV->setVisible(Modele->VecV.Visible);
        chaine_riche1->setVisible(Modele->VecLsWI.Visible);
    }
}

// No background of its own: the window's colour shows through.
void TFormVecteurs::PaintBox1Paint(TCanevasQt &canevas)
{
    if (Modele) {
        for (const TNbComplexe *phaseur : {&Modele->VecEv, &Modele->VecI, &Modele->VecV, &Modele->VecLsWI})
            phaseur->Dessine(canevas);
    }
    if (TraitMesure) {
        // Pen width and style as the phasors leave them: one pixel, solid.
        canevas.CouleurPlume(clBlack);
        canevas.DeplaceVers(TraitMesure->x1(), TraitMesure->y1());
        canevas.LigneVers(TraitMesure->x2(), TraitMesure->y2());
    }
}

void TFormVecteurs::Afficher1Click()
{
    Affichees = !Affichees;
    PanelMesures->setVisible(Affichees);
    Rapporteur2->setVisible(Affichees && Rapporteur1->isChecked());
    Afficher1->setText(Affichees ? QStringLiteral("Masquer") : QStringLiteral("Afficher"));
}

void TFormVecteurs::ension2Click(QAction *sender)
{
    if (sender == ension2)
        Mode = MesureTension;
    else if (sender == Intensit2)
        Mode = MesureIntensite;
    else if (sender == Rapporteur1)
        Mode = MesureAngle;
    Intensit2->setChecked(Mode == MesureIntensite);
    ension2->setChecked(Mode == MesureTension);
    Rapporteur1->setChecked(Mode == MesureAngle);
    Affichees = true;
    PanelMesures->show();
    Rapporteur2->setVisible(Mode == MesureAngle);
    Afficher1->setText(QStringLiteral("Masquer"));
}

// With the read-out shown, one click starts a line and the next one ends it.
void TFormVecteurs::PaintBox1MouseDown(QMouseEvent *event)
{
    Depart = event->position().toPoint();
    if (Affichees)
        Active = !Active;
    PaintBox1->setCursor(Active ? Qt::CrossCursor : Qt::ArrowCursor);
}

void TFormVecteurs::PaintBox1MouseMove(QMouseEvent *event)
{
    const QPoint pointeur = event->position().toPoint();
    double d = 0.0;
    if (Active) {
        TraitMesure = QLine(Depart, pointeur);
        const long long dx = pointeur.x() - Depart.x();
        const long long dy = pointeur.y() - Depart.y();
        d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
    }
    PaintBox1->repaint();
    TraitMesure.reset();
    if (!Modele)
        return;
    if (Mode == MesureIntensite)
        chaine_richeMesures->setchaine(Lecture(d, Modele->EchelleI, 2, 2, QStringLiteral("A")));
    else if (Mode == MesureTension)
        chaine_richeMesures->setchaine(Lecture(d, Modele->EchelleV, 3, 1, QStringLiteral("V")));
}

// The protractor calls this before it handles the move: the angle shown is the one
// it had before this move.
void TFormVecteurs::Rapporteur2MouseMove(QMouseEvent *)
{
    const double degres = Degres(Rapporteur2->Valeur());
    chaine_richeMesures->setchaine(QStringLiteral("01") + TexteNombre(degres, 3, 1) + QStringLiteral("°]}"));
}

QImage TFormVecteurs::ImageDiagramme()
{
    QImage image(TailleClient, QImage::Format_RGB32);
    image.fill(VersQColor(clFondBanc));
    QPainter peintre(&image);
    PaintBox1->render(&peintre, PaintBox1->pos(), QRegion(), QWidget::RenderFlags());
    for (Tchaine_riche *etiquette : {chaine_richeEv, chaine_richeI, chaine_richeV, chaine_riche1}) {
        if (etiquette->isVisibleTo(ZoneClient))
            etiquette->render(&peintre, etiquette->pos(), QRegion(), QWidget::RenderFlags());
    }
    return image;
}

void TFormVecteurs::CopierverspressepapierClick()
{
    QGuiApplication::clipboard()->setImage(ImageDiagramme());
}

} // namespace tavelor
