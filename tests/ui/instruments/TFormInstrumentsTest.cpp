#include "TFormInstruments.h"

#include "BancTest.h"
#include "ReponseurMessages.h"
#include "TAnnonce.h"
#include "TFormOscillogrammes.h"
#include "TFormVecteurs.h"
#include "TLampeSynchro.h"
#include "TLecture.h"
#include "TSynchronoscope.h"
#include "TVoyantCondition.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>

#include <numbers>

// Failures print the texts.
inline void PrintTo(const QString &texte, std::ostream *os)
{
    *os << '"' << texte.toStdString() << '"';
}

namespace tavelor {
namespace {

using namespace test;
using enum TBorne;

constexpr double degre = std::numbers::pi / 180.0;

class TFormInstrumentsTest : public TBancTest {
protected:
    void SetUp() override
    {
        TBancTest::SetUp();
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    }
    void TearDown() override
    {
        TBancTest::TearDown();
        QLocale::setDefault(QLocale::c());
    }

    TFormInstruments &Instruments()
    {
        Fenetres->MontreInstruments();
        return *Fenetres->FormInstruments;
    }

    // Stator phases 2 and 3 crossed to grid phases 3 and 2: the wrong order.
    void CableALEnvers()
    {
        TCablage &c = Fenetres->Form1->Cablage;
        const TBorne s2 = c.Tag(ShapeS2) == 2 ? ShapeS2 : ShapeS3;
        const TBorne s3 = s2 == ShapeS2 ? ShapeS3 : ShapeS2;
        for (TBorne borne : {ShapeS1, ShapeR1, s2, ShapeR3, s3, ShapeR2})
            c.ShapeS1MouseUp(borne);
    }

    // Stator phase 1 the given angle ahead of its grid phase, the window following.
    void Decale(double angle)
    {
        Modele().AligneRotor();
        Modele().theta += angle;
        Modele().MiseAJourModele();
        Instruments().Suit();
    }

    QStringList Lampes()
    {
        QStringList l;
        for (const TLampeSynchro *lampe : Instruments().Lampes)
            l << lampe->Lecture();
        return l;
    }
};

// Made at the first asking, by the bench's menu, F3 or the diagram's "Outils"; closing hides it.
TEST_F(TFormInstrumentsTest, OuverteALaDemandeParLesMenusEtLesTouches)
{
    TForm1 &banc = *Fenetres->Form1;
    EXPECT_EQ(Fenetres->FormInstruments, nullptr) << "not made at start-up";
    QStringList articles;
    for (const QAction *a : banc.PopupMenuBanc->actions())
        articles << a->text();
    EXPECT_EQ(articles, (QStringList{"Courbes caractéristiques…", "Instruments…", "Relevés…", "Relever le point",
                                     "Oscillogrammes", "Mode TP (sans courbes théoriques ni δ)"}));

    // F3 from another window than the bench.
    Fenetres->FormOscillogrammes->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Fenetres->FormOscillogrammes.get()));
    QTest::keyClick(Fenetres->FormOscillogrammes.get(), Qt::Key_F3);
    ASSERT_NE(Fenetres->FormInstruments, nullptr);
    TFormInstruments *fenetre = Fenetres->FormInstruments.get();
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(fenetre->windowTitle(), QStringLiteral("Instruments"));
    fenetre->close();
    EXPECT_FALSE(fenetre->isVisible());
    banc.PopupMenuBanc->actions()[1]->trigger();
    EXPECT_TRUE(fenetre->isVisible());
    fenetre->close();

    // Shift+F10 or the Menu key opens the bench's menu from the keyboard.
    for (const auto &[touche, modificateur] :
         {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
        banc.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&banc));
        QTest::keyClick(&banc, touche, modificateur);
        EXPECT_TRUE(banc.PopupMenuBanc->isVisible()) << touche;
        banc.PopupMenuBanc->hide();
    }

    TFormVecteurs *diagramme = Fenetres->FormVecteurs();
    EXPECT_EQ(diagramme->Outils1->title(), QStringLiteral("Outils"));
    EXPECT_EQ(diagramme->Outils1->actions().size(), 6);
    diagramme->Outils1->actions()[1]->trigger();
    EXPECT_EQ(Fenetres->FormInstruments.get(), fenetre);
    EXPECT_TRUE(fenetre->isVisible());
}

// Every instrument is a text to a screen reader, named as its caption, described by its reading.
TEST_F(TFormInstrumentsTest, ChaqueInstrumentSeLitCommeIlSAffiche)
{
    Cable(TCablageTest::EnOrdre);
    Regle(1470, 0.47);
    Tics(3);
    TFormInstruments &f = Instruments();
    const std::vector<std::pair<TInstrument *, const char *>> attendus{
        {f.Lampes[0], "Lampe 1"},
        {f.Synchronoscope, "Synchronoscope"},
        {f.TensionReseau, "Tension simple du réseau"},
        {f.TensionMachine, "Tension simple de la machine"},
        {f.EcartTension, "Écart de tension"},
        {f.FrequenceReseau, "Fréquence du réseau"},
        {f.FrequenceMachine, "Fréquence de la machine"},
        {f.EcartFrequence, "Écart de fréquence"},
        {f.OrdrePhases, "Ordre des phases"},
        {f.Conditions[0], "Même ordre des phases"},
        {f.Conditions[3], "En phase"},
        {f.PuissanceReactive, "Puissance réactive"},
        {f.Bilan, "Bilan du couplage"},
    };
    for (const auto &[instrument, nom] : attendus) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(instrument);
        EXPECT_EQ(a->role(), QAccessible::StaticText) << nom;
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(nom));
        EXPECT_EQ(a->text(QAccessible::Description), instrument->Lecture()) << nom;
    }
    EXPECT_EQ(f.TensionReseau->Lignes(), (QStringList{"230,0\u00a0V", "U\u00a0=\u00a0398,4\u00a0V"}));
    EXPECT_EQ(f.TensionMachine->Lignes(), (QStringList{"225,7\u00a0V", "U\u00a0=\u00a0391,0\u00a0V"}));
    EXPECT_EQ(f.FrequenceMachine->Lecture(), QStringLiteral("49,00\u00a0Hz"));
    EXPECT_EQ(f.EcartFrequence->Lecture(), QStringLiteral("\u22121,00\u00a0Hz"));
    EXPECT_EQ(f.OrdrePhases->Lecture(), QStringLiteral("identique"));
    EXPECT_EQ(f.Bilan->Lecture(), QStringLiteral("pas encore de couplage"));
    EXPECT_TRUE(f.PageSynchronisation->isVisible());
    EXPECT_FALSE(f.PagePuissances->isVisible());

    // Hidden, it does nothing: the readings wait for the next showing.
    f.hide();
    const QString avant = f.Synchronoscope->Lecture();
    Tics(200);
    EXPECT_EQ(f.Synchronoscope->Lecture(), avant);
    f.show();
    EXPECT_NE(f.Synchronoscope->Lecture(), avant);
}

// In the grid's order the lamps go dark together; crossed, the dark one turns from lamp to lamp.
TEST_F(TFormInstrumentsTest, LampesEteintesEnsembleOuTournantes)
{
    Cable(TCablageTest::EnOrdre);
    Regle(1500, 0.47);
    Decale(0.0);
    EXPECT_EQ(Lampes(), (QStringList{"0,4\u00a0V, éteinte", "0,4\u00a0V, éteinte", "0,4\u00a0V, éteinte"}));
    Decale(90 * degre);
    EXPECT_EQ(Lampes(), (QStringList{"325,5\u00a0V, allumée", "325,5\u00a0V, allumée", "325,5\u00a0V, allumée"}));

    Fenetres->Form1->Cablage.BitBtnRecableClick();
    CableALEnvers();
    Regle(1500, 0.47);
    // The dark lamp goes 1, 3, 2 as the machine slips a turn ahead of the grid.
    const std::pair<int, QStringList> tour[] = {
        {0, {"0,4\u00a0V, éteinte", "398,7\u00a0V, allumée", "398,7\u00a0V, allumée"}},
        {120, {"398,7\u00a0V, allumée", "398,7\u00a0V, allumée", "0,4\u00a0V, éteinte"}},
        {240, {"398,7\u00a0V, allumée", "0,4\u00a0V, éteinte", "398,7\u00a0V, allumée"}},
    };
    // Lamps are named by pole: with phase 3 drawn behind S2, the lamps of poles 2 and 3 trade
    // places, and the dark one goes 1, 2, 3.
    const bool echange = Fenetres->Form1->Cablage.Tag(ShapeS2) == 3;
    for (auto [angle, lampes] : tour) {
        if (echange)
            lampes.swapItemsAt(1, 2);
        Decale(angle * degre);
        EXPECT_EQ(Lampes(), lampes) << angle;
    }
    EXPECT_EQ(Instruments().OrdrePhases->Lecture(), QStringLiteral("inversé"));
    EXPECT_EQ(Instruments().Conditions[0]->Lecture(), QStringLiteral("non remplie, ordre inversé"));

    // An unwired pole's lamp.
    Fenetres->Form1->Cablage.BitBtnRecableClick();
    Cable(TCablageTest::UnPole);
    Instruments().Suit();
    EXPECT_EQ(Lampes()[1], QStringLiteral("non raccordée"));
    EXPECT_EQ(Instruments().OrdrePhases->Lecture(), QStringLiteral("câblage incomplet"));
}

// Clockwise (the angle grows) when the machine runs fast, anticlockwise when slow.
TEST_F(TFormInstrumentsTest, SensDuSynchronoscope)
{
    Cable(TCablageTest::EnOrdre);
    const struct {
        int n, sens;
        const char *texte;
    } cas[] = {{1470, -1, "machine trop lente"}, {1500, 0, "au synchronisme"}, {1530, 1, "machine trop rapide"}};
    for (const auto &c : cas) {
        Regle(c.n, 0.47);
        Decale(0.0);
        const TSynchronoscope &s = *Instruments().Synchronoscope;
        EXPECT_EQ(s.Aiguille(), 0);
        Tics(10); // 10 ticks at 1 Hz of slip: 0.72°
        ASSERT_TRUE(s.Aiguille().has_value());
        EXPECT_EQ(*s.Aiguille(), c.sens * 7) << c.n;
        EXPECT_EQ(s.Lecture(), QString::fromUtf8(c.sens > 0   ? "0,7°, "
                                                 : c.sens < 0 ? "\u22120,7°, "
                                                              : "0,0°, ") +
                                   QString::fromUtf8(c.texte));
    }
    Regle(0, 0.47);
    Tics(1);
    EXPECT_EQ(Instruments().Synchronoscope->Lecture(), QStringLiteral("—, machine à l'arrêt"));
}

// The conditions at their tolerance's edges: 0.1 Hz, 10°.
TEST_F(TFormInstrumentsTest, ConditionsAuxBordsDeLaTolerance)
{
    Cable(TCablageTest::EnOrdre);
    const struct {
        int n;
        double angle;
        const char *frequence, *phase;
    } cas[] = {
        {1503, 10.0, "remplie, écart 0,10\u00a0Hz", "remplie, écart 10,0°"},
        {1504, 10.2, "non remplie, écart 0,13\u00a0Hz", "non remplie, écart 10,2°"},
        {1497, -10.0, "remplie, écart \u22120,10\u00a0Hz", "remplie, écart \u221210,0°"},
    };
    for (const auto &c : cas) {
        Regle(c.n, 0.47);
        Decale(c.angle * degre);
        const TFormInstruments &f = Instruments();
        EXPECT_EQ(f.Conditions[0]->Lecture(), QStringLiteral("remplie, ordre identique"));
        EXPECT_EQ(f.Conditions[1]->Lecture(), QString::fromUtf8(c.frequence));
        EXPECT_EQ(f.Conditions[3]->Lecture(), QString::fromUtf8(c.phase));
        EXPECT_EQ(f.Conditions[1]->Remplie(), c.n != 1504);
    }
    EXPECT_TRUE(Instruments().Conditions[2]->Remplie()) << Instruments().Conditions[2]->Lecture().toStdString();
}

// The report after a good closing and after a protective opening, said once each; the power meters.
TEST_F(TFormInstrumentsTest, BilanPuisPuissancesAuxEtatsTemoins)
{
    TFormInstruments &f = Instruments();
    TCablage &cablage = Fenetres->Form1->Cablage;
    Cable(TCablageTest::EnOrdre);
    Regle(1500, 0.47);
    Decale(0.0);
    EXPECT_FALSE(f.AnnonceBilan->isVisible());
    cablage.BitBtnFermeInterClick();
    Tics(1);
    EXPECT_TRUE(f.PagePuissances->isVisible());
    EXPECT_FALSE(f.PageSynchronisation->isVisible());
    EXPECT_EQ(f.Bilan->Lignes(), (QStringList{"Couplage dans de bonnes conditions",
                                              "À la fermeture\u00a0: Δf = 0,00\u00a0Hz, ΔU = 0,4\u00a0V, θ = 0,0°"}));
    EXPECT_TRUE(f.AnnonceBilan->isVisible());
    EXPECT_EQ(f.AnnonceBilan->accessibleName(),
              QStringLiteral("Bilan du couplage\u00a0: Couplage dans de bonnes conditions"));

    // P and Q with their direction, cos φ positive with the lag or lead in the convention
    // the title's operation calls for, and that convention named under the meters.
    const struct {
        int ie, couple;
        QStringList lectures, cosPhi;
        const char *titre, *convention;
    } etats[] = {
        {47,
         100,
         {"1571\u00a0W, fournie au réseau", "\u2212690\u00a0var, absorbée", "1716\u00a0VA", "47,6°"},
         {"0,916", "en avance sur V"},
         "alternateur, sous-excitée",
         "en convention générateur\u00a0: courant compté sortant de la machine"},
        {47,
         -100,
         {"\u22121571\u00a0W, absorbée", "\u2212690\u00a0var, absorbée", "1716\u00a0VA", "\u221247,6°"},
         {"0,916", "en retard sur V"},
         "moteur, sous-excitée",
         "en convention récepteur\u00a0: courant compté entrant dans la machine"},
        {100,
         0,
         {"0\u00a0W", "913\u00a0var, fournie au réseau", "913\u00a0VA", "0,0°"},
         {"0,000", "en avance sur V"},
         "compensateur synchrone, surexcitée",
         "en convention récepteur\u00a0: courant compté entrant dans la machine"},
    };
    for (const auto &e : etats) {
        SCOPED_TRACE(e.titre);
        Regle(0, e.ie / 100.0);
        Modele().PositionneTrackBar(TTrackBarBanc::TrackBarN, e.couple);
        Tics(1);
        EXPECT_EQ((QStringList{f.PuissanceActive->Lecture(), f.PuissanceReactive->Lecture(),
                               f.PuissanceApparente->Lecture(), f.AngleInterne->Lecture()}),
                  e.lectures);
        EXPECT_EQ(f.FacteurPuissance->Lignes(), e.cosPhi);
        EXPECT_EQ(f.Titre->text(), QStringLiteral("Machine couplée\u00a0: ") + QString::fromUtf8(e.titre));
        EXPECT_TRUE(f.Convention->text().contains(QString::fromUtf8(e.convention)))
            << f.Convention->text().toStdString();
    }

    // Opened, brought too fast, under-excited and 30° off, then closed as pole 1 passes zero.
    cablage.Decoupler();
    Tics(1);
    EXPECT_TRUE(f.PageSynchronisation->isVisible());
    EXPECT_EQ(f.Bilan->Lignes().front(), QStringLiteral("Couplage dans de bonnes conditions")) << "kept";
    // Closed again and driven beyond the stability limit: the protection opens the switch,
    // and the report says so.
    Regle(1500, 0.47);
    Decale(0.0);
    cablage.BitBtnFermeInterClick();
    ASSERT_TRUE(Modele().Couplage);
    Modele().PositionneTrackBar(TTrackBarBanc::TrackBarN, 200);
    TReponseurMessages reponseur;
    Tics(2);
    ASSERT_FALSE(Modele().Couplage);
    EXPECT_EQ(reponseur.Textes, QStringList{"Le fonctionnement est instable"});
    const QString perte =
        QStringLiteral("Perte de synchronisme\u00a0: la machine a décroché et l'interrupteur s'est ouvert");
    EXPECT_EQ(f.Bilan->Lignes().front(), perte);
    EXPECT_EQ(f.AnnonceBilan->accessibleName(), QStringLiteral("Bilan du couplage\u00a0: ") + perte);
    EXPECT_TRUE(f.AnnonceBilan->isVisible());
    // Shown again, the window says nothing it has said.
    f.hide();
    f.show();
    EXPECT_FALSE(f.AnnonceBilan->isVisible());
}

// At its smallest (one column, scrolled) and at its first size (two columns), in both pages
// and at whatever scale the run has (CTest runs this at 1 and 2): no instrument or text
// overlaps another, and each has at least the room its texts need.
TEST_F(TFormInstrumentsTest, RienNeSeChevaucheNiNEstCoupe)
{
    TFormInstruments &fenetre = Instruments();
    const QSize premiere = fenetre.size();
    EXPECT_LE(fenetre.minimumWidth(), 640);
    EXPECT_LE(fenetre.minimumHeight(), 400);
    for (const bool couple : {false, true}) {
        if (couple) {
            Cable(TCablageTest::EnOrdre);
            Regle(1500, 0.47);
            Decale(0.0);
            Fenetres->Form1->Cablage.BitBtnFermeInterClick();
            Tics(1);
            ASSERT_TRUE(fenetre.PagePuissances->isVisible());
        }
        for (const QSize taille : {fenetre.minimumSize(), premiere}) {
            fenetre.resize(taille);
            fenetre.Suit();
            QCoreApplication::processEvents();
            QList<QWidget *> feuilles;
            for (QWidget *w : fenetre.findChildren<QWidget *>())
                if (w->isVisibleTo(&fenetre) && (qobject_cast<TInstrument *>(w) || qobject_cast<QLabel *>(w)))
                    feuilles << w;
            ASSERT_GE(feuilles.size(), couple ? 7 : 17);
            const auto rect = [&](const QWidget *w) { return QRect(w->mapTo(&fenetre, QPoint()), w->size()); };
            for (qsizetype i = 0; i < feuilles.size(); ++i) {
                const QWidget *a = feuilles[i];
                EXPECT_GE(a->width(), a->minimumSizeHint().width()) << a->accessibleName().toStdString();
                EXPECT_GE(a->height(), a->minimumSizeHint().height()) << a->accessibleName().toStdString();
                for (qsizetype j = i + 1; j < feuilles.size(); ++j)
                    EXPECT_FALSE(rect(a).intersects(rect(feuilles[j])))
                        << a->accessibleName().toStdString() << " / " << feuilles[j]->accessibleName().toStdString()
                        << " at " << taille.width() << "x" << taille.height();
            }
            // Never cut sideways: the page reflows rather than scrolling across.
            const auto *defilement = fenetre.findChild<QScrollArea *>();
            EXPECT_FALSE(defilement->horizontalScrollBar()->isVisible()) << taille.width();
        }
    }
}

} // namespace
} // namespace tavelor
