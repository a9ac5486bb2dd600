#include "TForm1.h"

#include "Arrondi.h"
#include "CouleurQt.h"
#include "FabriqueAccessible.h"
#include "TActionsOutils.h"
#include "TAnnonce.h"
#include "TCanevasQt.h"
#include "TChronos.h"
#include "TCycleFenetres.h"
#include "TDispositionBanc.h"
#include "TImageRessource.h"
#include "TPaintBox.h"
#include "TPolices.h"
#include "TRelaisQt.h"
#include "TShape.h"
#include "TStylePinceau.h"
#include "TTrackBar.h"
#include "Tafficheur.h"
#include "Taxes.h"
#include "Tinterrupteur.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <chrono>
#include <tuple>

namespace tavelor {

namespace {

constexpr int IntervalleChronos = 50000; // µs: 20 ticks a second
constexpr int PeriodeClignotant = 300;   // ms
constexpr std::string_view SequenceSecrete = "bxqz";

QString Texte(std::string_view texte)
{
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

using D = TDispositionBanc;

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      Modele(*this), Relais(std::make_shared<TRelaisQt>(this))
{
    InstalleFabriqueAccessible();
    // FormCreate
    Aleatoire.seed(
        static_cast<std::mt19937::result_type>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    setWindowTitle(QStringLiteral("Tavelor"));
    setFixedSize(D::Client);
    move(10, 10);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, VersQColor(clFondBanc));
    setPalette(palette);
    setAutoFillBackground(true);
    QFont police = TPolices::Police(QStringLiteral("MS Sans Serif"), 8);
    setFont(police);

    CreeComposants();
    CreeRaccourcis();
    OrdreTabulation();

    Chronos1 = std::make_unique<TChronos>(Relais);
    Chronos1->setInterval(IntervalleChronos);
    Chronos1->setOnTimer([this](void *) { Chronos1Timer(); });

    TimerWarning.setInterval(PeriodeClignotant);
    connect(&TimerWarning, &QTimer::timeout, this, &TForm1::TimerWarningTimer);

    qApp->installEventFilter(this);
    new TCycleFenetres(this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    ArreteChronos();
}

void TForm1::ArreteChronos()
{
    // Detach and stop the worker first, then release it should it wait on a hand-over.
    Chronos1.reset();
    Relais->Arreter();
}

void TForm1::CreeComposants()
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(D::Image1);
    Image1->setPixmap(TImageRessource::Charge(QStringLiteral(":/banc.jpg"), devicePixelRatioF()));
    // Clicks pass through to what lies under the picture. It stays enabled: a disabled
    // label paints its picture greyed out.
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image1->setAccessibleName(QStringLiteral("Banc de couplage"));
    Image1->setAccessibleDescription(
        QStringLiteral("Machine synchrone triphasée, son alimentation continue, son dispositif d'entraînement, "
                       "l'interrupteur triphasé et le réseau 400 V, 50 Hz"));
    PopupMenuBanc = new QMenu(this);
    PopupMenuBanc->setObjectName(QStringLiteral("PopupMenuBanc"));
    // The operator's own opening of the switch, offered only while it is closed, after the tools.
    OuvrirInterrupteur = new QAction(QStringLiteral("Ouvrir l'interrupteur"), PopupMenuBanc);
    connect(OuvrirInterrupteur, &QAction::triggered, this, [this] {
        if (Modele.Couplage)
            Cablage.Decoupler();
    });
    connect(PopupMenuBanc, &QMenu::aboutToShow, this, [this] {
        if (Modele.Couplage)
            PopupMenuBanc->addAction(OuvrirInterrupteur);
        else
            PopupMenuBanc->removeAction(OuvrirInterrupteur);
    });

    afficheurIe = CreeAfficheur("afficheurIe", D::afficheurIe, 2);
    afficheurI = CreeAfficheur("afficheurI", D::afficheurI, 2);
    afficheurPu = CreeAfficheur("afficheurPu", D::afficheurPu, 0);
    afficheurV = CreeAfficheur("afficheurV", D::afficheurV, 1);
    afficheurPa = CreeAfficheur("afficheurPa", D::afficheurPa, 0);
    afficheurN = CreeAfficheur("afficheurN", D::afficheurN, 0);
    afficheurCm = CreeAfficheur("afficheurCm", D::afficheurCm, 1);
    afficheur1 = CreeAfficheur("afficheur1", D::afficheur1, 1);
    afficheur1->setValeur(400);
    // Keyed by the quantity, so that no reordering of the enum can pair a value with the wrong meter.
    using A = TAfficheurBanc;
    for (const auto &[cle, afficheur] : {std::pair{A::afficheurIe, afficheurIe}, std::pair{A::afficheurI, afficheurI},
                                         std::pair{A::afficheurPu, afficheurPu}, std::pair{A::afficheurV, afficheurV},
                                         std::pair{A::afficheurPa, afficheurPa}, std::pair{A::afficheurN, afficheurN},
                                         std::pair{A::afficheurCm, afficheurCm}})
        Afficheurs[static_cast<std::size_t>(cle)] = afficheur;
    afficheurIe->setAccessibleName(QStringLiteral("Intensité du courant d'excitation"));
    afficheurI->setAccessibleName(QStringLiteral("Intensité du courant statorique"));
    afficheurPu->setAccessibleName(QStringLiteral("Puissance statorique"));
    afficheurV->setAccessibleName(QStringLiteral("Tension statorique"));
    afficheurPa->setAccessibleName(QStringLiteral("Puissance mécanique"));
    afficheurN->setAccessibleName(QStringLiteral("Vitesse"));
    afficheurCm->setAccessibleName(QStringLiteral("Couple"));
    afficheur1->setAccessibleName(QStringLiteral("Tension composée du réseau"));
    // The units the picture prints beside the boxes.
    const std::array<std::pair<Tafficheur *, QString>, 8> unites{{{afficheurIe, QStringLiteral("A")},
                                                                  {afficheurI, QStringLiteral("A")},
                                                                  {afficheurPu, QStringLiteral("W")},
                                                                  {afficheurV, QStringLiteral("V")},
                                                                  {afficheurPa, QStringLiteral("W")},
                                                                  {afficheurN, QStringLiteral("tr/min")},
                                                                  {afficheurCm, QStringLiteral("N·m")},
                                                                  {afficheur1, QStringLiteral("V")}}};
    for (const auto &[afficheur, unite] : unites)
        afficheur->setUnite(unite);
    // What each meter reads, by the symbol the diagrams and the curves use.
    const std::array<std::pair<Tafficheur *, const char *>, 8> bulles{
        {{afficheurIe, "Ie\u00a0: intensité du courant d'excitation, en A"},
         {afficheurI, "I\u00a0: intensité du courant dans une phase du stator, en A"},
         {afficheurPu, "Pu\u00a0: puissance électrique échangée avec le réseau (wattmètre), en W"},
         {afficheurV, "Tension simple du stator, en V\u00a0: Ev avant le couplage, V une fois couplée"},
         {afficheurPa, "Pa\u00a0: puissance mécanique sur l'arbre, en W"},
         {afficheurN, "N\u00a0: vitesse de rotation, en tr/min"},
         {afficheurCm, "Cm\u00a0: couple sur l'arbre, en N·m"},
         {afficheur1, "U\u00a0: tension composée du réseau, en V"}}};
    for (const auto &[afficheur, bulle] : bulles)
        afficheur->setToolTip(QString::fromUtf8(bulle));

    const std::array<Tinterrupteur **, 3> poles{&interrupteur1, &interrupteur2, &interrupteur3};
    const std::array<QRect, 3> zonesPoles{D::interrupteur1, D::interrupteur2, D::interrupteur3};
    for (int i = 0; i < 3; ++i) {
        auto *pole = new Tinterrupteur(this);
        pole->setObjectName(QStringLiteral("interrupteur%1").arg(i + 1));
        pole->setGeometry(zonesPoles[static_cast<std::size_t>(i)]);
        pole->setOrientation(Tinterrupteur::orH);
        pole->setPosition(Tinterrupteur::piSG);
        pole->setEtat(Tinterrupteur::intOuv);
        pole->setCouleur_traits(clBlack);
        pole->setEpaisseur_traits(0);
        pole->setStyleFond(bsClear);
        pole->setCouleur_Fond(clFondBanc);
        pole->setEnabled(false);
        pole->setAccessibleName(QStringLiteral("Interrupteur %1").arg(i + 1));
        *poles[static_cast<std::size_t>(i)] = pole;
    }

    PaintBox1 = new TPaintBox(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(D::PaintBox1);
    PaintBox1->setEnabled(false);
    PaintBox1->setAttribute(Qt::WA_TransparentForMouseEvents);
    PaintBox1->setAccessibleName(QStringLiteral("Fils du câblage"));
    connect(PaintBox1, &TPaintBox::OnPaint, this, &TForm1::FormPaint);
    DefinitZone(TZoneDessin::PaintBoxFils, PaintBox1);

    // Indexed by TBorne.
    const std::array<std::tuple<TShape **, const char *, QRect>, 6> places{{{&ShapeS1, "S1", D::ShapeS1},
                                                                            {&ShapeS2, "S2", D::ShapeS2},
                                                                            {&ShapeS3, "S3", D::ShapeS3},
                                                                            {&ShapeR1, "R1", D::ShapeR1},
                                                                            {&ShapeR2, "R2", D::ShapeR2},
                                                                            {&ShapeR3, "R3", D::ShapeR3}}};
    for (std::size_t i = 0; i < places.size(); ++i) {
        auto *shape = new TShape(this);
        const auto &[variable, suffixe, zone] = places[i];
        const QString nom = QString::fromLatin1(suffixe);
        shape->setObjectName(QStringLiteral("Shape") + nom);
        shape->setGeometry(zone);
        shape->setAccessibleName(QStringLiteral("Borne ") + nom +
                                 (i < 3 ? QStringLiteral(" de l'interrupteur") : QStringLiteral(" du réseau")));
        connect(shape, &TShape::OnMouseUp, this, [this, shape] { ShapeS1MouseUp(shape); });
        *variable = shape;
        Bornes[i] = shape;
    }
    MarqueBornes();

    TrackBarIe = new TTrackBar(Qt::Vertical, this);
    TrackBarIe->setObjectName(QStringLiteral("TrackBarIe"));
    TrackBarIe->setGeometry(D::TrackBarIe);
    TrackBarIe->setInvertedAppearance(true); // position 0 at the top, 160 (Ie = 0) at the bottom
    TrackBarIe->setInvertedControls(true);
    TrackBarIe->setTickPosition(QSlider::TicksBothSides);
    TrackBarIe->setAccessibleName(QStringLiteral("Réglage intensité"));
    TrackBarChange(TTrackBarBanc::TrackBarIe, Modele.TrackBarIe);
    connect(TrackBarIe, &QSlider::valueChanged, this, &TForm1::TrackBarIeChange);

    TrackBarN = new TTrackBar(Qt::Horizontal, this);
    TrackBarN->setObjectName(QStringLiteral("TrackBarN"));
    TrackBarN->setGeometry(D::TrackBarN);
    TrackBarN->setTickPosition(QSlider::TicksBelow);
    // One rpm a notch of the wheel, as an arrow key: every speed can be set by either alone.
    TrackBarN->DefinitUnPasParCran(true);
    TrackBarChange(TTrackBarBanc::TrackBarN, Modele.TrackBarN);
    connect(TrackBarN, &QSlider::valueChanged, this, &TForm1::TrackBarNChange);

    ImageRegCouple = new QLabel(this);
    ImageRegCouple->setObjectName(QStringLiteral("ImageRegCouple"));
    ImageRegCouple->setGeometry(D::ImageRegCouple);
    ImageRegCouple->setPixmap(TImageRessource::Charge(QStringLiteral(":/regcouple.jpg"), devicePixelRatioF()));
    ImageRegCouple->setAccessibleName(QStringLiteral("Réglage couple"));
    ImageRegCouple->hide();

    ImageWarning = new QLabel(this);
    ImageWarning->setObjectName(QStringLiteral("ImageWarning"));
    ImageWarning->setGeometry(D::ImageWarning);
    ImageWarning->setPixmap(TImageRessource::Charge(QStringLiteral(":/warning.png"), devicePixelRatioF()));
    ImageWarning->setAccessibleName(QStringLiteral("Alerte de stabilité"));
    ImageWarning->setAccessibleDescription(
        QStringLiteral("Angle interne au-delà de 75°\u00A0: limite de stabilité proche"));
    ImageWarning->hide();
    AnnonceAlerte = new TAnnonce(
        QStringLiteral("Alerte de stabilité\u00A0: angle interne au-delà de 75°, limite de stabilité proche"), this);
    AnnonceAlerte->move(D::ImageWarning.topLeft());

    BitBtnRecable = CreeBouton("BitBtnRecable", QStringLiteral(":/recabler.png"),
                               QStringLiteral("Défaire le câblage pour recommencer"), D::BitBtnRecable);
    BitBtnFermeInter = CreeBouton("BitBtnFermeInter", QStringLiteral(":/fermer_inter.png"),
                                  QStringLiteral("Coupler la machine au réseau"), D::BitBtnFermeInter);
    BitBtnAide =
        CreeBouton("BitBtnAide", QStringLiteral(":/aide.png"), QStringLiteral("Afficher l'aide"), D::BitBtnAide);
    BitBtnAPropos = CreeBouton("BitBtnAPropos", QStringLiteral(":/apropos.png"), QStringLiteral("À propos de Tavelor"),
                               D::BitBtnAPropos);
    BitBtnFermer =
        CreeBouton("BitBtnFermer", QStringLiteral(":/quitter.png"), QStringLiteral("Quitter Tavelor"), D::BitBtnFermer);
    BitBtnRecable->setAccessibleName(QStringLiteral("Recâbler"));
    BitBtnFermeInter->setAccessibleName(QStringLiteral("Fermer l'interrupteur"));
    BitBtnAide->setAccessibleName(QStringLiteral("Aide"));
    BitBtnAPropos->setAccessibleName(QStringLiteral("A propos"));
    BitBtnFermer->setAccessibleName(QStringLiteral("Quitter"));
    BoutonFermeInterActif(false);
    connect(BitBtnRecable, &QPushButton::clicked, this, &TForm1::BitBtnRecableClick);
    connect(BitBtnFermeInter, &QPushButton::clicked, this, &TForm1::BitBtnFermeInterClick);
    connect(BitBtnAide, &QPushButton::clicked, this, &TForm1::BitBtnAideClick);
    connect(BitBtnAPropos, &QPushButton::clicked, this, &TForm1::BitBtnAProposClick);
    connect(BitBtnFermer, &QPushButton::clicked, this, &TForm1::BitBtnFermerClick);
}

Tafficheur *TForm1::CreeAfficheur(const char *nom, QRect zone, int chiffresApres)
{
    auto *afficheur = new Tafficheur(this);
    afficheur->setObjectName(QString::fromLatin1(nom));
    afficheur->setGeometry(zone);
    afficheur->setNb_digits(4);
    afficheur->setchiffre_apres(chiffresApres);
    afficheur->setCouleur_fond(clWhite);
    afficheur->setCouleur_chiffre(clRed);
    afficheur->setTaillefonte(16);
    afficheur->setFonteName(QStringLiteral("MS Sans Serif"));
    return afficheur;
}

QPushButton *TForm1::CreeBouton(const char *nom, const QString &face, const QString &bulle, QRect zone)
{
    auto *bouton = new QPushButton(this);
    bouton->setObjectName(QString::fromLatin1(nom));
    bouton->setGeometry(zone);
    TImageRessource::HabilleBouton(*bouton, face);
    bouton->setToolTip(bulle);
    bouton->setCursor(Qt::PointingHandCursor);
    return bouton;
}

// The controls of the bench's own order first; then the terminals row by row, so that
// each one used hands the focus to its partner, and the meters, so that a screen reader
// reads them in turn. A terminal disabled by its click passes the focus on.
void TForm1::OrdreTabulation()
{
    const std::initializer_list<QWidget *> boutons{TrackBarIe,    TrackBarN,        BitBtnFermer, BitBtnAide,
                                                   BitBtnRecable, BitBtnFermeInter, BitBtnAPropos};
    for (QWidget *w : boutons)
        w->setFocusPolicy(Qt::StrongFocus);
    QList<QWidget *> ordre(boutons);
    ordre << ShapeS1 << ShapeR1 << ShapeS2 << ShapeR2 << ShapeS3 << ShapeR3;
    for (Tafficheur *afficheur : Afficheurs)
        ordre << afficheur;
    ordre << afficheur1;
    for (qsizetype i = 7; i < ordre.size(); ++i)
        ordre[i]->setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 0; i + 1 < ordre.size(); ++i)
        setTabOrder(ordre[i], ordre[i + 1]);
    // The meters and terminals, made earlier, come first in the chain of creation: the
    // window opens on the first control of the order instead.
    TrackBarIe->setFocus();
}

void TForm1::CreeRaccourcis()
{
    for (const QKeySequence &touches : {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)})
        connect(new QShortcut(touches, this), &QShortcut::activated, this, &TForm1::OuvreMenuBanc);
}

void TForm1::DefinitOutils(TActionsOutils &outils)
{
    outils.AjouteA(PopupMenuBanc);
    // The bench stays shown all along: its keys work from every window.
    outils.AjouteA(this);
}

void TForm1::OuvreMenuBanc()
{
    const QWidget *focus = focusWidget();
    const QPoint ou =
        focus && isAncestorOf(focus) ? focus->mapTo(this, focus->rect().center()) : Image1->geometry().center();
    PopupMenuBanc->popup(mapToGlobal(ou));
}

void TForm1::DefinitFenetre(TFenetreBanc fenetre, QWidget *widget)
{
    Fenetres[static_cast<std::size_t>(fenetre)] = widget;
}

void TForm1::DefinitFenetre(TFenetreBanc fenetre, std::function<QWidget *()> fabrique)
{
    FabriquesFenetres[static_cast<std::size_t>(fenetre)] = std::move(fabrique);
}

void TForm1::DefinitZone(TZoneDessin zone, QWidget *widget)
{
    Zones[static_cast<std::size_t>(zone)] = widget;
}

void TForm1::DefinitAide(std::function<QWidget *()> aide, std::function<QWidget *()> aPropos)
{
    FenetreAide = std::move(aide);
    FenetreAPropos = std::move(aPropos);
}

// ---- Handlers

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!DejaMontree) {
        DejaMontree = true;
        FormShow();
    }
}

void TForm1::FormShow()
{
    std::uniform_real_distribution<double> uniforme(0.0, 1.0);
    Cablage.PreparerAffichage(uniforme(Aleatoire), CentresBornes());
    Modele.PreparerAffichage(GeometrieAffichage());
    Chronos1->setEnable(true);
    Modele.MiseAJourModele();
}

// Centres of the terminals in the wire area, halves rounded as every pixel coordinate.
std::array<TPoint, 6> TForm1::CentresBornes() const
{
    std::array<TPoint, 6> centres{};
    for (std::size_t i = 0; i < Bornes.size(); ++i) {
        const QRect r = Bornes[i]->geometry();
        centres[i] = {r.left() + Arrondi(r.width() / 2.0) - PaintBox1->x(),
                      r.top() + Arrondi(r.height() / 2.0) - PaintBox1->y()};
    }
    return centres;
}

// Read from the drawing areas registered by the side windows; an area not registered
// (a bench run without its side windows) keeps the laid-out size.
TGeometrieAffichage TForm1::GeometrieAffichage() const
{
    TGeometrieAffichage geometrie;
    const auto zone = [this](TZoneDessin z) { return Zones[static_cast<std::size_t>(z)]; };
    if (const auto *axes = qobject_cast<const Taxes *>(zone(TZoneDessin::axesInter)))
        geometrie.LongueurHistorique = axes->ZU_droi();
    if (const QWidget *stator = zone(TZoneDessin::PaintBoxStator)) {
        geometrie.LargeurStator = stator->width();
        geometrie.HauteurStator = stator->height();
    }
    if (const QWidget *reseau = zone(TZoneDessin::PaintBoxReseau)) {
        geometrie.LargeurReseau = reseau->width();
        geometrie.HauteurReseau = reseau->height();
    }
    if (const QWidget *diagramme = zone(TZoneDessin::PaintBoxVecteurs))
        geometrie.HauteurDiagramme = diagramme->height();
    return geometrie;
}

void TForm1::FormPaint(TCanevasQt &canevas)
{
    Cablage.FormPaint(canevas);
}

void TForm1::TrackBarIeChange(int position)
{
    Modele.TrackBarIeChange(position);
}

void TForm1::TrackBarNChange(int position)
{
    Modele.TrackBarNChange(position);
}

void TForm1::Chronos1Timer()
{
    Modele.Chronos1Timer();
}

void TForm1::TimerWarningTimer()
{
    ImageWarning->setVisible(!ImageWarning->isVisible());
}

void TForm1::ShapeS1MouseUp(TShape *sender)
{
    const auto trouvee = std::find(Bornes.begin(), Bornes.end(), sender);
    if (trouvee != Bornes.end())
        Cablage.ShapeS1MouseUp(static_cast<TBorne>(trouvee - Bornes.begin()));
}

void TForm1::BitBtnRecableClick()
{
    Cablage.BitBtnRecableClick();
}

void TForm1::BitBtnFermeInterClick()
{
    Cablage.BitBtnFermeInterClick();
}

void TForm1::BitBtnAideClick()
{
    if (FenetreAide) {
        QWidget *aide = FenetreAide();
        aide->show();
        aide->raise();
    }
}

void TForm1::BitBtnAProposClick()
{
    if (FenetreAPropos) {
        QWidget *aPropos = FenetreAPropos();
        aPropos->show();
        aPropos->raise();
    }
}

void TForm1::BitBtnFermerClick()
{
    close();
}

void TForm1::QuitteSansDemander()
{
    SansDemander = true;
    close();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!SansDemander && ConfirmeQuitter && !ConfirmeQuitter()) {
        event->ignore();
        return;
    }
    event->accept();
    // exit(), not quit(): quit() first asks every window to close, and the phasor
    // windows answer a close request by closing this one.
    QCoreApplication::exit(0);
}

// The picture lets the mouse through, so its right clicks land here.
void TForm1::contextMenuEvent(QContextMenuEvent *event)
{
    if (!Image1->geometry().contains(event->pos())) {
        QWidget::contextMenuEvent(event);
        return;
    }
    PopupMenuBanc->popup(event->globalPos());
}

// Real key presses reach a top-level QWindow first and only then the focus widget
// and its parents; looking at them on the QWindow sees each character exactly once,
// whichever window has the focus. The event is never consumed.
bool TForm1::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && objet->isWindowType()) {
        const QString texte = static_cast<QKeyEvent *>(event)->text();
        if (!texte.isEmpty())
            CrochetClavier(texte.front().unicode());
    }
    return QWidget::eventFilter(objet, event);
}

void TForm1::CrochetClavier(char32_t caractere)
{
    // The buffer holds the decimal codes of the letters of the sequence typed so far;
    // prefixes[i] is its content once i letters are in. A wrong character leaves it as
    // it is, and it is never cleared.
    static const auto prefixes = [] {
        std::array<std::string, SequenceSecrete.size() + 1> p;
        for (std::size_t i = 0; i < SequenceSecrete.size(); ++i)
            p[i + 1] = p[i] + std::to_string(static_cast<int>(SequenceSecrete[i]));
        return p;
    }();
    for (std::size_t i = 0; i < SequenceSecrete.size(); ++i) {
        if (TamponClavier == prefixes[i]) {
            if (caractere == static_cast<char32_t>(SequenceSecrete[i]))
                TamponClavier += std::to_string(static_cast<int>(caractere));
            break;
        }
    }
    if (TamponClavier == prefixes.back())
        Modele.AligneRotor();
}

// ---- What the model asks to show

void TForm1::AfficheValeur(TAfficheurBanc afficheur, double valeur)
{
    Afficheurs[static_cast<std::size_t>(afficheur)]->setValeur(valeur);
}

void TForm1::Clignotant(bool enMarche)
{
    if (enMarche) {
        if (TimerWarning.isActive()) // a running blinker is not restarted
            return;
        TimerWarning.start();
        AnnonceAlerte->show();
    } else {
        TimerWarning.stop();
        ImageWarning->hide();
        AnnonceAlerte->hide();
    }
}

void TForm1::Message(std::string_view texte, std::string_view detail)
{
    QMessageBox boite(detail.empty() ? QMessageBox::Information : QMessageBox::Warning, QStringLiteral("Tavelor"),
                      Texte(texte), QMessageBox::Ok, this);
    boite.setInformativeText(Texte(detail));
    boite.exec();
}

void TForm1::Redessine(TZoneDessin zone)
{
    // The wires change only by a click on a terminal or a re-wiring: so do the terminals.
    if (zone == TZoneDessin::PaintBoxFils)
        MarqueBornes();
    if (QWidget *cible = Zones[static_cast<std::size_t>(zone)])
        cible->repaint();
}

void TForm1::TicTermine()
{
    if (FinDeTic)
        FinDeTic();
}

void TForm1::FenetreVisible(TFenetreBanc fenetre, bool visible)
{
    const auto i = static_cast<std::size_t>(fenetre);
    // A window made on first use is made only once it is to be seen.
    if (Fenetres[i] == nullptr && visible && FabriquesFenetres[i])
        FabriquesFenetres[i]();
    if (QWidget *cible = Fenetres[i])
        cible->setVisible(visible);
}

void TForm1::TrackBarChange(TTrackBarBanc trackBar, const TEtatTrackBar &etat)
{
    QSlider *cible = trackBar == TTrackBarBanc::TrackBarIe ? TrackBarIe : TrackBarN;
    // The model has already run the change handler: mirror its state silently.
    const QSignalBlocker bloqueur(cible);
    cible->setRange(etat.Min, etat.Max);
    cible->setTickInterval(etat.Frequence);
    // Ten rpm a page on the speed bar; the torque bar pages by its tick marks.
    cible->setPageStep(trackBar == TTrackBarBanc::TrackBarN && !Modele.Couplage ? 10 : etat.Frequence);
    cible->setValue(etat.Position);
    cible->setEnabled(etat.Enabled);
    // Read by assistive tools as Ie in A, N in rpm or the torque in N·m.
    if (trackBar == TTrackBarBanc::TrackBarIe) {
        TrackBarIe->DefinitLecture(1.6, -0.01, QStringLiteral("A")); // Ie = (160 - position) / 100, as the model has it
    } else {
        cible->setAccessibleName(Modele.Couplage ? QStringLiteral("Réglage couple")
                                                 : QStringLiteral("Réglage vitesse"));
        TrackBarN->DefinitLecture(0.0, Modele.Couplage ? 0.1 : 1.0,
                                  Modele.Couplage ? QStringLiteral("N·m") : QStringLiteral("tr/min"));
        TrackBarN->setToolTip(etat.Enabled ? QString() : QStringLiteral("Câblez d'abord les six bornes"));
    }
}

void TForm1::EtatInterrupteurs(bool fermes)
{
    for (Tinterrupteur *pole : {interrupteur1, interrupteur2, interrupteur3})
        pole->setEtat(fermes ? Tinterrupteur::intFer : Tinterrupteur::intOuv);
}

void TForm1::BorneActive(TBorne borne, bool active)
{
    Bornes[static_cast<std::size_t>(borne)]->setEnabled(active);
}

void TForm1::BoutonFermeInterActif(bool actif)
{
    BitBtnFermeInter->setEnabled(actif);
    BitBtnFermeInter->setToolTip(actif ? QStringLiteral("Coupler la machine au réseau")
                                       : QStringLiteral("Coupler la machine au réseau (indisponible tant que les six "
                                                        "bornes ne sont pas câblées)"));
}

void TForm1::MarqueBornes()
{
    const std::array<int, 3> &connexion = Modele.Connexion;
    for (std::size_t i = 0; i < Bornes.size(); ++i) {
        TShape *shape = Bornes[i];
        const bool interrupteur = i < 3;
        const int tag = Cablage.Tag(static_cast<TBorne>(i));
        // The partner's number on the other side, 0 while there is none.
        int partenaire = 0;
        if (interrupteur && tag >= 1 && tag <= 3)
            partenaire = connexion[static_cast<std::size_t>(tag - 1)];
        for (std::size_t k = 0; !interrupteur && k < connexion.size(); ++k)
            if (connexion[k] == tag)
                partenaire = static_cast<int>(k) + 1;
        const QString nom = shape->accessibleName();
        const QString autre = interrupteur ? QStringLiteral("une borne du réseau (R)")
                                           : QStringLiteral("une borne de l'interrupteur (S)");
        if (shape->isEnabled()) {
            shape->DefinitMarque(TShape::SansMarque);
            shape->setToolTip(nom + QStringLiteral("\u00a0: libre. Cliquez-la puis ") + autre +
                              QStringLiteral(" pour les relier par un fil."));
        } else if (partenaire) {
            shape->DefinitMarque(TShape::Reliee);
            shape->setToolTip(nom + QStringLiteral("\u00a0: reliée. « Recâbler » défait le câblage."));
        } else {
            shape->DefinitMarque(interrupteur ? TShape::AttendADroite : TShape::AttendAGauche);
            shape->setToolTip(nom + QStringLiteral("\u00a0: cliquée, sans fil\u00a0; elle attend ") + autre +
                              QStringLiteral(". Si une autre borne de son côté a été cliquée après elle, elle "
                                             "restera sans fil\u00a0: « Recâbler » recommence."));
        }
    }
}

void TForm1::ImageRegCoupleVisible(bool visible)
{
    ImageRegCouple->setVisible(visible);
}

} // namespace tavelor
