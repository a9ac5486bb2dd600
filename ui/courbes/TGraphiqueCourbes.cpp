#include "TGraphiqueCourbes.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace tavelor {

namespace {

QFont Police(int points, bool gras = false)
{
    QFont police = QApplication::font();
    police.setPointSize(points);
    police.setBold(gras);
    return police;
}

QValueAxis *CreeAxe(const QString &titre)
{
    auto *axe = new QValueAxis;
    axe->setTitleText(titre);
    axe->setTitleFont(Police(13, true));
    axe->setLabelsFont(Police(12));
    axe->setGridLineColor(QColor(200, 200, 200));
    axe->setLinePen(QPen(Qt::black, 1.5));
    axe->setLabelsColor(Qt::black);
    return axe;
}

} // namespace

TGraphiqueCourbes::TGraphiqueCourbes(const QString &titreX, const QString &titreY, QWidget *parent)
    : QChartView(parent), AxeX(CreeAxe(titreX)), AxeY(CreeAxe(titreY)),
      ActionCopierImage(new QAction(QStringLiteral("Copier l'image"), this)),
      ActionCopierDonnees(new QAction(QStringLiteral("Copier les données"), this))
{
    auto *graphique = new QChart;
    // The regional decimal separator, but never thousands grouped: "3 000" or "3,000"
    // read as two numbers, or as 3, beside meters that write "3000".
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    graphique->setLocalizeNumbers(true);
    graphique->setLocale(locale);
    graphique->setBackgroundRoundness(0);
    graphique->setMargins(QMargins(4, 4, 4, 4));
    graphique->addAxis(AxeX, Qt::AlignBottom);
    graphique->addAxis(AxeY, Qt::AlignLeft);
    graphique->legend()->setAlignment(Qt::AlignRight);
    graphique->legend()->setFont(Police(11));
    // Each entry drawn as its series is: a dashed curve as a dashed stroke, a point as a point.
    graphique->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    // The view starts with a default chart of its own, which setChart lets go without deleting.
    QChart *defaut = chart();
    setChart(graphique);
    delete defaut;
    // Connecting this signal also makes the scene's updates reach the view through it.
    connect(scene(), &QGraphicsScene::changed, this, [this] { Fond = QPixmap(); });
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(300, 200);
    // The picture covers the whole viewport: what lies under it need not be repainted.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

    setContextMenuPolicy(Qt::ActionsContextMenu);
    addAction(ActionCopierImage);
    addAction(ActionCopierDonnees);
    connect(ActionCopierImage, &QAction::triggered, this, &TGraphiqueCourbes::CopierImage);
    connect(ActionCopierDonnees, &QAction::triggered, this, &TGraphiqueCourbes::CopierDonnees);
}

void TGraphiqueCourbes::Gradue(QValueAxis *axe, double min, double max)
{
    const double etendue = std::max(max - min, 1e-9);
    const double puissance = std::pow(10.0, std::floor(std::log10(etendue / 4.0)));
    double pas = puissance;
    for (const double facteur : {1.0, 2.0, 5.0, 10.0}) {
        pas = facteur * puissance;
        if (etendue / pas <= 10.0)
            break;
    }
    const double debut = std::floor(min / pas + 1e-9) * pas;
    const double fin = std::ceil(max / pas - 1e-9) * pas;
    const int decimales = std::max(0, static_cast<int>(std::ceil(-std::log10(pas) - 1e-9)));
    const QString format = QStringLiteral("%.%1f").arg(decimales);
    // A format set again, even unchanged, lays the whole chart out anew.
    if (axe->labelFormat() != format)
        axe->setLabelFormat(format);
    axe->setRange(debut, fin);
    axe->setTickCount(static_cast<int>(std::lround((fin - debut) / pas)) + 1);
}

void TGraphiqueCourbes::AttacheAuxAxes(QAbstractSeries *serie)
{
    chart()->addSeries(serie);
    serie->attachAxis(AxeX);
    serie->attachAxis(AxeY);
    // A zone has no stroke to draw in its legend entry: a square of its colour says it.
    if (serie->type() == QAbstractSeries::SeriesTypeArea)
        for (QLegendMarker *nom : chart()->legend()->markers(serie))
            nom->setShape(QLegend::MarkerShapeRectangle);
}

QLineSeries *TGraphiqueCourbes::AjouteCourbe(const QString &nom, QColor couleur, qreal epaisseur, Qt::PenStyle style)
{
    auto *serie = new QLineSeries(this);
    serie->setName(nom);
    QPen stylo(couleur, epaisseur, style, Qt::RoundCap, Qt::RoundJoin);
    serie->setPen(stylo);
    AttacheAuxAxes(serie);
    return serie;
}

// A round marker with a black border, visible on every background.
QScatterSeries *TGraphiqueCourbes::NouveauPoint(const QString &nom, QColor couleur, qreal taille)
{
    auto *serie = new QScatterSeries(this);
    serie->setName(nom);
    serie->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    serie->setMarkerSize(taille);
    serie->setColor(couleur);
    serie->setBorderColor(Qt::black);
    return serie;
}

QScatterSeries *TGraphiqueCourbes::AjoutePoint(const QString &nom, QColor couleur, qreal taille)
{
    QScatterSeries *serie = NouveauPoint(nom, couleur, taille);
    AttacheAuxAxes(serie);
    return serie;
}

QScatterSeries *TGraphiqueCourbes::AjoutePointMobile(const QString &nom, QColor couleur, qreal taille)
{
    QScatterSeries *serie = NouveauPoint(nom, couleur, taille);
    AjouteMobile(serie, false);
    return serie;
}

QLineSeries *TGraphiqueCourbes::AjouteCourbeMobile(QColor couleur, qreal epaisseur, Qt::PenStyle style, qreal pas)
{
    auto *serie = new QLineSeries(this);
    // Flat ends and bevelled joins: repainted at every tick, the dashes stay cheap to stroke.
    serie->setPen(QPen(couleur, epaisseur, style, Qt::FlatCap, Qt::BevelJoin));
    AjouteMobile(serie, true, pas);
    return serie;
}

void TGraphiqueCourbes::AjouteMobile(QXYSeries *serie, bool courbe, qreal pas)
{
    SeriesMobiles.push_back({serie, courbe, QRect(), QPolygonF(), QRectF(), pas});
    const std::size_t rang = SeriesMobiles.size() - 1;
    auto deplace = [this, rang] { Deplace(SeriesMobiles[rang]); };
    connect(serie, &QXYSeries::pointsReplaced, this, deplace);
    connect(serie, &QXYSeries::pointReplaced, this, deplace);
    connect(serie, &QXYSeries::pointAdded, this, deplace);
    connect(serie, &QXYSeries::pointsRemoved, this, deplace);
    connect(serie, &QAbstractSeries::nameChanged, this, [this, rang] { Deplace(SeriesMobiles[rang], true); });
}

QPointF TGraphiqueCourbes::VersEcran(QPointF valeur) const
{
    return viewportTransform().map(chart()->mapToScene(chart()->mapToPosition(valeur)));
}

QRectF TGraphiqueCourbes::ZoneDuTrace() const
{
    return viewportTransform().mapRect(chart()->mapRectToScene(chart()->plotArea()));
}

QRect TGraphiqueCourbes::ZoneDuPoint(const QXYSeries *serie) const
{
    if (serie->count() == 0 || chart()->series().isEmpty())
        return {};
    const QPointF centre = VersEcran(serie->at(0));
    if (!ZoneDuTrace().contains(centre))
        return {};
    const qreal rayon = static_cast<const QScatterSeries *>(serie)->markerSize() / 2 + 2;
    return QRectF(centre - QPointF(rayon, rayon), QSizeF(2 * rayon, 2 * rayon)).toAlignedRect();
}

QPolygonF TGraphiqueCourbes::Trace(const QXYSeries *serie, qreal pas) const
{
    QPolygonF trace;
    if (chart()->series().isEmpty())
        return trace;
    trace.reserve(serie->count());
    // The curves are smooth: points closer than a few pixels to the last one kept add
    // nothing to the line but its cost, as a dashed pen is stroked segment by segment.
    QPointF dernier;
    for (const QPointF &valeur : serie->points()) {
        dernier = VersEcran(valeur);
        if (trace.isEmpty() || QLineF(trace.back(), dernier).length() >= pas)
            trace.append(dernier);
    }
    if (serie->count() > 1 && trace.back() != dernier)
        trace.append(dernier);
    return trace;
}

QRectF TGraphiqueCourbes::ZoneEtiquette(const QXYSeries *serie, const QPolygonF &trace) const
{
    // Above the last point still inside the plot, ending there.
    const QRectF zone = ZoneDuTrace();
    for (auto p = trace.crbegin(); p != trace.crend(); ++p) {
        if (!zone.contains(*p))
            continue;
        const QSizeF taille = QFontMetricsF(chart()->legend()->font()).size(0, serie->name()) + QSizeF(8, 4);
        QRectF etiquette(*p - QPointF(taille.width(), taille.height() + 6), taille);
        etiquette.moveLeft(std::max(etiquette.left(), zone.left()));
        etiquette.moveTop(std::max(etiquette.top(), zone.top()));
        return etiquette;
    }
    return {};
}

void TGraphiqueCourbes::Place(TSerieMobile &mobile, bool nomSeul) const
{
    if (!mobile.Courbe) {
        mobile.Zone = ZoneDuPoint(mobile.Serie);
        return;
    }
    // A new name alone leaves the trace as it is: only the label may move.
    if (!nomSeul)
        mobile.Trace = Trace(mobile.Serie, mobile.Pas);
    mobile.Etiquette = mobile.Serie->name().isEmpty() ? QRectF() : ZoneEtiquette(mobile.Serie, mobile.Trace);
    if (mobile.Trace.isEmpty()) {
        mobile.Zone = QRect();
        return;
    }
    const qreal marge = mobile.Serie->pen().widthF() / 2 + 2;
    const QRectF zone = mobile.Trace.boundingRect().adjusted(-marge, -marge, marge, marge) & ZoneDuTrace();
    mobile.Zone = (zone | mobile.Etiquette).toAlignedRect().adjusted(-1, -1, 1, 1);
}

void TGraphiqueCourbes::PeintCourbe(QPainter &peintre, const TSerieMobile &courbe) const
{
    if (courbe.Trace.size() < 2)
        return;
    const QXYSeries *serie = courbe.Serie;
    peintre.save();
    peintre.setClipRect(ZoneDuTrace(), Qt::IntersectClip);
    peintre.setPen(serie->pen());
    peintre.setBrush(Qt::NoBrush);
    peintre.drawPolyline(courbe.Trace);
    if (!courbe.Etiquette.isNull()) {
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(QColor(255, 255, 255, 220));
        peintre.drawRect(courbe.Etiquette);
        peintre.setPen(serie->pen().color());
        peintre.setFont(chart()->legend()->font());
        peintre.drawText(courbe.Etiquette, Qt::AlignCenter, serie->name());
    }
    peintre.restore();
}

void TGraphiqueCourbes::Deplace(TSerieMobile &mobile, bool nomSeul)
{
    const QRect avant = mobile.Zone;
    Place(mobile, nomSeul);
    // A curve may change shape within the same box; a point that stays put has not moved.
    if (mobile.Zone == avant && !mobile.Courbe)
        return;
    viewport()->update(avant);
    viewport()->update(mobile.Zone);
}

void TGraphiqueCourbes::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    Fond = QPixmap();
}

void TGraphiqueCourbes::paintEvent(QPaintEvent *event)
{
    const qreal ratio = viewport()->devicePixelRatioF();
    if (Fond.isNull() || Fond.size() != viewport()->size() * ratio) {
        Fond = QPixmap(viewport()->size() * ratio);
        Fond.setDevicePixelRatio(ratio);
        Fond.fill(Qt::white);
        QPainter peintre(&Fond);
        peintre.setRenderHints(renderHints());
        // The target in logical pixels: an empty one would mean the picture's device pixels,
        // and the chart would be scaled by the ratio twice.
        render(&peintre, QRectF(QPointF(), viewport()->size()), viewport()->rect());
        // The axes may have moved with the chart: the moving series follow them.
        for (TSerieMobile &mobile : SeriesMobiles)
            Place(mobile);
    }
    QPainter peintre(viewport());
    peintre.setClipRegion(event->region());
    peintre.drawPixmap(0, 0, Fond);
    PeintMobiles(peintre);
}

QImage TGraphiqueCourbes::Image(qreal echelle)
{
    QImage image(viewport()->size() * echelle, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter peintre(&image);
    peintre.setRenderHints(renderHints() | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    render(&peintre, QRectF(image.rect()), viewport()->rect());
    peintre.scale(echelle, echelle);
    for (TSerieMobile &mobile : SeriesMobiles)
        Place(mobile);
    PeintMobiles(peintre);
    return image;
}

void TGraphiqueCourbes::PeintMobiles(QPainter &peintre) const
{
    peintre.setRenderHint(QPainter::Antialiasing);
    // In the order they were added, a curve before the point that rides on it.
    for (const TSerieMobile &mobile : SeriesMobiles) {
        if (mobile.Zone.isNull() || !mobile.Serie->isVisible())
            continue;
        if (mobile.Courbe) {
            PeintCourbe(peintre, mobile);
            continue;
        }
        // Within the plot: near an edge, the point must not hide the axis' numbers.
        peintre.save();
        peintre.setClipRect(ZoneDuTrace(), Qt::IntersectClip);
        peintre.setPen(QPen(static_cast<QScatterSeries *>(mobile.Serie)->borderColor(), 1.5));
        peintre.setBrush(mobile.Serie->color());
        peintre.drawEllipse(QRectF(mobile.Zone).adjusted(2, 2, -2, -2));
        peintre.restore();
    }
}

void TGraphiqueCourbes::CacheDeLaLegende(QAbstractSeries *serie)
{
    for (QLegendMarker *marque : chart()->legend()->markers(serie))
        marque->setVisible(false);
}

QString TGraphiqueCourbes::DonneesTabulees() const
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    std::vector<const QXYSeries *> series;
    for (const QAbstractSeries *serie : chart()->series())
        if (const auto *xy = qobject_cast<const QXYSeries *>(serie); xy && !xy->name().isEmpty() && xy->count() > 0)
            series.push_back(xy);
    for (const TSerieMobile &mobile : SeriesMobiles)
        if (!mobile.Serie->name().isEmpty())
            series.push_back(mobile.Serie);

    QStringList entete;
    int lignes = 0;
    for (const QXYSeries *serie : series) {
        entete << serie->name() + QStringLiteral("\u00A0: ") + AxeX->titleText()
               << serie->name() + QStringLiteral("\u00A0: ") + AxeY->titleText();
        lignes = std::max(lignes, serie->count());
    }
    QString texte = entete.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int i = 0; i < lignes; ++i) {
        QStringList cellules;
        for (const QXYSeries *serie : series) {
            if (i < serie->count()) {
                const QPointF point = serie->at(i);
                cellules << locale.toString(point.x(), 'f', 4) << locale.toString(point.y(), 'f', 4);
            } else {
                cellules << QString() << QString();
            }
        }
        texte += cellules.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return texte;
}

void TGraphiqueCourbes::CopierImage()
{
    QApplication::clipboard()->setImage(grab().toImage());
}

void TGraphiqueCourbes::CopierDonnees()
{
    QApplication::clipboard()->setText(DonneesTabulees());
}

} // namespace tavelor
