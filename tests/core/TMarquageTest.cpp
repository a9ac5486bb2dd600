#include "TMarquage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavelor {
namespace {

using TSegment = TMarquage::TSegment;

// The settings of the three-phase window's labels.
TMarquage::TParametres Fenetre(int taille = 15, int tailleIndice = 10, int posIndice = 9, std::string police = "arial")
{
    return {taille, tailleIndice, posIndice, std::move(police)};
}

std::vector<std::string> Textes(const std::vector<TSegment> &segments)
{
    std::vector<std::string> textes;
    for (const TSegment &s : segments)
        textes.push_back(s.Texte);
    return textes;
}

TEST(TMarquage, DefaultLabelIsOneUnderlinedItalicM)
{
    const auto segments = TMarquage::Segments("41M]}", {});
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0], (TSegment{"arial", true, false, true, 11, 0, "M"}));
}

TEST(TMarquage, ComplexVoltageWithSubscript)
{
    const auto segments = TMarquage::Segments("41V]00S1 ]}", Fenetre());
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0], (TSegment{"arial", true, false, true, 15, 0, "V"}));
    EXPECT_EQ(segments[1], (TSegment{"arial", false, false, false, 10, 9, "S1 "}));
}

TEST(TMarquage, OscillogramLegend)
{
    const auto segments = TMarquage::Segments("11v]00R1]01(]11t]01)]}", Fenetre(14, 10, 11));
    ASSERT_EQ(segments.size(), 5u);
    EXPECT_EQ(Textes(segments), (std::vector<std::string>{"v", "R1", "(", "t", ")"}));
    EXPECT_EQ(segments[0], (TSegment{"arial", true, false, false, 14, 0, "v"}));
    EXPECT_EQ(segments[1], (TSegment{"arial", false, false, false, 10, 11, "R1"}));
    EXPECT_EQ(segments[2], (TSegment{"arial", false, false, false, 14, 0, "("}));
    EXPECT_TRUE(segments[3].Italique);
    EXPECT_FALSE(segments[4].Italique);
}

TEST(TMarquage, SymbolRunsAndTheirRaise)
{
    // Underlined capital phi, then a subscript in the label's typeface.
    auto segments = TMarquage::Segments("61F]00v ]}", Fenetre());
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0], (TSegment{"symbol", false, false, true, 15, -3, "F"}));
    EXPECT_EQ(segments[1], (TSegment{"arial", false, false, false, 10, 9, "v "}));

    // j·Ls·ω·I: the omega at main size, 3 pixels higher than the runs around it.
    segments = TMarquage::Segments("01j]11L]00s]21w]41I]}", Fenetre());
    ASSERT_EQ(segments.size(), 5u);
    EXPECT_EQ(Textes(segments), (std::vector<std::string>{"j", "L", "s", "w", "I"}));
    EXPECT_EQ(segments[3], (TSegment{"symbol", false, false, false, 15, -3, "w"}));
    EXPECT_EQ(segments[4], (TSegment{"arial", true, false, true, 15, 0, "I"}));
}

TEST(TMarquage, EveryMarkupOfTheWindows)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> cas{
        {"41V]00S1 ]}", {"V", "S1 "}},
        {"41V]00K3 ]}", {"V", "K3 "}},
        {"11v]00S2]01(]11t]01)]}", {"v", "S2", "(", "t", ")"}},
        {"11E]00v]01(V)]}", {"E", "v", "(V)"}},
        {"61F]00v ]}", {"F", "v "}},
        {"01j]11L]00s]21w]41I]}", {"j", "L", "s", "w", "I"}},
        {"11r]41I]}", {"r", "I"}},
        {"01ms/div]}", {"ms/div"}},
        {"41I]00 ]}", {"I", " "}},
        {"41E]00v ]}", {"E", "v "}},
        {"41V]}", {"V"}},
        {"41M]}", {"M"}},
        {"11t]}", {"t"}},
        {"0180.2 °]}", {"80.2 °"}},
        {"01230.0 V]}", {"230.0 V"}},
    };
    for (const auto &[marquage, textes] : cas)
        EXPECT_EQ(Textes(TMarquage::Segments(marquage, Fenetre())), textes) << marquage;
}

TEST(TMarquage, StyleAndSizeCodes)
{
    const auto segments = TMarquage::Segments("31a]52b]}", Fenetre());
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0], (TSegment{"arial", false, true, false, 15, 0, "a"}));
    EXPECT_EQ(segments[1], (TSegment{"arial", false, false, true, 10, 0, "b"}));
}

TEST(TMarquage, CodesOutsideTheTablesKeepThePreviousRun)
{
    const auto segments = TMarquage::Segments("40a]95b]x?c]}", Fenetre());
    ASSERT_EQ(segments.size(), 3u);
    for (const TSegment &s : segments) {
        EXPECT_TRUE(s.Italique && s.Souligne);
        EXPECT_EQ(s.Taille, 10);
        EXPECT_EQ(s.Y, 9);
    }
    // Before any run: upright, main size, the label's typeface.
    EXPECT_EQ(TMarquage::Segments("99a]}", Fenetre())[0], (TSegment{"arial", false, false, false, 15, 0, "a"}));
}

TEST(TMarquage, SizeCodeOneTestsTheTypefaceJustReceived)
{
    // Style 7 keeps "symbol": the main-size run is raised.
    auto segments = TMarquage::Segments("20a]71b]}", Fenetre());
    EXPECT_EQ(segments[1].Police, "symbol");
    EXPECT_EQ(segments[1].Y, -3);
    // The comparison is exact: a label whose typeface is "Symbol" is not raised.
    segments = TMarquage::Segments("01a]}", Fenetre(15, 10, 9, "Symbol"));
    EXPECT_EQ(segments[0].Y, 0);
    segments = TMarquage::Segments("01a]}", Fenetre(15, 10, 9, "symbol"));
    EXPECT_EQ(segments[0].Y, -3);
}

TEST(TMarquage, FirstCharacterOfATextIsAlwaysTaken)
{
    EXPECT_EQ(Textes(TMarquage::Segments("01]]}", Fenetre())), (std::vector<std::string>{"]"}));
    EXPECT_EQ(Textes(TMarquage::Segments("01]x]11y]}", Fenetre())), (std::vector<std::string>{"]x", "y"}));
    EXPECT_EQ(Textes(TMarquage::Segments("01}]}", Fenetre())), (std::vector<std::string>{"}"}));
}

TEST(TMarquage, EndMarkStopsEverything)
{
    EXPECT_EQ(Textes(TMarquage::Segments("01a]}01b]}", Fenetre())), (std::vector<std::string>{"a"}));
    EXPECT_EQ(Textes(TMarquage::Segments("01a}b]01c]}", Fenetre())), (std::vector<std::string>{"a}b", "c"}));
}

TEST(TMarquage, BrokenMarkupGivesWhatItCan)
{
    EXPECT_TRUE(TMarquage::Segments("", Fenetre()).empty());
    EXPECT_TRUE(TMarquage::Segments("}", Fenetre()).empty());
    EXPECT_TRUE(TMarquage::Segments("4", Fenetre()).empty());
    EXPECT_TRUE(TMarquage::Segments("41", Fenetre()).empty());
    EXPECT_EQ(Textes(TMarquage::Segments("41V", Fenetre())), (std::vector<std::string>{"V"}));
    EXPECT_EQ(Textes(TMarquage::Segments("41V]", Fenetre())), (std::vector<std::string>{"V"}));
    EXPECT_EQ(Textes(TMarquage::Segments("41V]0", Fenetre())), (std::vector<std::string>{"V"}));
    EXPECT_EQ(Textes(TMarquage::Segments("41V]00S1", Fenetre())), (std::vector<std::string>{"V", "S1"}));
    EXPECT_EQ(Textes(TMarquage::Segments("plain text", Fenetre())), (std::vector<std::string>{"ain text"}));
}

TEST(TMarquage, MultiByteCharactersAreNeverCut)
{
    // A multi-byte code is not a digit; the text starts after it, whole characters only.
    const auto segments = TMarquage::Segments("é1°C]0ωx]}", Fenetre());
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0].Texte, "°C");
    EXPECT_EQ(segments[1].Texte, "x");
    // A lead byte at the very end is not followed past the string.
    EXPECT_TRUE(TMarquage::Segments(std::string("0\xE2", 2), Fenetre()).empty());
    EXPECT_EQ(TMarquage::Segments(std::string("01\xE2\x82", 4), Fenetre())[0].Texte, std::string("\xE2\x82"));
}

} // namespace
} // namespace tavelor
