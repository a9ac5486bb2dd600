#include "LectureReleves.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelor {
namespace {

const std::string Entete = "N (tr/min);Ie (A);Ev (V);V (V);I (A);Pu (W);Q (var);cos φ;δ (°);Cm (N·m);Pa (W);État;"
                           "Fonctionnement;Série;Commentaire\r\n";

// Rows written in either locale's form, with or without a byte-order mark, come back with
// their texts, numbers, state, series and comment, and are written again byte for byte.
TEST(LectureRelevesTest, RelitCeQueTRelevesEcrit)
{
    TReleves releves;
    TReleve a;
    a.Couplee = true;
    a[TColonneReleve::N] = {1500.0, "1500"};
    a[TColonneReleve::Ie] = {0.47, "0,47"};
    a[TColonneReleve::Q] = {-690.0, "-690"};
    a[TColonneReleve::CosPhi] = {std::nullopt, "—"};
    a[TColonneReleve::Fonctionnement] = {std::nullopt, "moteur, surexcitée"};
    a.Serie = "Courbe en V, P = 1 571 W";
    a.Commentaire = "limite; \"décrochage\"\nproche";
    TReleve b;
    b[TColonneReleve::Ie] = {0.5, "0.5"};
    b.Serie = "Caractéristique à vide";
    releves.Ajoute(a);
    releves.Ajoute(b);
    for (const char separateur : {';', ','})
        for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
            const std::string texte = bom + releves.Texte(separateur, "\r\n");
            const TLectureReleves lecture = LitReleves(texte);
            ASSERT_TRUE(lecture.Lu()) << lecture.LigneErreur << ": " << lecture.Raison;
            ASSERT_EQ(lecture.Lignes.size(), 2u);
            EXPECT_EQ(lecture.Separateur, separateur);
            const TReleve &r = lecture.Lignes[0];
            EXPECT_TRUE(r.Couplee);
            EXPECT_FALSE(lecture.Lignes[1].Couplee);
            EXPECT_EQ(r[TColonneReleve::Ie].Texte, "0,47");
            EXPECT_DOUBLE_EQ(r[TColonneReleve::Ie].Valeur.value_or(0), 0.47);
            EXPECT_DOUBLE_EQ(r[TColonneReleve::Q].Valeur.value_or(0), -690.0);
            EXPECT_DOUBLE_EQ(lecture.Lignes[1][TColonneReleve::Ie].Valeur.value_or(0), 0.5);
            EXPECT_FALSE(r[TColonneReleve::CosPhi].Valeur);
            EXPECT_FALSE(lecture.Lignes[1][TColonneReleve::Pu].Valeur);
            EXPECT_EQ(r[TColonneReleve::Fonctionnement].Texte, "moteur, surexcitée");
            EXPECT_EQ(r.Serie, a.Serie);
            EXPECT_EQ(r.Commentaire, a.Commentaire);
            TReleves relues;
            for (const TReleve &l : lecture.Lignes)
                relues.Ajoute(l);
            EXPECT_EQ(relues.Texte(separateur, "\r\n"), releves.Texte(separateur, "\r\n"));
        }
    const TLectureReleves lf = LitReleves(Entete.substr(0, Entete.size() - 2) + "\n1500;;;;;;;;;;;non couplée;;;\n");
    EXPECT_TRUE(lf.Lu()) << lf.Raison;
}

// Anything else is refused with the line where the fault starts and why, and no rows.
TEST(LectureRelevesTest, RefuseCeQuIlNAPasEcrit)
{
    const std::string ligne = "1500;0,47;;;;;;;;;;non couplée;;;\r\n";
    const struct {
        std::string texte;
        std::size_t ligne;
        std::string raison;
    } cas[] = {
        {"", 1, "vide"},
        {"\xEF\xBB\xBF", 1, "vide"},
        {"Nom;Prénom\r\nDupont;Jean\r\n", 1, "en-tête"},
        {"N (tr/min);Ie (A)\r\n1500;0,47\r\n", 1, "en-tête"},
        {Entete + ligne + "1500;0,47;;;;;;;;;;non couplée\r\n", 3, "12 champs au lieu de 15"},
        {Entete + "1500;abc;;;;;;;;;;non couplée;;;\r\n", 2,
         "«\u00A0Ie (A)\u00A0»\u00A0: «\u00A0abc\u00A0» n'est pas un nombre"},
        {Entete + "1500;1e3;;;;;;;;;;non couplée;;;\r\n", 2, "n'est pas un nombre"},
        {Entete + "1500;;;;;;;;;;;arrêtée;;;\r\n", 2, "état «\u00A0arrêtée\u00A0» inconnu"},
        {Entete + "1500;;;;;;;;;;;couplée;tournante;;\r\n", 2, "fonctionnement «\u00A0tournante\u00A0» inconnu"},
        {Entete + ligne + ligne + "1500;;;;;;;;;;;couplée;;\"V;2;\r\n", 4, "guillemet"},
        {Entete + "1500;;;;;;;;;;;couplée;;\"V\"x;\r\n", 2, "après un guillemet"},
    };
    for (const auto &c : cas) {
        const TLectureReleves lecture = LitReleves(c.texte);
        EXPECT_FALSE(lecture.Lu()) << c.texte;
        EXPECT_EQ(lecture.LigneErreur, c.ligne) << c.texte;
        EXPECT_NE(lecture.Raison.find(c.raison), std::string::npos) << lecture.Raison;
        EXPECT_TRUE(lecture.Lignes.empty());
    }
}

} // namespace
} // namespace tavelor
