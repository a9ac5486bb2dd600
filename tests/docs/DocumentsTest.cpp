#include "TLecteurRtf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
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

bool Chiffre(char c)
{
    return c >= '0' && c <= '9';
}

// A separator of thousands before three digits: a space, a no-break space or a narrow one.
bool Groupe(const std::string &texte, std::size_t i)
{
    for (const char *espace : {" ", "\u00A0", "\u202F"}) {
        const std::size_t n = std::string_view(espace).size();
        if (texte.compare(i, n, espace) == 0)
            return i + n + 3 <= texte.size() && Chiffre(texte[i + n]) && Chiffre(texte[i + n + 1]) &&
                   Chiffre(texte[i + n + 2]) && (i + n + 3 == texte.size() || !Chiffre(texte[i + n + 3]));
    }
    return false;
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
    // Numbers as the program writes them: a true minus everywhere, and within a quoted
    // reading no thousands grouping, which the screens never show.
    for (std::size_t i = 0; i + 1 < texte.size(); ++i)
        if (texte[i] == '-' && Chiffre(texte[i + 1]) && (i == 0 || !std::isalnum(static_cast<unsigned char>(texte[i - 1]))))
            note(i, "trait d'union au lieu du signe moins");
    for (std::size_t debut = texte.find("«"); debut != std::string::npos; debut = texte.find("«", debut + 1)) {
        const std::size_t fin = std::min(texte.find("»", debut), texte.size());
        for (std::size_t i = debut; i < fin; ++i)
            if (Chiffre(texte[i]) && i + 1 < fin && Groupe(texte, i + 1))
                note(i, "chiffres groupés dans une lecture");
    }
    return fautes;
}

// The numbered steps of a text: the lines that begin with "1. ", "2. "... in that order.
int Etapes(const std::string &texte)
{
    std::istringstream lignes(texte);
    std::string ligne;
    int n = 0;
    while (std::getline(lignes, ligne))
        if (ligne.starts_with(std::to_string(n + 1) + ". "))
            ++n;
    return n;
}

// The guide's section that starts at a heading, up to the next heading.
std::string Section(const std::string &markdown, const std::string &titre)
{
    const std::size_t debut = markdown.find("\n" + titre + "\n");
    return debut == std::string::npos ? "" : markdown.substr(debut, markdown.find("\n#", debut + 1) - debut);
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

// The help names every tool, its key and the curves' four tabs, and counts the steps of
// the procedure as the guide does, so that "step 6" means one thing in both.
TEST(Documents, HelpNamesTheToolsAndSharesTheGuidesSteps)
{
    const std::string guide = ProseMarkdown(Lit(TAVELOR_GUIDE));
    const std::string aide = TexteAide(Lit(TAVELOR_AIDE_RTF));
    for (const char *mot : {"F2", "F3", "F4", "F9", "Maj+F10", "Instruments", "courbes caractéristiques", "relevés",
                            "quatre onglets", "caractéristique à vide", "puissance et angle interne",
                            "courbes en V", "puissances P et Q"})
        EXPECT_NE(aide.find(mot), std::string::npos) << mot;
    const int etapes = Etapes(Section(guide, "### La procédure"));
    EXPECT_GE(etapes, 5);
    EXPECT_EQ(Etapes(aide), etapes);
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
          TCas{"δ = -47,6°, UTF-8", 1}, TCas{"«\u202FQ = −690 var, P = 1\u202F571 W\u202F»", 1},
          TCas{"«\u202F1\u00A0500 tr/min\u202F»", 1}, TCas{"«\u202F1500 tr/min\u202F», de 1\u202F500 à −1\u202F571 W", 0},
          TCas{"![Le banc](banc.png) suivant\u2026", 0}})
        EXPECT_EQ(Fautes(c.texte).size(), c.fautes) << c.texte;
    EXPECT_EQ(ProseMarkdown("Installer :\n\n    sudo apt-get install ./a.deb ; ls ...\n\nFin `a ; b`.\n"),
              "Installer :\n\n\nFin .\n");
    EXPECT_EQ(Etapes("1. a\n2. b\n4. d\n3. c\nx 5. e\n"), 3);
    EXPECT_EQ(Etapes(Section("# A\n1. a\n### B\n1. b\n2. c\n# C\n3. d\n", "### B")), 2);
}

} // namespace
} // namespace tavelor
