#include "Tafficheur.h"

#include "ApplicationTest.h"
#include "TPolices.h"

#include <QFontMetrics>
#include <QLocale>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

namespace tavelor {
namespace {

using test::Rendu;

class TafficheurTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::Application(); }

    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        // A meter of the bench.
        afficheur.setGeometry(151, 39, 61, 26);
        afficheur.setNb_digits(4);
        afficheur.setchiffre_apres(2);
        afficheur.setCouleur_fond(clWhite);
        afficheur.setCouleur_chiffre(clRed);
        afficheur.setTaillefonte(16);
        afficheur.setFonteName("MS Sans Serif");
    }

    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QFontMetrics Mesure() const { return QFontMetrics(TPolices::Police("MS Sans Serif", 16), &afficheur); }

    // Rightmost column holding a digit pixel.
    static int DroiteDuTexte(const QImage &image)
    {
        for (int x = image.width() - 1; x >= 0; --x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y) == Qt::red)
                    return x;
        return -1;
    }

    Tafficheur afficheur;
};

TEST_F(TafficheurTest, DefaultsAndPropertiesByName)
{
    const Tafficheur defaut;
    EXPECT_EQ(defaut.Valeur(), 0.0);
    EXPECT_EQ(defaut.Nb_digits(), 4);
    EXPECT_EQ(defaut.chiffre_apres(), 2);
    EXPECT_EQ(defaut.Couleur_fond(), clWhite);
    EXPECT_EQ(defaut.Couleur_chiffre(), clBlack);
    EXPECT_EQ(defaut.Taillefonte(), 11);
    EXPECT_EQ(defaut.FonteName(), "MS Sans Serif");

    EXPECT_TRUE(afficheur.setProperty("Valeur", 230.5));
    EXPECT_TRUE(afficheur.setProperty("chiffre_apres", 1));
    EXPECT_TRUE(afficheur.setProperty("Couleur_chiffre", 0x0000FF));
    EXPECT_EQ(afficheur.Valeur(), 230.5);
    EXPECT_EQ(afficheur.property("Couleur_chiffre").toUInt(), clRed);
    EXPECT_EQ(afficheur.Texte(), "230.5");
}

TEST_F(TafficheurTest, TextOfTheMeters)
{
    struct Cas {
        double valeur;
        int decimales;
        const char *texte;
    };
    for (const Cas &c : {Cas{400, 1, "400.0"}, Cas{0, 2, "0.00"}, Cas{9998.96, 1, "9999.0"}, Cas{9999, 1, "###"},
                         Cas{1e6, 0, "###"}, Cas{-5.25, 1, "\u22125.3"}, Cas{12.3456, 2, "12.35"},
                         Cas{123.456, 2, "123.50"}, Cas{-12345.6, 1, "\u22121.235E4"}, Cas{1500, 0, "1500"}}) {
        afficheur.setValeur(c.valeur);
        afficheur.setchiffre_apres(c.decimales);
        EXPECT_EQ(afficheur.Texte(), c.texte) << c.valeur;
        EXPECT_EQ(afficheur.accessibleDescription(), c.texte) << c.valeur;
    }
    afficheur.setValeur(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(afficheur.Texte(), "###");
    afficheur.setValeur(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(afficheur.Texte(), "###");
}

TEST_F(TafficheurTest, DigitCountIsClampedAndSetsTheWidth)
{
    afficheur.setValeur(123.456);
    afficheur.setNb_digits(1);
    EXPECT_EQ(afficheur.Texte(), "1.2E2");
    afficheur.setNb_digits(40);
    afficheur.setchiffre_apres(3);
    EXPECT_EQ(afficheur.Texte(), "123.456");
    Rendu(afficheur);
    EXPECT_EQ(afficheur.width(), Mesure().horizontalAdvance("0") * 19 + 11);
}

TEST_F(TafficheurTest, RegionalSeparator)
{
    afficheur.setchiffre_apres(1);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    afficheur.setValeur(400);
    EXPECT_EQ(afficheur.Texte(), "400,0");
    EXPECT_EQ(afficheur.accessibleDescription(), "400,0");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(afficheur.Texte(), "400.0");
}

TEST_F(TafficheurTest, BoxSizeFollowsTheDigitZero)
{
    const int chiffre = Mesure().horizontalAdvance("0");
    const int hauteur = Mesure().height();
    Rendu(afficheur);
    EXPECT_EQ(afficheur.size(), QSize(chiffre * 5 + 11, hauteur + 2));
    EXPECT_EQ(afficheur.pos(), QPoint(151, 39));

    // One more digit widens the box by one digit; the left edge stays.
    afficheur.setNb_digits(5);
    Rendu(afficheur);
    EXPECT_EQ(afficheur.width(), chiffre * 6 + 11);
    EXPECT_EQ(afficheur.pos(), QPoint(151, 39));
}

TEST_F(TafficheurTest, FrameAndRightAlignedDigits)
{
    afficheur.setValeur(9.5);
    QImage image = Rendu(afficheur);
    const int largeur = image.width();
    const int hauteur = image.height();
    for (const QPoint coin : {QPoint(0, 0), QPoint(largeur - 1, 0), QPoint(0, hauteur - 1),
                              QPoint(largeur - 1, hauteur - 1), QPoint(largeur / 2, 0)})
        EXPECT_EQ(image.pixelColor(coin), Qt::black) << coin.x() << "," << coin.y();
    EXPECT_EQ(image.pixelColor(1, 1), Qt::white);

    // 9.50 then 10.00: the right end of the digits does not move.
    const int droite = DroiteDuTexte(image);
    EXPECT_GT(droite, largeur - 5 - Mesure().horizontalAdvance("0"));
    EXPECT_LT(droite, largeur - 5);
    afficheur.setValeur(10);
    EXPECT_EQ(DroiteDuTexte(Rendu(afficheur)), droite);
}

TEST_F(TafficheurTest, ClickSignal)
{
    QSignalSpy clic(&afficheur, &Tafficheur::onClick);
    afficheur.show();
    test::Clic(afficheur, QPoint(5, 5));
    EXPECT_EQ(clic.count(), 1);
}

} // namespace
} // namespace tavelor
