#pragma once

// The program's nine windows with the machine coupled to the grid, wired in the grid's
// order at 1500 rpm and 0.47 A, and the clock stopped so that nothing moves between
// two steps of a test unless the test asks.

#include "BancTest.h"
#include "ProcedureBanc.h"
#include "TFormVecteurs.h"

#include <QAction>
#include <QLineEdit>
#include <QLocale>

namespace tavelor::test {

class BancCouple : public TBancTest {
protected:
    void SetUp() override
    {
        TBancTest::SetUp();
        Couple();
        ASSERT_TRUE(Modele().Couplage);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Diagramme()));
    }

    void TearDown() override
    {
        TBancTest::TearDown();
        QLocale::setDefault(LocaleInitiale);
    }

    TFormVecteurs *Diagramme() { return Fenetres->FormVecteurs(); }

    static void Locale(bool francaise)
    {
        QLocale::setDefault(francaise ? QLocale(QLocale::French, QLocale::France) : QLocale::c());
    }

    // Opens a dialog of the diagram by its menu item.
    static void Ouvre(QAction *article, const QWidget &dialogue)
    {
        article->trigger();
        ASSERT_TRUE(dialogue.isVisible());
    }

    // Selects the whole field and types `texte` key by key; an empty text erases.
    static void Tape(QLineEdit *champ, const char *texte)
    {
        champ->setFocus();
        QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
        if (!*texte)
            QTest::keyClick(champ, Qt::Key_Backspace);
        QTest::keyClicks(champ, QString::fromLatin1(texte));
    }

private:
    void Couple()
    {
        CoupleLeBanc(Modele(), Fenetres->Form1->Cablage);
        Modele().MiseAJourModele(); // the first coupled tick
    }

    const QLocale LocaleInitiale;
};

} // namespace tavelor::test
