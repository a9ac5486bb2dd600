#include "TCanevasQt.h"

#include "ApplicationTest.h"
#include "CouleurQt.h"
#include "TPaintBox.h"

#include <QPainter>
#include <QPainterPath>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

namespace tavelor {
namespace {

using test::EstCouleur;

class TCanevasQtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::Application(); }

    // Draws on a white 40 × 30 image through the canvas.
    static QImage Dessin(const std::function<void(TCanevasQt &)> &dessin)
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            TCanevasQt canevas(&image);
            dessin(canevas);
        }
        return image;
    }

    static int Noirs(const QImage &image)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == Qt::black;
        return n;
    }
};

TEST_F(TCanevasQtTest, ColoursAreBlueGreenRedFromTheHighByte)
{
    EXPECT_EQ(VersQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(VersQColor(clBlue), QColor(0, 0, 255));
    EXPECT_EQ(VersQColor(clFondBanc), QColor(255, 255, 191));
    EXPECT_EQ(VersQColor(clPurple), QColor(128, 0, 128));
    EXPECT_EQ(VersQColor(0xFF123456), QColor(0x56, 0x34, 0x12)); // the high byte is no colour
}

TEST_F(TCanevasQtTest, SegmentPaintsItsStartButNotItsEnd)
{
    const QImage image = Dessin([](TCanevasQt &c) {
        c.CouleurPlume(clBlack);
        c.EpaisseurPlume(0);
        c.DeplaceVers(2, 5);
        c.LigneVers(12, 5);
        c.DeplaceVers(2, 20);
        c.LigneVers(12, 25); // slanted
    });
    EXPECT_TRUE(EstCouleur(image, 2, 5, Qt::black));
    EXPECT_TRUE(EstCouleur(image, 11, 5, Qt::black));
    EXPECT_FALSE(EstCouleur(image, 12, 5, Qt::black));
    EXPECT_TRUE(EstCouleur(image, 2, 20, Qt::black));
    EXPECT_FALSE(EstCouleur(image, 12, 25, Qt::black));
    EXPECT_EQ(Noirs(image), 20); // ten pixels per segment, one pixel wide
}

TEST_F(TCanevasQtTest, PolylineClosesWithoutGapsAndThePenColourApplies)
{
    const QImage image = Dessin([](TCanevasQt &c) {
        c.CouleurPlume(clRed);
        c.DeplaceVers(0, 0);
        c.LigneVers(9, 0);
        c.LigneVers(9, 9);
        c.LigneVers(0, 9);
        c.LigneVers(0, 0);
    });
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(EstCouleur(image, i, 0, Qt::red)) << i;
        EXPECT_TRUE(EstCouleur(image, 9, i, Qt::red)) << i;
        EXPECT_TRUE(EstCouleur(image, i, 9, Qt::red)) << i;
        EXPECT_TRUE(EstCouleur(image, 0, i, Qt::red)) << i;
    }
    EXPECT_TRUE(EstCouleur(image, 5, 5, Qt::white));
}

TEST_F(TCanevasQtTest, WidthAndStyle)
{
    const auto segment = [](int epaisseur, TStyleTrait style) {
        return Dessin([=](TCanevasQt &c) {
            c.EpaisseurPlume(epaisseur);
            c.StylePlume(style);
            c.DeplaceVers(5, 15);
            c.LigneVers(35, 15);
        });
    };
    EXPECT_EQ(Noirs(segment(1, TStyleTrait::psSolid)), 30);
    EXPECT_GE(Noirs(segment(3, TStyleTrait::psSolid)), 90);
    EXPECT_EQ(Noirs(segment(1, TStyleTrait::psClear)), 0);
    const int tirets = Noirs(segment(0, TStyleTrait::psDash));
    EXPECT_GT(tirets, 0);
    EXPECT_LT(tirets, 30);
}

TEST_F(TCanevasQtTest, EmptySegmentPaintsNothingAndMovesTheCurrentPoint)
{
    const QImage image = Dessin([](TCanevasQt &c) {
        c.DeplaceVers(4, 4);
        c.LigneVers(4, 4);
        c.LigneVers(4, 8);
    });
    EXPECT_EQ(Noirs(image), 4);
}

// What is painted through the painter lies over the thin lines drawn before it and
// under those drawn after, whichever way their pixels reach the image.
TEST_F(TCanevasQtTest, CallsReachTheImageInTheirOrder)
{
    struct Cas {
        QImage::Format format; // RGB32 takes the direct path, RGB16 the painter's
        qreal echelle;         // device pixels per unit
    };
    for (const Cas &cas :
         {Cas{QImage::Format_RGB32, 1.0}, Cas{QImage::Format_RGB16, 1.0}, Cas{QImage::Format_RGB32, 2.0}}) {
        SCOPED_TRACE(static_cast<int>(cas.format) + 100 * cas.echelle);
        const int e = static_cast<int>(cas.echelle);
        QImage image(40 * e, 30 * e, cas.format);
        image.setDevicePixelRatio(cas.echelle);
        image.fill(Qt::white);
        {
            TCanevasQt canevas(&image);
            canevas.CouleurPlume(clBlack);
            canevas.DeplaceVers(0, 10);
            canevas.LigneVers(40, 10);
            canevas.Peintre().fillRect(QRect(10, 5, 10, 10), Qt::red);
            canevas.DeplaceVers(0, 12);
            canevas.LigneVers(40, 12);
        }
        image = image.convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(EstCouleur(image, 15 * e, 10 * e, Qt::red));
        EXPECT_TRUE(EstCouleur(image, 5 * e, 10 * e, Qt::black));
        EXPECT_TRUE(EstCouleur(image, 15 * e, 12 * e, Qt::black));
    }
}

// Thin segments are stepped point by point; whatever the painter's scale, every step
// lands whole (all the device pixels of a drawing pixel), the end stays out and the line
// pen is what the painter keeps.
TEST_F(TCanevasQtTest, ThinSegmentsOnPlainAndScaledPainters)
{
    struct Cas {
        int epaisseur;
        qreal echelle;       // device pixels per unit
        bool plumeComposant; // the pen set on the painter by a component, not by the canvas
    };
    for (const Cas &cas : {Cas{0, 1.0, false}, Cas{1, 1.0, false}, Cas{0, 2.0, false}, Cas{1, 2.0, false},
                           Cas{0, 1.0, true}, Cas{0, 2.0, true}}) {
        SCOPED_TRACE(cas.epaisseur + 10 * cas.echelle + 100 * cas.plumeComposant);
        const int e = static_cast<int>(cas.echelle);
        QImage image(40 * e, 30 * e, QImage::Format_RGB32);
        image.setDevicePixelRatio(cas.echelle);
        image.fill(Qt::white);
        {
            // The canvas paints the last of its pixels as it goes.
            TCanevasQt canevas(&image);
            if (cas.plumeComposant) {
                canevas.Peintre().setPen(QPen(Qt::black, cas.epaisseur));
            } else {
                canevas.CouleurPlume(clBlack);
                canevas.EpaisseurPlume(cas.epaisseur);
            }
            const QPen avant = canevas.Peintre().pen();
            canevas.DeplaceVers(2, 20);
            canevas.LigneVers(12, 25);
            EXPECT_EQ(canevas.Peintre().pen(), avant);
        }
        EXPECT_TRUE(EstCouleur(image, 2 * e, 20 * e, Qt::black));
        EXPECT_TRUE(EstCouleur(image, 3 * e - 1, 21 * e - 1, Qt::black));
        EXPECT_FALSE(EstCouleur(image, 12 * e, 25 * e, Qt::black));
        EXPECT_EQ(Noirs(image), 10 * e * e);
    }
}

// Thin lines written straight into a 32-bit image must come out as the painter's own
// points would, wherever the box is moved and whatever part of it is repainted; under a
// clip of the painter's own (which clipRegion() only approximates for a path, a rotated
// or a fractional rectangle) the painter draws them. An image of another format takes
// the painter's path and serves as the reference.
TEST_F(TCanevasQtTest, ThinLinesWrittenIntoTheImageAsThePainterDrawsThem)
{
    struct Cas {
        const char *nom;
        QPoint decalage;
        QRegion repeinte; // empty: the whole box
        std::function<void(QPainter &)> clip;
        bool directe; // the pixels go straight into the image
        QImage::Format format = QImage::Format_ARGB32_Premultiplied;
    };
    const QRegion deuxZones = QRegion(5, 5, 20, 30) | QRegion(30, 12, 25, 10);
    const Cas tous[] = {
        {"whole box", {0, 0}, {}, nullptr, true, QImage::Format_RGB32},
        {"one exposed zone", {0, 0}, QRegion(8, 6, 30, 20), nullptr, true},
        {"two exposed zones, moved", {-4, 9}, deuxZones, nullptr, true, QImage::Format_ARGB32},
        {"clip region", {7, 5}, {}, [](QPainter &p) { p.setClipRegion(QRegion(3, 2, 30, 25)); }, false},
        {"clip path",
         {3, -2},
         {},
         [](QPainter &p) {
             QPainterPath ellipse;
             ellipse.addEllipse(QRectF(4.5, 3.25, 41.0, 33.5));
             p.setClipPath(ellipse);
         },
         false},
        {"clip set under a rotation",
         {0, 0},
         {},
         [](QPainter &p) {
             p.rotate(17);
             p.setClipRect(QRectF(12.0, -6.0, 34.0, 22.0));
             p.rotate(-17);
         },
         false},
        {"fractional clip rectangle",
         {2, 1},
         {},
         [](QPainter &p) { p.setClipRect(QRectF(3.5, 2.25, 30.5, 20.75)); },
         false},
    };
    for (const Cas &cas : tous) {
        SCOPED_TRACE(cas.nom);
        TPaintBox boite;
        boite.resize(64, 48);
        QObject::connect(&boite, &TPaintBox::OnPaint, [&cas](TCanevasQt &canevas) {
            if (cas.clip)
                cas.clip(canevas.Peintre());
            canevas.CouleurPlume(clRed);
            canevas.DeplaceVers(-10, 3);
            for (const QPoint p : {QPoint(20, 40), QPoint(21, 2), QPoint(60, 25), QPoint(2, 30)})
                canevas.LigneVers(p.x(), p.y());
            canevas.CouleurPlume(clBlue);
            canevas.DeplaceVers(0, 0);
            canevas.LigneVers(70, 50);
        });
        const auto dessine = [&](QImage::Format format) {
            QImage image(64, 48, format);
            image.fill(Qt::white);
            boite.render(&image, cas.decalage, cas.repeinte, QWidget::RenderFlags());
            return image.convertToFormat(QImage::Format_RGB32);
        };
        const QImage reference = dessine(QImage::Format_RGB16);
        const std::uint64_t avant = TCanevasQt::PixelsEcritsDirectement();
        const QImage ecrite = dessine(cas.format);
        EXPECT_EQ(TCanevasQt::PixelsEcritsDirectement() > avant, cas.directe);
        int differences = 0;
        for (int y = 0; y < reference.height(); ++y)
            for (int x = 0; x < reference.width(); ++x)
                differences += ecrite.pixel(x, y) != reference.pixel(x, y);
        EXPECT_EQ(differences, 0);
        QImage blanche(reference.size(), QImage::Format_RGB32);
        blanche.fill(Qt::white);
        EXPECT_NE(reference, blanche) << "something was drawn";
    }
}

} // namespace
} // namespace tavelor
