// The whole program under a long run of random user actions, its clock at full speed:
// terminals, track bars, the switch, re-wiring, the hidden key sequence,
// the diagram's menus, dialogs and measuring tools, windows shown and hidden, pauses.
// After every action at least one tick has run, and the bench must still tell one
// consistent story.
//
// EnduranceTest [--graine=S] [--actions=N], or TAVELOR_GRAINE and TAVELOR_ACTIONS.
// Without a seed one is drawn; it is printed first and again on failure, so that the
// run can be replayed (the clock's timing and the random phase order drawn at show
// time vary from run to run, so a replay follows the same actions, not the same ticks).

#include "ApplicationTest.h"
#include "ReponseurMessages.h"
#include "TChronos.h"
#include "TFenetres.h"
#include "TFormCourbes.h"
#include "TForm1.h"
#include "TFormAPropos.h"
#include "TFormAide.h"
#include "TFormChoixVect.h"
#include "TFormOrigine.h"
#include "TFormOscillogrammes.h"
#include "TFormVecteurCouplage.h"
#include "TFormVecteurs.h"
#include "TLabelCliquable.h"
#include "TPaintBox.h"
#include "TRapporteur.h"
#include "TShape.h"
#include "Tafficheur.h"
#include "TformEchellesDiagVect.h"
#include "Tinterrupteur.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <memory>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace tavelor::test {
namespace {

std::uint64_t Graine = 0;
long NombreActions = 2000;

// The clock at full speed: each tick is asked for as soon as the last one is handled.
constexpr std::uint32_t IntervalleRapide = 0; // µs

// Pu = Pa and V + jXI = Ev∠δ are exact identities of one update; a double carries them
// to about 1e-12 of the 10^3 V and W involved. A millionth still catches any mix of two
// updates, and lies far below the meters' last digit.
constexpr double Tolerance = 1e-6;

class TEndurance : public ::testing::Test {
public:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        Reponseur.Minuterie.setInterval(1);
        Fenetres = std::make_unique<TFenetres>(CreeFormCourbes);
        Fenetres->Montre();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Fenetres->Form1.get()));
        Fenetres->Form1->Chronos1->setInterval(IntervalleRapide);
        Hasard.seed(Graine);
    }
    void TearDown() override { Fenetres.reset(); }

    TForm1 &Banc() { return *Fenetres->Form1; }
    TModele &Modele() { return Banc().Modele; }

    int Entier(int min, int max) { return std::uniform_int_distribution<int>(min, max)(Hasard); }
    bool PileOuFace(double p = 0.5) { return std::bernoulli_distribution(p)(Hasard); }
    template <typename T> T *Un(const std::vector<T *> &choix)
    {
        return choix[static_cast<std::size_t>(Entier(0, static_cast<int>(choix.size()) - 1))];
    }

    // The windows a user can reach right now.
    std::vector<QWidget *> FenetresVisibles() const
    {
        std::vector<QWidget *> visibles;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->inherits("QMenu"))
                visibles.push_back(w);
        return visibles;
    }

    QWidget *FenetreCourbes() const { return Fenetres->FormCourbes.get(); }

    // Typed as on a keyboard: the window system hands it to the window, and its focus
    // widget gets it, as the hidden key sequence expects.
    void Tape(QWidget *fenetre, const std::string &texte)
    {
        for (char c : texte)
            QTest::keyClick(fenetre->windowHandle(), c);
    }

    // Pieces of numbers, of near-numbers and of foreign separators and blanks.
    std::string TexteAuHasard()
    {
        static const std::vector<std::string> morceaux = [] {
            const std::string liste = "0|1|2|5|9|45|0.8|0,8|.|,|-|+| |e|e5|x|1e308|-0|99999|100000|100001|"
                                      "99999999999999999999|\t|0x1F|\u066B|\u202F|\u00A0|nan|inf";
            std::vector<std::string> m;
            for (std::size_t debut = 0, fin; debut <= liste.size(); debut = fin + 1) {
                fin = std::min(liste.find('|', debut), liste.size());
                m.push_back(liste.substr(debut, fin - debut));
            }
            return m;
        }();
        std::string texte;
        for (int n = Entier(0, 4); n > 0; --n)
            texte += morceaux[static_cast<std::size_t>(Entier(0, static_cast<int>(morceaux.size()) - 1))];
        return texte;
    }

    // ---- Actions; each returns what it did, for the account of a failure.

    std::string ClicBorne()
    {
        TShape *borne = Un<TShape>(
            {Banc().ShapeS1, Banc().ShapeS2, Banc().ShapeS3, Banc().ShapeR1, Banc().ShapeR2, Banc().ShapeR3});
        Clic(*borne, QPoint(8, 8));
        return "click " + borne->objectName().toStdString();
    }

    std::string Excitation()
    {
        const int position = Entier(0, 160);
        Banc().TrackBarIe->setValue(position);
        return "TrackBarIe " + std::to_string(position);
    }

    std::string VitesseOuCouple()
    {
        TTrackBar *barre = Banc().TrackBarN;
        if (!barre->isEnabled())
            return "TrackBarN disabled";
        // Coupled, mostly within the stable range so that couplings last a while.
        const int position =
            Modele().Couplage && PileOuFace(0.7) ? Entier(-140, 140) : Entier(barre->minimum(), barre->maximum());
        barre->setValue(position);
        return "TrackBarN " + std::to_string(position);
    }

    std::string FermeInterrupteur()
    {
        QTest::mouseClick(Banc().BitBtnFermeInter, Qt::LeftButton);
        return "Fermer l'interrupteur";
    }

    std::string Recable()
    {
        QTest::mouseClick(Banc().BitBtnRecable, Qt::LeftButton);
        OscilloFermee = false;
        return "Recâbler";
    }

    // The coupling procedure with a little error on Ie and N, so that closing is now
    // accepted, now refused.
    std::string Synchronise()
    {
        TForm1 &b = Banc();
        TCablage &c = b.Cablage;
        const bool bienCable = Modele().OrdrePhases == 1 && Modele().Connexion[0] != 0 && c.CompteS == 4 &&
                               c.CompteR == 4 && !Modele().Couplage;
        if (!bienCable) {
            Recable();
            const bool direct = c.Tag(TBorne::ShapeS2) == 2;
            TShape *s2 = direct ? b.ShapeS2 : b.ShapeS3;
            TShape *s3 = direct ? b.ShapeS3 : b.ShapeS2;
            for (TShape *borne : {b.ShapeS1, b.ShapeR1, s2, b.ShapeR2, s3, b.ShapeR3})
                Clic(*borne, QPoint(8, 8));
        }
        b.TrackBarIe->setValue(160 - Entier(45, 49));
        b.TrackBarN->setValue(PileOuFace(0.8) ? 1500 : Entier(1490, 1510));
        Tape(Un(FenetresVisibles()), "bxqz");
        AttendUnTic();
        return std::string(bienCable ? "" : "Recâbler, wired in order, ") + "synchronised, " + FermeInterrupteur();
    }

    std::string Touches()
    {
        QWidget *fenetre = Un(FenetresVisibles());
        static const std::string touches = "bxqzaB0-.,";
        std::string texte;
        for (int n = Entier(1, 4); n > 0; --n)
            texte += touches[static_cast<std::size_t>(Entier(0, static_cast<int>(touches.size()) - 1))];
        Tape(fenetre, texte);
        return "keys \"" + texte + "\" in " + fenetre->windowTitle().toStdString();
    }

    std::string Menu()
    {
        TFormVecteurs &v = *Fenetres->FormVecteurs();
        if (!v.isVisible())
            return "menu: diagram hidden";
        QAction *action =
            Un<QAction>({v.Afficher2, v.Echelles1, v.Copierverspressepapier1, v.ailleetpositiondesvecteurs1,
                         v.Afficher1, v.ension2, v.Intensit2, v.Rapporteur1, v.CourbesCaracteristiques1});
        action->trigger();
        return "menu " + action->objectName().toStdString();
    }

    std::string Saisie()
    {
        std::vector<QLineEdit *> champs;
        if (Fenetres->formEchellesDiagVect()->isVisible())
            champs.insert(champs.end(), {Fenetres->formEchellesDiagVect()->EditV, Fenetres->formEchellesDiagVect()->EditI});
        if (Fenetres->FormOrigine()->isVisible())
            champs.insert(champs.end(), {Fenetres->FormOrigine()->EditX, Fenetres->FormOrigine()->EditY});
        if (champs.empty())
            return "saisie: no dialog";
        QLineEdit *champ = Un(champs);
        const QString texte = QString::fromStdString(TexteAuHasard());
        switch (Entier(0, 2)) {
        case 0: // pasted over the whole field
            champ->selectAll();
            champ->insert(texte);
            return "paste \"" + texte.toStdString() + "\" in " + champ->objectName().toStdString();
        case 1:
            // Character by character, as typed: one change, and maybe one refusal, each.
            for (QChar c : texte) {
                QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(champ, &appui);
            }
            return "type \"" + texte.toStdString() + "\" in " + champ->objectName().toStdString();
        default:
            for (int n = Entier(1, 3); n > 0; --n)
                QTest::keyClick(champ, Qt::Key_Backspace);
            return "backspace in " + champ->objectName().toStdString();
        }
    }

    std::string Choix()
    {
        TFormChoixVect &c = *Fenetres->FormChoixVect();
        if (!c.isVisible())
            return "choix: dialog hidden";
        QCheckBox *boite = Un<QCheckBox>({c.CheckBoxI, c.CheckBoxV, c.CheckBoxEv, c.CheckBoxXs});
        boite->click();
        return "toggle " + boite->objectName().toStdString();
    }

    std::string Souris()
    {
        TFormVecteurs &v = *Fenetres->FormVecteurs();
        if (!v.isVisible())
            return "souris: diagram hidden";
        const auto point = [this](QWidget *w) { return QPoint(Entier(0, w->width() - 1), Entier(0, w->height() - 1)); };
        if (v.Rapporteur2->isVisible() && PileOuFace()) {
            QWidget *r = v.Rapporteur2;
            test::Souris(*r, QEvent::MouseButtonPress, point(r), Qt::LeftButton, Qt::LeftButton);
            for (int n = Entier(1, 4); n > 0; --n)
                test::Souris(*r, QEvent::MouseMove, point(r), Qt::NoButton, Qt::LeftButton);
            test::Souris(*r, QEvent::MouseButtonRelease, point(r));
            return "drag on the protractor";
        }
        QWidget *zone = v.PaintBox1;
        test::Souris(*zone, QEvent::MouseButtonPress, point(zone), PileOuFace() ? Qt::LeftButton : Qt::RightButton,
                     Qt::NoButton);
        for (int n = Entier(1, 4); n > 0; --n)
            test::Souris(*zone, QEvent::MouseMove, point(zone), Qt::NoButton, Qt::NoButton);
        return "measuring line";
    }

    std::string MontreOuCache()
    {
        TFenetres &f = *Fenetres;
        // The curves window is closed three times as often as it is opened: shown, it
        // follows every move of the bars, which slows the soak down.
        switch (Entier(0, 11)) {
        case 0:
            QTest::mouseClick(Banc().BitBtnAide, Qt::LeftButton);
            return "Aide";
        case 1:
            QTest::mouseClick(Banc().BitBtnAPropos, Qt::LeftButton);
            return "A propos";
        case 2:
            f.FormAide()->close();
            return "close help";
        case 3:
            f.FormAPropos()->close();
            return "close About";
        case 4: {
            TDialogueDiagramme *d =
                Un<TDialogueDiagramme>({f.FormChoixVect(), f.formEchellesDiagVect(), f.FormOrigine()});
            if (d->isVisible())
                QTest::mouseClick(d->BitBtnFermer, Qt::LeftButton);
            return "close " + d->windowTitle().toStdString();
        }
        case 5:
            if (f.FormOscillogrammes->isVisible()) {
                f.FormOscillogrammes->close();
                OscilloFermee = true;
            }
            return "close the oscillograms";
        case 6:
            emit Banc().demandeCourbes();
            return "curves, asked by the bench";
        case 7:
            f.MontreCourbes();
            return "curves";
        case 8:
        case 9:
        case 10:
            if (QWidget *courbes = FenetreCourbes())
                courbes->close();
            return "close the curves";
        default:
            QTest::qWait(Entier(1, 30));
            return "wait";
        }
    }

    std::string Pause()
    {
        std::vector<TLabelCliquable *> titres;
        const auto ajoute = [&](QWidget *fenetre, std::initializer_list<TLabelCliquable *> labels) {
            if (fenetre->isVisible())
                titres.insert(titres.end(), labels);
        };
        const TFormVecteurCouplage &c = *Fenetres->FormVecteurCouplage;
        const TFormOscillogrammes &o = *Fenetres->FormOscillogrammes;
        ajoute(Fenetres->FormVecteurCouplage.get(), {c.Label1, c.Label2, c.Label3, c.Label4});
        ajoute(Fenetres->FormOscillogrammes.get(), {o.Label1, o.Label2, o.Label3, o.Label4});
        if (titres.empty())
            return "pause: nothing to pause";
        TLabelCliquable *titre = Un(titres);
        titre->click();
        return "click " + titre->window()->objectName().toStdString() + "/" + titre->objectName().toStdString();
    }

    // ---- Checks

    // Lets the clock run until the model has taken at least one step; false if it stalls.
    bool AttendUnTic()
    {
        const double t0 = Modele().t;
        QElapsedTimer chrono;
        chrono.start();
        while (Modele().t == t0) {
            if (chrono.elapsed() > 5000)
                return false;
            QCoreApplication::processEvents();
        }
        return true;
    }

    // What is wrong with the bench as it stands, one line each. The coupled state's
    // identities are checked only once an update has followed the last action.
    std::vector<std::string> Incoherences(bool apresUnTic)
    {
        std::vector<std::string> fautes;
        const auto verifie = [&](bool condition, const std::string &faute) {
            if (!condition)
                fautes.push_back(faute);
        };
        TForm1 &b = Banc();
        TModele &m = Modele();
        for (const auto *valeurs : {&m.VS1.Valeurs, &m.VS2.Valeurs, &m.VS3.Valeurs, &m.VR1.Valeurs, &m.VR2.Valeurs,
                                    &m.VR3.Valeurs, &m.vK1.Valeurs, &m.vK2.Valeurs, &m.vK3.Valeurs})
            verifie(valeurs->size() == 380, "a history holds " + std::to_string(valeurs->size()) + " samples");

        const bool couple = m.Couplage;
        const auto attendu = couple ? Tinterrupteur::intFer : Tinterrupteur::intOuv;
        for (const Tinterrupteur *pole : {b.interrupteur1, b.interrupteur2, b.interrupteur3})
            verifie(pole->Etat() == attendu, pole->objectName().toStdString() + " does not show the switch state");
        const TTrackBar &barre = *b.TrackBarN;
        verifie(couple ? barre.minimum() == -200 && barre.maximum() == 200
                       : barre.minimum() == 0 && barre.maximum() == 1800,
                "TrackBarN range " + std::to_string(barre.minimum()) + ".." + std::to_string(barre.maximum()));
        verifie(barre.value() == m.TrackBarN.Position && barre.isEnabled() == m.TrackBarN.Enabled &&
                    barre.minimum() == m.TrackBarN.Min && barre.maximum() == m.TrackBarN.Max,
                "TrackBarN differs from the model's");
        verifie(b.TrackBarIe->value() == m.TrackBarIe.Position, "TrackBarIe differs from the model's");
        verifie(!b.ImageRegCouple->isHidden() == couple, "\"Réglage couple\" picture wrong");
        verifie(couple || (b.ImageWarning->isHidden() && !b.TimerWarning.isActive()), "warning lamp while uncoupled");
        verifie(b.TimerWarning.isActive() == m.ClignotantActif(), "blinker differs from the model's");

        verifie(Fenetres->FormVecteurs()->isVisible() == couple, "single-phase diagram visibility");
        verifie(Fenetres->FormVecteurCouplage->isVisible() == !couple, "three-phase window visibility");
        verifie(Fenetres->FormOscillogrammes->isVisible() == (!couple && !OscilloFermee),
                "oscillogram window visibility");
        verifie(b.isVisible(), "the bench is gone");

        for (const Tafficheur *afficheur : b.findChildren<Tafficheur *>()) {
            const QString texte = afficheur->Texte().toLower();
            verifie(!texte.contains(QStringLiteral("nan")) && !texte.contains(QStringLiteral("inf")),
                    afficheur->objectName().toStdString() + " shows \"" + texte.toStdString() + "\"");
        }

        if (couple && apresUnTic) {
            verifie(std::abs(m.Pu - m.Pa) < Tolerance,
                    "Pu = " + std::to_string(m.Pu) + " W but Pa = " + std::to_string(m.Pa) + " W");
            const double X = TModele::Ls * 2.0 * std::numbers::pi * TModele::f;
            const double reel = TModele::V - X * m.VecI.Imag;
            const double imag = X * m.VecI.Reel;
            verifie(std::abs(reel - m.Ev * std::cos(m.delta)) < Tolerance &&
                        std::abs(imag - m.Ev * std::sin(m.delta)) < Tolerance,
                    "V + jXI = " + std::to_string(reel) + " + j" + std::to_string(imag) +
                        " V, Ev = " + std::to_string(m.Ev) + " V at " + std::to_string(m.delta) + " rad");
        }
        return fautes;
    }

    // Before the responder, whose timer needs the application.
    QApplication &Appli = Application();
    std::unique_ptr<TFenetres> Fenetres;
    TReponseurMessages Reponseur;
    std::mt19937_64 Hasard;
    // Closed by the user since the bench last showed it.
    bool OscilloFermee = false;
};

TEST_F(TEndurance, LeBancResteCoherentSousDesActionsAuHasard)
{
    using Action = std::string (TEndurance::*)();
    const std::vector<std::pair<Action, double>> actions{{&TEndurance::ClicBorne, 6},
                                                         {&TEndurance::Excitation, 6},
                                                         {&TEndurance::VitesseOuCouple, 10},
                                                         {&TEndurance::FermeInterrupteur, 4},
                                                         {&TEndurance::Recable, 1},
                                                         {&TEndurance::Synchronise, 3},
                                                         {&TEndurance::Touches, 3},
                                                         {&TEndurance::Menu, 6},
                                                         {&TEndurance::Saisie, 8},
                                                         {&TEndurance::Choix, 3},
                                                         {&TEndurance::Souris, 4},
                                                         {&TEndurance::MontreOuCache, 4},
                                                         {&TEndurance::Pause, 3}};
    std::vector<double> poids;
    for (const auto &action : actions)
        poids.push_back(action.second);
    std::discrete_distribution<std::size_t> tirage(poids.begin(), poids.end());

    const std::string rejouer =
        "replay with --graine=" + std::to_string(Graine) + " --actions=" + std::to_string(NombreActions);
    std::deque<std::string> dernieres; // the actions that led to a failure
    int couplages = 0;
    int ouvertures = 0;
    bool etaitCouple = false;
    for (long i = 0; i < NombreActions; ++i) {
        dernieres.push_back(std::to_string(i) + ": " + (this->*actions[tirage(Hasard)].first)());
        if (dernieres.size() > 12)
            dernieres.pop_front();
        // Now and then the next action follows at once, before any tick, as a quick user's would.
        const bool enchaine = PileOuFace(0.3);
        const bool tic = enchaine || AttendUnTic();
        if (enchaine)
            dernieres.back() += ", no tick after it";
        if (Modele().Couplage != etaitCouple) {
            etaitCouple = Modele().Couplage;
            (etaitCouple ? couplages : ouvertures) += 1;
            OscilloFermee = false;
        }
        std::vector<std::string> fautes = Incoherences(!enchaine);
        if (!tic)
            fautes.emplace_back("the clock stalled");
        // Each loss of synchronism is told once, whatever ran the update that found it.
        if (Reponseur.Textes.count(QStringLiteral("Le fonctionnement est instable")) > ouvertures)
            fautes.emplace_back("more \"instable\" messages than openings");
        if ((i + 1) % 10000 == 0)
            std::cout << i + 1 << " actions, " << couplages << " couplings" << std::endl;
        if (!fautes.empty()) {
            std::string recit;
            for (const std::string &faute : fautes)
                recit += "  " + faute + "\n";
            recit += "after:\n";
            for (const std::string &action : dernieres)
                recit += "  " + action + "\n";
            ADD_FAILURE() << "after action " << i << ", " << rejouer << "\n" << recit;
            return;
        }
    }
    std::cout << NombreActions << " actions, " << std::lround(Modele().t / TModele::dt) << " ticks, " << couplages
              << " couplings, " << ouvertures << " openings, " << Reponseur.Textes.size() << " messages\n";
    // A run that never couples proves little about the coupled invariants.
    if (NombreActions >= 1000) {
        EXPECT_GT(couplages, 0) << rejouer;
    }
}

} // namespace
} // namespace tavelor::test

int main(int argc, char **argv)
{
    // The offscreen platform regrets, at every window shown, what it cannot do.
    static const QtMessageHandler suivant = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &contexte, const QString &message) {
        if (!message.startsWith(QStringLiteral("This plugin does not support")))
            suivant(type, contexte, message);
    });
    ::testing::InitGoogleTest(&argc, argv);
    using tavelor::test::Graine;
    using tavelor::test::NombreActions;
    bool graineDonnee = false;
    if (const char *g = std::getenv("TAVELOR_GRAINE")) {
        Graine = std::stoull(g);
        graineDonnee = true;
    }
    if (const char *n = std::getenv("TAVELOR_ACTIONS"))
        NombreActions = std::stol(n);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.starts_with("--graine=")) {
            Graine = std::stoull(argument.substr(9));
            graineDonnee = true;
        } else if (argument.starts_with("--actions=")) {
            NombreActions = std::stol(argument.substr(10));
        } else {
            std::cerr << "usage: " << argv[0] << " [--graine=S] [--actions=N]\n";
            return 2;
        }
    }
    if (!graineDonnee)
        Graine = std::random_device{}();
    std::cout << "graine " << Graine << ", " << NombreActions << " actions\n";
    return RUN_ALL_TESTS();
}
