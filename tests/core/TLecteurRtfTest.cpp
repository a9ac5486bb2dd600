#include "TLecteurRtf.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tavelor {
namespace {

using TAlignement = TLecteurRtf::TAlignement;

// The paragraphs' texts, joined by "|".
std::string Texte(const TLecteurRtf::TDocument &document)
{
    std::string texte;
    for (std::size_t i = 0; i < document.Paragraphes.size(); ++i) {
        if (i > 0)
            texte += '|';
        for (const auto &segment : document.Paragraphes[i].Segments)
            texte += segment.Texte;
    }
    return texte;
}

std::string Texte(std::string_view rtf)
{
    return Texte(TLecteurRtf::Lit(rtf));
}

// A run as "font/half-points/[B][I][U]:text".
std::string Decrit(const TLecteurRtf::TSegment &segment)
{
    const auto &f = segment.Format;
    return f.Police + "/" + std::to_string(f.DemiPoints) + "/" + (f.Gras ? "B" : "") + (f.Italique ? "I" : "") +
           (f.Souligne ? "U" : "") + ":" + segment.Texte;
}

TEST(TLecteurRtf, TextParagraphsAndCharacters)
{
    struct TCas {
        std::string rtf;
        std::string attendu;
    };
    const std::vector<TCas> cas = {
        {R"({\rtf1 Bonjour\par monde})", "Bonjour|monde"},
        {R"({\rtf1 a\par})", "a"},        // the last mark ends the last paragraph
        {R"({\rtf1 a\par\par})", "a|"},   // an empty paragraph after it
        {"{\\rtf1 a\r\nb\\\nc}", "ab|c"}, // line ends are not text; "\<newline>" is \par
        {R"({\rtf1 caf\'e9, \'80, \'9c\'C9})", "café, €, œÉ"},
        {"{\\rtf1 caf\xe9}", "café"},        // raw bytes are code page 1252 too
        {R"({\rtf1 \u233?t\u233?})", "été"}, // the fallback character is skipped
        {R"({\rtf1\uc0 \u8364 x})", "€x"},
        {R"({\rtf1\uc2 \u8364 ab c})", "€ c"},
        {R"({\rtf1\uc2 \u8364\'80\'80x})", "€x"},  // an escape is one fallback character
        {R"({\rtf1{\uc2\u233 xx}\u233 y})", "éé"}, // \uc belongs to its group
        {R"({\rtf1 \u-10179?\u-8704?})", "😀"},     // a surrogate pair, in signed 16-bit
        {R"({\rtf1 \u55357?x})", "\xEF\xBF\xBDx"}, // a lone half is lost
        {R"({\rtf1 \{a\}\\ b\~c\-d\_e})", "{a}\\ b\xC2\xA0"
                                          "cd\xE2\x80\x91"
                                          "e"},
        {R"({\rtf1 a\line b\tab c})", "a\xE2\x80\xA8"
                                      "b\tc"},
        {R"({\rtf1 \ldblquote x\rdblquote\emdash y})", "“x”—y"},
        {R"({\rtf1 a\foo12 b\zz-3c})", "abc"}, // unknown words and their delimiter
        {R"({\rtf1{\*\inconnu abc}{\colortbl;\red0\green0\blue0;}{\info{\title T}}{\*\generator G;}Texte})", "Texte"},
        {R"({\rtf1{\pict\bin4 }}{}x}y})", "y"},                      // raw bytes of a picture are not braces
        {std::string("{\\rtf1 a\\par}\r\n") + '\0' + "suite}", "a"}, // nothing after the document's group
    };
    for (const auto &c : cas)
        EXPECT_EQ(Texte(c.rtf), c.attendu) << c.rtf;
}

TEST(TLecteurRtf, CharacterFormatFollowsGroupsAndFontTable)
{
    const auto document =
        TLecteurRtf::Lit(R"({\rtf1\deff0{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss\fcharset0 Arial;}})"
                         R"(\f1\fs20 a\b b\b0 c{\i d\ul e}f\plain g\f7 h})");
    ASSERT_EQ(document.Paragraphes.size(), 1u);
    std::vector<std::string> segments;
    for (const auto &s : document.Paragraphes[0].Segments)
        segments.push_back(Decrit(s));
    const std::vector<std::string> attendus = {"Arial/20/:a",   "Arial/20/B:b", "Arial/20/:c",           "Arial/20/I:d",
                                               "Arial/20/IU:e", "Arial/20/:f",  "Times New Roman/24/:g", "/24/:h"};
    EXPECT_EQ(segments, attendus);
}

TEST(TLecteurRtf, ParagraphPropertiesAndMark)
{
    const auto document = TLecteurRtf::Lit(R"({\rtf1\pard\qj\sb100\sa50\li360\fi-180 a\par)"
                                           R"(\pard b\par{\qr c\par}\qc d\par\fs10\par\fs24 e})");
    ASSERT_EQ(document.Paragraphes.size(), 6u);
    const auto &p = document.Paragraphes;
    EXPECT_EQ(p[0].Alignement, TAlignement::Justifie);
    EXPECT_EQ(p[0].EspaceAvant, 100);
    EXPECT_EQ(p[0].EspaceApres, 50);
    EXPECT_EQ(p[0].RetraitGauche, 360);
    EXPECT_EQ(p[0].RetraitPremiereLigne, -180);
    EXPECT_EQ(p[1].Alignement, TAlignement::Gauche);
    EXPECT_EQ(p[1].EspaceAvant, 0);
    EXPECT_EQ(p[2].Alignement, TAlignement::Droite);
    EXPECT_EQ(p[3].Alignement, TAlignement::Centre); // the group's \qr has ended
    EXPECT_TRUE(p[4].Segments.empty());
    EXPECT_EQ(p[4].Marque.DemiPoints, 10); // a 5 pt spacer
    EXPECT_EQ(p[5].Marque.DemiPoints, 24);
}

// Malformed input: each case must end, without a crash, with what can be read of it.
TEST(TLecteurRtf, MalformedInputIsReadAsFarAsItMakesSense)
{
    const std::string profond = std::string(100000, '{') + "x" + std::string(100000, '}');
    const std::string assezProfond = std::string(10, '{') + "x" + std::string(10, '}');
    const std::string motSansFin = "{\\rtf1 a\\" + std::string(100000, 'z') + " b}";
    std::string tousLesOctets;
    for (int i = 0; i < 256; ++i)
        tousLesOctets += static_cast<char>(i);

    struct TCas {
        std::string rtf;
        std::string attendu;
    };
    const std::vector<TCas> cas = {
        {"", ""},
        {"}}}}{\\rtf1 a}", "a"},      // stray closing braces
        {"{\\rtf1 a{\\b b", "ab"},    // never closed
        {"{\\rtf1 x\\'zzy}", "xzzy"}, // not an escape: dropped, the rest is text
        {"{\\rtf1 x\\'e", "x"},       // escapes cut short by the end
        {"{\\rtf1 x\\'", "x"},
        {"{\\rtf1 x\\", "x"},
        {"{\\rtf1 x\\u", "x"},
        {"{\\rtf1 \\u99999999999999999999 ?x}", "\xEF\xBF\xBDx"},
        {"{\\rtf1 a\\bin99999999999999999999 }}}", "a"},
        {"{\\rtf1 a\\bin-5 b}", "ab"},
        {profond, ""}, // beyond the depth limit nothing is kept
        {assezProfond, "x"},
        {motSansFin, "ab"},
        {"{\\rtf1\\uc99999999999 \\u233 " + std::string(100, 'y') + "z}", "é" + std::string(84, 'y') + "z"},
    };
    for (const auto &c : cas)
        EXPECT_EQ(Texte(c.rtf), c.attendu) << c.rtf.substr(0, 60);

    EXPECT_NO_THROW(TLecteurRtf::Lit(tousLesOctets));
    const auto enorme = TLecteurRtf::Lit("{\\rtf1\\fs99999999999\\sb99999999999\\sa-7\\li-99999999999 a\\par "
                                         "\\fs-4 b}");
    ASSERT_EQ(enorme.Paragraphes.size(), 2u);
    EXPECT_EQ(enorme.Paragraphes[0].Marque.DemiPoints, TLecteurRtf::DemiPointsMax);
    EXPECT_EQ(enorme.Paragraphes[0].EspaceAvant, TLecteurRtf::TwipsMax);
    EXPECT_EQ(enorme.Paragraphes[0].EspaceApres, 0);
    EXPECT_EQ(enorme.Paragraphes[0].RetraitGauche, -TLecteurRtf::TwipsMax);
    EXPECT_EQ(enorme.Paragraphes[1].Segments.at(0).Format.DemiPoints, TLecteurRtf::DemiPointsMin);
}

// The help document: 34 paragraphs, all justified in Times New Roman 12 pt, bold
// where the form wants it, a 5 pt spacer after the heading, accents intact.
TEST(TLecteurRtf, ShippedHelpDocument)
{
    std::ifstream fichier(TAVELOR_AIDE_RTF, std::ios::binary);
    ASSERT_TRUE(fichier) << TAVELOR_AIDE_RTF;
    const std::string rtf((std::istreambuf_iterator<char>(fichier)), std::istreambuf_iterator<char>());
    const auto document = TLecteurRtf::Lit(rtf);
    const auto &p = document.Paragraphes;
    ASSERT_EQ(p.size(), 34u);

    const auto texte = [&](std::size_t i) {
        std::string t;
        for (const auto &s : p[i].Segments)
            t += s.Texte;
        return t;
    };
    const auto toutGras = [&](std::size_t i) {
        for (const auto &s : p[i].Segments)
            if (!s.Format.Gras)
                return false;
        return !p[i].Segments.empty();
    };
    std::size_t vides = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p[i].Alignement, TAlignement::Justifie) << i;
        EXPECT_EQ(p[i].Marque.Police, "Times New Roman") << i;
        for (const auto &s : p[i].Segments) {
            EXPECT_EQ(s.Format.Police, "Times New Roman") << i;
            EXPECT_EQ(s.Format.DemiPoints, 24) << i;
            EXPECT_FALSE(s.Format.Italique) << i;
            EXPECT_EQ(s.Texte.find("\xEF\xBF\xBD"), std::string::npos) << i;
        }
        EXPECT_EQ(toutGras(i), i == 0 || i == 13) << i;
        vides += p[i].Segments.empty() ? 1 : 0;
    }
    EXPECT_EQ(vides, 8u);
    EXPECT_EQ(texte(9), "Remarque\xC2\xA0:");
    EXPECT_EQ(texte(13), "Mode opératoire");
    EXPECT_TRUE(p[14].Segments.empty());
    EXPECT_EQ(p[14].Marque.DemiPoints, 10);
    EXPECT_NE(texte(0).find("machine synchrone triphasée"), std::string::npos);
    EXPECT_NE(texte(25).find("«\xC2\xA0"
                             "Fermer l’interrupteur\xC2\xA0»"),
              std::string::npos);
    EXPECT_NE(texte(22).find("1\xC2\xA0"
                             "500\xC2\xA0tr/min"),
              std::string::npos);
}

} // namespace
} // namespace tavelor
