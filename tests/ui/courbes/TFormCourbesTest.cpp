#include "TFormCourbes.h"

#include "ApplicationTest.h"
#include "ProcedureBanc.h"
#include "TFenetreReleves.h"
#include "TFenetres.h"
#include "TForm1.h"
#include "TFormVecteurs.h"
#include "TGraphiqueCourbes.h"

#include <QAction>
#include <QChart>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGraphicsItem>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QScatterSeries>
#include <QSet>
#include <QTabWidget>
#include <QTableView>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tavelor {
namespace {

class TFormCourbesTest : public ::testing::Test {
protected:
    TFormCourbesTest()
    {
        test::Application();
        fenetres = std::make_unique<TFenetres>(CreeFormCourbes);
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    TModele &Modele() { return fenetres->Form1->Modele; }
    TFormCourbes &Courbes() { return static_cast<TFormCourbes &>(*fenetres->FormCourbes); }

    void Tic() { Modele().Chronos1Timer(); }

    // Wired, at 1500 rpm and 0.47 A, rotor aligned on the grid, switch closed.
    void Couple()
    {
        // The windows are never shown here: lay out the histories as the show handler would.
        Modele().PreparerAffichage({});
        test::CoupleLeBanc(Modele(), fenetres->Form1->Cablage);
        ASSERT_TRUE(Modele().Couplage);
    }

    // The tab's moving point and curve painted over the chart's picture.
    void PeintSurLImage(int onglet, TGraphiqueCourbes *g, QScatterSeries *point, QLineSeries *courbe);

    std::unique_ptr<TFenetres> fenetres;
};

TEST_F(TFormCourbesTest, FenetreCreeeALaDemandeDepuisLeMenuDuBanc)
{
    EXPECT_EQ(fenetres->FormCourbes, nullptr) << "not made at start-up";

    // Right click on the bench picture, then the menu's first item.
    TForm1 &banc = *fenetres->Form1;
    QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(300, 200), banc.mapToGlobal(QPoint(300, 200)));
    QApplication::sendEvent(&banc, &clic);
    ASSERT_TRUE(banc.PopupMenuBanc->isVisible());
    ASSERT_GE(banc.PopupMenuBanc->actions().size(), 1);
    EXPECT_EQ(banc.PopupMenuBanc->actions()[0]->text(), QStringLiteral("Courbes caractéristiques…"));
    banc.PopupMenuBanc->actions()[0]->trigger();
    banc.PopupMenuBanc->hide();

    ASSERT_NE(fenetres->FormCourbes, nullptr);
    TFormCourbes *fenetre = &Courbes();
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(fenetre->windowTitle(), QStringLiteral("Courbes caractéristiques"));
    ASSERT_EQ(fenetre->Onglets->count(), 4);
    EXPECT_EQ(fenetre->Onglets->tabText(0), QStringLiteral("Caractéristique à vide"));
    EXPECT_EQ(fenetre->Onglets->tabText(1), QStringLiteral("Puissance et angle interne"));
    EXPECT_EQ(fenetre->Onglets->tabText(2), QStringLiteral("Courbes en V"));
    EXPECT_EQ(fenetre->Onglets->tabText(3), QStringLiteral("Puissances P et Q"));
    EXPECT_GE(fenetre->minimumWidth(), 480);
    EXPECT_GE(fenetre->minimumHeight(), 360);
    fenetre->resize(1000, 800);
    EXPECT_EQ(fenetre->size(), QSize(1000, 800)) << "resizable";

    // Closing hides; the diagram's menu "Outils", after "Mesures", shows the same window.
    fenetre->close();
    EXPECT_FALSE(fenetre->isVisible());
    const QList<QAction *> menus = fenetres->FormVecteurs()->MainMenu1->actions();
    ASSERT_EQ(menus.size(), 5);
    EXPECT_EQ(menus[3]->text(), QStringLiteral("Mesures"));
    EXPECT_EQ(menus[4]->text(), QStringLiteral("Outils"));
    ASSERT_EQ(menus[4]->menu()->actions().size(), 6)
        << "the four tools, the oscillograms and the practical-work switch";
    EXPECT_EQ(menus[4]->menu()->actions()[0]->text(), QStringLiteral("Courbes caractéristiques…"));
    menus[4]->menu()->actions()[0]->trigger();
    EXPECT_EQ(fenetres->FormCourbes.get(), fenetre);
    EXPECT_TRUE(fenetre->isVisible());
}

TEST_F(TFormCourbesTest, LePointDeFonctionnementSuitLeModele)
{
    fenetres->MontreCourbes();
    TFormCourbes &c = Courbes();
    // Uncoupled: only the no-load characteristic has a point.
    Modele().TrackBarIeChange(113);
    Modele().TrackBarNChange(1200);
    Tic();
    EXPECT_NEAR(c.PointAVide->at(0).x(), 0.47, 1e-12);
    EXPECT_NEAR(c.PointAVide->at(0).y(), TLoisMachine::FemAVide(0.47, 1200.0), 1e-9);
    EXPECT_EQ(c.PointAngle->count(), 0);
    EXPECT_EQ(c.PointV->count(), 0);
    EXPECT_EQ(c.LectureAngle->text(), QStringLiteral("Machine non couplée"));
    EXPECT_EQ(c.LectureV->text(), QStringLiteral("Machine non couplée"));
    EXPECT_EQ(c.AVideN->name(), QStringLiteral("À N = 1200 tr/min"));

    Couple();
    c.Onglets->setCurrentIndex(2);
    Tic();
    int calculs = 0;
    QObject::connect(c.Angle, &QXYSeries::pointsReplaced, [&] { ++calculs; });
    for (const int cm : {100, -100, 42}) {
        Modele().TrackBarNChange(cm);
        Tic();
        const double delta = std::asin(cm / 10.0 * std::pow(100 * M_PI, 2) * 0.238 / (2 * 3 * 230.0 * Modele().Ev));
        ASSERT_EQ(c.PointAngle->count(), 1);
        EXPECT_NEAR(c.PointAngle->at(0).x(), delta * 180 / M_PI, 1e-9) << cm;
        EXPECT_NEAR(c.PointAngle->at(0).y(), Modele().Pu, 1e-9);
        EXPECT_NEAR(c.PointV->at(0).y(), Modele().I, 1e-9);
        // The point sits on the V-curve drawn for its own power.
        EXPECT_EQ(c.CourbeVCourante->name(), QStringLiteral("|Pu| = %1 W").arg(std::lround(std::abs(Modele().Pu))));
        const QList<QPointF> courbe = c.CourbeVCourante->points();
        const auto sur =
            std::find_if(courbe.begin(), courbe.end(), [](const QPointF &p) { return std::abs(p.x() - 0.47) < 1e-9; });
        ASSERT_NE(sur, courbe.end());
        EXPECT_NEAR(sur->y(), Modele().I, 1e-9);
    }

    // A new excitation moves every point; the power curve, out of view, waits until
    // its tab is chosen, then follows each change.
    Modele().TrackBarIeChange(100);
    Tic();
    EXPECT_EQ(calculs, 0);
    EXPECT_NEAR(c.PointAVide->at(0).x(), 0.60, 1e-12);
    EXPECT_NEAR(c.PointV->at(0).x(), 0.60, 1e-12);
    c.Onglets->setCurrentIndex(1);
    EXPECT_EQ(calculs, 1);
    EXPECT_NEAR(c.LimitesPmax->at(1).y(), 3 * 230.0 * Modele().Ev / 74.7699, 0.01);
    Modele().TrackBarNChange(60);
    Tic();
    EXPECT_EQ(calculs, 1) << "the torque alone does not recompute the curves";

    // Hidden, it does nothing; shown again, it catches up.
    c.hide();
    Modele().TrackBarIeChange(90);
    Tic();
    EXPECT_EQ(calculs, 1);
    fenetres->MontreCourbes();
    EXPECT_EQ(calculs, 2);
    EXPECT_NEAR(c.PointAVide->at(0).x(), 0.70, 1e-12);
}

// A V-curve recorded at constant torque: each point in its own marker at its (Ie, I), on
// the V-curve of its power, and at (Ie, Ev) and (δ, Pu) on the other plots; the markers
// follow the table and are drawn in the pictures of a hidden window too.
TEST_F(TFormCourbesTest, PointsRelevesSurLesCourbes)
{
    fenetres->MontreCourbes();
    Couple();
    TFormCourbes &c = Courbes();
    c.Onglets->setCurrentIndex(2);
    Modele().TrackBarNChange(100);
    const std::vector<int> excitations{40, 50, 60, 70, 80, 100}; // Ie in hundredths of A
    std::vector<QPointF> attendus;
    for (const int ie : excitations) {
        Modele().TrackBarIeChange(160 - ie);
        Tic();
        fenetres->ReleveLePoint();
        attendus.emplace_back(Modele().Ie, Modele().I);
    }
    Modele().TrackBarIeChange(160 - 90);
    Tic();
    ASSERT_EQ(c.RelevesV->count(), 6);
    const double puissance = TLoisMachine::PuissanceMecanique(10.0, 1500.0);
    const TCourbe courbe = TCourbesCaracteristiques::CourbeV(puissance, 1500.0);
    for (std::size_t k = 0; k < attendus.size(); ++k) {
        EXPECT_EQ(c.RelevesV->at(static_cast<int>(k)), attendus[k]);
        const auto sur = std::find_if(courbe.begin(), courbe.end(),
                                      [&](const TPointCourbe &p) { return std::abs(p.X - attendus[k].x()) < 1e-9; });
        ASSERT_NE(sur, courbe.end());
        EXPECT_NEAR(sur->Y, attendus[k].y(), 1e-9) << "on the theoretical V-curve";
    }
    EXPECT_EQ(c.RelevesAVide->count(), 6);
    EXPECT_EQ(c.RelevesAngle->count(), 6);
    EXPECT_NEAR(c.RelevesAngle->at(0).y(), puissance, 1e-6);
    ASSERT_EQ(c.RelevesPQ->count(), 6);
    EXPECT_EQ(c.RelevesPQ->at(5), QPointF(*fenetres->Releves.Lignes()[5][TColonneReleve::Q].Valeur,
                                          *fenetres->Releves.Lignes()[5][TColonneReleve::Pu].Valeur));

    // Drawn where they are (the marker's colour near each), in the window and in its
    // picture for a report once hidden.
    const QColor marque(210, 0, 150);
    const auto dessines = [&](const QImage &image, double echelle) {
        int n = 0;
        for (const QPointF &p : c.RelevesV->points()) {
            const QPointF ecran =
                c.GraphiqueV->mapFromScene(c.GraphiqueV->chart()->mapToScene(c.GraphiqueV->chart()->mapToPosition(p)));
            // The dashed curve through the points may cross their centres.
            bool vu = false;
            for (int dx = -3; dx <= 3; ++dx)
                for (int dy = -3; dy <= 3; ++dy)
                    vu = vu || image.pixelColor((ecran * echelle).toPoint() + QPoint(dx, dy)) == marque;
            n += vu;
        }
        return n;
    };
    QCoreApplication::processEvents();
    EXPECT_EQ(dessines(c.GraphiqueV->viewport()->grab().toImage(), 1.0), 6);
    c.hide();
    fenetres->FenetreReleves()->Tableau->selectRow(0);
    fenetres->FenetreReleves()->SupprimeSelection();
    const QImage image = c.Image(2.0);
    EXPECT_EQ(image.size(), c.GraphiqueV->viewport()->size() * 2);
    EXPECT_EQ(dessines(image, 2.0), 5);
    EXPECT_EQ(c.TitreVue(), QStringLiteral("Courbes en V"));
    EXPECT_FALSE(c.isVisible());
}

TEST_F(TFormCourbesTest, LecturesSelonLaLangue)
{
    struct TCas {
        QLocale locale;
        QString aVide, angle, v;
    };
    const TCas cas[] = {
        {QLocale(QLocale::French, QLocale::France),
         QStringLiteral("Point de fonctionnement\u00A0: Ie = 0,47 A, Ev = 230,4 V"),
         QStringLiteral("Point de fonctionnement\u00A0: δ = 47,6°, Pu = 1571 W"),
         QStringLiteral("Point de fonctionnement\u00A0: Ie = 0,47 A, I = 2,49 A")},
        {QLocale::c(), QStringLiteral("Point de fonctionnement\u00A0: Ie = 0.47 A, Ev = 230.4 V"),
         QStringLiteral("Point de fonctionnement\u00A0: δ = 47.6°, Pu = 1571 W"),
         QStringLiteral("Point de fonctionnement\u00A0: Ie = 0.47 A, I = 2.49 A")},
    };
    for (const TCas &c : cas) {
        QLocale::setDefault(c.locale);
        fenetres = std::make_unique<TFenetres>(CreeFormCourbes);
        fenetres->MontreCourbes();
        Couple();
        Modele().TrackBarNChange(100);
        Tic();
        EXPECT_EQ(Courbes().LectureAVide->text(), c.aVide);
        EXPECT_EQ(Courbes().LectureAngle->text(), c.angle);
        EXPECT_EQ(Courbes().LectureV->text(), c.v);
        for (const QLabel *lecture : {Courbes().LectureAVide, Courbes().LectureAngle, Courbes().LectureV}) {
            EXPECT_EQ(lecture->accessibleName(), QStringLiteral("Point de fonctionnement"));
            EXPECT_EQ(lecture->accessibleDescription(), lecture->text());
        }
    }
}

// The operating chart at the two states of a lab sheet: the point at (Q, P) worked out
// from the constants, on the circles of its Ev and of its current, drawn to one scale.
TEST_F(TFormCourbesTest, DiagrammePQ)
{
    const double X = 0.238 * 100 * M_PI, centre = -3 * 230.0 * 230.0 / X;
    for (const auto &[ie, cm, lecture] : {std::tuple(113, 100, QStringLiteral("Q = \u2212690 var, P = 1571 W")),
                                          std::tuple(60, 0, QStringLiteral("Q = 913 var, P = 0 W"))}) {
        fenetres = std::make_unique<TFenetres>(CreeFormCourbes);
        fenetres->MontreCourbes();
        TFormCourbes &f = Courbes();
        Couple();
        int cercles = 0;
        QObject::connect(f.CercleFem, &QXYSeries::pointsReplaced, [&] { ++cercles; });
        Modele().TrackBarIeChange(ie);
        Modele().TrackBarNChange(cm);
        Tic();
        EXPECT_EQ(cercles, 0) << "out of view, the Ev circle waits";
        f.Onglets->setCurrentIndex(3);

        const double Ev = TLoisMachine::FemAVide((160 - ie) / 100.0, 1500.0);
        const double delta = std::asin(cm / 10.0 * std::pow(100 * M_PI, 2) * 0.238 / (2 * 3 * 230.0 * Ev));
        const QPointF pq = f.PointPQ->at(0), surFem = f.CercleFem->at(0), surCourant = f.CercleCourant->at(0);
        EXPECT_NEAR(pq.x(), 3 * 230.0 * (Ev * std::cos(delta) - 230.0) / X, 1e-9);
        EXPECT_NEAR(pq.y(), 3 * 230.0 * Ev * std::sin(delta) / X, 1e-9);
        EXPECT_NEAR(std::hypot(surFem.x() - centre, surFem.y()), std::hypot(pq.x() - centre, pq.y()), 1e-9);
        EXPECT_NEAR(std::hypot(surCourant.x(), surCourant.y()), std::hypot(pq.x(), pq.y()), 1e-9);
        EXPECT_EQ(f.LecturePQ->text(), QStringLiteral("Point de fonctionnement\u00A0: ") + lecture);

        // Round circles: as many pixels per var as per watt, in a window of any shape.
        f.resize(cm == 0 ? 1100 : 500, 700);
        QCoreApplication::processEvents();
        QChart *g = f.GraphiquePQ->chart();
        const QPointF unite = g->mapToPosition(QPointF(1000, 1000)) - g->mapToPosition(QPointF(0, 0));
        EXPECT_NEAR(unite.x(), -unite.y(), 0.01);
    }
}

// Lies in view and paints nothing: counts how often the chart itself is drawn.
class TTemoinDessin : public QGraphicsItem {
public:
    QRectF boundingRect() const override { return {0, 0, 1, 1}; }
    void paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) override { ++Dessins; }
    int Dessins = 0;
};

// The operating point, and the V-curve of the present power or the circle of the present
// current, are painted over a picture of the chart, which a moving point leaves as it is.
TEST_F(TFormCourbesTest, PointEtCourbeMobilesPeintsSurLImageDuGraphique)
{
    fenetres->MontreCourbes();
    Couple();
    TFormCourbes &c = Courbes();
    PeintSurLImage(2, c.GraphiqueV, c.PointV, c.CourbeVCourante);
    PeintSurLImage(3, c.GraphiquePQ, c.PointPQ, c.CercleCourant);
}

void TFormCourbesTest::PeintSurLImage(int onglet, TGraphiqueCourbes *g, QScatterSeries *point, QLineSeries *courbe)
{
    SCOPED_TRACE(onglet);
    Courbes().Onglets->setCurrentIndex(onglet);
    QChart *graphique = g->chart();
    auto *temoin = new TTemoinDessin;
    g->scene()->addItem(temoin);
    temoin->setPos(graphique->mapToScene(graphique->plotArea().center()));

    const auto pixel = [&](QPointF valeur) {
        return g->mapFromScene(graphique->mapToScene(graphique->mapToPosition(valeur)));
    };
    const std::string jaune = "#ffc800";
    const auto couleur = [](const QImage &image, QPoint p) { return image.pixelColor(p).name().toStdString(); };
    // The point's colour at its centre, and the curve's colour near most of its points
    // inside the plot, away from the point that hides it and from the axes.
    const QColor encre = courbe->pen().color();
    const auto verifie = [&](const QImage &image) {
        const QPoint centre = pixel(point->at(0));
        EXPECT_EQ(couleur(image, centre), jaune);
        const QRect trace = g->mapFromScene(graphique->mapToScene(graphique->plotArea())).boundingRect();
        int vus = 0, sombres = 0;
        for (const QPointF &valeur : courbe->points()) {
            const QPoint p = pixel(valeur);
            if (!trace.adjusted(4, 4, -4, -4).contains(p) || (p - centre).manhattanLength() < 16)
                continue;
            ++vus;
            bool sombre = false;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    const QColor ici = image.pixelColor(p + QPoint(dx, dy));
                    sombre =
                        sombre || std::max({std::abs(ici.red() - encre.red()), std::abs(ici.green() - encre.green()),
                                            std::abs(ici.blue() - encre.blue())}) < 80;
                }
            sombres += sombre;
        }
        EXPECT_GT(vus, 20);
        EXPECT_GT(sombres, vus / 2);
        return centre;
    };
    const auto peint = [&] {
        QCoreApplication::processEvents();
        return g->viewport()->grab().toImage();
    };

    Modele().TrackBarNChange(100);
    Tic();
    peint(); // laid out as it is first drawn, the chart is drawn once more
    const QPoint avant = verifie(peint());
    const int dessins = temoin->Dessins;
    ASSERT_GT(dessins, 0) << "the witness lies in view";

    Modele().TrackBarNChange(42);
    Tic();
    const QImage image = peint();
    EXPECT_EQ(temoin->Dessins, dessins) << "the chart's picture is kept while the point moves";
    EXPECT_NE(couleur(image, avant), jaune) << "the point's old place is painted over";
    EXPECT_NE(verifie(image), avant);
}

// The chart's picture and the moving point are drawn at the screen's pixel ratio (CTest runs
// this at 1 and 2): the point lands on its curve's pixels, and the axis on its place.
TEST_F(TFormCourbesTest, LePointTombeSurSaCourbeATouteEchelle)
{
    fenetres->MontreCourbes();
    TFormCourbes &c = Courbes();
    Modele().TrackBarIeChange(113);
    Modele().TrackBarNChange(1200);
    Tic();
    TGraphiqueCourbes *g = c.GraphiqueAVide;
    QChart *graphique = g->chart();
    QCoreApplication::processEvents();
    g->viewport()->grab(); // laid out as it is first drawn, the chart is drawn once more
    QCoreApplication::processEvents();
    const QImage image = g->viewport()->grab().toImage();
    const qreal ratio = g->viewport()->devicePixelRatioF();
    ASSERT_EQ(image.width(), std::lround(g->viewport()->width() * ratio));
    const auto pixel = [&](QPointF valeur) {
        return (QPointF(g->mapFromScene(graphique->mapToScene(graphique->mapToPosition(valeur)))) * ratio).toPoint();
    };
    const auto proche = [&](QPoint p, QColor encre) {
        const int r = static_cast<int>(std::ceil(ratio));
        for (int dx = -r; dx <= r; ++dx)
            for (int dy = -r; dy <= r; ++dy) {
                const QColor ici = image.pixelColor(p + QPoint(dx, dy));
                if (std::max({std::abs(ici.red() - encre.red()), std::abs(ici.green() - encre.green()),
                              std::abs(ici.blue() - encre.blue())}) < 60)
                    return true;
            }
        return false;
    };
    const QPoint centre = pixel(c.PointAVide->at(0));
    EXPECT_TRUE(proche(centre, QColor(255, 200, 0))) << "the point at its place";
    const QRect zone = g->mapFromScene(graphique->mapToScene(graphique->plotArea())).boundingRect();
    const QRect trace((QPointF(zone.topLeft()) * ratio).toPoint(), (QSizeF(zone.size()) * ratio).toSize());
    int vus = 0, dessus = 0;
    for (const QPointF &valeur : c.AVideN->points()) {
        const QPoint p = pixel(valeur);
        if (!trace.adjusted(8, 8, -8, -8).contains(p) || (p - centre).manhattanLength() < 20 * ratio)
            continue;
        ++vus;
        dessus += proche(p, c.AVideN->pen().color());
    }
    EXPECT_GT(vus, 10);
    EXPECT_GT(dessus, vus * 9 / 10) << "the curve where its points map to";
    const QPointF origine = pixel(QPointF(c.GraphiqueAVide->AxeX->min() + 0.3, c.GraphiqueAVide->AxeY->min()));
    EXPECT_TRUE(proche(origine.toPoint(), Qt::black)) << "the axis along the plot's bottom";
}

// No legend names a curve twice, nor two curves drawn one under the other: at 1500 rpm the
// no-load curve of the present speed is the reference one.
TEST_F(TFormCourbesTest, LegendesSansDoublon)
{
    fenetres->MontreCourbes();
    TFormCourbes &c = Courbes();
    Couple();
    for (int onglet = 0; onglet < 4; ++onglet) {
        c.Onglets->setCurrentIndex(onglet);
        Tic();
        auto *g = c.Onglets->currentWidget()->findChild<TGraphiqueCourbes *>();
        QStringList noms;
        for (QLegendMarker *nom : g->chart()->legend()->markers())
            if (nom->isVisible() && nom->series()->isVisible())
                noms << nom->label();
        EXPECT_EQ(QSet<QString>(noms.begin(), noms.end()).size(), noms.size()) << noms.join(" | ").toStdString();
        std::vector<const QLineSeries *> courbes;
        for (const QAbstractSeries *serie : g->chart()->series())
            if (const auto *courbe = qobject_cast<const QLineSeries *>(serie);
                courbe && courbe->isVisible() && courbe->count() > 1 &&
                serie->type() == QAbstractSeries::SeriesTypeLine)
                courbes.push_back(courbe);
        for (std::size_t i = 0; i < courbes.size(); ++i)
            for (std::size_t j = i + 1; j < courbes.size(); ++j)
                EXPECT_NE(courbes[i]->points(), courbes[j]->points())
                    << courbes[i]->name().toStdString() << " / " << courbes[j]->name().toStdString();
    }
}

TEST_F(TFormCourbesTest, CourbesEnVCoupeesALaLimite)
{
    fenetres->MontreCourbes();
    Courbes().Onglets->setCurrentIndex(2);
    const double X = 0.238 * 100 * M_PI;
    for (std::size_t k = 0; k < 5; ++k) {
        const QList<QPointF> points = Courbes().CourbesV[k]->points();
        ASSERT_FALSE(points.empty());
        const double Pu = 500.0 * static_cast<double>(k);
        for (const QPointF &p : points)
            ASSERT_LE(Pu * X / (3 * 230.0 * TLoisMachine::FemAVide(p.x(), 1500.0)), 1.0 + 1e-9) << k;
        // Cut where the limit is reached, not at the left edge of the plot.
        if (k > 0) {
            EXPECT_NEAR(3 * 230.0 * TLoisMachine::FemAVide(points.front().x(), 1500.0) / X, Pu, 1e-6);
        }
    }
    EXPECT_EQ(Courbes().CourbesV[0]->points().front().x(), 0.0);
}

TEST_F(TFormCourbesTest, CopieImageEtDonnees)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    fenetres->MontreCourbes();
    Modele().TrackBarIeChange(113);
    Modele().TrackBarNChange(1500);
    Tic();
    TGraphiqueCourbes *graphique = Courbes().GraphiqueAVide;
    QClipboard *pressePapiers = QApplication::clipboard();

    graphique->ActionCopierImage->trigger();
    EXPECT_EQ(pressePapiers->image().size(), graphique->size());

    graphique->ActionCopierDonnees->trigger();
    const QStringList lignes = pressePapiers->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 1 + 321) << "a header, then one line per excitation step";
    const QStringList entete = lignes[0].split(QLatin1Char('\t'));
    EXPECT_EQ(entete.size(), 8) << "four curves, x and y each";
    EXPECT_EQ(entete[0], QStringLiteral("À 1500 tr/min\u00A0: Ie (A)"));
    EXPECT_EQ(entete[7], QStringLiteral("Point de fonctionnement\u00A0: Ev (V)"));
    // Line for Ie = 0.47 A: French decimals, short columns left empty.
    const QStringList ligne = lignes[1 + 94].split(QLatin1Char('\t'));
    ASSERT_EQ(ligne.size(), 8);
    EXPECT_EQ(ligne[0], QStringLiteral("0,4700"));
    EXPECT_EQ(ligne[1], QStringLiteral("230,3569"));
    EXPECT_EQ(ligne[6], QString());
    EXPECT_EQ(lignes[1].split(QLatin1Char('\t'))[7], QStringLiteral("230,3569"));
}

} // namespace
} // namespace tavelor
