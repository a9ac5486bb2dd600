#pragma once

// The program's nine windows with the machine coupled to the grid, wired in the grid's
// order at 1500 rpm and 0.47 A, and the clock stopped so that nothing moves between
// two steps of a test unless the test asks.

#include "ApplicationTest.h"
#include "ProcedureBanc.h"
#include "TChronos.h"
#include "TFenetres.h"
#include "TForm1.h"
#include "TFormVecteurs.h"

#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tavelor::test {

class BancCouple : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application();
        QApplication::setQuitOnLastWindowClosed(false);
        Fenetres = std::make_unique<TFenetres>();
        Fenetres->Montre();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Fenetres->Form1.get()));
        Fenetres->Form1->Chronos1->setEnable(false);
        Couple();
        ASSERT_TRUE(Modele().Couplage);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Diagramme()));
    }

    void TearDown() override
    {
        Fenetres.reset();
        QLocale::setDefault(LocaleInitiale);
    }

    TModele &Modele() { return Fenetres->Form1->Modele; }
    TFormVecteurs *Diagramme() { return Fenetres->FormVecteurs.get(); }

    static void Locale(bool francaise)
    {
        QLocale::setDefault(francaise ? QLocale(QLocale::French, QLocale::France) : QLocale::c());
    }

    std::unique_ptr<TFenetres> Fenetres;

private:
    void Couple()
    {
        CoupleLeBanc(Modele(), Fenetres->Form1->Cablage);
        Modele().MiseAJourModele(); // the first coupled tick
    }

    const QLocale LocaleInitiale;
};

} // namespace tavelor::test
