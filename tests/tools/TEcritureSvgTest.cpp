#include "TEcritureSvg.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace tavelor {
namespace {

// The "d" attribute of the document's only path.
QString DonneesSeules(const QPainterPath &chemin, QColor remplissage = QColor(), QColor trait = Qt::black)
{
    const QString svg = QString::fromUtf8(EncodeSvg({TTraceIcone{chemin, remplissage, trait, 2}}, 10));
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral(" d=\"([^\"]*)\"")).match(svg);
    return m.captured(1);
}

TEST(TEcritureSvg, PathDataFollowsTheOutline)
{
    QPainterPath ouvert(QPointF(0, 0));
    ouvert.lineTo(10, 0);
    ouvert.lineTo(10, 5.5);

    QPainterPath rectangle;
    rectangle.addRect(1, 2, 3, 4);

    QPainterPath courbe(QPointF(0.004, -0.004));
    courbe.cubicTo(1, 2, 3.25, 4, 5, 6);

    // A closed subpath then an open one: only the first gets its Z.
    QPainterPath deux;
    deux.addRect(0, 0, 1, 1);
    deux.moveTo(5, 5);
    deux.lineTo(6, 6);

    const struct {
        const char *cas;
        QPainterPath chemin;
        const char *attendu;
    } cas[] = {
        {"open polyline", ouvert, "M0 0 L10 0 L10 5.5"},
        {"closed rectangle", rectangle, "M1 2 L4 2 L4 6 L1 6 L1 2 Z"},
        {"cubic, tiny values written as 0", courbe, "M0 0 C1 2 3.25 4 5 6"},
        {"closed then open subpath", deux, "M0 0 L1 0 L1 1 L0 1 L0 0 Z M5 5 L6 6"},
    };
    for (const auto &c : cas)
        EXPECT_EQ(DonneesSeules(c.chemin).toStdString(), c.attendu) << c.cas;
}

TEST(TEcritureSvg, UnpaintedPartsAreLeftOut)
{
    QPainterPath point(QPointF(1, 1));
    point.lineTo(2, 2);
    const QString seulTrait = QString::fromUtf8(EncodeSvg({TTraceIcone{point, QColor(), QColor(1, 2, 3), 1.5}}, 10));
    EXPECT_TRUE(seulTrait.contains(QStringLiteral("fill=\"none\"")));
    EXPECT_TRUE(seulTrait.contains(QStringLiteral("stroke=\"#010203\" stroke-width=\"1.5\"")));

    const QString seulFond = QString::fromUtf8(EncodeSvg({TTraceIcone{point, Qt::white, QColor(), 0}}, 10));
    EXPECT_TRUE(seulFond.contains(QStringLiteral("fill=\"#ffffff\"")));
    EXPECT_FALSE(seulFond.contains(QStringLiteral("stroke")));
}

} // namespace
} // namespace tavelor
