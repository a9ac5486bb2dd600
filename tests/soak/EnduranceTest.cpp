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
//
// The coupled state is checked against the machine worked out here from what the user
// set (the track bars' readings) and the machine's data, not against the model's own
// intermediate values, and every meter's text against the value it should show.
// The curves window is the module's, loaded as the program loads it.

#include "ApplicationTest.h"
#include "FixedLocal.h"
#include "ReponseurMessages.h"
#include "TChargeurCourbes.h"
#include "TChronos.h"
#include "TFenetres.h"
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
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
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

// The model and the expectations below reach the same values by different roads; a
// double carries them to about 1e-12 of the 10^3 V and W involved. A millionth still
// catches any mix of two updates, and lies far below the meters' last digit.
constexpr double Tolerance = 1e-6;

constexpr double pi = std::numbers::pi;
const QString Instable = QStringLiteral("Le fonctionnement est instable");

// The no-load characteristic measured at 1500 rpm, proportional to the speed (Horner's
// form, apart from the model's own).
double FemAVide(double Ie, double N)
{
    return (6.717 + Ie * (471.9 + Ie * (418.2 + Ie * (-1236.0 + Ie * (868.8 - 200.7 * Ie))))) * N / 1500.0;
}

// The lossless machine on the infinite grid, from what the user set: the excitation,
// and the drive torque at the synchronous speed the grid holds the rotor to.
struct TRegimeAttendu {
    double N, Ev, Pu;
    double sinDelta, delta;
    std::complex<double> EvDelta, I; // Ev∠δ and I = (Ev∠δ − V) / (jX), generator convention

    TRegimeAttendu(double Ie, double Cm)
        : N(60.0 * TLoisMachine::f / TLoisMachine::p), Ev(FemAVide(Ie, N)), Pu(Cm * pi * N / 30.0),
          sinDelta(Pu * X() / (3.0 * TLoisMachine::V * Ev)), delta(std::asin(sinDelta)), EvDelta(std::polar(Ev, delta)),
          I((EvDelta - TLoisMachine::V) / std::complex<double>(0.0, X()))
    {}
    static double X() { return TLoisMachine::Ls * 2.0 * pi * TLoisMachine::f; }
};

class TEndurance : public ::testing::Test {
public:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        Reponseur.Minuterie.setInterval(1);
        // At the moment a loss of synchronism is told, nothing has moved yet: the torque
        // the user set must indeed lie beyond the limit.
        Reponseur.AuMessage = [this] {
            if (Reponseur.Textes.back() == Instable && Modele().Couplage && std::abs(RegimeAttendu().sinDelta) <= 1.0)
                OuverturesInjustifiees += 1;
        };
        QString erreur;
        const TFabriqueCourbes fabrique = TChargeurCourbes::Charge(erreur, {QStringLiteral(TAVELOR_DOSSIER_MODULE)});
        ASSERT_NE(fabrique, nullptr) << erreur.toStdString();
        Fenetres = std::make_unique<TFenetres>(fabrique);
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

    // Ie and the torque as the track bars read them (the torque bar's reading is Cm
    // only while coupled).
    double IeLu() { return Banc().TrackBarIe->Lecture(Banc().TrackBarIe->value()); }
    double NOuCmLu() { return Banc().TrackBarN->Lecture(Banc().TrackBarN->value()); }
    TRegimeAttendu RegimeAttendu() { return TRegimeAttendu(IeLu(), NOuCmLu()); }

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
        OuvertParRecablage = OuvertParRecablage || Modele().Couplage;
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
                         v.Afficher1, v.ension2, v.Intensit2, v.Rapporteur1, v.Outils1->actions()[0]});
        action->trigger();
        return "menu " + action->objectName().toStdString();
    }

    std::string Saisie()
    {
        std::vector<QLineEdit *> champs;
        if (Fenetres->formEchellesDiagVect()->isVisible())
            champs.insert(champs.end(),
                          {Fenetres->formEchellesDiagVect()->EditV, Fenetres->formEchellesDiagVect()->EditI});
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
            Banc().PopupMenuBanc->actions()[0]->trigger();
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

    // What is wrong with the bench as it stands, one line each. The model's values and
    // the meters are checked only once an update has followed the last action; the
    // voltmeter not in a step that opened or closed the switch, as the update that
    // opened it left it as it was.
    std::vector<std::string> Incoherences(bool apresUnTic, bool bascule)
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

        if (!apresUnTic)
            return fautes;
        const auto proche = [&](double valeur, double attendu, const std::string &nom) {
            verifie(std::abs(valeur - attendu) < Tolerance,
                    nom + " = " + std::to_string(valeur) + ", expected " + std::to_string(attendu));
        };
        // Each meter shows its value as the bench formats it: four significant digits.
        const auto montre = [&](const Tafficheur *afficheur, double valeur, int decimales) {
            const QString attendu = TexteNombre(valeur, 4, decimales);
            verifie(afficheur->Texte() == attendu, afficheur->objectName().toStdString() + " shows \"" +
                                                       afficheur->Texte().toStdString() + "\", not \"" +
                                                       attendu.toStdString() + "\"");
        };
        const double Ie = IeLu();
        montre(b.afficheurIe, Ie, 2);
        montre(b.afficheurI, m.I, 2);
        montre(b.afficheurPu, m.Pu, 0);
        if (!couple) {
            const double N = NOuCmLu();
            montre(b.afficheurN, N, 0);
            montre(b.afficheurPa, 0.0, 0);
            montre(b.afficheurCm, 0.0, 1);
            if (!bascule) {
                proche(m.Ev, FemAVide(Ie, N), "Ev");
                montre(b.afficheurV, m.Ev, 1);
            }
            return fautes;
        }

        const TRegimeAttendu r = RegimeAttendu();
        verifie(std::abs(r.sinDelta) <= 1.0,
                "still coupled beyond the stability limit, sin δ = " + std::to_string(r.sinDelta) +
                    " at Cm = " + std::to_string(NOuCmLu()) + " N.m, Ie = " + std::to_string(Ie) + " A");
        proche(m.N, r.N, "N");
        proche(m.Ev, r.Ev, "Ev");
        proche(m.delta, r.delta, "δ");
        proche(m.I, std::abs(r.I), "I");
        proche(m.VecI.Reel, r.I.real(), "I (real part)");
        proche(m.VecI.Imag, r.I.imag(), "I (imaginary part)");
        proche(m.Pu, r.Pu, "Pu");
        proche(m.Pa, r.Pu, "Pa");
        proche(m.VecEv.Reel, r.EvDelta.real(), "Ev∠δ (real part)");
        proche(m.VecEv.Imag, r.EvDelta.imag(), "Ev∠δ (imaginary part)");
        // The diagram's V + jX·I closes on the expected Ev∠δ.
        proche(m.VecV.Reel + m.VecLsWI.Reel, r.EvDelta.real(), "V + jXI (real part)");
        proche(m.VecV.Imag + m.VecLsWI.Imag, r.EvDelta.imag(), "V + jXI (imaginary part)");
        montre(b.afficheurN, m.N, 0);
        montre(b.afficheurPa, m.Pa, 0);
        montre(b.afficheurCm, NOuCmLu(), 1);
        if (!bascule)
            montre(b.afficheurV, TLoisMachine::V, 1);
        return fautes;
    }

    // Before the responder, whose timer needs the application.
    QApplication &Appli = Application();
    std::unique_ptr<TFenetres> Fenetres;
    TReponseurMessages Reponseur;
    std::mt19937_64 Hasard;
    // Closed by the user since the bench last showed it.
    bool OscilloFermee = false;
    // "Recâbler" opened the switch during the present step.
    bool OuvertParRecablage = false;
    // Losses of synchronism told while the user's torque lay within the limit.
    int OuverturesInjustifiees = 0;
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
    int ouverturesProtection = 0; // losses of synchronism
    int ouverturesRecablage = 0;

    // Once at the start, so that the module's window is surely made and painted.
    Fenetres->MontreCourbes();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FenetreCourbes()));

    for (long i = 0; i < NombreActions; ++i) {
        const bool etaitCouple = Modele().Couplage;
        OuvertParRecablage = false;
        dernieres.push_back(std::to_string(i) + ": " + (this->*actions[tirage(Hasard)].first)());
        if (dernieres.size() > 12)
            dernieres.pop_front();
        // Now and then the next action follows at once, before any tick, as a quick user's would.
        const bool enchaine = PileOuFace(0.3);
        const bool tic = enchaine || AttendUnTic();
        if (enchaine)
            dernieres.back() += ", no tick after it";
        const bool couple = Modele().Couplage;
        if (OuvertParRecablage)
            ouverturesRecablage += 1;
        else if (etaitCouple && !couple)
            ouverturesProtection += 1;
        if (couple && (!etaitCouple || OuvertParRecablage))
            couplages += 1;
        if (couple != etaitCouple)
            OscilloFermee = false;
        std::vector<std::string> fautes = Incoherences(!enchaine, couple != etaitCouple || OuvertParRecablage);
        if (!tic)
            fautes.emplace_back("the clock stalled");
        // Each loss of synchronism is told once, whatever ran the update that found it, and
        // nothing else opens the switch without "Recâbler".
        const auto messages = Reponseur.Textes.count(Instable);
        if (messages != ouverturesProtection)
            fautes.push_back(std::to_string(messages) + " \"instable\" messages for " +
                             std::to_string(ouverturesProtection) + " openings without \"Recâbler\"");
        if (OuverturesInjustifiees > 0)
            fautes.emplace_back("synchronism lost within the stability limit");
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
              << " couplings, " << ouverturesProtection << " losses of synchronism, " << ouverturesRecablage
              << " openings by \"Recâbler\", " << Reponseur.Textes.size() << " messages\n";
    // A run that never couples, or never loses synchronism, proves little about the
    // coupled state or the protection.
    if (NombreActions >= 1000) {
        EXPECT_GT(couplages, 0) << rejouer;
        EXPECT_GT(ouverturesProtection, 0) << rejouer;
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
