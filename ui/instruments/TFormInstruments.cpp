#include "TFormInstruments.h"

#include "FixedLocal.h"
#include "TAnnonce.h"
#include "TCablage.h"
#include "TInstruments.h"
#include "TLampeSynchro.h"
#include "TLecture.h"
#include "TModele.h"
#include "TSynchronoscope.h"
#include "TVoyantCondition.h"

#include <QLabel>

#include <cmath>

namespace tavelor {

namespace {

constexpr int Largeur = 800;
constexpr int Hauteur = 680;
constexpr int Gauche = 12;
constexpr int Milieu = 410;
constexpr int LargeurColonne = 388;
constexpr int HautPages = 44;
constexpr int HauteurPages = 544;

const QString Espace = QStringLiteral("\u00a0");

QString Volts(double u)
{
    return TexteInstrument(u, TGrandeurInstrument::Tension) + Espace + QStringLiteral("V");
}

QStringList TensionsSimpleEtComposee(double v)
{
    return {Volts(v), QStringLiteral("U\u00a0=\u00a0") + Volts(TLoisMachine::TensionComposee(v))};
}

QString Hertz(double f)
{
    return TexteInstrument(f, TGrandeurInstrument::Frequence) + Espace + QStringLiteral("Hz");
}

QString EnDegres(double angle)
{
    return TexteInstrument(Degres(angle), TGrandeurInstrument::Angle) + QStringLiteral("°");
}

QString Puissance(double x, const char *unite)
{
    return TexteInstrument(x, TGrandeurInstrument::Puissance) + Espace + QString::fromLatin1(unite);
}

// Which way a power flows, after its reading; none when it reads 0.
QString Sens(double puissance)
{
    if (std::abs(puissance) < TInstruments::PuissanceNulle)
        return {};
    return puissance > 0.0 ? QStringLiteral(", fournie au réseau") : QStringLiteral(", absorbée");
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

QWidget *Page(QWidget *parent)
{
    auto *page = new QWidget(parent);
    page->setGeometry(0, HautPages, Largeur, HauteurPages);
    return page;
}

} // namespace

TFormInstruments::TFormInstruments(const TModele &modele, const TCablage &cablage, QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Instruments"), QSize(Largeur, Hauteur), false, parent), Modele(modele),
      Cablage(cablage)
{
    setObjectName(QStringLiteral("FormInstruments"));
    Titre = new QLabel(this);
    Titre->setObjectName(QStringLiteral("Titre"));
    Titre->setGeometry(Gauche, 6, Largeur - 2 * Gauche, 34);
    Titre->setFont(TInstrument::Police(16, true));

    // Before coupling. Positions are within the page.
    PageSynchronisation = Page(this);
    PageSynchronisation->setObjectName(QStringLiteral("PageSynchronisation"));
    for (std::size_t k = 0; k < Lampes.size(); ++k) {
        Lampes[k] = new TLampeSynchro(QStringLiteral("Lampe %1").arg(k + 1), PageSynchronisation);
        Lampes[k]->setGeometry(Gauche + static_cast<int>(k) * 130, 0, 126, 200);
    }
    Synchronoscope = new TSynchronoscope(PageSynchronisation);
    Synchronoscope->setGeometry(Milieu, 0, LargeurColonne, 292);
    OrdrePhases = new TLecture(QStringLiteral("Ordre des phases"), TLecture::EnDessous, 13, 20, PageSynchronisation);
    OrdrePhases->setGeometry(Gauche, 206, LargeurColonne, 80);

    const auto lecture = [this](const char *nom, int x, int y, int hauteur) {
        auto *l = new TLecture(QString::fromUtf8(nom), TLecture::EnLigne, 13, 15, PageSynchronisation);
        l->setGeometry(x, y, LargeurColonne, hauteur);
        return l;
    };
    // The phase voltages carry their line voltage under them, to be compared with the
    // bench's grid voltmeter.
    TensionReseau = lecture("Tension simple du réseau", Gauche, 298, 48);
    TensionMachine = lecture("Tension simple de la machine", Gauche, 346, 48);
    EcartTension = lecture("Écart de tension", Gauche, 394, 36);
    FrequenceReseau = lecture("Fréquence du réseau", Milieu, 298, 48);
    FrequenceMachine = lecture("Fréquence de la machine", Milieu, 346, 48);
    EcartFrequence = lecture("Écart de fréquence", Milieu, 394, 36);

    const char *noms[4] = {"Même ordre des phases", "Même fréquence", "Même tension", "En phase"};
    for (std::size_t k = 0; k < Conditions.size(); ++k) {
        Conditions[k] = new TVoyantCondition(QString::fromUtf8(noms[k]), PageSynchronisation);
        Conditions[k]->setGeometry(k % 2 ? Milieu : Gauche, 436 + static_cast<int>(k / 2) * 54, LargeurColonne, 52);
    }

    // Once coupled.
    PagePuissances = Page(this);
    PagePuissances->setObjectName(QStringLiteral("PagePuissances"));
    const auto puissance = [this](const char *nom, int y, int hauteur) {
        auto *l = new TLecture(QString::fromUtf8(nom), TLecture::EnLigne, 18, 28, PagePuissances);
        l->setGeometry(Gauche, y, Largeur - 2 * Gauche, hauteur);
        return l;
    };
    PuissanceActive = puissance("Puissance active", 10, 76);
    PuissanceReactive = puissance("Puissance réactive", 96, 76);
    PuissanceApparente = puissance("Puissance apparente", 182, 76);
    FacteurPuissance = puissance("Facteur de puissance", 268, 120);
    AngleInterne = puissance("Angle interne", 398, 76);
    Convention = new QLabel(PagePuissances);
    Convention->setObjectName(QStringLiteral("Convention"));
    Convention->setFont(TInstrument::Police(13, false));
    Convention->setGeometry(Gauche + 6, 484, Largeur - 2 * Gauche, 54);
    PagePuissances->hide();

    Bilan = new TLecture(QStringLiteral("Bilan du couplage"), TLecture::EnDessous, 13, 14, this);
    Bilan->setGeometry(Gauche, HautPages + HauteurPages + 8, Largeur - 2 * Gauche, 80);
    AnnonceBilan = new TAnnonce(QString(), this);

    Titre->setText(QStringLiteral("Avant le couplage\u00a0: instruments de synchronisation"));
    TensionReseau->DefinitLignes(TensionsSimpleEtComposee(TLoisMachine::V));
    FrequenceReseau->DefinitTexte(Hertz(TLoisMachine::f));
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
        // Coupled, SuitPuissances names the machine's operation in the title at every tick.
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

    const QString ecartTension = Volts(s.EcartTension);
    const QString ecartFrequence = Hertz(s.EcartFrequence);
    const QString ordre = Ordre(s.Ordre);
    TensionMachine->DefinitLignes(TensionsSimpleEtComposee(s.VMachine));
    EcartTension->DefinitTexte(ecartTension);
    FrequenceMachine->DefinitTexte(Hertz(s.FMachine));
    EcartFrequence->DefinitTexte(ecartFrequence);
    OrdrePhases->DefinitTexte(ordre);

    const QString ecart = QStringLiteral("écart ");
    Conditions[0]->DefinitEtat(s.Conditions.Ordre,
                               s.Ordre == TOrdreConstate::CablageIncomplet ? ordre : QStringLiteral("ordre ") + ordre);
    Conditions[1]->DefinitEtat(s.Conditions.Frequence, ecart + ecartFrequence);
    Conditions[2]->DefinitEtat(s.Conditions.Tension, ecart + ecartTension);
    Conditions[3]->DefinitEtat(s.Conditions.Phase, s.Theta1 ? ecart + EnDegres(*s.Theta1) : sansAngle);
}

void TFormInstruments::SuitPuissances()
{
    const TPuissances p = TInstruments::Puissances(Modele);
    const TFonctionnement &f = p.Fonctionnement;
    Titre->setText(QStringLiteral("Machine couplée\u00a0: ") +
                   QString::fromStdString(TInstruments::NomFonctionnement(f)));
    PuissanceActive->DefinitTexte(Puissance(p.P, "W") + Sens(p.P));
    PuissanceReactive->DefinitTexte(Puissance(p.Q, "var") + Sens(p.Q));
    PuissanceApparente->DefinitTexte(Puissance(p.S, "VA"));
    if (p.CosPhi) {
        const QString courant = f.Retard > 0   ? QStringLiteral("courant en retard sur V")
                                : f.Retard < 0 ? QStringLiteral("courant en avance sur V")
                                               : QStringLiteral("courant en phase avec V");
        FacteurPuissance->DefinitLignes({TexteInstrument(*p.CosPhi, TGrandeurInstrument::FacteurPuissance), courant});
    } else {
        FacteurPuissance->DefinitTexte(QStringLiteral("—"));
    }
    AngleInterne->DefinitTexte(EnDegres(p.Delta));
    Convention->setText(QStringLiteral("cos\u00a0φ et déphasage en %1\u00a0: courant compté %2 la machine.\n"
                                       "P et Q sont positives quand la machine les fournit au réseau.")
                            .arg(QString::fromStdString(TInstruments::NomConvention(f.Convention)),
                                 f.Convention == TConvention::Generateur ? QStringLiteral("sortant de")
                                                                         : QStringLiteral("entrant dans")));
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
    Bilan->DefinitEncre(bilan.Conditions.Remplies() ? QColor(0, 120, 0) : QColor(190, 0, 0));
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
