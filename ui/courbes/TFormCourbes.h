#pragma once

#include "TCourbesCaracteristiques.h"
#include "TFenetreCourbes.h"
#include "TReleves.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

class QAreaSeries;
class QGraphicsSimpleTextItem;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QTabWidget;

namespace tavelor {

class TGraphiqueCourbes;
class TModele;

// The characteristic curves of the machine with its live operating point: the no-load
// characteristic, the power against the load angle, the V-curves, and the operating chart. Created the first
// time it is asked for; it only reads the model, once per tick through Suit.
class TFormCourbes : public TFenetreCourbes {
    Q_OBJECT

public:
    explicit TFormCourbes(const TModele &modele, QWidget *parent = nullptr);

    // Follows the model: the curves of the tab in view recomputed when Ie, N or the
    // coupling change, the curve of the present power when it changes, the points and
    // read-outs when they move.
    void Suit() override;
    void DefinitReleves(const TReleves *releves) override;
    QImage Image(qreal echelle) override;
    QString TitreVue() const override;
    void DefinitModeTP(bool actif) override;
    std::vector<std::pair<QString, QImage>> ImagesReleves(qreal echelle) override;

    // The recorded points of the measurements table on a plot, at (x, y) of every row
    // that has both, each series in a marker of its own colour and legend entry: one call
    // per plot, which returns the first series' marker.
    QScatterSeries *AjouteReleves(TGraphiqueCourbes *graphique, TColonneReleve x, TColonneReleve y);
    // The markers of a plot's series, the first series' first.
    std::vector<QScatterSeries *> SeriesReleves(const TGraphiqueCourbes *graphique) const;

    QTabWidget *Onglets;
    TGraphiqueCourbes *GraphiqueAVide, *GraphiqueAngle, *GraphiqueV, *GraphiquePQ;
    QLabel *LectureAVide, *LectureAngle, *LectureV, *LecturePQ;
    // The curves, by tab; CourbeVCourante is the V-curve of the present power.
    QLineSeries *AVideN, *AVide1500, *LigneV;
    QScatterSeries *PointAVide;
    QLineSeries *Angle;
    QAreaSeries *ZonesAlerte[2], *ZonesInstables[2];
    QScatterSeries *LimitesPmax, *PointAngle;
    QGraphicsSimpleTextItem *EtiquetteGeneratrice, *EtiquetteMoteur;
    std::array<QLineSeries *, TCourbesCaracteristiques::PuissancesV.size()> CourbesV;
    QLineSeries *CourbeVCourante, *LieuLimite, *LieuAlerte;
    QScatterSeries *PointV;
    // The operating chart; the circles of the present Ev and I move with the point.
    QAreaSeries *ZoneInstablePQ;
    QLineSeries *LimitePQ, *AlertePQ, *CercleFem, *CercleCourant;
    QScatterSeries *PointPQ;
    QScatterSeries *RelevesAVide, *RelevesAngle, *RelevesV, *RelevesPQ;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreeAVide();
    void CreeAngle();
    void CreeV();
    void CreePQ();
    // Each tab's curves, recomputed only when what they depend on changed.
    void SuitAVide();
    void SuitAngle();
    void SuitV();
    void SuitPQ();
    void EchellePQ();
    void CalculeCourbeCourante();
    void PoseLieux(double N, double puissance);
    void AffichePoints();
    void PlaceEtiquettes();
    void PoseReleves();
    static void Lecture(QLabel *lecture, const QString &texte);

    const TModele &Modele;
    std::optional<double> VitesseAVide;             // N of the no-load characteristic drawn
    std::optional<double> EvAngle;                  // Ev of the power curve drawn
    std::optional<double> VitesseV;                 // speed of the V-curves drawn, which ignore Ie
    std::optional<double> PuissanceCourante;        // |Pu| of the curve drawn through the point
    std::optional<std::pair<double, double>> Lieux; // speed and highest power of the loci drawn
    std::optional<double> EvCercle;                 // Ev of the circle drawn
    std::optional<double> ICercle;                  // I of the circle drawn
    struct TMarqueReleves {
        TGraphiqueCourbes *Graphique;
        std::vector<QScatterSeries *> Series; // one per series of the table
        TColonneReleve X, Y;
    };
    std::vector<TMarqueReleves> MarquesReleves;
    const TReleves *Releves = nullptr;
    std::optional<std::uint64_t> VersionReleves; // of the recorded points placed
    bool ModeTP = false;
};

// The window as the program's factory makes it; the module's entry point calls this.
TFenetreCourbes *CreeFormCourbes(const TModele &modele);

} // namespace tavelor
