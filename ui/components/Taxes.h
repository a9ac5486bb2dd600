#pragma once

#include "TCouleur.h"
#include "TGeometrieAxes.h"
#include "TPaintBox.h"
#include "TTexteForme.h"

#include <QPen>
#include <QWidget>

#include <array>
#include <cstddef>

class QPainter;

namespace tavelor {

// A paint box carrying a pair of graph axes: origin at (Largeur_gau, Longueur_sup),
// arrowheads, a "0" at the origin, a mark at each end of the vertical useful range with
// its optional label, and Grad_hor + 1 evenly spaced marks along the horizontal axis.
// The owner draws its curves in OnPaint, which runs first, so the axes lie over them.
// Setting Longueur_sup or Longueur_inf gives the frame the height Longueur_sup +
// Longueur_inf; the width is the owner's. The component converts no values: the
// scales and the other strings are only kept for the owner.
class Taxes : public TPaintBox {
    Q_OBJECT
    Q_PROPERTY(TCouleur Couleur READ Couleur WRITE setCouleur)
    Q_PROPERTY(int Epaisseur READ Epaisseur WRITE setEpaisseur)
    Q_PROPERTY(int Longueur_sup READ Longueur_sup WRITE setLongueur_sup)
    Q_PROPERTY(int Longueur_inf READ Longueur_inf WRITE setLongueur_inf)
    Q_PROPERTY(int Largeur_gau READ Largeur_gau WRITE setLargeur_gau)
    Q_PROPERTY(int Largeur_droi READ Largeur_droi WRITE setLargeur_droi)
    Q_PROPERTY(int ZU_sup READ ZU_sup WRITE setZU_sup)
    Q_PROPERTY(int ZU_inf READ ZU_inf WRITE setZU_inf)
    Q_PROPERTY(int ZU_gau READ ZU_gau WRITE setZU_gau)
    Q_PROPERTY(int ZU_droi READ ZU_droi WRITE setZU_droi)
    Q_PROPERTY(bool Inverse READ Inverse WRITE setInverse)
    Q_PROPERTY(double Echelle_verticale READ Echelle_verticale WRITE setEchelle_verticale)
    Q_PROPERTY(double Echelle_horizontale READ Echelle_horizontale WRITE setEchelle_horizontale)
    Q_PROPERTY(QString Grad_max_hor READ Grad_max_hor WRITE setGrad_max_hor)
    Q_PROPERTY(QString Grad_min_hor READ Grad_min_hor WRITE setGrad_min_hor)
    Q_PROPERTY(QString Grad_max_ver READ Grad_max_ver WRITE setGrad_max_ver)
    Q_PROPERTY(QString Grad_min_ver READ Grad_min_ver WRITE setGrad_min_ver)
    Q_PROPERTY(int Grad_hor READ Grad_hor WRITE setGrad_hor)
    Q_PROPERTY(int Grad_ver READ Grad_ver WRITE setGrad_ver)

public:
    explicit Taxes(QWidget *parent = nullptr);

    TCouleur Couleur() const { return CouleurAxes; }
    int Epaisseur() const { return EpaisseurAxes; }
    int Longueur_sup() const { return LongueurSup; }
    int Longueur_inf() const { return LongueurInf; }
    int Largeur_gau() const { return LargeurGau; }
    int Largeur_droi() const { return LargeurDroi; }
    int ZU_sup() const { return ZoneSup; }
    int ZU_inf() const { return ZoneInf; }
    int ZU_gau() const { return ZoneGau; }
    int ZU_droi() const { return ZoneDroi; }
    bool Inverse() const { return FlecheEnBas; }
    double Echelle_verticale() const { return EchelleVerticale; }
    double Echelle_horizontale() const { return EchelleHorizontale; }
    QString Grad_max_hor() const { return GradMaxHor; }
    QString Grad_min_hor() const { return GradMinHor; }
    QString Grad_max_ver() const { return GradMaxVer; }
    QString Grad_min_ver() const { return GradMinVer; }
    int Grad_hor() const { return GradHor; }
    int Grad_ver() const { return GradVer; }

    void setCouleur(TCouleur valeur);
    void setEpaisseur(int valeur);
    void setLongueur_sup(int valeur);
    void setLongueur_inf(int valeur);
    void setLargeur_gau(int valeur);
    void setLargeur_droi(int valeur);
    void setZU_sup(int valeur);
    void setZU_inf(int valeur);
    void setZU_gau(int valeur);
    void setZU_droi(int valeur);
    void setInverse(bool valeur);
    void setEchelle_verticale(double valeur);
    void setEchelle_horizontale(double valeur);
    void setGrad_max_hor(const QString &valeur);
    void setGrad_min_hor(const QString &valeur);
    void setGrad_max_ver(const QString &valeur);
    void setGrad_min_ver(const QString &valeur);
    void setGrad_hor(int valeur);
    void setGrad_ver(int valeur);

    // What a sampled curve needs to be laid on these axes.
    TGeometrieAxes Geometrie() const;

protected:
    // The owner's drawing (OnPaint) comes first, the axes over it. The canvas starts
    // with the axes' pen, as the platform's canvas kept it from one painting to the next.
    void paintEvent(QPaintEvent *event) override;

private:
    void AjusteHauteur();
    QPen PlumeAxes() const;
    void DessineAxeHorizontal(TCanevasQt &canevas) const;
    void DessineAxeVertical(TCanevasQt &canevas) const;
    void DessineOrigine(TCanevasQt &canevas) const;
    void DessineGraduationVerticale(TCanevasQt &canevas, int ordonnee, const TTexteForme &etiquette) const;
    void DessineGraduationsHorizontales(TCanevasQt &canevas) const;
    void DessineEtiquette(TCanevasQt &canevas, QPoint coin, const TTexteForme &texte) const;
    const TTexteForme &Etiquette(std::size_t rang, const QString &texte, const QFont &police) const;

    TCouleur CouleurAxes = clBlack;
    int EpaisseurAxes = 0;
    // Made by the setters it depends on: the axes are repainted at every tick.
    QPen Plume = PlumeAxes();
    int LongueurSup = 50;
    int LongueurInf = 50;
    int LargeurGau = 50;
    int LargeurDroi = 50;
    // The useful zones end 12 pixels short of their axes.
    int ZoneSup = 38;
    int ZoneInf = 38;
    int ZoneGau = 38;
    int ZoneDroi = 38;
    bool FlecheEnBas = false;
    double EchelleVerticale = 0.0;
    double EchelleHorizontale = 0.0;
    QString GradMaxHor;
    QString GradMinHor;
    QString GradMaxVer;
    QString GradMinVer;
    // The origin's and the vertical marks' labels, shaped again only when their text or
    // font changes: the axes are repainted at every tick.
    mutable std::array<TTexteForme, 3> Etiquettes;
    int GradHor = 1;
    int GradVer = 1;
};

} // namespace tavelor
