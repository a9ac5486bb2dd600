#include "TDessinBanc.h"

#include "TDispositionBanc.h"
#include "TStyleDessin.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace tavelor {

namespace {

const QColor Brun(150, 95, 45);
const QColor Rose(255, 185, 205);
const QColor Violet(175, 125, 215);
const QColor Vert(155, 215, 150);

// Machine symbol; the middle stator line leaves it at its centre height.
const QPointF CentreMachine(265, 108);
constexpr double RayonMachine = 32;
constexpr double RayonAppareil = 17;

// Row centre of a wire that meets the lead of a switch symbol: the widget draws that lead
// on row top + 18, and a 2 px wire centred one row lower covers it and the row under it.
double YPole(const QRect &interrupteur)
{
    return interrupteur.top() + 18 + 1;
}

const double YLigne1 = YPole(TDispositionBanc::interrupteur1);
const double YLigne2 = YPole(TDispositionBanc::interrupteur2);
const double YLigne3 = YPole(TDispositionBanc::interrupteur3);

// Excitation wires, symmetric about the machine centre.
const double YExcitationPlus = CentreMachine.y() - 17;
const double YExcitationMoins = CentreMachine.y() + 17;

// Point of the machine circle at height y, on its left (cote = -1) or right (cote = +1).
double XBordMachine(double y, int cote)
{
    const double dy = y - CentreMachine.y();
    return CentreMachine.x() + cote * std::sqrt(RayonMachine * RayonMachine - dy * dy);
}

// Height where the vertical x meets the lower half of the machine circle.
double YBasMachine(double x)
{
    const double dx = x - CentreMachine.x();
    return CentreMachine.y() + std::sqrt(RayonMachine * RayonMachine - dx * dx);
}

void Trace(QPainter &crayon, std::initializer_list<QPointF> points)
{
    crayon.setPen(PlumeTrait());
    crayon.setBrush(Qt::NoBrush);
    crayon.drawPolyline(QPolygonF(QList<QPointF>(points)));
}

void Jonction(QPainter &crayon, const QPointF &point)
{
    crayon.setPen(Qt::NoPen);
    crayon.setBrush(Qt::black);
    crayon.drawEllipse(point, 3.5, 3.5);
}

// Measuring instrument: a white disc with the letter of what it measures.
void Appareil(QPainter &crayon, const QPointF &centre, const QString &lettre, double rayon = RayonAppareil)
{
    crayon.setPen(PlumeTrait());
    crayon.setBrush(Qt::white);
    crayon.drawEllipse(centre, rayon, rayon);
    crayon.setFont(PoliceAppareil());
    crayon.setPen(Qt::black);
    crayon.drawText(QRectF(centre.x() - rayon, centre.y() - rayon, 2 * rayon, 2 * rayon), Qt::AlignCenter, lettre);
}

void Fleche(QPainter &crayon, std::initializer_list<QPointF> points)
{
    const QList<QPointF> chemin(points);
    const QPointF pointe = chemin.last();
    const QPointF avant = chemin[chemin.size() - 2];
    const double angle = std::atan2(pointe.y() - avant.y(), pointe.x() - avant.x());
    constexpr double longueur = 9;
    constexpr double demiLargeur = 4;
    const QPointF axe(std::cos(angle), std::sin(angle));
    const QPointF normale(-axe.y(), axe.x());
    const QPointF base = pointe - axe * longueur;

    QList<QPointF> tige = chemin;
    tige.last() = base;
    crayon.setPen(PlumeTrait());
    crayon.setBrush(Qt::NoBrush);
    crayon.drawPolyline(QPolygonF(tige));
    crayon.setPen(Qt::NoPen);
    crayon.setBrush(Qt::black);
    crayon.drawPolygon(QPolygonF({pointe, base + normale * demiLargeur, base - normale * demiLargeur}));
}

// Three-quarter turn with an arrowhead: the sign of a driving machine.
void FlecheRotation(QPainter &crayon, const QPointF &centre, double rayon)
{
    constexpr double debut = 60;
    constexpr double etendue = 270;
    QPainterPath arc;
    arc.arcMoveTo(QRectF(centre.x() - rayon, centre.y() - rayon, 2 * rayon, 2 * rayon), debut);
    arc.arcTo(QRectF(centre.x() - rayon, centre.y() - rayon, 2 * rayon, 2 * rayon), debut, etendue);
    QPen plume = PlumeTrait();
    plume.setWidthF(1.5);
    crayon.setPen(plume);
    crayon.setBrush(Qt::NoBrush);
    crayon.drawPath(arc);

    // Head at the end of the arc, pointing along its tangent (counter-clockwise on screen).
    const double fin = (debut + etendue) * std::numbers::pi / 180;
    const QPointF pointe(centre.x() + rayon * std::cos(fin), centre.y() - rayon * std::sin(fin));
    const QPointF tangente(-std::sin(fin), -std::cos(fin));
    const QPointF normale(-tangente.y(), tangente.x());
    const QPointF sommet = pointe + tangente * 5;
    crayon.setPen(Qt::NoPen);
    crayon.setBrush(Qt::black);
    crayon.drawPolygon(QPolygonF({sommet, pointe - tangente * 2 + normale * 4, pointe - tangente * 2 - normale * 4}));
}

// Horizontal wire from x1 to x2 at height y that bridges the vertical wires at xSauts.
void TraceAvecSauts(QPainter &crayon, double x1, double x2, double y, std::initializer_list<double> xSauts)
{
    constexpr double rayon = 5;
    QPainterPath chemin(QPointF(x1, y));
    for (const double x : xSauts) {
        chemin.lineTo(x - rayon, y);
        chemin.arcTo(QRectF(x - rayon, y - rayon, 2 * rayon, 2 * rayon), 180, -180);
    }
    chemin.lineTo(x2, y);
    crayon.setPen(PlumeTrait());
    crayon.setBrush(Qt::NoBrush);
    crayon.drawPath(chemin);
}

// Unit caption to the right of a meter, vertically centred on it.
QRectF LegendeUnite(QPainter &crayon, const QRect &afficheur, const QString &unite)
{
    crayon.setFont(PoliceUnite());
    const double largeur = crayon.fontMetrics().horizontalAdvance(unite);
    const QRectF cadre(afficheur.right() + 1 + 5, afficheur.top(), largeur, afficheur.height());
    crayon.setPen(Qt::black);
    crayon.drawText(cadre, Qt::AlignLeft | Qt::AlignVCenter, unite);
    return cadre;
}

} // namespace

QImage TDessinBanc::Dessine(qreal echelle) const
{
    // The painter scales by the image's ratio: everything below stays in bench pixels.
    QImage image(QSize(Largeur, Hauteur) * echelle, QImage::Format_RGB32);
    image.setDevicePixelRatio(echelle);
    image.fill(CouleurFond);
    QPainter crayon(&image);
    PrepareCrayon(crayon);

    // Wires first: the instruments' discs are drawn over them.
    dessineReglageIntensite(crayon);
    dessineLignesStator(crayon);
    dessineCadreBornes(crayon);
    dessineReseau(crayon);
    dessineEntrainement(crayon);
    dessineModuleMesures(crayon);
    dessineExcitation(crayon);
    dessineMachine(crayon);
    return image;
}

void TDessinBanc::dessineReglageIntensite(QPainter &crayon) const
{
    const QRect &trackBar = TDispositionBanc::TrackBarIe;
    const double centre = trackBar.left() + trackBar.width() / 2.0;
    DessineLegendeReglage(crayon, QRectF(centre - 40, 8, 80, 38), QStringLiteral("Réglage\nintensité"));
}

void TDessinBanc::dessineExcitation(QPainter &crayon) const
{
    const QRectF alimentation(80, 40, 55, 120);
    const double depart = alimentation.right();
    Trace(crayon, {{depart, YExcitationPlus}, {XBordMachine(YExcitationPlus, -1), YExcitationPlus}});
    Trace(crayon, {{depart, YExcitationMoins}, {XBordMachine(YExcitationMoins, -1), YExcitationMoins}});

    crayon.setPen(PlumeTrait());
    crayon.setBrush(Brun);
    crayon.drawRect(alimentation);
    crayon.save();
    crayon.translate(alimentation.center());
    crayon.rotate(-90);
    crayon.setFont(PoliceLegende());
    crayon.setPen(CouleurFond);
    DessineLegende(
        crayon,
        QRectF(-alimentation.height() / 2, -alimentation.width() / 2, alimentation.height(), alimentation.width()),
        QStringLiteral("Alimentation\ncontinue"));
    crayon.restore();

    crayon.setFont(PoliceUnite());
    crayon.setPen(Qt::black);
    crayon.drawText(QRectF(depart + 3, YExcitationPlus - 20, 14, 18), Qt::AlignCenter, QStringLiteral("+"));
    crayon.drawText(QRectF(depart + 3, YExcitationMoins - 20, 14, 18), Qt::AlignCenter, QStringLiteral("−"));

    // The excitation ammeter hangs just under its meter.
    const QRect &afficheur = TDispositionBanc::afficheurIe;
    Appareil(crayon, QPointF(afficheur.left() + afficheur.width() / 2.0, YExcitationPlus), QStringLiteral("A"));
}

void TDessinBanc::dessineMachine(QPainter &crayon) const
{
    crayon.setPen(PlumeTrait());
    crayon.setBrush(Rose);
    crayon.drawEllipse(CentreMachine, RayonMachine, RayonMachine);
    crayon.setFont(PoliceAppareil());
    crayon.setPen(Qt::black);
    crayon.drawText(
        QRectF(CentreMachine.x() - RayonMachine, CentreMachine.y() - RayonMachine, 2 * RayonMachine, 2 * RayonMachine),
        Qt::AlignCenter, QStringLiteral("MS\n3~"));
}

void TDessinBanc::dessineLignesStator(QPainter &crayon) const
{
    // Lines 1 and 3 leave the machine above and below its centre and fan out to the pole heights.
    constexpr double coude = 306;
    const double sortieHaut = CentreMachine.y() - 16;
    const double sortieBas = CentreMachine.y() + 16;
    const double xPoles = TDispositionBanc::interrupteur1.left();
    Trace(crayon,
          {{XBordMachine(sortieHaut, 1), sortieHaut}, {coude, sortieHaut}, {coude, YLigne1}, {xPoles, YLigne1}});
    Trace(crayon, {{XBordMachine(YLigne2, 1), YLigne2}, {xPoles, YLigne2}});
    Trace(crayon, {{XBordMachine(sortieBas, 1), sortieBas}, {coude, sortieBas}, {coude, YLigne3}, {xPoles, YLigne3}});

    // Beyond the poles, up to the left side of the switch-side terminals.
    const double xApresPoles = TDispositionBanc::interrupteur1.right() + 1;
    const double xBornesS = TDispositionBanc::ShapeS1.left();
    for (const double y : {YLigne1, YLigne2, YLigne3})
        Trace(crayon, {{xApresPoles, y}, {xBornesS, y}});

    // Stator ammeter on line 1 under its meter; wattmeter on line 1, voltage lead to line 2.
    const QRect &afficheurI = TDispositionBanc::afficheurI;
    const QPointF centreA(afficheurI.left() + 29, YLigne1);
    const QRect &afficheurPu = TDispositionBanc::afficheurPu;
    const QPointF centreW(afficheurPu.left() + 28, YLigne1);
    const double rayonW = RayonAppareil + 1;
    Trace(crayon, {{centreW.x(), centreW.y() + rayonW}, {centreW.x(), YLigne2}});
    Jonction(crayon, QPointF(centreW.x(), YLigne2));
    Appareil(crayon, centreA, QStringLiteral("A"));
    Appareil(crayon, centreW, QStringLiteral("W"), rayonW);

    // Phase voltmeter between line 3 and the star point, its meter to its right.
    const QRect &afficheurV = TDispositionBanc::afficheurV;
    const double rayonV = RayonAppareil - 1;
    const QPointF centreV(afficheurV.left() - 6 - rayonV, afficheurV.top() + afficheurV.height() / 2.0);
    Trace(crayon, {{centreV.x(), centreV.y() - rayonV}, {centreV.x(), YLigne3}});
    Jonction(crayon, QPointF(centreV.x(), YLigne3));
    constexpr double xNeutre = 283;
    Trace(crayon, {{centreV.x() - rayonV, centreV.y()}, {xNeutre, centreV.y()}, {xNeutre, YBasMachine(xNeutre)}});
    Appareil(crayon, centreV, QStringLiteral("V"), rayonV);
}

void TDessinBanc::dessineCadreBornes(QPainter &crayon) const
{
    QPen tirets = PlumeTirets();
    tirets.setWidthF(1);
    crayon.setPen(tirets);
    crayon.setBrush(Qt::NoBrush);
    crayon.drawRect(QRectF(540.5, 55.5, 65, 105));
}

void TDessinBanc::dessineReseau(QPainter &crayon) const
{
    // Each grid terminal's wire runs right and turns down to the grid; lines 1 and 2 also
    // rise to the line voltmeter, whose meter sits just above it.
    constexpr double xL1 = 708;
    constexpr double xL2 = 668;
    constexpr double xL3 = 628;
    constexpr double yBas = 272;
    const double xBornesR = TDispositionBanc::ShapeR1.right() + 1;
    const QRect &afficheur = TDispositionBanc::afficheur1;
    const double rayon = RayonAppareil - 2;
    const QPointF centreV((xL1 + xL2) / 2, afficheur.bottom() + 5 + rayon);

    Trace(crayon, {{centreV.x() + rayon, centreV.y()}, {xL1, centreV.y()}, {xL1, yBas}});
    Trace(crayon, {{centreV.x() - rayon, centreV.y()}, {xL2, centreV.y()}, {xL2, yBas}});
    TraceAvecSauts(crayon, xBornesR, xL1, YLigne1, {xL2});
    Jonction(crayon, QPointF(xL1, YLigne1));
    Trace(crayon, {{xBornesR, YLigne2}, {xL2, YLigne2}});
    Jonction(crayon, QPointF(xL2, YLigne2));
    Trace(crayon, {{xBornesR, YLigne3}, {xL3, YLigne3}, {xL3, yBas}});
    Appareil(crayon, centreV, QStringLiteral("V"), rayon);

    crayon.setFont(PoliceLegende());
    crayon.setPen(Qt::black);
    DessineLegende(crayon, QRectF(xL2 - 80, yBas + 6, 160, 20), QStringLiteral("Réseau (400 V, 50 Hz)"));
}

void TDessinBanc::dessineEntrainement(QPainter &crayon) const
{
    const QRect &regCouple = TDispositionBanc::ImageRegCouple;
    DessineLegendeReglage(crayon, QRectF(regCouple), QStringLiteral("Réglage\nvitesse"));

    // The drive under the machine; dashed strokes are mechanical links (shaft, measuring module).
    const QPointF centre(250, 191);
    constexpr double rayon = 17;
    crayon.setPen(PlumeTirets());
    crayon.drawLine(QPointF(centre.x(), YBasMachine(centre.x())), QPointF(centre.x(), centre.y() - rayon));
    crayon.drawLine(QPointF(centre.x(), centre.y() + rayon), QPointF(centre.x(), 225));
    crayon.setPen(PlumeTrait());
    crayon.setBrush(Violet);
    crayon.drawEllipse(centre, rayon, rayon);
    FlecheRotation(crayon, centre, rayon / 2);

    crayon.setFont(PoliceLegende());
    crayon.setPen(Qt::black);
    DessineLegende(crayon, QRectF(centre.x() - rayon - 110, centre.y() - 18, 104, 36),
                   QStringLiteral("Dispositif\nentraînant"), Qt::AlignRight | Qt::AlignVCenter);
}

void TDessinBanc::dessineModuleMesures(QPainter &crayon) const
{
    const QRectF module(220, 225, 180, 50);
    crayon.setPen(Qt::black);
    const QRectF uniteP = LegendeUnite(crayon, TDispositionBanc::afficheurPa, QStringLiteral("W"));
    const QRectF uniteN = LegendeUnite(crayon, TDispositionBanc::afficheurN, QStringLiteral("tr/min"));
    const QRectF uniteC = LegendeUnite(crayon, TDispositionBanc::afficheurCm, QStringLiteral("N.m"));

    // Each output stops just above its unit caption.
    const double pointe = TDispositionBanc::afficheurPa.top() + 3;
    Fleche(crayon, {{uniteP.center().x(), module.bottom()}, {uniteP.center().x(), pointe}});
    Fleche(crayon, {{uniteN.center().x(), module.bottom()}, {uniteN.center().x(), pointe}});
    const double ySortie = module.top() + module.height() / 2;
    Fleche(crayon, {{module.right(), ySortie}, {uniteC.center().x(), ySortie}, {uniteC.center().x(), pointe + 2}});

    crayon.setPen(PlumeTrait());
    crayon.setBrush(Vert);
    crayon.drawRect(module);
    crayon.setFont(PoliceLegende());
    crayon.setPen(Qt::black);
    DessineLegende(crayon, module, QStringLiteral("Module de mesures\nmécaniques"));
}

} // namespace tavelor
