#include "TGraphiqueCourbes.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QClipboard>
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
    graphique->setLocalizeNumbers(true);
    graphique->setLocale(QLocale());
    graphique->setBackgroundRoundness(0);
    graphique->setMargins(QMargins(4, 4, 4, 4));
    graphique->addAxis(AxeX, Qt::AlignBottom);
    graphique->addAxis(AxeY, Qt::AlignLeft);
    graphique->legend()->setAlignment(Qt::AlignRight);
    graphique->legend()->setFont(Police(11));
    // The view starts with a default chart of its own, which setChart lets go without deleting.
    QChart *defaut = chart();
    setChart(graphique);
    delete defaut;
    // Connecting this signal also makes the scene's updates reach the view through it.
    connect(scene(), &QGraphicsScene::changed, this, [this] { Fond = QPixmap(); });
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(300, 200);

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
    axe->setRange(debut, fin);
    axe->setTickCount(static_cast<int>(std::lround((fin - debut) / pas)) + 1);
    const int decimales = std::max(0, static_cast<int>(std::ceil(-std::log10(pas) - 1e-9)));
    axe->setLabelFormat(QStringLiteral("%.%1f").arg(decimales));
}

void TGraphiqueCourbes::AttacheAuxAxes(QAbstractSeries *serie)
{
    chart()->addSeries(serie);
    serie->attachAxis(AxeX);
    serie->attachAxis(AxeY);
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
    PointsMobiles.push_back({serie, QRect()});
    const std::size_t rang = PointsMobiles.size() - 1;
    auto deplace = [this, rang] { DeplacePoint(PointsMobiles[rang]); };
    connect(serie, &QXYSeries::pointsReplaced, this, deplace);
    connect(serie, &QXYSeries::pointReplaced, this, deplace);
    connect(serie, &QXYSeries::pointAdded, this, deplace);
    connect(serie, &QXYSeries::pointsRemoved, this, deplace);
    return serie;
}

QRect TGraphiqueCourbes::ZoneDuPoint(const QScatterSeries *serie) const
{
    if (serie->count() == 0 || chart()->series().isEmpty())
        return {};
    const QPointF centre = mapFromScene(chart()->mapToPosition(serie->at(0)));
    if (!chart()->plotArea().contains(chart()->mapToPosition(serie->at(0))))
        return {};
    const qreal rayon = serie->markerSize() / 2 + 2;
    return QRectF(centre - QPointF(rayon, rayon), QSizeF(2 * rayon, 2 * rayon)).toAlignedRect();
}

void TGraphiqueCourbes::DeplacePoint(TPointMobile &point)
{
    const QRect zone = ZoneDuPoint(point.Serie);
    if (zone == point.Zone)
        return;
    viewport()->update(point.Zone);
    viewport()->update(zone);
    point.Zone = zone;
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
        render(&peintre, QRectF(), viewport()->rect());
    }
    QPainter peintre(viewport());
    peintre.setClipRegion(event->region());
    peintre.drawPixmap(0, 0, Fond);
    peintre.setRenderHint(QPainter::Antialiasing);
    // The points follow the axes, which may have moved with the curves.
    for (TPointMobile &point : PointsMobiles) {
        point.Zone = ZoneDuPoint(point.Serie);
        if (point.Zone.isNull())
            continue;
        peintre.setPen(QPen(point.Serie->borderColor(), 1.5));
        peintre.setBrush(point.Serie->color());
        peintre.drawEllipse(QRectF(point.Zone).adjusted(2, 2, -2, -2));
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
        if (const auto *xy = qobject_cast<const QXYSeries *>(serie); xy && !xy->name().isEmpty())
            series.push_back(xy);
    for (const TPointMobile &point : PointsMobiles)
        if (!point.Serie->name().isEmpty())
            series.push_back(point.Serie);

    QStringList entete;
    int lignes = 0;
    for (const QXYSeries *serie : series) {
        entete << serie->name() + QStringLiteral(" : ") + AxeX->titleText()
               << serie->name() + QStringLiteral(" : ") + AxeY->titleText();
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
