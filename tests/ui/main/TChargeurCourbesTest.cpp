#include "TChargeurCourbes.h"

#include "ApplicationTest.h"
#include "EmpreinteCourbes.h"
#include "ReponseurMessages.h"
#include "TActionsOutils.h"
#include "TFenetres.h"
#include "TForm1.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavelor {
namespace {

const QString module = QStringLiteral(TAVELOR_DOSSIER_MODULE);
const QString autreVersion = QStringLiteral(TAVELOR_DOSSIER_AUTRE_VERSION);
const QString sansEmpreinte = QStringLiteral(TAVELOR_DOSSIER_SANS_EMPREINTE);

// Only a module of this very build is taken; any other is passed over, the search going
// on, with the reason kept for the warning.
TEST(TChargeurCourbesTest, SeulLeModuleDeCetteConstructionEstPris)
{
    test::Application();
    QTemporaryDir vide;
    struct TCas {
        const char *nom;
        QStringList dossiers;
        bool pris;
        QStringList raisons;
    };
    const TCas cas[] = {
        {"as built", {module}, true, {}},
        {"another version",
         {autreVersion},
         false,
         {QString::fromUtf8(EmpreinteCourbes("0.9")), QString::fromUtf8(EmpreinteCourbes())}},
        {"no stamp", {sansEmpreinte}, false, {QStringLiteral("no build stamp")}},
        {"none", {vide.path()}, false, {vide.path()}},
        {"refused, then the right one", {autreVersion, sansEmpreinte, module}, true, {}},
    };
    for (const TCas &c : cas) {
        QString erreur;
        const TFabriqueCourbes fabrique = TChargeurCourbes::Charge(erreur, c.dossiers);
        EXPECT_EQ(fabrique != nullptr, c.pris) << c.nom << ": " << erreur.toStdString();
        for (const QString &raison : c.raisons)
            EXPECT_TRUE(erreur.contains(raison)) << c.nom << ": " << erreur.toStdString();
    }
}

// The module as built: it loads, and the window it makes follows the bench's model.
TEST(TChargeurCourbesTest, LeModuleConstruitFaitLaFenetre)
{
    test::Application();
    QString erreur;
    const TFabriqueCourbes fabrique = TChargeurCourbes::Charge(erreur, {module});
    ASSERT_NE(fabrique, nullptr) << erreur.toStdString();

    TFenetres fenetres(fabrique);
    fenetres.MontreCourbes();
    ASSERT_NE(fenetres.FormCourbes, nullptr);
    EXPECT_EQ(fenetres.FormCourbes->windowTitle(), QStringLiteral("Courbes caractéristiques"));
    EXPECT_TRUE(fenetres.FormCourbes->isVisible());
    fenetres.Form1->Modele.Chronos1Timer();
}

// A module of another version left next to the program (the test's own folder), and no
// module where an installation would put one: asking for the curves says that they are
// unavailable, as for a missing module, and leaves the bench running.
TEST(TChargeurCourbesTest, ModuleEtrangerRefuseLeBancContinue)
{
    test::Application();
    ASSERT_EQ(QDir(QCoreApplication::applicationDirPath()), QDir(autreVersion));

    test::TReponseurMessages reponseur;
    TFenetres fenetres;
    fenetres.Montre();
    fenetres.Outils->Actions()[0]->trigger();
    EXPECT_EQ(fenetres.FormCourbes, nullptr);
    EXPECT_EQ(reponseur.Textes,
              QStringList{QStringLiteral(
                  "Les courbes caractéristiques ne sont pas disponibles\u00A0: leur module est introuvable.")});
    EXPECT_TRUE(fenetres.Form1->isVisible());
    fenetres.Form1->Modele.Chronos1Timer();
}

} // namespace
} // namespace tavelor
