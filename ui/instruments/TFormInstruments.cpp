#include "TFormInstruments.h"

#include "FixedLocal.h"
#include "TAnnonce.h"
#include "TCablage.h"
#include "TCouplage.h"
#include "TInstruments.h"
#include "TLampeSynchro.h"
#include "TLecture.h"
#include "TModele.h"
#include "TSynchronoscope.h"
#include "TVoyantCondition.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

#include <cmath>

namespace tavelor {

namespace {


QString Volts(double u)
{
    return TexteInstrument(u, TGrandeurInstrument::Tension, QStringLiteral("\u00a0V"));
}

// The phase voltage, then the line voltage.
void DefinitTensions(TLecture &lecture, double v)
{
    lecture.DefinitLignes(Volts(v), TexteInstrument(TLoisMachine::TensionComposee(v), TGrandeurInstrument::Tension,
                                                    QStringLiteral("\u00a0V"), QStringLiteral("U\u00a0=\u00a0")));
}

QString Hertz(double f)
{
    return TexteInstrument(f, TGrandeurInstrument::Frequence, QStringLiteral("\u00a0Hz"));
}

QString EnDegres(double angle)
{
    return TexteInstrument(Degres(angle), TGrandeurInstrument::Angle, QStringLiteral("°"));
}

// `unite` preceded by its non-breaking space.
QString Puissance(double x, const QString &unite)
{
    return TexteInstrument(x, TGrandeurInstrument::Puissance, unite);
}

// Which way a power flows, under its reading; none when it reads 0.
QString Sens(double puissance)
{
    if (std::abs(puissance) < TInstruments::PuissanceNulle)
        return {};
    return puissance > 0.0 ? QStringLiteral("fournie au réseau") : QStringLiteral("absorbée");
}

QString Ordre(TOrdreConstate ordre)
{
    switch (ordre) {
    case TOrdreConstate::Identique:
        return QStringLiteral("identique");
    case TOrdreConstate::Inverse:
        return QStringLiteral("inversé");
    case TOrdreConstate::CablageIncomplet:
        break;
    }
    return QStringLiteral("câblage incomplet");
}

// A column of widgets without margins of its own.
QWidget *Bloc(std::initializer_list<QWidget *> membres)
{
    auto *bloc = new QWidget;
    auto *colonne = new QVBoxLayout(bloc);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(2);
    for (QWidget *membre : membres)
        colonne->addWidget(membre);
    return bloc;
}

} // namespace

TFormInstruments::TFormInstruments(const TModele &modele, const TCablage &cablage, QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Instruments"), QSize(800, 640), false, parent), Modele(modele),
      Cablage(cablage)
{
    setObjectName(QStringLiteral("FormInstruments"));
    // Laid out, not placed: the window fits small screens and large fonts, and reflows.
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    Defilement = new QScrollArea(this);
    Defilement->setFrameShape(QFrame::NoFrame);
    Defilement->setWidgetResizable(true);
    Defilement->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *contenu = new QWidget;
    contenu->setAutoFillBackground(false);
    Defilement->viewport()->setAutoFillBackground(false);
    auto *colonne = new QVBoxLayout(contenu);
    colonne->setContentsMargins(12, 6, 12, 8);
    colonne->setSpacing(8);
    auto *fenetre = new QVBoxLayout(this);
    fenetre->setContentsMargins(0, 0, 0, 0);
    fenetre->addWidget(Defilement);

    Titre = new QLabel;
    Titre->setObjectName(QStringLiteral("Titre"));
    Titre->setFont(TInstrument::Police(16, true));
    Titre->setWordWrap(true);
    colonne->addWidget(Titre);

    // Before coupling.
    PageSynchronisation = new QWidget;
    PageSynchronisation->setObjectName(QStringLiteral("PageSynchronisation"));
    Grille = new QGridLayout(PageSynchronisation);
    Grille->setContentsMargins(0, 0, 0, 0);
    Grille->setHorizontalSpacing(16);
    Grille->setVerticalSpacing(6);
    auto *lampes = new QHBoxLayout;
    lampes->setContentsMargins(0, 0, 0, 0);
    for (std::size_t k = 0; k < Lampes.size(); ++k) {
        Lampes[k] = new TLampeSynchro(QStringLiteral("Lampe %1").arg(k + 1), nullptr);
        lampes->addWidget(Lampes[k]);
    }
    OrdrePhases = new TLecture(QStringLiteral("Ordre des phases"), TLecture::EnDessous, 13, 20, nullptr);
    BlocLampes = Bloc({});
    static_cast<QVBoxLayout *>(BlocLampes->layout())->addLayout(lampes);
    BlocLampes->layout()->addWidget(OrdrePhases);
    static_cast<QVBoxLayout *>(BlocLampes->layout())->addStretch();
    Synchronoscope = new TSynchronoscope(nullptr);

    const auto lecture = [](const char *nom) {
        return new TLecture(QString::fromUtf8(nom), TLecture::EnLigne, 13, 15, nullptr);
    };
    // The phase voltages carry their line voltage under them, to be compared with the
    // bench's grid voltmeter.
    TensionReseau = lecture("Tension simple du réseau");
    TensionMachine = lecture("Tension simple de la machine");
    EcartTension = lecture("Écart de tension");
    FrequenceReseau = lecture("Fréquence du réseau");
    FrequenceMachine = lecture("Fréquence de la machine");
    EcartFrequence = lecture("Écart de fréquence");
    BlocTensions = Bloc({TensionReseau, TensionMachine, EcartTension});
    BlocFrequences = Bloc({FrequenceReseau, FrequenceMachine, EcartFrequence});

    const char *noms[4] = {"Même ordre des phases", "Même fréquence", "Même tension", "En phase"};
    for (std::size_t k = 0; k < Conditions.size(); ++k)
        Conditions[k] = new TVoyantCondition(QString::fromUtf8(noms[k]), nullptr);
    Dispose(true);
    colonne->addWidget(PageSynchronisation);

    // Once coupled.
    PagePuissances = new QWidget;
    PagePuissances->setObjectName(QStringLiteral("PagePuissances"));
    auto *puissances = new QVBoxLayout(PagePuissances);
    puissances->setContentsMargins(0, 0, 0, 0);
    const auto puissance = [puissances](const char *nom) {
        auto *l = new TLecture(QString::fromUtf8(nom), TLecture::EnLigne, 18, 28, nullptr);
        puissances->addWidget(l);
        return l;
    };
    PuissanceActive = puissance("Puissance active");
    PuissanceReactive = puissance("Puissance réactive");
    PuissanceApparente = puissance("Puissance apparente");
    FacteurPuissance = puissance("Facteur de puissance");
    AngleInterne = puissance("Angle interne");
    Convention = new QLabel;
    Convention->setObjectName(QStringLiteral("Convention"));
    Convention->setFont(TInstrument::Police(13, false));
    Convention->setWordWrap(true);
    puissances->addWidget(Convention);
    PagePuissances->hide();
    colonne->addWidget(PagePuissances);

    Bilan = new TLecture(QStringLiteral("Bilan du couplage"), TLecture::EnDessous, 13, 14, nullptr);
    colonne->addWidget(Bilan);
    colonne->addStretch();
    Defilement->setWidget(contenu);
    AnnonceBilan = new TAnnonce(QString(), this);

    Titre->setText(QStringLiteral("Avant le couplage\u00a0: instruments de synchronisation"));
    DefinitTensions(*TensionReseau, TLoisMachine::V);
    FrequenceReseau->DefinitTexte(Hertz(TLoisMachine::f));
    for (std::size_t k = 0; k < Lampes.size(); ++k)
        Lampes[k]->setToolTip(QStringLiteral("Lampe branchée aux bornes du pôle %1 de l'interrupteur\u00a0: "
                                             "éteinte quand la machine et le réseau y sont en phase")
                                  .arg(k + 1));
    Synchronoscope->setToolTip(QStringLiteral("Synchroscope\u00a0: l'aiguille indique le déphasage entre la "
                                              "phase 1 de la machine et le réseau\u00a0; coupler quand elle est "
                                              "dans la zone verte, en haut"));
    OrdrePhases->setToolTip(QStringLiteral("Ordre de succession des phases de la machine comparé à celui du réseau"));
    // The tolerances the conditions are judged by.
    const QString bulles[4] = {
        QStringLiteral("Les phases de la machine se succèdent dans le même ordre que celles du réseau"),
        QStringLiteral("La fréquence de la machine est celle du réseau, à %1 près")
            .arg(Hertz(TCouplage::ToleranceFrequence)),
        QStringLiteral("La tension de la machine est celle du réseau, à %1 près")
            .arg(Volts(TCouplage::ToleranceTension)),
        QStringLiteral("La phase 1 de la machine est en phase avec le réseau, à %1 près")
            .arg(EnDegres(TCouplage::TolerancePhase))};
    for (std::size_t k = 0; k < Conditions.size(); ++k)
        Conditions[k]->setToolTip(QStringLiteral("Condition de couplage\u00a0: ") + bulles[k]);
    Bilan->setToolTip(QStringLiteral("Les conditions relevées au dernier couplage"));
    // The longest texts they will show, so that the first layout has room for them.
    Bilan->DefinitLignes(
        {QStringLiteral("Conditions non remplies"),
         QStringLiteral("À la fermeture\u00a0: Δf = \u221200,00\u00a0Hz, ΔU = \u2212000,0\u00a0V, θ = \u2212000,0°")});
    Bilan->DefinitTexte(QStringLiteral("pas encore de couplage"));
    for (TLecture *l : {TensionMachine, EcartTension, FrequenceMachine, EcartFrequence})
        l->DefinitTexte(QStringLiteral("\u2212000,00\u00a0Hz"));
    DefinitTensions(*TensionMachine, TLoisMachine::V);
    OrdrePhases->DefinitTexte(QStringLiteral("câblage incomplet"));
    FacteurPuissance->DefinitLignes({QStringLiteral("0,000"), QStringLiteral("en retard sur V")});
    for (TLecture *l : {PuissanceActive, PuissanceReactive, PuissanceApparente, AngleInterne})
        l->DefinitLignes({QStringLiteral("\u22120000\u00a0var"), QStringLiteral("fournie au réseau")});

    // Smallest: one column, scrolled; first shown with both columns in full.
    const QSize contenuLarge = contenu->sizeHint();
    Dispose(false);
    const QMargins marges = colonne->contentsMargins();
    const int largeurPuissances = PagePuissances->minimumSizeHint().width() + marges.left() + marges.right();
    setMinimumSize(std::max(contenu->minimumSizeHint().width(), largeurPuissances) + LargeurBarre(), 360);
    Dispose(true);
    resize(contenuLarge + QSize(LargeurBarre(), 0));
}

int TFormInstruments::LargeurBarre() const
{
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Defilement) + 2;
}

int TFormInstruments::LargeurDeuxColonnes() const
{
    const auto largeur = [](std::initializer_list<const QWidget *> membres) {
        int l = 0;
        for (const QWidget *membre : membres)
            l = std::max(l, membre->minimumSizeHint().width());
        return l;
    };
    const QMargins marges = Defilement->widget()->layout()->contentsMargins();
    return largeur({BlocLampes, BlocTensions, Conditions[0], Conditions[2]}) +
           largeur({Synchronoscope, BlocFrequences, Conditions[1], Conditions[3]}) + Grille->horizontalSpacing() +
           marges.left() + marges.right() + LargeurBarre();
}

// Two columns (lamps beside the synchroscope, voltages beside frequencies), or at small
// widths one column in the order a student reads them.
void TFormInstruments::Dispose(bool deuxColonnes)
{
    if (DeuxColonnes == deuxColonnes)
        return;
    DeuxColonnes = deuxColonnes;
    const std::array<QWidget *, 8> membres{BlocLampes,    Synchronoscope, BlocTensions,  BlocFrequences,
                                           Conditions[0], Conditions[1],  Conditions[2], Conditions[3]};
    for (QWidget *membre : membres)
        Grille->removeWidget(membre);
    for (std::size_t k = 0; k < membres.size(); ++k) {
        const int rang = static_cast<int>(k);
        if (deuxColonnes)
            Grille->addWidget(membres[k], rang / 2, rang % 2, Qt::AlignTop);
        else
            Grille->addWidget(membres[k], rang, 0, Qt::AlignTop);
    }
    for (int c = 0; c < 2; ++c)
        Grille->setColumnStretch(c, deuxColonnes || c == 0 ? 1 : 0);
    // Asked at once for the new arrangement's size, even before the window is shown.
    Grille->invalidate();
    PageSynchronisation->updateGeometry();
    if (QLayout *contenu = Defilement->widget() ? Defilement->widget()->layout() : nullptr)
        contenu->invalidate();
}

void TFormInstruments::resizeEvent(QResizeEvent *event)
{
    TFenetreSecondaire::resizeEvent(event);
    Dispose(width() >= LargeurDeuxColonnes());
}

void TFormInstruments::DefinitModeTP(bool actif)
{
    AngleInterne->setVisible(!actif);
    setWindowTitle(actif ? QStringLiteral("Instruments — mode TP") : QStringLiteral("Instruments"));
}

void TFormInstruments::showEvent(QShowEvent *event)
{
    TFenetreSecondaire::showEvent(event);
    // Up to date from the first frame, without waiting for a tick.
    Suit();
}

void TFormInstruments::hideEvent(QHideEvent *event)
{
    // Shown again, the window does not repeat a report already said.
    AnnonceBilan->hide();
    TFenetreSecondaire::hideEvent(event);
}

void TFormInstruments::Suit()
{
    if (!isVisible())
        return;
    const bool couple = Modele.Couplage;
    if (PagePuissances->isHidden() == couple) {
        PageSynchronisation->setVisible(!couple);
        PagePuissances->setVisible(couple);
        // Coupled, SuitPuissances names the machine's operation in the title when it changes.
        FonctionnementAffiche.reset();
        if (!couple)
            Titre->setText(QStringLiteral("Avant le couplage\u00a0: instruments de synchronisation"));
    }
    if (couple)
        SuitPuissances();
    else
        SuitSynchronisation();
    SuitBilan();
}

void TFormInstruments::SuitSynchronisation()
{
    const TSynchronisation s = TInstruments::Synchronisation(Modele, Cablage);
    for (std::size_t k = 0; k < Lampes.size(); ++k)
        Lampes[k]->DefinitEtat(s.Lampes[k]);

    const bool pole1 = Modele.Connexion[0] >= 1 && Modele.Connexion[0] <= 3;
    const QString sansAngle = pole1 ? QStringLiteral("machine à l'arrêt") : QStringLiteral("phase 1 non raccordée");
    Synchronoscope->DefinitAiguille(s.Theta1, s.Sens, sansAngle);

    // Texts kept from tick to tick: made again only when their digits change.
    const QString ecartTension = Volts(s.EcartTension);
    const QString ecartFrequence = Hertz(s.EcartFrequence);
    const QString ordre = Ordre(s.Ordre);
    DefinitTensions(*TensionMachine, s.VMachine);
    EcartTension->DefinitTexte(ecartTension);
    FrequenceMachine->DefinitTexte(Hertz(s.FMachine));
    EcartFrequence->DefinitTexte(ecartFrequence);
    OrdrePhases->DefinitTexte(ordre);

    const QString ecart = QStringLiteral("écart ");
    Conditions[0]->DefinitEtat(s.Conditions.Ordre, s.Ordre == TOrdreConstate::Identique ? QStringLiteral("ordre identique")
                                                   : s.Ordre == TOrdreConstate::Inverse ? QStringLiteral("ordre inversé")
                                                                                         : ordre);
    Conditions[1]->DefinitEtat(s.Conditions.Frequence, TexteInstrument(s.EcartFrequence, TGrandeurInstrument::Frequence,
                                                                       QStringLiteral("\u00a0Hz"), ecart));
    Conditions[2]->DefinitEtat(s.Conditions.Tension, TexteInstrument(s.EcartTension, TGrandeurInstrument::Tension,
                                                                     QStringLiteral("\u00a0V"), ecart));
    Conditions[3]->DefinitEtat(s.Conditions.Phase, s.Theta1 ? TexteInstrument(Degres(*s.Theta1), TGrandeurInstrument::Angle,
                                                                              QStringLiteral("°"), ecart)
                                                            : sansAngle);
}

void TFormInstruments::SuitPuissances()
{
    const TPuissances p = TInstruments::Puissances(Modele);
    const TFonctionnement &f = p.Fonctionnement;
    // The title and the convention's words change with the operation, not at every tick.
    if (FonctionnementAffiche != f) {
        FonctionnementAffiche = f;
        Titre->setText(QStringLiteral("Machine couplée\u00a0: ") +
                       QString::fromStdString(TInstruments::NomFonctionnement(f)));
        Convention->setText(QStringLiteral("cos\u00a0φ et déphasage en %1\u00a0: courant compté %2 la machine.\n"
                                           "P et Q sont positives quand la machine les fournit au réseau.")
                                .arg(QString::fromStdString(TInstruments::NomConvention(f.Convention)),
                                     f.Convention == TConvention::Generateur ? QStringLiteral("sortant de")
                                                                             : QStringLiteral("entrant dans")));
    }
    // The direction under the reading, so that the window keeps its narrow width.
    const auto puissance = [](TLecture *lecture, const QString &valeur, const QString &sens) {
        if (sens.isEmpty())
            lecture->DefinitTexte(valeur);
        else
            lecture->DefinitLignes(valeur, sens);
    };
    puissance(PuissanceActive, Puissance(p.P, QStringLiteral("\u00a0W")), Sens(p.P));
    puissance(PuissanceReactive, Puissance(p.Q, QStringLiteral("\u00a0var")), Sens(p.Q));
    PuissanceApparente->DefinitTexte(Puissance(p.S, QStringLiteral("\u00a0VA")));
    if (p.CosPhi) {
        const QString courant = f.Retard > 0   ? QStringLiteral("en retard sur V")
                                : f.Retard < 0 ? QStringLiteral("en avance sur V")
                                               : QStringLiteral("en phase avec V");
        FacteurPuissance->DefinitLignes(TexteInstrument(*p.CosPhi, TGrandeurInstrument::FacteurPuissance), courant);
    } else {
        FacteurPuissance->DefinitTexte(QStringLiteral("—"));
    }
    AngleInterne->DefinitTexte(EnDegres(p.Delta));
}

void TFormInstruments::SuitBilan()
{
    const std::optional<TReleveFermeture> &fermeture = Cablage.Fermeture();
    const int numero = fermeture ? fermeture->Numero : 0;
    if (numero == BilanAffiche)
        return;
    BilanAffiche = numero;
    if (!fermeture) {
        Bilan->DefinitTexte(QStringLiteral("pas encore de couplage"));
        return;
    }
    const TBilanCouplage bilan = TInstruments::Bilan(*fermeture);
    const QString verdict = QString::fromStdString(bilan.Verdict);
    const bool bon = bilan.Conditions.Remplies() && !bilan.PerteSynchronisme;
    Bilan->DefinitEncre(bon ? QColor(0, 120, 0) : QColor(190, 0, 0));
    const TEcartsCouplage &e = bilan.Ecarts;
    const QString theta = e.Theta1 ? EnDegres(*e.Theta1) : QStringLiteral("—");
    Bilan->DefinitLignes({verdict, QStringLiteral("À la fermeture\u00a0: Δf = %1, ΔU = %2, θ = %3")
                                       .arg(Hertz(e.EcartFrequence), Volts(e.EcartTension), theta)});
    // Hidden first: an alert is said when it appears.
    AnnonceBilan->hide();
    AnnonceBilan->setAccessibleName(QStringLiteral("Bilan du couplage\u00a0: ") + verdict);
    AnnonceBilan->show();
}

} // namespace tavelor
