#include "TChargeurCourbes.h"

#include "ApplicationTest.h"
#include "ReponseurMessages.h"
#include "TFenetres.h"
#include "TForm1.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavelor {
namespace {

// The module as built: it loads, and the window it makes follows the bench's model.
TEST(TChargeurCourbesTest, LeModuleConstruitFaitLaFenetre)
{
    test::Application();
    QString erreur;
    const TFabriqueCourbes fabrique = TChargeurCourbes::Charge(erreur, {QStringLiteral(TAVELOR_DOSSIER_MODULE)});
    ASSERT_NE(fabrique, nullptr) << erreur.toStdString();

    TFenetres fenetres(fabrique);
    fenetres.MontreCourbes();
    ASSERT_NE(fenetres.FormCourbes, nullptr);
    EXPECT_EQ(fenetres.FormCourbes->windowTitle(), QStringLiteral("Courbes caractéristiques"));
    EXPECT_TRUE(fenetres.FormCourbes->isVisible());
    fenetres.Form1->Modele.Chronos1Timer();
}

// Without the module, asking for the curves says so and leaves the bench running.
TEST(TChargeurCourbesTest, SansModuleLeBancContinue)
{
    test::Application();
    QTemporaryDir vide;
    QString erreur;
    EXPECT_EQ(TChargeurCourbes::Charge(erreur, {vide.path()}), nullptr);
    EXPECT_FALSE(erreur.isEmpty());

    test::TReponseurMessages reponseur;
    TFenetres fenetres; // the test's own folder holds no module
    fenetres.Montre();
    emit fenetres.Form1->demandeCourbes();
    EXPECT_EQ(fenetres.FormCourbes, nullptr);
    EXPECT_EQ(reponseur.Textes,
              QStringList{QStringLiteral(
                  "Les courbes caractéristiques ne sont pas disponibles : leur module est introuvable.")});
    EXPECT_TRUE(fenetres.Form1->isVisible());
    fenetres.Form1->Modele.Chronos1Timer();
}

} // namespace
} // namespace tavelor
