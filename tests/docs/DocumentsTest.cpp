#include "TLecteurRtf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace tavelor {
namespace {

std::string Lit(const char *chemin)
{
    std::ifstream fichier(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
}

// The guide's prose: code blocks (indented by four spaces after a blank line) and code
// spans hold commands, not French, and are left out.
std::string ProseMarkdown(const std::string &markdown)
{
    std::istringstream lignes(markdown);
    std::string prose, ligne;
    bool precedenteVide = true, dansCode = false;
    while (std::getline(lignes, ligne)) {
        dansCode = (precedenteVide || dansCode) && ligne.starts_with("    ");
        precedenteVide = ligne.find_first_not_of(' ') == std::string::npos;
        if (dansCode)
            continue;
        bool dansSpan = false;
        for (char c : ligne) {
            if (c == '`')
                dansSpan = !dansSpan;
            else if (!dansSpan)
                prose += c;
        }
        prose += '\n';
    }
    return prose;
}

// The help as the window shows it, one line per paragraph.
std::string TexteAide(const std::string &rtf)
{
    std::string texte;
    for (const auto &paragraphe : TLecteurRtf::Lit(rtf).Paragraphes) {
        for (const auto &segment : paragraphe.Segments)
            texte += segment.Texte;
        texte += '\n';
    }
    return texte;
}

bool Blanc(char c)
{
    return c == ' ' || c == '\n' || c == '\t' || c == '\r';
}

// What a French school would not print, each with its context: a breaking space before
// : ; ! ? » or after «, "..." for "…", and the advice that does not work (one rpm off
// is one slip every two hours of real time).
std::vector<std::string> Fautes(const std::string &texte)
{
    std::vector<std::string> fautes;
    const auto note = [&](std::size_t i, const char *quoi) {
        const std::size_t debut = i < 30 ? 0 : i - 30;
        fautes.push_back(std::string(quoi) + " : …" + texte.substr(debut, 60) + "…");
    };
    for (std::size_t i = 1; i < texte.size(); ++i) {
        const char c = texte[i];
        const bool ponctuation = c == ':' || c == ';' || (c == '!' && texte[i + 1] != '[') || c == '?';
        const bool fermant = texte.compare(i, 2, "»") == 0;
        if ((ponctuation || fermant) && Blanc(texte[i - 1]))
            note(i, "espace sécable avant une ponctuation double");
        if (texte.compare(i - 1, 2, "«") == 0 && i + 1 < texte.size() && Blanc(texte[i + 1]))
            note(i, "espace sécable après «");
    }
    for (std::size_t i = texte.find("..."); i != std::string::npos; i = texte.find("...", i + 3))
        note(i, "trois points au lieu de …");
    std::string minuscules = texte;
    std::transform(minuscules.begin(), minuscules.end(), minuscules.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char *conseil : {"d'un tour par minute", "d’un tour par minute"})
        if (const std::size_t i = minuscules.find(conseil); i != std::string::npos)
            note(i, "écart de vitesse qui ne mène à rien");
    return fautes;
}

TEST(Documents, GuideAndHelpInFrenchTypography)
{
    const std::string guide = ProseMarkdown(Lit(TAVELOR_GUIDE));
    const std::string aide = TexteAide(Lit(TAVELOR_AIDE_RTF));
    // The files were found and read, in UTF-8 whatever the source.
    ASSERT_NE(guide.find("Coupler la machine au réseau"), std::string::npos);
    ASSERT_NE(aide.find("Mode opératoire"), std::string::npos);
    for (const auto &[nom, texte] : {std::pair{"guide", guide}, std::pair{"aide", aide}})
        for (const std::string &faute : Fautes(texte))
            ADD_FAILURE() << nom << " : " << faute;
}

// The checker itself, on what it must find and what it must let through.
TEST(Documents, FaultsFoundAndRightTextLetThrough)
{
    struct TCas {
        const char *texte;
        std::size_t fautes;
    };
    for (const TCas &c :
         {TCas{"Remarque :", 1}, TCas{"Pourquoi ?\nAlors ; non !", 3}, TCas{"« Aide »", 2},
          TCas{"la vitesse\n: 1 500", 1}, TCas{"Attendez...", 1}, TCas{"Écartez la vitesse d’un tour par minute", 1},
          TCas{"Remarque\u00A0: «\u202FAide\u202F»\u202F; non\u202F!", 0},
          TCas{"![Le banc](banc.png) suivant\u2026", 0}})
        EXPECT_EQ(Fautes(c.texte).size(), c.fautes) << c.texte;
    EXPECT_EQ(ProseMarkdown("Installer :\n\n    sudo apt-get install ./a.deb ; ls ...\n\nFin `a ; b`.\n"),
              "Installer :\n\n\nFin .\n");
}

} // namespace
} // namespace tavelor
