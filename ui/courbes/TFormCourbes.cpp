#include "TFormCourbes.h"

#include "FixedLocal.h"
#include "TCourbesCaracteristiques.h"
#include "TGraphiqueCourbes.h"
#include "TModele.h"
#include "TPageCourbes.h"

#include <QAreaSeries>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

namespace tavelor {

namespace {

using C = TCourbesCaracteristiques;
using L = TLoisMachine;

// Colours chosen to stay apart on a washed-out projector and for colour-blind eyes.
const QColor bleu(0, 90, 190);
const QColor rouge(200, 0, 0);
const QColor vert(0, 130, 60);
const QColor orange(230, 120, 0);
const QColor gris(110, 110, 110);
const QColor point(255, 200, 0);
// The recorded points: diamonds with a white edge, one colour per series, magenta first,
// apart from the live yellow disc, the V-curves' blues and greens and the loci's reds.
const std::array<QColor, 6> couleursReleves{QColor(210, 0, 150),   QColor(150, 75, 0),  QColor(20, 20, 20),
                                            QColor(255, 100, 180), QColor(0, 160, 200), QColor(128, 128, 0)};
// The V-curves darken as the power falls, leaving red and orange to the loci.
const std::array<QColor, C::PuissancesV.size()> couleursV{QColor(68, 1, 84), QColor(59, 82, 139), QColor(33, 145, 140),
                                                          QColor(40, 160, 90), QColor(110, 170, 20)};

// X in degrees when enDegres, the curve's X being an angle in rad.
QList<QPointF> Points(const TCourbe &courbe, bool enDegres = false)
{
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(courbe.size()));
    for (const TPointCourbe &p : courbe)
        points.append(QPointF(enDegres ? Degres(p.X) : p.X, p.Y));
    return points;
}

// A circle of one point per degree from −180° to 180°, going round from the degree
// `fin` back to it: a moving curve's label sits at its end.
QList<QPointF> CercleFiniA(const TCourbe &cercle, int fin)
{
    const QList<QPointF> points = Points(cercle);
    const qsizetype k = fin + 180;
    return points.mid(k) + points.mid(1, k);
}

// Written as the instruments and the table write the same quantity.
QString Nombre(double x, TGrandeurInstrument grandeur)
{
    return TexteInstrument(x, grandeur);
}

QLabel *CreeLecture()
{
    auto *lecture = new QLabel;
    QFont police = lecture->font();
    police.setPointSize(14);
    police.setBold(true);
    lecture->setFont(police);
    lecture->setAccessibleName(QStringLiteral("Point de fonctionnement"));
    // Opaque, so that a new text repaints the label alone and not the tab frame under it.
    lecture->setAutoFillBackground(true);
    return lecture;
}

QAreaSeries *Zone(TGraphiqueCourbes *graphique, const QString &nom, QColor couleur)
{
    auto *zone = new QAreaSeries(new QLineSeries(graphique), new QLineSeries(graphique));
    zone->setName(nom);
    couleur.setAlpha(70);
    zone->setBrush(couleur);
    zone->setPen(Qt::NoPen);
    graphique->AttacheAuxAxes(zone);
    return zone;
}

// Moves the marker only when the point moved, so that a steady machine costs no repaint.
void PosePoint(QScatterSeries *serie, std::optional<QPointF> point)
{
    if (!point) {
        if (serie->count() > 0)
            serie->clear();
    } else if (serie->count() != 1 || serie->at(0) != *point) {
        serie->replace({*point});
    }
}

// Series left alone when their points stay the same: any change repaints the whole plot.
void Remplace(QXYSeries *serie, const QList<QPointF> &points)
{
    if (serie->points() != points)
        serie->replace(points);
}

void PoseZone(QAreaSeries *zone, double de, double a, double hauteur)
{
    Remplace(zone->upperSeries(), {QPointF(de, hauteur), QPointF(a, hauteur)});
    Remplace(zone->lowerSeries(), {QPointF(de, -hauteur), QPointF(a, -hauteur)});
}

} // namespace

TFormCourbes::TFormCourbes(const TModele &modele, QWidget *parent)
    : TFenetreCourbes(QStringLiteral("Courbes caractéristiques"), QSize(760, 560), false, parent),
      Onglets(new QTabWidget(this)),
      GraphiqueAVide(new TGraphiqueCourbes(QStringLiteral("Ie (A)"), QStringLiteral("Ev (V)"))),
      GraphiqueAngle(new TGraphiqueCourbes(QStringLiteral("δ (°)"), QStringLiteral("Pu (W)"))),
      GraphiqueV(new TGraphiqueCourbes(QStringLiteral("Ie (A)"), QStringLiteral("I (A)"))),
      GraphiquePQ(new TGraphiqueCourbes(QStringLiteral("Q (var)"), QStringLiteral("P (W)"))),
      LectureAVide(CreeLecture()), LectureAngle(CreeLecture()), LectureV(CreeLecture()), LecturePQ(CreeLecture()),
      Modele(modele)
{
    // Unlike the bench's side windows, this one is resized at will.
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(4, 4, 4, 4);
    disposition->addWidget(Onglets);
    QFont police = Onglets->font();
    police.setPointSize(12);
    Onglets->setFont(police);
    Onglets->addTab(new TPageCourbes(GraphiqueAVide, LectureAVide), QStringLiteral("Caractéristique à vide"));
    Onglets->addTab(new TPageCourbes(GraphiqueAngle, LectureAngle), QStringLiteral("Puissance et angle interne"));
    Onglets->addTab(new TPageCourbes(GraphiqueV, LectureV), QStringLiteral("Courbes en V"));
    Onglets->addTab(new TPageCourbes(GraphiquePQ, LecturePQ), QStringLiteral("Puissances P et Q"));
    // Every tab in view, never behind scroll arrows: the window is no narrower than the tabs.
    Onglets->setUsesScrollButtons(false);
    setMinimumSize(disposition->totalMinimumSize().expandedTo(QSize(560, 420)));
    CreeAVide();
    CreeAngle();
    CreeV();
    CreePQ();
    connect(Onglets, &QTabWidget::currentChanged, this, &TFormCourbes::Suit);
    PoseReleves();
}

void TFormCourbes::CreeAVide()
{
    TGraphiqueCourbes *g = GraphiqueAVide;
    AVide1500 = g->AjouteCourbe(QStringLiteral("À 1500 tr/min"), gris, 2.5, Qt::DashLine);
    AVideN = g->AjouteCourbe(QString(), bleu, 3.5);
    LigneV = g->AjouteCourbe(QStringLiteral("V = 230 V"), vert, 2.5, Qt::DashDotLine);
    Remplace(LigneV, {QPointF(0.0, L::V), QPointF(C::IeMax, L::V)});
    RelevesAVide = AjouteReleves(g, TColonneReleve::Ie, TColonneReleve::Ev);
    PointAVide = g->AjoutePointMobile(QStringLiteral("Point de fonctionnement"), point, 18);
    Remplace(AVide1500, Points(C::CaracteristiqueAVide(L::NSynchrone)));
    TGraphiqueCourbes::Gradue(g->AxeX, 0.0, C::IeMax);
}

void TFormCourbes::CreeAngle()
{
    TGraphiqueCourbes *g = GraphiqueAngle;
    ZonesInstables[0] = Zone(g, QStringLiteral("Instable (|δ| > 90°)"), gris);
    ZonesInstables[1] = Zone(g, QStringLiteral("Instable (|δ| > 90°)"), gris);
    ZonesAlerte[0] = Zone(g, QStringLiteral("Alerte (|δ| > 75°)"), orange);
    ZonesAlerte[1] = Zone(g, QStringLiteral("Alerte (|δ| > 75°)"), orange);
    g->CacheDeLaLegende(ZonesInstables[1]);
    g->CacheDeLaLegende(ZonesAlerte[1]);
    Angle = g->AjouteCourbe(QString(), bleu, 3.5);
    LimitesPmax = g->AjoutePoint(QString(), rouge, 14);
    LimitesPmax->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    RelevesAngle = AjouteReleves(g, TColonneReleve::Delta, TColonneReleve::Pu);
    PointAngle = g->AjoutePointMobile(QStringLiteral("Point de fonctionnement"), point, 18);
    g->AxeX->setRange(-180.0, 180.0);
    g->AxeX->setTickCount(9);
    g->AxeX->setLabelFormat(QStringLiteral("%.0f"));

    QFont police = g->AxeX->titleFont();
    police.setPointSize(14);
    EtiquetteGeneratrice = new QGraphicsSimpleTextItem(QStringLiteral("Alternateur (Pu > 0)"), g->chart());
    EtiquetteMoteur = new QGraphicsSimpleTextItem(QStringLiteral("Moteur (Pu < 0)"), g->chart());
    for (QGraphicsSimpleTextItem *etiquette : {EtiquetteGeneratrice, EtiquetteMoteur}) {
        etiquette->setFont(police);
        etiquette->setZValue(10);
    }
    EtiquetteGeneratrice->setBrush(vert);
    EtiquetteMoteur->setBrush(rouge);
    connect(g->chart(), &QChart::plotAreaChanged, this, &TFormCourbes::PlaceEtiquettes);
}

void TFormCourbes::CreeV()
{
    TGraphiqueCourbes *g = GraphiqueV;
    for (std::size_t k = 0; k < C::PuissancesV.size(); ++k)
        CourbesV[k] = g->AjouteCourbe(QStringLiteral("%1 W").arg(C::PuissancesV[k]), couleursV[k], 3.0);
    LieuLimite = g->AjouteCourbe(QStringLiteral("Limite (|δ| = 90°)"), rouge, 2.5, Qt::DashLine);
    LieuAlerte = g->AjouteCourbe(QStringLiteral("Alerte (|δ| = 75°)"), orange, 2.5, Qt::DotLine);
    CourbeVCourante = g->AjouteCourbeMobile(Qt::black, 2.5, Qt::DashLine);
    RelevesV = AjouteReleves(g, TColonneReleve::Ie, TColonneReleve::I);
    PointV = g->AjoutePointMobile(QStringLiteral("Point de fonctionnement"), point, 18);
    TGraphiqueCourbes::Gradue(g->AxeX, 0.0, C::IeMax);
}

void TFormCourbes::CreePQ()
{
    TGraphiqueCourbes *g = GraphiquePQ;
    ZoneInstablePQ = Zone(g, QStringLiteral("Instable (|δ| > 90°)"), gris);
    LimitePQ = g->AjouteCourbe(QStringLiteral("Limite (|δ| = 90°)"), rouge, 2.5, Qt::DashLine);
    AlertePQ = g->AjouteCourbe(QStringLiteral("Alerte (|δ| = 75°)"), orange, 2.5, Qt::DotLine);
    RelevesPQ = AjouteReleves(g, TColonneReleve::Q, TColonneReleve::Pu);
    // Chords of 6 px stray from a circle of 20 px radius by a fifth of a pixel.
    CercleFem = g->AjouteCourbeMobile(bleu, 3.0, Qt::SolidLine, 6.0);
    CercleCourant = g->AjouteCourbeMobile(vert, 2.5, Qt::SolidLine, 6.0);
    PointPQ = g->AjoutePointMobile(QStringLiteral("Point de fonctionnement"), point, 18);
    // Far beyond any range the axes take: the plot clips them.
    constexpr double loin = 1e5;
    const double centre = C::CentreDiagramme();
    PoseZone(ZoneInstablePQ, -loin, centre, loin);
    Remplace(LimitePQ, Points(C::LieuAngleQP(C::AngleLimite, loin)));
    Remplace(AlertePQ, Points(C::LieuAngleQP(TModele::AngleAlerte, loin)));
    for (QValueAxis *axe : {g->AxeX, g->AxeY}) {
        axe->setLabelFormat(QStringLiteral("%.0f"));
        axe->setTickType(QValueAxis::TicksDynamic);
        axe->setTickAnchor(0.0);
        axe->setTickInterval(1000.0);
    }
    connect(g->chart(), &QChart::plotAreaChanged, this, &TFormCourbes::EchellePQ);
    EchellePQ();
}

namespace {

QScatterSeries *MarqueReleves(TGraphiqueCourbes *graphique, std::size_t rang)
{
    QScatterSeries *serie =
        graphique->AjoutePoint(QStringLiteral("Relevés"), couleursReleves[rang % couleursReleves.size()], 15);
    serie->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
    serie->setBorderColor(Qt::white);
    return serie;
}

} // namespace

QScatterSeries *TFormCourbes::AjouteReleves(TGraphiqueCourbes *graphique, TColonneReleve x, TColonneReleve y)
{
    QScatterSeries *serie = MarqueReleves(graphique, 0);
    MarquesReleves.push_back({graphique, {serie}, x, y});
    VersionReleves.reset();
    return serie;
}

std::vector<QScatterSeries *> TFormCourbes::SeriesReleves(const TGraphiqueCourbes *graphique) const
{
    for (const TMarqueReleves &marque : MarquesReleves)
        if (marque.Graphique == graphique)
            return marque.Series;
    return {};
}

void TFormCourbes::DefinitReleves(const TReleves *releves)
{
    Releves = releves;
    // The reference at 1500 rpm follows its own rule again.
    VitesseAVide.reset();
    SuitAVide();
    VersionReleves.reset();
    PoseReleves();
}

// Every plot at once: the points change seldom, and a plot out of view then has them
// when it is chosen.
void TFormCourbes::PoseReleves()
{
    const std::uint64_t version = Releves ? Releves->Version() : std::numeric_limits<std::uint64_t>::max();
    if (VersionReleves == version)
        return;
    VersionReleves = version;
    const std::vector<std::string> series = Releves ? Releves->Series() : std::vector<std::string>{};
    for (TMarqueReleves &marque : MarquesReleves) {
        // One marker per series, in the order of their first rows; made when first needed.
        while (marque.Series.size() < series.size())
            marque.Series.push_back(MarqueReleves(marque.Graphique, marque.Series.size()));
        for (std::size_t k = 0; k < marque.Series.size(); ++k) {
            QScatterSeries *serie = marque.Series[k];
            QList<QPointF> points;
            if (k < series.size()) {
                serie->setName(series[k].empty() ? QStringLiteral("Relevés") : QString::fromStdString(series[k]));
                for (const TReleve &r : Releves->Lignes())
                    if (r.Serie == series[k] && r[marque.X].Valeur && r[marque.Y].Valeur &&
                        !(ModeTP &&
                          (TReleves::NonMesurable(marque.X, r.Couplee) || TReleves::NonMesurable(marque.Y, r.Couplee))))
                        points.append(QPointF(*r[marque.X].Valeur, *r[marque.Y].Valeur));
            }
            Remplace(serie, points);
            // Named in the legend only when there is something to name; the legend does not
            // lay itself out again for a marker that reappears.
            QLegend *legende = serie->chart()->legend();
            for (QLegendMarker *nom : legende->markers(serie)) {
                if (nom->isVisible() != !points.isEmpty()) {
                    nom->setVisible(!points.isEmpty());
                    legende->layout()->invalidate();
                }
            }
        }
    }
}

QImage TFormCourbes::Image(qreal echelle)
{
    // A window never shown has no layout yet, nor curves: it is laid out and brought up to
    // date off the screen, then put back as it was.
    const bool cachee = !isVisible();
    if (cachee) {
        setAttribute(Qt::WA_DontShowOnScreen);
        show();
    }
    Suit();
    auto *graphique = Onglets->currentWidget()->findChild<TGraphiqueCourbes *>();
    const QImage image = graphique ? graphique->Image(echelle) : QImage();
    if (cachee) {
        hide();
        setAttribute(Qt::WA_DontShowOnScreen, false);
    }
    return image;
}

std::vector<std::pair<QString, QImage>> TFormCourbes::ImagesReleves(qreal echelle)
{
    PoseReleves();
    const int vue = Onglets->currentIndex();
    std::vector<std::pair<QString, QImage>> images;
    const std::array<TGraphiqueCourbes *, 4> graphiques{GraphiqueAVide, GraphiqueAngle, GraphiqueV, GraphiquePQ};
    for (int onglet = 0; onglet < Onglets->count(); ++onglet) {
        const std::vector<QScatterSeries *> releves = SeriesReleves(graphiques[static_cast<std::size_t>(onglet)]);
        if (std::none_of(releves.begin(), releves.end(), [](const QScatterSeries *s) { return s->count() > 0; }))
            continue;
        // Each tab brought up to date as if in view, then the one in view put back.
        Onglets->setCurrentIndex(onglet);
        images.emplace_back(Onglets->tabText(onglet), Image(echelle));
    }
    Onglets->setCurrentIndex(vue);
    return images;
}

QString TFormCourbes::TitreVue() const
{
    return Onglets->tabText(Onglets->currentIndex());
}

void TFormCourbes::DefinitModeTP(bool actif)
{
    ModeTP = actif;
    // What the theory draws: the student is to find it from the points.
    std::vector<QAbstractSeries *> theorie{AVideN,     AVide1500,  LigneV,          Angle,          LimitesPmax,
                                           LieuLimite, LieuAlerte, CourbeVCourante, ZoneInstablePQ, LimitePQ,
                                           AlertePQ,   CercleFem,  CercleCourant};
    theorie.insert(theorie.end(), std::begin(ZonesAlerte), std::end(ZonesAlerte));
    theorie.insert(theorie.end(), std::begin(ZonesInstables), std::end(ZonesInstables));
    theorie.insert(theorie.end(), CourbesV.begin(), CourbesV.end());
    for (QAbstractSeries *serie : theorie)
        serie->setVisible(!actif);
    // The read-outs give δ, Ev and the limits in numbers.
    for (QLabel *lecture : {LectureAVide, LectureAngle, LectureV, LecturePQ})
        lecture->setVisible(!actif);
    // Shown again, the zones' second halves keep out of the legend.
    GraphiqueAngle->CacheDeLaLegende(ZonesInstables[1]);
    GraphiqueAngle->CacheDeLaLegende(ZonesAlerte[1]);
    for (auto *graphique : {GraphiqueAVide, GraphiqueAngle, GraphiqueV, GraphiquePQ})
        graphique->viewport()->update();
    setWindowTitle(actif ? QStringLiteral("Courbes caractéristiques — mode TP")
                         : QStringLiteral("Courbes caractéristiques"));
    // The reference at 1500 rpm follows its own rule again.
    VitesseAVide.reset();
    SuitAVide();
    VersionReleves.reset();
    PoseReleves();
}

TFenetreCourbes *CreeFormCourbes(const TModele &modele)
{
    return new TFormCourbes(modele);
}

void TFormCourbes::showEvent(QShowEvent *event)
{
    TFenetreCourbes::showEvent(event);
    Suit();
}

void TFormCourbes::Suit()
{
    if (!isVisible())
        return;
    PoseReleves();
    // A plot out of view would still lay its series out again at every change: only
    // the tab in view follows, the others catch up when they are chosen.
    switch (Onglets->currentIndex()) {
    case 0:
        SuitAVide();
        break;
    case 1:
        SuitAngle();
        break;
    case 2:
        SuitV();
        break;
    default:
        SuitPQ();
        break;
    }
    AffichePoints();
}

void TFormCourbes::SuitAVide()
{
    // The no-load characteristic at the present speed, against the one at 1500 rpm.
    const double N = Modele.N;
    if (VitesseAVide == N)
        return;
    VitesseAVide = N;
    AVideN->setName(QStringLiteral("À N = %1 tr/min").arg(Nombre(N, TGrandeurInstrument::Vitesse)));
    // At 1500 rpm the two curves are one: the reference would hide under it, named twice.
    const bool reference = !ModeTP && std::abs(N - L::NSynchrone) >= 0.5;
    if (AVide1500->isVisible() != reference)
        AVide1500->setVisible(reference);
    Remplace(AVideN, Points(C::CaracteristiqueAVide(N)));
    const double EvHaut = std::max({C::FemMaximale(N), C::FemMaximale(L::NSynchrone), L::V});
    TGraphiqueCourbes::Gradue(GraphiqueAVide->AxeY, 0.0, 1.05 * EvHaut);
}

void TFormCourbes::SuitAngle()
{
    // The power against the load angle at the present EMF.
    const double Ev = Modele.Ev;
    if (EvAngle == Ev)
        return;
    EvAngle = Ev;
    const double Pmax = L::PuissanceMax(Ev);
    // Room above the peak for the halves' labels.
    TGraphiqueCourbes::Gradue(GraphiqueAngle->AxeY, -std::max(500.0, 1.3 * Pmax), std::max(500.0, 1.3 * Pmax));
    const double hauteur = GraphiqueAngle->AxeY->max();
    Angle->setName(QStringLiteral("Pu(δ) à Ev = %1 V").arg(Nombre(Ev, TGrandeurInstrument::Tension)));
    Remplace(Angle, Points(C::PuissanceAngle(Ev), true));
    LimitesPmax->setName(QStringLiteral("±Pmax = %1 W").arg(Nombre(Pmax, TGrandeurInstrument::Puissance)));
    const double limite = Degres(C::AngleLimite);
    const double alerte = Degres(TModele::AngleAlerte);
    Remplace(LimitesPmax, {QPointF(-limite, -Pmax), QPointF(limite, Pmax)});
    PoseZone(ZonesAlerte[0], -limite, -alerte, hauteur);
    PoseZone(ZonesAlerte[1], alerte, limite, hauteur);
    PoseZone(ZonesInstables[0], -180.0, -limite, hauteur);
    PoseZone(ZonesInstables[1], limite, 180.0, hauteur);
    PlaceEtiquettes();
}

void TFormCourbes::SuitV()
{
    // V-curves at the speed of the coupled machine; before coupling, at synchronous speed.
    const double NV = Modele.Couplage ? Modele.N : L::NSynchrone;
    if (VitesseV != NV) {
        VitesseV = NV;
        for (std::size_t k = 0; k < C::PuissancesV.size(); ++k)
            Remplace(CourbesV[k], Points(C::CourbeV(C::PuissancesV[k], NV)));
        PoseLieux(NV, 0.0);
        PuissanceCourante.reset();
    }
    if (!Modele.Couplage) {
        if (CourbeVCourante->count() > 0) {
            CourbeVCourante->clear();
            CourbeVCourante->setName(QString());
        }
        PuissanceCourante.reset();
    } else if (PuissanceCourante != std::abs(Modele.Pu)) {
        CalculeCourbeCourante();
    }
}

void TFormCourbes::SuitPQ()
{
    // The circle of the present EMF, with or without the grid; that of the current once
    // coupled. Both are painted over the chart, which stays as it is.
    const double Ev = Modele.Ev;
    if (EvCercle != Ev) {
        EvCercle = Ev;
        CercleFem->setName(QStringLiteral("Ev = %1 V").arg(Nombre(Ev, TGrandeurInstrument::Tension)));
        // Named at the bottom of the limit, out of the way of a generator's point.
        Remplace(CercleFem, CercleFiniA(C::CercleFem(Ev), -90));
    }
    if (!Modele.Couplage) {
        if (CercleCourant->count() > 0) {
            CercleCourant->clear();
            CercleCourant->setName(QString());
        }
        ICercle.reset();
    } else if (ICercle != Modele.I) {
        ICercle = Modele.I;
        CercleCourant->setName(QStringLiteral("I = %1 A").arg(Nombre(Modele.I, TGrandeurInstrument::Courant)));
        // Named at its top, clear of the Ev circle's name.
        Remplace(CercleCourant, CercleFiniA(C::CercleCourant(Modele.I), 90));
    }
}

void TFormCourbes::EchellePQ()
{
    // One scale on both axes, or the circles would be drawn as ellipses: the region where
    // the bench's states lie (both signs of P, the limit and a little of the unstable side),
    // widened along one axis to the plot's proportions.
    constexpr double QMin = -4000.0, QMax = 2000.0, PMax = 3500.0;
    const QRectF trace = GraphiquePQ->chart()->plotArea();
    if (trace.width() < 1.0 || trace.height() < 1.0)
        return;
    const double parPixel = std::max((QMax - QMin) / trace.width(), 2.0 * PMax / trace.height());
    const double milieuQ = (QMin + QMax) / 2.0;
    GraphiquePQ->AxeX->setRange(milieuQ - parPixel * trace.width() / 2.0, milieuQ + parPixel * trace.width() / 2.0);
    GraphiquePQ->AxeY->setRange(-parPixel * trace.height() / 2.0, parPixel * trace.height() / 2.0);
}

void TFormCourbes::PoseLieux(double N, double puissance)
{
    // The loci reach past the highest curve drawn, so that every curve ends on them.
    const double jusqua = std::max(1.25 * C::PuissancesV.back(), 1.1 * puissance);
    if (Lieux == std::pair(N, jusqua))
        return;
    Lieux = std::pair(N, jusqua);
    Remplace(LieuLimite, Points(C::LieuAngle(C::AngleLimite, N, jusqua)));
    Remplace(LieuAlerte, Points(C::LieuAngle(TModele::AngleAlerte, N, jusqua)));
    double IMax = 1.0;
    for (const QPointF &p : LieuLimite->points())
        IMax = std::max(IMax, p.y());
    TGraphiqueCourbes::Gradue(GraphiqueV->AxeY, 0.0, 1.05 * IMax);
}

void TFormCourbes::CalculeCourbeCourante()
{
    const double puissance = std::abs(Modele.Pu);
    PuissanceCourante = puissance;
    const double N = Modele.N;
    CourbeVCourante->setName(QStringLiteral("|Pu| = %1 W").arg(Nombre(puissance, TGrandeurInstrument::Puissance)));
    Remplace(CourbeVCourante, Points(C::CourbeV(puissance, N)));
    PoseLieux(N, puissance);
}

void TFormCourbes::AffichePoints()
{
    const TModele &m = Modele;
    PosePoint(PointAVide, QPointF(m.Ie, m.Ev));
    Lecture(LectureAVide,
            QStringLiteral("Point de fonctionnement\u00A0: Ie = %1 A, Ev = %2 V")
                .arg(Nombre(m.Ie, TGrandeurInstrument::Courant), Nombre(m.Ev, TGrandeurInstrument::Tension)));
    if (!m.Couplage) {
        PosePoint(PointAngle, std::nullopt);
        PosePoint(PointV, std::nullopt);
        PosePoint(PointPQ, std::nullopt);
        for (QLabel *lecture : {LectureAngle, LectureV, LecturePQ})
            Lecture(lecture, QStringLiteral("Machine non couplée"));
        return;
    }
    PosePoint(PointAngle, QPointF(Degres(m.delta), m.Pu));
    PosePoint(PointV, QPointF(m.Ie, m.I));
    Lecture(LectureAngle, QStringLiteral("Point de fonctionnement\u00A0: δ = %1°, Pu = %2 W")
                              .arg(Nombre(Degres(m.delta), TGrandeurInstrument::Angle),
                                   Nombre(m.Pu, TGrandeurInstrument::Puissance)));
    Lecture(LectureV, QStringLiteral("Point de fonctionnement\u00A0: Ie = %1 A, I = %2 A")
                          .arg(Nombre(m.Ie, TGrandeurInstrument::Courant), Nombre(m.I, TGrandeurInstrument::Courant)));
    const double Q = L::PuissanceReactive(m.Ev, m.delta);
    PosePoint(PointPQ, QPointF(Q, m.Pu));
    Lecture(LecturePQ,
            QStringLiteral("Point de fonctionnement\u00A0: Q = %1 var, P = %2 W")
                .arg(Nombre(Q, TGrandeurInstrument::Puissance), Nombre(m.Pu, TGrandeurInstrument::Puissance)));
}

void TFormCourbes::Lecture(QLabel *lecture, const QString &texte)
{
    if (lecture->text() == texte)
        return;
    lecture->setText(texte);
    lecture->setAccessibleDescription(texte);
}

void TFormCourbes::PlaceEtiquettes()
{
    // They sit in the room the axis leaves above the peak (and below the trough); a plot
    // too small for them there goes without, rather than have them over the curve.
    // Each half named in its own quadrant, along the edge the curve stays away from.
    QChart *graphique = GraphiqueAngle->chart();
    const double hauteur = GraphiqueAngle->AxeY->max();
    const QPointF haut = graphique->mapToPosition(QPointF(45.0, hauteur));
    const QPointF bas = graphique->mapToPosition(QPointF(-45.0, -hauteur));
    const QRectF g = EtiquetteGeneratrice->boundingRect();
    const QRectF m = EtiquetteMoteur->boundingRect();
    EtiquetteGeneratrice->setPos(haut + QPointF(-g.width() / 2, 6.0));
    EtiquetteMoteur->setPos(bas - QPointF(m.width() / 2, m.height() + 6.0));
    const double crete = EvAngle ? L::PuissanceMax(*EvAngle) : 0.0;
    const double place = graphique->mapToPosition(QPointF(0.0, crete)).y() - haut.y();
    const bool logent = place >= g.height() + 8.0 && graphique->plotArea().width() >= 2.2 * g.width();
    EtiquetteGeneratrice->setVisible(logent);
    EtiquetteMoteur->setVisible(logent);
}

} // namespace tavelor
