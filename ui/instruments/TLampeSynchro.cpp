#include "TLampeSynchro.h"

#include "FixedLocal.h"
#include "TInstruments.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace tavelor {

namespace {

const QColor Verre(72, 72, 72);
const QColor Terne(120, 105, 70);
const QColor Ambre(255, 185, 30);
const QColor Incandescence(255, 245, 170);
constexpr int Diametre = 92;
constexpr int RayonHalo = 69;
constexpr int HautAmpoule = 26; // under the name

} // namespace

TLampeSynchro::TLampeSynchro(const QString &nom, QWidget *parent)
    : TInstrument(nom, parent), PoliceNom(Police(14, true)), PoliceLecture(Police(15, true)),
      HauteurLigne(QFontMetrics(PoliceLecture, this).height())
{
    Etat = QStringLiteral("non raccordée");
    DefinitLecture(Etat);
}

void TLampeSynchro::DefinitEtat(const TLampe &lampe)
{
    const int niveau = lampe.Raccordee ? static_cast<int>(std::lround(lampe.Eclat * NiveauxEclat)) : 0;
    const QString tension =
        lampe.Raccordee ? TexteInstrument(lampe.U, TGrandeurInstrument::Tension, QStringLiteral("\u00a0V")) : QString();
    const QString etat = !lampe.Raccordee ? QStringLiteral("non raccordée")
                         : lampe.Allumee  ? QStringLiteral("allumée")
                                          : QStringLiteral("éteinte");
    // Only what looks different is painted again: mostly the voltage, at every tick.
    // Rectangles, not a region: a region is made on the heap.
    std::array<QRect, 3> sale;
    std::size_t n = 0;
    if (niveau != Niveau || lampe.Raccordee != Raccordee)
        sale[n++] = RectAmpoule();
    if (tension != Tension)
        sale[n++] = RectLigne(0);
    if (etat != Etat)
        sale[n++] = RectLigne(1);
    if (n == 0)
        return;
    Raccordee = lampe.Raccordee;
    Niveau = niveau;
    Tension = tension;
    Etat = etat;
    DefinitLecture(Raccordee ? Tension + QStringLiteral(", ") + Etat : Etat);
    for (std::size_t i = 0; i < n; ++i)
        update(sale[i]);
}

QRect TLampeSynchro::RectAmpoule() const
{
    return {width() / 2 - RayonHalo, HautAmpoule + Diametre / 2 - RayonHalo + 6, 2 * RayonHalo, 2 * RayonHalo};
}

// The voltage, then the lamp's state, under the bulb.
QRect TLampeSynchro::RectLigne(int ligne) const
{
    return {0, RectAmpoule().bottom() - 12 + ligne * HauteurLigne, width(), HauteurLigne};
}

QSize TLampeSynchro::minimumSizeHint() const
{
    // The widest of the texts it may write side by side with its neighbours' and a gap.
    const QFontMetrics lecture(PoliceLecture, this);
    int largeur = std::max({2 * RayonHalo, QFontMetrics(PoliceNom, this).horizontalAdvance(accessibleName()),
                            lecture.horizontalAdvance(QStringLiteral("non raccordée")),
                            lecture.horizontalAdvance(QStringLiteral("000,0\u00a0V"))});
    return {largeur + 12, RectLigne(1).bottom() + 6};
}

QColor TLampeSynchro::Couleur() const
{
    // By the share of the rated voltage, which the eye follows better than the power: dark
    // glass up to a dull glow below the threshold, then amber to a pale full glow, so that a
    // lamp at 230 V (half its rating) looks plainly lit.
    const double u = std::sqrt(static_cast<double>(Niveau) / NiveauxEclat);
    const auto melange = [](QColor de, QColor a, double e) {
        const auto canal = [e](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * e)); };
        return QColor(canal(de.red(), a.red()), canal(de.green(), a.green()), canal(de.blue(), a.blue()));
    };
    constexpr double seuil = TInstruments::SeuilLampe;
    if (u < seuil)
        return melange(Verre, Terne, u / seuil);
    return melange(Ambre, Incandescence, (u - seuil) / (1.0 - seuil));
}

// Antialiased circles and gradients are dear to draw: the bulb is drawn into a picture,
// over the window's background, and only when it is to look different.
void TLampeSynchro::PrepareAmpoule()
{
    const qreal ratio = devicePixelRatioF();
    Ampoule = QPixmap(QSize(2 * RayonHalo, 2 * RayonHalo) * ratio);
    Ampoule.setDevicePixelRatio(ratio);
    Ampoule.fill(palette().color(QPalette::Window));
    NiveauAmpoule = Raccordee ? Niveau : -1;
    QPainter peintre(&Ampoule);
    peintre.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(RayonHalo, RayonHalo);
    if (Raccordee && Niveau > 0) {
        QColor coeur = Couleur();
        coeur.setAlphaF(static_cast<float>(std::sqrt(static_cast<double>(Niveau) / NiveauxEclat)));
        QColor bord = coeur;
        bord.setAlpha(0);
        QRadialGradient halo(centre, RayonHalo);
        halo.setColorAt(0.6, coeur);
        halo.setColorAt(1.0, bord);
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(halo);
        peintre.drawEllipse(centre, RayonHalo, RayonHalo);
    }
    // An empty socket: the bulb's outline, dashed.
    peintre.setPen(QPen(Encre, 3, Raccordee ? Qt::SolidLine : Qt::DashLine));
    peintre.setBrush(Raccordee ? QBrush(Couleur()) : QBrush(Qt::NoBrush));
    peintre.drawEllipse(centre, Diametre / 2.0, Diametre / 2.0);
}

void TLampeSynchro::paintEvent(QPaintEvent *event)
{
    QPainter peintre(this);
    const QRegion &sale = event->region();
    if (sale.intersects(RectAmpoule())) {
        if (Ampoule.isNull() || NiveauAmpoule != (Raccordee ? Niveau : -1) ||
            Ampoule.devicePixelRatio() != devicePixelRatioF())
            PrepareAmpoule();
        peintre.drawPixmap(RectAmpoule().topLeft(), Ampoule);
    }
    // Over the halo's faint edge.
    const QRect rectNom(0, 0, width(), HautAmpoule);
    if (sale.intersects(rectNom)) {
        peintre.setFont(PoliceNom);
        peintre.setPen(Encre);
        peintre.drawText(rectNom, Qt::AlignHCenter, accessibleName());
    }
    peintre.setFont(PoliceLecture);
    peintre.setPen(EncreLecture);
    for (const auto &[ligne, texte] : {std::pair{0, &Tension}, std::pair{1, &Etat}})
        if (sale.intersects(RectLigne(ligne)))
            peintre.drawText(RectLigne(ligne), Qt::AlignHCenter, *texte);
}

} // namespace tavelor
