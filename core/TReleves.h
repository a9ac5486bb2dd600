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

// One operating point as the bench showed it at one tick.
struct TReleve {
    // Every column; État's is unused, its text comes from `Couplee`. Fonctionnement has a
    // text and no number.
    std::array<TMesure, NombreColonnesReleve> Mesures;
    bool Couplee = false;

    const TMesure &operator[](TColonneReleve colonne) const { return Mesures[static_cast<std::size_t>(colonne)]; }
    TMesure &operator[](TColonneReleve colonne) { return Mesures[static_cast<std::size_t>(colonne)]; }
    // What the cell shows: the reading, or "couplée" / "non couplée" for État.
    std::string Texte(TColonneReleve colonne) const;
};

// The recorded points, shared by the table, which changes them, and the curves, which
// show them. Each row remembers whether it has been saved (exported, copied or put in a
// report) since it was recorded, so that quitting can warn before it is lost.
class TReleves {
public:
    // The header of each column, with its unit: "N (tr/min)", "Ie (A)"...
    static std::string_view Entete(TColonneReleve colonne);

    const std::vector<TReleve> &Lignes() const { return Lignes_; }
    std::size_t Nombre() const { return Lignes_.size(); }
    // Raised by every change of the rows, so that a reader can tell it has to follow.
    std::uint64_t Version() const { return Version_; }

    void Ajoute(TReleve releve);
    void Supprime(std::size_t ligne);
    void Efface();

    // Marks the given rows as saved; none given means all.
    void MarqueSauvees(const std::vector<std::size_t> &lignes = {});
    bool NonSauvees() const;

    // A header line then the given rows (all when none is given) in the given order, the
    // fields joined by `separateur` and each line ended by `finLigne`. A field holding the
    // separator, a quote or a line break is quoted, its quotes doubled.
    std::string Texte(char separateur, std::string_view finLigne, const std::vector<std::size_t> &lignes = {}) const;

private:
    std::vector<TReleve> Lignes_;
    std::vector<bool> Sauvees_;
    std::uint64_t Version_ = 0;
};

} // namespace tavelor
