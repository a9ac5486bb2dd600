#include "TEcritureSvg.h"

#include "TDessinIcone.h"

#include <QPainter>
#include <QRegularExpression>
#include <QXmlStreamReader>

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

// Reads back what EncodeSvg writes (M, L, C, Z and the painting attributes), nothing more.
QList<TTraceIcone> Relit(const QByteArray &svg)
{
    QList<TTraceIcone> traces;
    QXmlStreamReader lecteur(svg);
    while (lecteur.readNextStartElement()) {
        if (lecteur.name() == QLatin1String("svg"))
            continue;
        const QXmlStreamAttributes a = lecteur.attributes();
        TTraceIcone trace;
        const QStringList jetons = a.value(QLatin1String("d")).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int i = 0; i < jetons.size();) {
            const QString commande = jetons[i].left(1);
            QList<double> n;
            // The first number is glued to its command letter.
            const int nombres = commande == QLatin1String("C") ? 6 : commande == QLatin1String("Z") ? 0 : 2;
            if (nombres > 0)
                n << jetons[i].mid(1).toDouble();
            for (int k = 1; k < nombres; ++k)
                n << jetons[i + k].toDouble();
            i += nombres > 0 ? nombres : 1;
            if (commande == QLatin1String("M"))
                trace.chemin.moveTo(n[0], n[1]);
            else if (commande == QLatin1String("L"))
                trace.chemin.lineTo(n[0], n[1]);
            else if (commande == QLatin1String("C"))
                trace.chemin.cubicTo(n[0], n[1], n[2], n[3], n[4], n[5]);
            else
                trace.chemin.closeSubpath();
        }
        trace.remplissage = QColor(a.value(QLatin1String("fill")).toString());
        trace.trait = QColor(a.value(QLatin1String("stroke")).toString());
        trace.epaisseur = a.value(QLatin1String("stroke-width")).toDouble();
        traces << trace;
        lecteur.skipCurrentElement();
    }
    EXPECT_FALSE(lecteur.hasError()) << lecteur.errorString().toStdString();
    return traces;
}

QImage Peint(const QList<TTraceIcone> &traces, int cote)
{
    QImage image(cote, cote, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter crayon(&image);
    crayon.setRenderHint(QPainter::Antialiasing);
    for (const TTraceIcone &t : traces) {
        QPen plume(Qt::NoPen);
        if (t.trait.isValid()) {
            plume = QPen(t.trait, t.epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        }
        crayon.setPen(plume);
        crayon.setBrush(t.remplissage.isValid() ? QBrush(t.remplissage) : QBrush());
        crayon.drawPath(t.chemin);
    }
    return image;
}

TEST(TEcritureSvg, ScalableIconDrawsWhatThePngShows)
{
    const int cote = TDessinIcone::Cote;
    const QList<TTraceIcone> relues = Relit(EncodeSvg(TDessinIcone::Traces(cote), cote));
    ASSERT_EQ(relues.size(), TDessinIcone::Traces(cote).size());

    const QImage attendue = TDessinIcone::Dessine(cote);
    const QImage relue = Peint(relues, cote);
    int differents = 0;
    for (int y = 0; y < cote; ++y) {
        for (int x = 0; x < cote; ++x) {
            const QColor a = attendue.pixelColor(x, y);
            const QColor b = relue.pixelColor(x, y);
            const int ecart = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                        std::abs(a.blue() - b.blue()), std::abs(a.alpha() - b.alpha())});
            // Coordinates rounded to hundredths shift antialiased edges by a shade at most.
            differents += ecart > 8;
        }
    }
    EXPECT_EQ(differents, 0);
}

} // namespace
} // namespace tavelor
