#include "TDessinIcone.h"

#include "TEcritureSvg.h"

#include <QDir>
#include <QFile>
#include <QPainterPathStroker>

#include <gtest/gtest.h>

namespace tavelor {
namespace {

// Someone who changes the drawing and forgets to run the generator ships the old icon.
TEST(TDessinIcone, CommittedIconsAreTheGeneratorsOutput)
{
    const QDir dossier(QStringLiteral(TAVELOR_ICONES));
    QFile svg(dossier.filePath(QStringLiteral("tavelor.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(svg.readAll().toStdString(),
              EncodeSvg(TDessinIcone::Traces(TDessinIcone::Cote), TDessinIcone::Cote).toStdString());

    for (const int taille : TDessinIcone::Tailles) {
        const QImage commise(dossier.filePath(QStringLiteral("tavelor-%1.png").arg(taille)));
        ASSERT_EQ(commise.size(), QSize(taille, taille)) << taille;
        const QImage dessinee = TDessinIcone::Dessine(taille);
        int ecartMax = 0;
        for (int y = 0; y < taille; ++y) {
            for (int x = 0; x < taille; ++x) {
                const QColor a = commise.pixelColor(x, y);
                const QColor b = dessinee.pixelColor(x, y);
                ecartMax = std::max({ecartMax, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                     std::abs(a.blue() - b.blue()), std::abs(a.alpha() - b.alpha())});
            }
        }
        EXPECT_LE(ecartMax, 2) << taille << " px";
    }
}

TEST(TDessinIcone, NoStrokeSpillsPastTheCanvas)
{
    const QRectF canevas(0, 0, TDessinIcone::Cote, TDessinIcone::Cote);
    for (const int taille : TDessinIcone::Tailles) {
        for (const TTraceIcone &trace : TDessinIcone::Traces(taille)) {
            QPainterPathStroker contour;
            contour.setWidth(trace.trait.isValid() ? trace.epaisseur : 0);
            contour.setCapStyle(Qt::RoundCap);
            contour.setJoinStyle(Qt::RoundJoin);
            const QRectF emprise = contour.createStroke(trace.chemin).boundingRect() | trace.chemin.boundingRect();
            EXPECT_TRUE(canevas.contains(emprise)) << taille << " px: " << emprise.x() << ", " << emprise.y() << ", "
                                                   << emprise.right() << ", " << emprise.bottom();
        }
    }
}

// The three stator lines of the small icons cover whole rows in solid black, with the
// cream of the tile right above and below: sharp, not two grey rows each.
TEST(TDessinIcone, SmallIconsKeepTheirLinesSharp)
{
    const struct {
        int taille;
        int x;            // a column between the machine and the frame
        QList<int> rangs; // rows of the three lines
    } cas[] = {
        {16, 12, {4, 7, 10}},
        {32, 24, {8, 9, 14, 15, 20, 21}},
    };
    for (const auto &c : cas) {
        const QImage image = TDessinIcone::Dessine(c.taille);
        for (int y = 2; y < c.taille - 2; ++y) {
            const QString couleur = image.pixelColor(c.x, y).name(QColor::HexArgb);
            const char *attendue = c.rangs.contains(y) ? "#ff000000" : "#ffffffbf";
            EXPECT_EQ(couleur.toStdString(), attendue) << c.taille << " px, row " << y;
        }
    }
}

} // namespace
} // namespace tavelor
