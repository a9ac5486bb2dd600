#include "Tchaine_riche.h"

#include "ApplicationTest.h"
#include "TPolices.h"

#include <QFontMetrics>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace tavelor {
namespace {

using test::Rendu;
using test::Souris;

class Tchaine_richeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::Application(); }

    void SetUp() override
    {
        parent = std::make_unique<QWidget>();
        parent->resize(400, 300);
        label = new Tchaine_riche(parent.get());
        label->move(40, 30);
        label->setStyleFond(bsClear);
        label->settaille(15);
        label->setTaille_indice(10);
        label->setPos_indice(9);
    }

    static QFont Police(const char *nom, int points, bool italique = false, bool souligne = false)
    {
        QFont police = TPolices::Police(nom, points);
        police.setItalic(italique);
        police.setUnderline(souligne);
        return police;
    }

    int Largeur(const QFont &police, const QString &texte) const
    {
        return QFontMetrics(police, label).horizontalAdvance(texte);
    }

    int Hauteur(const QFont &police) const { return QFontMetrics(police, label).height(); }

    // First row, from the top, where `couleur` appears.
    static int HautDeLEncre(const QImage &image, QColor couleur)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == couleur)
                    return y;
        return -1;
    }

    std::unique_ptr<QWidget> parent;
    Tchaine_riche *label = nullptr;
};

TEST_F(Tchaine_richeTest, DefaultsAndPropertiesByName)
{
    const Tchaine_riche defaut;
    EXPECT_EQ(defaut.chaine(), "41M]}");
    EXPECT_EQ(defaut.sens(), 1);
    EXPECT_FALSE(defaut.centre());
    EXPECT_EQ(defaut.couleur(), clBlack);
    EXPECT_EQ(defaut.taille(), 11);
    EXPECT_EQ(defaut.Police(), "arial");
    EXPECT_EQ(defaut.Pos_indice(), -3);
    EXPECT_EQ(defaut.Taille_indice(), 3);
    EXPECT_EQ(defaut.StyleFond(), bsSolid);
    EXPECT_EQ(defaut.CouleurFond(), clBlack);
    EXPECT_FALSE(defaut.AutoDepl());
    EXPECT_EQ(defaut.size(), QSize(defaut.longueur(), defaut.hauteur()));
    EXPECT_EQ(defaut.accessibleDescription(), "M");

    EXPECT_TRUE(label->setProperty("chaine", "01ms/div]}"));
    EXPECT_TRUE(label->setProperty("couleur", 0xFF00FF));
    EXPECT_TRUE(label->setProperty("StyleFond", "bsDiagCross"));
    EXPECT_TRUE(label->setProperty("Police", "times new roman"));
    EXPECT_TRUE(label->setProperty("AutoDepl", true));
    EXPECT_EQ(label->chaine(), "01ms/div]}");
    EXPECT_EQ(label->couleur(), clFuchsia);
    EXPECT_EQ(label->StyleFond(), bsDiagCross);
    EXPECT_EQ(label->Police(), "times new roman");
    EXPECT_TRUE(label->AutoDepl());
}

TEST_F(Tchaine_richeTest, WidthIsTheRunsPlusOnePixelEach)
{
    label->setchaine("01ms/div]}");
    EXPECT_EQ(label->longueur(), Largeur(Police("arial", 15), "ms/div") + 1);

    label->setchaine("41I]00 ]}");
    EXPECT_EQ(label->longueur(), Largeur(Police("arial", 15, true, true), "I") + Largeur(Police("arial", 10), " ") + 2);

    // Greek letters are measured as they are drawn.
    label->setchaine("61F]00v ]}");
    EXPECT_EQ(label->longueur(), Largeur(Police("symbol", 15, false, true), QString::fromUtf8("Φ")) +
                                     Largeur(Police("arial", 10), "v ") + 2);
}

TEST_F(Tchaine_richeTest, HeightDependsOnTheOrderOfTheRuns)
{
    // Heights less than 5 pixels apart: only the first run counts, plus 5.
    label->settaille(14);
    label->setTaille_indice(11);
    const int grand = Hauteur(Police("arial", 14));
    const int petit = Hauteur(Police("arial", 11));
    ASSERT_GT(grand, petit);
    ASSERT_LE(grand - petit, 5);
    label->setchaine("02a]01b]}");
    EXPECT_EQ(label->hauteur(), petit + 5);
    label->setchaine("01b]02a]}");
    EXPECT_EQ(label->hauteur(), grand + 5);

    // A later run taller by more than 5 pixels raises the height.
    label->setTaille_indice(6);
    ASSERT_GT(grand - Hauteur(Police("arial", 6)), 5);
    label->setchaine("02a]01b]}");
    EXPECT_EQ(label->hauteur(), grand + 5);
}

// Sized by the setters, shown or not, before any painting.
TEST_F(Tchaine_richeTest, SizesItselfToItsTextKeepingItsLeftEdge)
{
    label->setchaine("41V]00S1 ]}");
    EXPECT_EQ(label->size(), QSize(label->longueur(), label->hauteur()));

    const int avant = label->width();
    label->setchaine("41V]00S1 ]01(V)]}");
    EXPECT_GT(label->width(), avant);
    EXPECT_EQ(label->pos(), QPoint(40, 30));
    const int hauteur = label->height();
    label->settaille(20);
    EXPECT_GT(label->height(), hauteur);

    label->hide();
    label->setchaine("01a]}");
    EXPECT_EQ(label->size(), QSize(label->longueur(), label->hauteur()));
}

TEST_F(Tchaine_richeTest, SymbolRunSitsThreePixelsHigherAndSubscriptsLower)
{
    label->setcouleur(clBlue);
    label->setchaine(QString::fromUtf8("01α]}"));
    const int droit = HautDeLEncre(Rendu(*label), Qt::blue);
    label->setchaine("21a]}"); // the same alpha, from the Symbol set
    EXPECT_EQ(HautDeLEncre(Rendu(*label), Qt::blue), droit - 3);

    label->setTaille_indice(15);
    label->setchaine("00x]}");
    const int indice = HautDeLEncre(Rendu(*label), Qt::blue);
    label->setchaine("01x]}");
    EXPECT_EQ(indice - HautDeLEncre(Rendu(*label), Qt::blue), 9);
}

TEST_F(Tchaine_richeTest, BackgroundStyles)
{
    label->setchaine("01i]}");
    label->setcouleur(clRed);
    label->setCouleurFond(clLime);

    QImage image = Rendu(*label, Qt::white);
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), Qt::white); // clear: the parent shows

    label->setStyleFond(bsSolid);
    image = Rendu(*label, Qt::white);
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), Qt::green);
    EXPECT_NE(HautDeLEncre(image, Qt::red), -1);

    label->setStyleFond(bsHorizontal);
    image = Rendu(*label, Qt::white);
    int verts = 0;
    int blancs = 0;
    for (int y = 0; y < image.height(); ++y) {
        verts += image.pixelColor(image.width() - 1, y) == Qt::green;
        blancs += image.pixelColor(image.width() - 1, y) == Qt::white;
    }
    EXPECT_GT(verts, 0);
    EXPECT_GT(blancs, verts); // hatch lines, the parent between them
}

TEST_F(Tchaine_richeTest, AccessibleDescriptionIsTheTextShown)
{
    label->setchaine("01j]11L]00s]21w]41I]}");
    EXPECT_EQ(label->accessibleDescription(), QString::fromUtf8("jLsωI"));
    label->setchaine("61F]00v ]}");
    EXPECT_EQ(label->accessibleDescription(), QString::fromUtf8("Φv "));
    label->setPolice("Symbol");
    EXPECT_EQ(label->accessibleDescription(), QString::fromUtf8("Φϖ "));
}

TEST_F(Tchaine_richeTest, DraggingMovesTheLabelUnderThePointer)
{
    parent->show();
    label->setAutoDepl(true);
    QSignalSpy bas(label, &Tchaine_riche::OnMouseDown);
    QSignalSpy deplace(label, &Tchaine_riche::OnMouseMove);
    QSignalSpy haut(label, &Tchaine_riche::OnMouseUp);

    Souris(*label, QEvent::MouseButtonPress, QPoint(5, 6), Qt::LeftButton, Qt::LeftButton);
    Souris(*label, QEvent::MouseMove, QPoint(25, 16), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label->pos(), QPoint(60, 40));
    // The label now lies under the pointer; the next move is in its new pixels.
    Souris(*label, QEvent::MouseMove, QPoint(5 - 100, 6 - 50), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label->pos(), QPoint(-40, -10)); // no limit
    Souris(*label, QEvent::MouseButtonRelease, QPoint(5, 6), Qt::LeftButton, Qt::NoButton);
    Souris(*label, QEvent::MouseMove, QPoint(30, 30));
    EXPECT_EQ(label->pos(), QPoint(-40, -10));
    EXPECT_EQ(bas.count(), 1);
    EXPECT_EQ(deplace.count(), 3);
    EXPECT_EQ(haut.count(), 1);
}

TEST_F(Tchaine_richeTest, NoDragWithoutAutoDeplOrWhenDisabled)
{
    parent->show();
    QSignalSpy deplace(label, &Tchaine_riche::OnMouseMove);
    QSignalSpy clic(label, &Tchaine_riche::OnClick);
    Souris(*label, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    Souris(*label, QEvent::MouseMove, QPoint(9, 12), Qt::NoButton, Qt::LeftButton);
    Souris(*label, QEvent::MouseButtonRelease, QPoint(9, 12), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(label->pos(), QPoint(40, 30));
    EXPECT_EQ(deplace.count(), 1); // the events still reach their handlers
    EXPECT_EQ(clic.count(), 1);

    label->setAutoDepl(true);
    label->setEnabled(false);
    Souris(*label, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    Souris(*label, QEvent::MouseMove, QPoint(25, 15), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label->pos(), QPoint(40, 30));
    EXPECT_EQ(deplace.count(), 1);
}

TEST_F(Tchaine_richeTest, BrokenMarkupPaintsWhatItCan)
{
    for (const char *marquage : {"", "}", "4", "41", "41V", "]]]]]]", "01\xFF\xFE]}", "x\xE2"}) {
        label->setchaine(QString::fromUtf8(marquage));
        const QImage image = Rendu(*label);
        EXPECT_EQ(label->width(), std::max(1, label->longueur())) << marquage;
    }
    // From nothing at all, the label grows again.
    label->setchaine("");
    Rendu(*label);
    EXPECT_EQ(label->size(), QSize(1, 1));
    label->setchaine("01ms/div]}");
    Rendu(*label);
    EXPECT_EQ(label->width(), label->longueur());
    label->setchaine("41V");
    EXPECT_GT(label->longueur(), 1);
}

} // namespace
} // namespace tavelor
