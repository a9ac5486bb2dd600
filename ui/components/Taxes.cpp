#include "Taxes.h"

#include "Arrondi.h"
#include "ChangePropriete.h"
#include "CouleurQt.h"
#include "TCanevasQt.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace tavelor {

Taxes::Taxes(QWidget *parent) : TPaintBox(parent)
{
    resize(110, 100);
    AjusteHauteur();
}

void Taxes::setCouleur(TCouleur valeur)
{
    ChangePropriete(*this, CouleurAxes, valeur);
    Plume = PlumeAxes();
}

void Taxes::setEpaisseur(int valeur)
{
    ChangePropriete(*this, EpaisseurAxes, valeur);
    Plume = PlumeAxes();
}

void Taxes::setLongueur_sup(int valeur)
{
    ChangePropriete(*this, LongueurSup, valeur);
    AjusteHauteur();
}

void Taxes::setLongueur_inf(int valeur)
{
    ChangePropriete(*this, LongueurInf, valeur);
    AjusteHauteur();
}

void Taxes::setLargeur_gau(int valeur)
{
    ChangePropriete(*this, LargeurGau, valeur);
}

void Taxes::setLargeur_droi(int valeur)
{
    ChangePropriete(*this, LargeurDroi, valeur);
}

void Taxes::setZU_sup(int valeur)
{
    ChangePropriete(*this, ZoneSup, valeur);
}

void Taxes::setZU_inf(int valeur)
{
    ChangePropriete(*this, ZoneInf, valeur);
}

void Taxes::setZU_gau(int valeur)
{
    ChangePropriete(*this, ZoneGau, valeur);
}

void Taxes::setZU_droi(int valeur)
{
    ChangePropriete(*this, ZoneDroi, valeur);
}

void Taxes::setInverse(bool valeur)
{
    ChangePropriete(*this, FlecheEnBas, valeur);
}

void Taxes::setEchelle_verticale(double valeur)
{
    ChangePropriete(*this, EchelleVerticale, valeur);
}

void Taxes::setEchelle_horizontale(double valeur)
{
    ChangePropriete(*this, EchelleHorizontale, valeur);
}

void Taxes::setGrad_max_hor(const QString &valeur)
{
    ChangePropriete(*this, GradMaxHor, valeur);
}

void Taxes::setGrad_min_hor(const QString &valeur)
{
    ChangePropriete(*this, GradMinHor, valeur);
}

void Taxes::setGrad_max_ver(const QString &valeur)
{
    ChangePropriete(*this, GradMaxVer, valeur);
}

void Taxes::setGrad_min_ver(const QString &valeur)
{
    ChangePropriete(*this, GradMinVer, valeur);
}

void Taxes::setGrad_hor(int valeur)
{
    ChangePropriete(*this, GradHor, valeur);
}

void Taxes::setGrad_ver(int valeur)
{
    ChangePropriete(*this, GradVer, valeur);
}

// The height follows the vertical axis, at least one pixel; the width is the owner's.
void Taxes::AjusteHauteur()
{
    const int hauteur = std::max(1, LongueurSup + LongueurInf);
    if (hauteur != height())
        resize(width(), hauteur);
}

TGeometrieAxes Taxes::Geometrie() const
{
    return TGeometrieAxes{LargeurGau, LongueurSup, ZoneDroi};
}

QPen Taxes::PlumeAxes() const
{
    return QPen(VersQColor(CouleurAxes), EpaisseurAxes < 0 ? 0 : EpaisseurAxes);
}

void Taxes::paintEvent(QPaintEvent *)
{
    TCanevasQt canevas(this);
    canevas.Peintre().setFont(font());
    canevas.Peintre().setBrush(palette().window());
    canevas.Plume(Plume);
    emit OnPaint(canevas);

    canevas.Plume(Plume);
    DessineAxeHorizontal(canevas);
    DessineAxeVertical(canevas);
    DessineOrigine(canevas);
    const QFont police = canevas.Peintre().font();
    DessineGraduationVerticale(canevas, LongueurSup - ZoneSup, Etiquette(1, GradMaxVer, police));
    DessineGraduationVerticale(canevas, LongueurSup + ZoneInf, Etiquette(2, GradMinVer, police));
    DessineGraduationsHorizontales(canevas);
}

void Taxes::DessineAxeHorizontal(TCanevasQt &canevas) const
{
    const int bout = LargeurGau + LargeurDroi;
    canevas.DeplaceVers(0, LongueurSup);
    canevas.LigneVers(bout, LongueurSup);
    canevas.LigneVers(bout - 5, LongueurSup - 5);
    canevas.DeplaceVers(bout - 1, LongueurSup + 1);
    canevas.LigneVers(bout - 5, LongueurSup + 5);
}

void Taxes::DessineAxeVertical(TCanevasQt &canevas) const
{
    const int bas = LongueurSup + LongueurInf;
    canevas.DeplaceVers(LargeurGau, bas);
    canevas.LigneVers(LargeurGau, 0);
    if (!FlecheEnBas) {
        canevas.LigneVers(LargeurGau - 5, 5);
        canevas.DeplaceVers(LargeurGau, 0);
        canevas.LigneVers(LargeurGau + 5, 5);
    } else {
        canevas.DeplaceVers(LargeurGau, bas);
        canevas.LigneVers(LargeurGau - 5, bas - 5);
        canevas.DeplaceVers(LargeurGau, bas);
        canevas.LigneVers(LargeurGau + 5, bas - 5);
    }
}

// Text in the control's font and colour, its cell filled with the control's colour.
void Taxes::DessineEtiquette(TCanevasQt &canevas, QPoint coin, const TTexteForme &texte) const
{
    if (texte.Texte().isEmpty())
        return;
    QPainter &painter = canevas.Peintre();
    painter.save();
    painter.fillRect(QRect(coin, QSize(texte.Largeur(), texte.Hauteur())), palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    texte.Dessine(painter, coin.x(), coin.y() + texte.Ascendante());
    painter.restore();
}

const TTexteForme &Taxes::Etiquette(std::size_t rang, const QString &texte, const QFont &police) const
{
    TTexteForme &forme = Etiquettes[rang];
    if (forme.Texte() != texte || forme.Police() != police)
        forme = TTexteForme(texte, police, this);
    return forme;
}

void Taxes::DessineOrigine(TCanevasQt &canevas) const
{
    const TTexteForme &zero = Etiquette(0, QStringLiteral("0"), canevas.Peintre().font());
    DessineEtiquette(canevas, QPoint(LargeurGau - zero.Largeur() - 2, LongueurSup + 1), zero);
}

// A mark across the vertical axis at `ordonnee`, its label right-aligned 5 pixels to
// the left of the axis and centred on the mark.
void Taxes::DessineGraduationVerticale(TCanevasQt &canevas, int ordonnee, const TTexteForme &etiquette) const
{
    canevas.DeplaceVers(LargeurGau - 3, ordonnee);
    canevas.LigneVers(LargeurGau + 4, ordonnee);
    const int x = LargeurGau - etiquette.Largeur() - 5;
    DessineEtiquette(canevas, QPoint(x, ordonnee - Arrondi(etiquette.Hauteur() / 2.0)), etiquette);
}

// Grad_hor + 1 marks from the start of the useful zone, at a step rounded to whole
// pixels, so the last one may miss the end of the zone by up to Grad_hor / 2 pixels.
// Grad_hor 0 or less draws none. Only the marks that fall inside the control are
// visited, so that a huge Grad_hor costs nothing.
void Taxes::DessineGraduationsHorizontales(TCanevasQt &canevas) const
{
    if (GradHor <= 0)
        return;
    const std::int64_t pas = Arrondi((static_cast<double>(ZoneGau) + ZoneDroi) / GradHor);
    const std::int64_t depart = static_cast<std::int64_t>(LargeurGau) - ZoneGau;
    const std::int64_t droite = width();
    std::int64_t premier = 0;
    std::int64_t dernier = pas == 0 ? 0 : GradHor;
    if (pas > 0) {
        premier = depart < 0 ? (-depart + pas - 1) / pas : 0;
        dernier = std::min<std::int64_t>(dernier, depart > droite ? -1 : (droite - depart) / pas);
    } else if (pas < 0) {
        premier = depart > droite ? (depart - droite - pas - 1) / -pas : 0;
        dernier = std::min<std::int64_t>(dernier, depart < 0 ? -1 : depart / -pas);
    }
    for (std::int64_t k = premier; k <= dernier; ++k) {
        const int x = static_cast<int>(depart + k * pas);
        canevas.DeplaceVers(x, LongueurSup - 3);
        canevas.LigneVers(x, LongueurSup + 4);
    }
}

} // namespace tavelor
