#include "SymboleGrec.h"

#include <gtest/gtest.h>

namespace tavelor {
namespace {

TEST(SymboleGrec, LettersOfTheLabels)
{
    EXPECT_EQ(SymboleGrec("F"), "Φ"); // the no-load flux of "61F]00v ]}"
    EXPECT_EQ(SymboleGrec("w"), "ω"); // omega of "21w]"
}

TEST(SymboleGrec, WholeLatinAlphabet)
{
    EXPECT_EQ(SymboleGrec("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), "ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ");
    EXPECT_EQ(SymboleGrec("abcdefghijklmnopqrstuvwxyz"), "αβχδεφγηιϕκλμνοπθρστυϖωξψζ");
}

TEST(SymboleGrec, SignsDrawnDifferentlyAndTheRestKept)
{
    EXPECT_EQ(SymboleGrec("-*~"), "−∗∼");
    EXPECT_EQ(SymboleGrec("\"$'@\\^"), "∀∃∋≅∴⊥");
    EXPECT_EQ(SymboleGrec("0123 (+/=) °é"), "0123 (+/=) °é");
    EXPECT_EQ(SymboleGrec(""), "");
}

} // namespace
} // namespace tavelor
