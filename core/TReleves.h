#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelor {

// The columns of the measurements table, in their order.
enum class TColonneReleve { N, Ie, Ev, V, I, Pu, Q, CosPhi, Delta, Cm, Pa, Etat, Fonctionnement };
inline constexpr std::size_t NombreColonnesReleve = 13;

// The columns that hold words, not readings: they sort by their text and align left.
constexpr bool ColonneDeMots(TColonneReleve colonne)
{
    return colonne == TColonneReleve::Etat || colonne == TColonneReleve::Fonctionnement;
}

// One reading: the text as the meter or instrument showed it, and the number it came
// from, in the unit of its column (rpm, A, V, W, var, °, N·m). Both are empty for a
// quantity that has no value in this state; a reading without a meaning ("—") has a
// text and no number.
struct TMesure {
    std::optional<double> Valeur;
    std::string Texte;
};

// One operating point as the bench showed it at one tick, in the series the student put
// it in ("Courbe en V, P = 1571 W"), with the student's comment.
struct TReleve {
    // Every column; État's is unused, its text comes from `Couplee`. Fonctionnement has a
    // text and no number.
    std::array<TMesure, NombreColonnesReleve> Mesures;
    bool Couplee = false;
    std::string Serie;
    std::string Commentaire;

    const TMesure &operator[](TColonneReleve colonne) const { return Mesures[static_cast<std::size_t>(colonne)]; }
    TMesure &operator[](TColonneReleve colonne) { return Mesures[static_cast<std::size_t>(colonne)]; }
    // What the cell shows: the reading, or "couplée" / "non couplée" for État.
    std::string Texte(TColonneReleve colonne) const;
};

// The recorded points, shared by the table, which changes them, and the curves, which
// show them. Each row remembers whether it has been exported since it was recorded or
// last changed, so that quitting can warn before it is lost.
class TReleves {
public:
    // The header of each column, with its unit: "N (tr/min)", "Ie (A)"...
    static std::string_view Entete(TColonneReleve colonne);
    // The two columns written after the measured ones.
    static constexpr std::string_view EnteteSerie = "Série";
    static constexpr std::string_view EnteteCommentaire = "Commentaire";
    // What the practical-work mode leaves out, as no instrument of the real bench reads
    // it: the load angle, and the EMF once coupled (the stator's voltage is then the grid's).
    static bool NonMesurable(TColonneReleve colonne, bool couplee);

    const std::vector<TReleve> &Lignes() const { return Lignes_; }
    std::size_t Nombre() const { return Lignes_.size(); }
    // Raised by every change of the rows, so that a reader can tell it has to follow.
    std::uint64_t Version() const { return Version_; }

    void Ajoute(TReleve releve);
    void Supprime(std::size_t ligne);
    void Efface();
    void DefinitSerie(std::size_t ligne, std::string serie);
    void DefinitCommentaire(std::size_t ligne, std::string commentaire);
    // The series' names, each once, in the order of their first row.
    std::vector<std::string> Series() const;

    // Marks the given rows as saved; none given means all.
    void MarqueSauvees(const std::vector<std::size_t> &lignes = {});
    bool NonSauvees() const;

    // A header line then the given rows (all when none is given) in the given order, the
    // fields joined by `separateur` and each line ended by `finLigne`: the measured
    // columns, État, then the series and the comment. A field holding the separator, a
    // quote or a line break is quoted, its quotes doubled; LitReleves reads it back. In the
    // practical-work mode what cannot be measured is left empty.
    std::string Texte(char separateur, std::string_view finLigne, const std::vector<std::size_t> &lignes = {},
                      bool modeTP = false) const;

private:
    void DefinitMots(std::size_t ligne, std::string TReleve::*champ, std::string mots);
    std::vector<TReleve> Lignes_;
    std::vector<bool> Sauvees_;
    std::uint64_t Version_ = 0;
};

} // namespace tavelor
