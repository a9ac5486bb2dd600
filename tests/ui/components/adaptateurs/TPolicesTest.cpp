#include "TPolices.h"

#include "ApplicationTest.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace tavelor {
namespace {

class TPolicesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::Application(); }
};

TEST_F(TPolicesTest, TypefacesOfTheWindowDescriptionsAnyCase)
{
    EXPECT_EQ(TPolices::Famille("arial"), "Liberation Sans");
    EXPECT_EQ(TPolices::Famille("Arial"), "Liberation Sans");
    EXPECT_EQ(TPolices::Famille("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(TPolices::Famille("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(TPolices::Famille("SYMBOL"), "Liberation Sans");
    EXPECT_EQ(TPolices::Famille("DejaVu Sans"), "DejaVu Sans");
    EXPECT_TRUE(TPolices::EstSymbole("Symbol"));
    EXPECT_FALSE(TPolices::EstSymbole("arial"));
}

TEST_F(TPolicesTest, FontsAreInstalledAndSizedInPoints)
{
    for (const char *nom : {"arial", "times new roman", "MS Sans Serif", "symbol"}) {
        const QFont police = TPolices::Police(nom, 16);
        EXPECT_EQ(QFontInfo(police).family(), TPolices::Famille(nom)) << nom;
        EXPECT_EQ(police.pointSize(), 16);
    }
    EXPECT_EQ(TPolices::Police("arial", 0).pointSize(), 1);
    EXPECT_EQ(TPolices::Police("arial", 100000).pointSize(), 1000);
}

TEST_F(TPolicesTest, SymbolTextIsGreekAndDrawable)
{
    EXPECT_EQ(TPolices::Texte("symbol", "Fw"), QString::fromUtf8("Φω"));
    EXPECT_EQ(TPolices::Texte("arial", "Fw"), QStringLiteral("Fw"));
    const QFontMetrics mesure(TPolices::Police("symbol", 15));
    EXPECT_TRUE(mesure.inFont(QChar(0x03A6)));
    EXPECT_TRUE(mesure.inFont(QChar(0x03C9)));
}

} // namespace
} // namespace tavelor
