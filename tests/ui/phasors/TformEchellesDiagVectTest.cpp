#include "TformEchellesDiagVect.h"

#include "BancCouple.h"
#include "ReponseurMessages.h"

#include <QAction>
#include <QLineEdit>

#include <cmath>

namespace tavelor {
namespace {

class TformEchellesDiagVectTest : public test::BancCouple {
protected:
    TformEchellesDiagVect &Dialogue() { return *Fenetres->formEchellesDiagVect(); }

    void Ouvre() { BancCouple::Ouvre(Diagramme()->Echelles1, Dialogue()); }

    test::TReponseurMessages Messages;
};

TEST_F(TformEchellesDiagVectTest, ShowingWritesTheScalesInTheLocaleForm)
{
    for (bool francaise : {false, true}) {
        Locale(francaise);
        Dialogue().hide();
        Ouvre();
        EXPECT_EQ(Dialogue().EditV->text(), francaise ? "0,8" : "0.8");
        EXPECT_EQ(Dialogue().EditI->text(), "45");
    }
    EXPECT_TRUE(Messages.Textes.isEmpty());
}

// Each keystroke is applied at once; a text that does not parse brings
// "Saisie invalide" and the previous scale back, written with two decimals.
TEST_F(TformEchellesDiagVectTest, TypedScalesAreAppliedOrRefused)
{
    struct TCas {
        bool francaise;
        bool tension;
        const char *tape;
        const char *champ; // what the field holds afterwards
        double echelle;
        int messages;
    };
    const TCas cas[] = {
        {false, true, "", "0.80", 0.8, 1},
        {true, true, "", "0,80", 0.8, 1},
        {false, true, "1.6", "1.6", 1.6, 0},
        {true, true, "1,5", "1,5", 1.5, 0},
        // A point in EditV stays a point, which a French locale refuses at once.
        {true, true, "1.5", "1,005", 1.005, 1},
        // In EditI a typed point is the locale's separator.
        {true, false, "2.5", "2,5", 2.5, 0},
        {false, false, "2.5", "2.5", 2.5, 0},
        {false, false, "0", "0", 0.0, 0},
        // "-" alone is refused on the way, and the digits follow the restored scale.
        {false, false, "-30", "45.0030", 45.003, 1},
        {false, true, "x", "0.80", 0.8, 1},
        // Past 100 000 px/V the arrows would leave the integer range.
        {false, true, "1000000", "100000", 1e5, 1},
    };
    for (const TCas &c : cas) {
        SCOPED_TRACE(c.tape);
        Locale(c.francaise);
        Modele().EchelleV = 0.8;
        Modele().EchelleI = 45;
        Ouvre();
        Messages.Textes.clear();
        QLineEdit *champ = c.tension ? Dialogue().EditV : Dialogue().EditI;
        Tape(champ, c.tape);
        EXPECT_EQ(champ->text(), QString::fromLatin1(c.champ));
        EXPECT_DOUBLE_EQ(c.tension ? Modele().EchelleV : Modele().EchelleI, c.echelle);
        EXPECT_EQ(Messages.Textes.size(), c.messages);
        for (const QString &texte : Messages.Textes)
            EXPECT_EQ(texte, "Saisie invalide");
        Dialogue().hide();
    }
}

// A scale too large for two decimals comes back in full rather than as an exponent,
// which the field would refuse again and again.
TEST_F(TformEchellesDiagVectTest, HugeScaleComesBackWhole)
{
    Ouvre();
    Tape(Dialogue().EditV, "12345");
    Tape(Dialogue().EditV, "");
    EXPECT_EQ(Dialogue().EditV->text(), "12345");
    EXPECT_DOUBLE_EQ(Modele().EchelleV, 12345);
    EXPECT_EQ(Messages.Textes.size(), 1);
}

TEST_F(TformEchellesDiagVectTest, ChangingOneScaleRewritesEveryPhasor)
{
    Ouvre();
    for (TNbComplexe *phaseur : {&Modele().VecV, &Modele().VecEv, &Modele().VecLsWI, &Modele().VecI})
        phaseur->Echelle = 7;
    Tape(Dialogue().EditI, "30");
    EXPECT_EQ(Modele().VecI.Echelle, 30);
    EXPECT_EQ(Modele().VecV.Echelle, 0.8);
    EXPECT_EQ(Modele().VecEv.Echelle, 0.8);
    EXPECT_EQ(Modele().VecLsWI.Echelle, 0.8);
    // The model update of the change hangs j·Ls·ω·I on V's new tip.
    Tape(Dialogue().EditV, "0.5");
    EXPECT_EQ(Modele().VecLsWI.X0, Modele().VecV.X0 + static_cast<int>(std::lround(0.5 * Modele().VecV.Reel)));
}

} // namespace
} // namespace tavelor
