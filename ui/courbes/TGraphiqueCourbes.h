#pragma once

#include <QChartView>
#include <QPixmap>
#include <QPolygonF>
#include <QString>

#include <vector>

class QAction;
class QAbstractSeries;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QXYSeries;

namespace tavelor {

// One plot of the curves window: two value axes, a legend under the plot, fonts and
// line widths large enough to be read on a projected screen, and a context menu that
// copies the plot as an image or its curves as tab-separated text.
class TGraphiqueCourbes : public QChartView {
    Q_OBJECT

public:
    TGraphiqueCourbes(const QString &titreX, const QString &titreY, QWidget *parent = nullptr);

    // A curve of the plot, attached to both axes; a dashed style for references and loci.
    QLineSeries *AjouteCourbe(const QString &nom, QColor couleur, qreal epaisseur, Qt::PenStyle style = Qt::SolidLine);
    // Fixed markers, drawn with the curves.
    QScatterSeries *AjoutePoint(const QString &nom, QColor couleur, qreal taille);
    // The live operating point: one large marker that moves at every tick. It stays out
    // of the chart and is painted over a picture of the curves, so that moving it
    // repaints a few pixels instead of the whole antialiased plot.
    QScatterSeries *AjoutePointMobile(const QString &nom, QColor couleur, qreal taille);
    // A curve that changes at every tick, painted over the picture like the points and
    // named by a label at its end rather than in the legend. Its points closer than `pas`
    // pixels to the last one kept are left out: a circle's gentle bend allows a longer step.
    QLineSeries *AjouteCourbeMobile(QColor couleur, qreal epaisseur, Qt::PenStyle style, qreal pas = 3.0);
    void CacheDeLaLegende(QAbstractSeries *serie);
    void AttacheAuxAxes(QAbstractSeries *serie);
    // Range widened to a round step (1, 2 or 5 times a power of ten, 4 to 10 steps),
    // with as many decimals as the step needs.
    static void Gradue(QValueAxis *axe, double min, double max);

    // Every named curve that has points as two columns (x, y), a header line first, the locale's
    // decimal separator: pastes as is into a spreadsheet.
    QString DonneesTabulees() const;
    // The plot as it stands, moving series included, `echelle` times its size on screen:
    // the chart is drawn anew at that size rather than enlarged.
    QImage Image(qreal echelle);

    QValueAxis *AxeX, *AxeY;
    QAction *ActionCopierImage, *ActionCopierDonnees;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QScatterSeries *NouveauPoint(const QString &nom, QColor couleur, qreal taille);
    // A moving series and where it was last placed, in viewport pixels: computed when it
    // moves, or when the chart was drawn anew (its axes may have moved), then painted as is.
    struct TSerieMobile {
        QXYSeries *Serie;
        bool Courbe;
        QRect Zone;
        QPolygonF Trace;  // a curve's points
        QRectF Etiquette; // a curve's label
        qreal Pas;        // a curve's shortest segment, px
    };

    void AjouteMobile(QXYSeries *serie, bool courbe, qreal pas = 0.0);
    QPointF VersEcran(QPointF valeur) const;
    QRectF ZoneDuTrace() const;
    QRect ZoneDuPoint(const QXYSeries *serie) const;
    QPolygonF Trace(const QXYSeries *serie, qreal pas) const;
    QRectF ZoneEtiquette(const QXYSeries *serie, const QPolygonF &trace) const;
    void Place(TSerieMobile &mobile, bool nomSeul = false) const;
    void PeintCourbe(QPainter &peintre, const TSerieMobile &courbe) const;
    void PeintMobiles(QPainter &peintre) const;
    void Deplace(TSerieMobile &mobile, bool nomSeul = false);
    void CopierImage();
    void CopierDonnees();

    std::vector<TSerieMobile> SeriesMobiles;
    QPixmap Fond; // the chart without the moving points; null once the chart changed
};

} // namespace tavelor
