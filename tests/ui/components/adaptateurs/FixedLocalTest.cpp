#include "FixedLocal.h"

#include "ApplicationTest.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <vector>

namespace tavelor {
namespace {

class FixedLocalTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::Application(); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

// A reading shows a true minus and no grouping in any locale; an edit field keeps the
// hyphen its reader takes back.
TEST_F(FixedLocalTest, MoinsVraiEtJamaisDeGroupes)
{
    struct Cas {
        QLocale locale;
        double valeur;
        int p, d;
        const char *lecture;
        const char *saisie;
    };
    const std::vector<Cas> cas{
        {QLocale(QLocale::French, QLocale::France), -6.04, 15, 1, "\u22126,0", "-6,0"},
        {QLocale(QLocale::French, QLocale::France), 3000, 15, 0, "3000", "3000"},
        {QLocale::c(), 3000, 15, 0, "3000", "3000"},
        {QLocale::c(), -1094.4, 15, 0, "\u22121094", "-1094"},
        {QLocale(QLocale::English, QLocale::UnitedStates), -12345.6, 4, 1, "\u22121.235E4", "-1.235E4"},
    };
    for (const Cas &c : cas) {
        QLocale::setDefault(c.locale);
        EXPECT_EQ(TexteNombre(c.valeur, c.p, c.d), QString::fromUtf8(c.lecture)) << c.valeur;
        EXPECT_EQ(FixedLocal(c.valeur, c.p, c.d), QString::fromUtf8(c.saisie)) << c.valeur;
    }
}

// A reading's text is made again only when the digits it shows change, or the locale's
// separator; every text it returns is the one a fresh formatting gives.
TEST_F(FixedLocalTest, TexteRefaitSeulementQuandLesChiffresChangent)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    TNombreAffiche tension(TGrandeurInstrument::Tension);
    struct Pas {
        double valeur;
        int formatages;
    };
    // Tenths of volts: 230.04 and 229.96 both show 230,0; 230.05 lies on a half, which the
    // binary value decides, so it is formatted anew; −0.04 and 0.04 both show 0,0.
    const std::vector<Pas> suite{{230.04, 1}, {229.96, 1}, {230.0, 1}, {230.06, 2},
                                 {230.14, 2}, {-0.04, 3},  {0.04, 3},  {230.05, 4}};
    for (const Pas &p : suite) {
        EXPECT_EQ(tension.Texte(p.valeur), TexteInstrument(p.valeur, TGrandeurInstrument::Tension)) << p.valeur;
        EXPECT_EQ(tension.Formatages(), p.formatages) << p.valeur;
    }
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(tension.Texte(230.05), QStringLiteral("230.1"));

    // The shared texts of the instruments: the same digits give the very same string.
    const QString a = TexteInstrument(-6.04, TGrandeurInstrument::Angle, QStringLiteral("°"));
    const QString b = TexteInstrument(-5.96, TGrandeurInstrument::Angle, QStringLiteral("°"));
    EXPECT_EQ(a, QString::fromUtf8("\u22126.0°"));
    EXPECT_TRUE(a.isSharedWith(b)) << "made twice";
    EXPECT_EQ(TexteInstrument(-6.04, TGrandeurInstrument::Angle), QString::fromUtf8("\u22126.0"));
}

} // namespace
} // namespace tavelor
