#include "TFormOrigine.h"

#include "BancCouple.h"
#include "ReponseurMessages.h"
#include "TPaintBox.h"

#include <QAction>
#include <QLineEdit>

#include <cmath>

namespace tavelor {
namespace {

class TFormOrigineTest : public test::BancCouple {
protected:
    TFormOrigine &Dialogue() { return *Fenetres->FormOrigine(); }

    void Ouvre() { BancCouple::Ouvre(Diagramme()->ailleetpositiondesvecteurs1, Dialogue()); }

    test::TReponseurMessages Messages;
};

// While coupled, V, Ev and I start at the new origin and j·Ls·ω·I at V's new tip,
// all in the step of the keystroke, with the clock standing still.
TEST_F(TFormOrigineTest, NewOriginMovesTheDiagramAtOnce)
{
    Ouvre();
    EXPECT_EQ(Dialogue().EditX->text(), "50");
    EXPECT_EQ(Dialogue().EditY->text(), "283");
    Tape(Dialogue().EditX, "100");
    Tape(Dialogue().EditY, "200");
    const TModele &m = Modele();
    for (const TNbComplexe *phaseur : {&m.VecV, &m.VecEv, &m.VecI}) {
        EXPECT_EQ(phaseur->X0, 100);
        EXPECT_EQ(phaseur->Y0, 200);
    }
    EXPECT_EQ(m.VecLsWI.X0, 100 + static_cast<int>(std::lround(m.EchelleV * m.VecV.Reel)));
    EXPECT_EQ(m.VecLsWI.Y0, 200);
    EXPECT_TRUE(Messages.Textes.isEmpty());
    // The next showing reads the origin back.
    Dialogue().hide();
    Ouvre();
    EXPECT_EQ(Dialogue().EditX->text(), "100");
    EXPECT_EQ(Dialogue().EditY->text(), "200");
}

TEST_F(TFormOrigineTest, TextThatIsNoIntegerBringsThePreviousOneBack)
{
    struct TCas {
        bool abscisse;
        const char *tape;
        const char *champ;
        int origine;
        int messages;
    };
    const TCas cas[] = {
        {true, "", "50", 50, 1},       {false, "", "283", 283, 1},
        {true, "7.5", "75", 75, 1},                                    // the point is refused, the 5 follows the 7
        {false, "x", "283", 283, 1},   {true, "-20", "5020", 5020, 1}, // "-" alone is refused; the digits follow 50
        {false, "400", "400", 400, 0},                                 // outside the box is applied as it is
    };
    for (const TCas &c : cas) {
        SCOPED_TRACE(c.tape);
        Modele().VecV.X0 = 50;
        Modele().VecV.Y0 = 283;
        Ouvre();
        Messages.Textes.clear();
        QLineEdit *champ = c.abscisse ? Dialogue().EditX : Dialogue().EditY;
        Tape(champ, c.tape);
        EXPECT_EQ(champ->text(), QString::fromLatin1(c.champ));
        EXPECT_EQ(c.abscisse ? Modele().VecV.X0 : Modele().VecV.Y0, c.origine);
        EXPECT_EQ(Messages.Textes.size(), c.messages);
        Dialogue().hide();
    }
}

} // namespace
} // namespace tavelor
