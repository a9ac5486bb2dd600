#include "TReleves.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavelor {
namespace {

TReleve Ligne(const std::string &n, bool couplee)
{
    TReleve r;
    r.Couplee = couplee;
    r[TColonneReleve::N] = {1500.0, n};
    r[TColonneReleve::Ie] = {0.47, "0,47"};
    if (couplee)
        r[TColonneReleve::Fonctionnement] = {std::nullopt, "moteur, surexcitée"};
    return r;
}

// A header line, then the rows asked for in the order asked; a field that holds the
// separator or a quote is quoted, and every other field is written as shown.
TEST(TRelevesTest, TexteEnteteLignesChoisiesEtGuillemets)
{
    TReleves releves;
    releves.Ajoute(Ligne("1500", true));
    releves.Ajoute(Ligne("1;2\"3", false));
    const std::string entete = "N (tr/min);Ie (A);Ev (V);V (V);I (A);Pu (W);Q (var);cos φ;δ (°);Cm (N·m);Pa "
                               "(W);État;Fonctionnement;Série;Commentaire\r\n";
    const struct {
        std::vector<std::size_t> lignes;
        std::string attendu;
    } cas[] = {
        {{},
         entete + "1500;0,47;;;;;;;;;;couplée;moteur, surexcitée;;\r\n\"1;2\"\"3\";0,47;;;;;;;;;;non couplée;;;\r\n"},
        {{1, 0},
         entete + "\"1;2\"\"3\";0,47;;;;;;;;;;non couplée;;;\r\n1500;0,47;;;;;;;;;;couplée;moteur, surexcitée;;\r\n"},
        {{0}, entete + "1500;0,47;;;;;;;;;;couplée;moteur, surexcitée;;\r\n"},
    };
    for (const auto &c : cas)
        EXPECT_EQ(releves.Texte(';', "\r\n", c.lignes), c.attendu);
    EXPECT_EQ(releves.Texte('\t', "\n", {0}).substr(0, 11), "N (tr/min)\t");
}

// In the practical-work mode δ is written empty, and Ev once coupled: the no-load
// characteristic keeps its EMF, read on the voltmeter before coupling.
TEST(TRelevesTest, ModeTPLaisseVideCeQueLeBancNeMesurePas)
{
    TReleves releves;
    for (const bool couplee : {false, true}) {
        TReleve r = Ligne("1500", couplee);
        r[TColonneReleve::Ev] = {230.4, "230,4"};
        r[TColonneReleve::Delta] = {47.6, "47,6"};
        r[TColonneReleve::Q] = {-690.0, "-690"};
        releves.Ajoute(r);
    }
    const std::string entete = releves.Texte(';', "\n", {0}).substr(0, releves.Texte(';', "\n", {0}).find('\n') + 1);
    EXPECT_EQ(releves.Texte(';', "\n", {}, true), entete + "1500;0,47;230,4;;;;-690;;;;;non couplée;;;\n"
                                                           "1500;0,47;;;;;-690;;;;;couplée;moteur, surexcitée;;\n");
    EXPECT_EQ(releves.Texte(';', "\n", {}, false),
              entete + "1500;0,47;230,4;;;;-690;;47,6;;;non couplée;;;\n"
                       "1500;0,47;230,4;;;;-690;;47,6;;;couplée;moteur, surexcitée;;\n");
}

// A row is saved once exported; the others stay unsaved, also after a deletion moves
// them, and a saved row whose series or comment changes is unsaved again.
TEST(TRelevesTest, LignesSauveesUneParUne)
{
    TReleves releves;
    EXPECT_FALSE(releves.NonSauvees());
    for (const char *n : {"1", "2", "3"})
        releves.Ajoute(Ligne(n, true));
    EXPECT_TRUE(releves.NonSauvees());
    releves.MarqueSauvees({0, 2});
    EXPECT_TRUE(releves.NonSauvees());
    releves.Supprime(1);
    EXPECT_FALSE(releves.NonSauvees()) << "the unsaved row is gone";
    releves.Ajoute(Ligne("4", false));
    EXPECT_TRUE(releves.NonSauvees());
    releves.MarqueSauvees();
    EXPECT_FALSE(releves.NonSauvees());
    releves.DefinitCommentaire(0, "à refaire");
    EXPECT_TRUE(releves.NonSauvees());
    releves.MarqueSauvees();
    releves.DefinitSerie(1, "Courbe en V");
    EXPECT_TRUE(releves.NonSauvees());
    const auto version = releves.Version();
    releves.Efface();
    EXPECT_NE(releves.Version(), version);
    EXPECT_EQ(releves.Nombre(), 0u);
}

} // namespace
} // namespace tavelor
