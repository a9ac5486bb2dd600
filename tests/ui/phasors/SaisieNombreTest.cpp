#include "SaisieNombre.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <optional>

namespace tavelor {
namespace {

class SaisieNombreTest : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(Initiale); }
    static void Locale(bool francaise)
    {
        QLocale::setDefault(francaise ? QLocale(QLocale::French, QLocale::France) : QLocale::c());
    }
    const QLocale Initiale;
};

TEST_F(SaisieNombreTest, RealsArePlainDecimalsWithTheLocaleSeparator)
{
    struct TCas {
        bool francaise;
        const char *texte;
        std::optional<double> valeur;
    };
    const TCas cas[] = {
        {false, "0.8", 0.8},
        {false, " 45 ", 45.0},
        {false, "-2.5", -2.5},
        {false, "12.", 12.0}, // as it stands while the user types a decimal
        {false, ".5", 0.5},
        {false, "0", 0.0},
        {true, "0,8", 0.8},
        {true, "-,25", -0.25},
        {true, "0.8", std::nullopt},
        {false, "0,8", std::nullopt},
        {false, "", std::nullopt},
        {false, "  ", std::nullopt},
        {false, ".", std::nullopt},
        {false, "-", std::nullopt},
        {false, "+1", std::nullopt},
        {false, "1e3", std::nullopt},
        {false, "0x10", std::nullopt},
        {false, "1.2.3", std::nullopt},
        {false, "--1", std::nullopt},
        {false, "1 000", std::nullopt},
        {false, "inf", std::nullopt},
        {false, "nan", std::nullopt},
        {false, "12a", std::nullopt},
    };
    for (const TCas &c : cas) {
        SCOPED_TRACE(c.texte);
        Locale(c.francaise);
        EXPECT_EQ(LitReel(QString::fromLatin1(c.texte)), c.valeur);
    }
    // More digits than a double can hold is not a number either.
    EXPECT_EQ(LitReel(QString(400, QLatin1Char('9'))), std::nullopt);
}

TEST_F(SaisieNombreTest, IntegersAreSignedDecimals)
{
    struct TCas {
        const char *texte;
        std::optional<int> valeur;
    };
    const TCas cas[] = {
        {"50", 50},
        {" 283 ", 283},
        {"-20", -20},
        {"007", 7},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {"1.5", std::nullopt},
        {"+3", std::nullopt},
        {"$1F", std::nullopt},
        {"0x1F", std::nullopt},
        {"1e2", std::nullopt},
        {"-", std::nullopt},
    };
    for (const TCas &c : cas) {
        SCOPED_TRACE(c.texte);
        EXPECT_EQ(LitEntier(QString::fromLatin1(c.texte)), c.valeur);
    }
}

// What the scales dialog writes must read back, exponents spelled out.
TEST_F(SaisieNombreTest, RealTextReadsBack)
{
    struct TCas {
        bool francaise;
        double x;
        const char *texte;
    };
    const TCas cas[] = {
        {false, 0.8, "0.8"},
        {true, 0.8, "0,8"},
        {false, 45, "45"},
        {false, -2.5, "-2.5"},
        {false, 1e20, "100000000000000000000"},
        {false, 1.25e16, "12500000000000000"},
        {false, 1.5e-7, "0.00000015"},
        {true, -3.25e-5, "-0,0000325"},
        {false, 0.1 + 0.2, "0.3"},
    };
    for (const TCas &c : cas) {
        SCOPED_TRACE(c.texte);
        Locale(c.francaise);
        const QString texte = TexteReel(c.x);
        EXPECT_EQ(texte, QString::fromLatin1(c.texte));
        ASSERT_TRUE(LitReel(texte).has_value());
        EXPECT_NEAR(*LitReel(texte), c.x, std::abs(c.x) * 1e-14);
    }
}

} // namespace
} // namespace tavelor
