#include "TEcritureSvg.h"

#include <QString>

namespace tavelor {

namespace {

QString Nombre(double valeur)
{
    // Hundredths are far below a pixel at any size the icon is shown.
    QString texte = QString::number(valeur, 'f', 2);
    while (texte.endsWith(QLatin1Char('0')))
        texte.chop(1);
    if (texte.endsWith(QLatin1Char('.')))
        texte.chop(1);
    return texte == QLatin1String("-0") ? QStringLiteral("0") : texte;
}

QString Point(double x, double y)
{
    return Nombre(x) + QLatin1Char(' ') + Nombre(y);
}

QString Couleur(const QColor &couleur)
{
    return couleur.isValid() ? couleur.name(QColor::HexRgb) : QStringLiteral("none");
}

// Path data of a QPainterPath. A subpath that comes back to its start is closed with Z, so
// its stroke joins there instead of ending in two caps.
QString Donnees(const QPainterPath &chemin)
{
    QStringList commandes;
    QPointF debut;
    for (int i = 0; i < chemin.elementCount(); ++i) {
        const QPainterPath::Element e = chemin.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            debut = e;
            commandes << QStringLiteral("M") + Point(e.x, e.y);
            break;
        case QPainterPath::LineToElement:
            commandes << QStringLiteral("L") + Point(e.x, e.y);
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = chemin.elementAt(i + 1);
            const QPainterPath::Element fin = chemin.elementAt(i + 2);
            commandes << QStringLiteral("C") + Point(e.x, e.y) + QLatin1Char(' ') + Point(c2.x, c2.y) +
                             QLatin1Char(' ') + Point(fin.x, fin.y);
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
        const bool finSousChemin = i + 1 == chemin.elementCount() || chemin.elementAt(i + 1).isMoveTo();
        const QPointF ici = chemin.elementAt(i);
        if (finSousChemin && e.type != QPainterPath::MoveToElement && ici == debut)
            commandes << QStringLiteral("Z");
    }
    return commandes.join(QLatin1Char(' '));
}

} // namespace

QByteArray EncodeSvg(const QList<TTraceIcone> &traces, int cote)
{
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(cote);
    for (const TTraceIcone &trace : traces) {
        svg += QStringLiteral("  <path d=\"%1\" fill=\"%2\"").arg(Donnees(trace.chemin), Couleur(trace.remplissage));
        if (trace.trait.isValid())
            svg += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\" "
                                  "stroke-linejoin=\"round\"")
                       .arg(Couleur(trace.trait), Nombre(trace.epaisseur));
        svg += QStringLiteral("/>\n");
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

} // namespace tavelor
