#include "LectureReleves.h"

#include "LectureNombre.h"

#include <optional>

namespace tavelor {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";
constexpr std::size_t NombreChamps = NombreColonnesReleve + 2; // and the series, the comment

// Splits the text into records of fields; a quoted field may hold separators, doubled
// quotes and line breaks.
class TDecoupeur {
public:
    TDecoupeur(std::string_view texte, char separateur) : Texte(texte), Separateur(separateur) {}

    bool Fini() const { return Position >= Texte.size(); }
    std::size_t Ligne() const { return NumeroLigne; }

    // The next record; nullopt if a quote is left open.
    std::optional<std::vector<std::string>> Suivant()
    {
        std::vector<std::string> champs(1);
        while (Position < Texte.size()) {
            const char c = Texte[Position++];
            if (c == '"' && champs.back().empty() && !DansGuillemets && !ChampCite) {
                DansGuillemets = ChampCite = true;
            } else if (DansGuillemets) {
                if (c != '"') {
                    NumeroLigne += c == '\n';
                    champs.back() += c;
                } else if (Position < Texte.size() && Texte[Position] == '"') {
                    champs.back() += '"';
                    ++Position;
                } else {
                    DansGuillemets = false;
                }
            } else if (c == Separateur) {
                champs.emplace_back();
                ChampCite = false;
            } else if (c == '\n' || (c == '\r' && Position < Texte.size() && Texte[Position] == '\n')) {
                Position += c == '\r';
                ++NumeroLigne;
                ChampCite = false;
                return champs;
            } else if (ChampCite) {
                Fautif = true; // text after a closing quote
                champs.back() += c;
            } else {
                champs.back() += c;
            }
        }
        if (DansGuillemets)
            return std::nullopt;
        ChampCite = false;
        return champs;
    }
    // A record had text after a closing quote: not written by TReleves.
    bool Fautif = false;

private:
    std::string_view Texte;
    char Separateur;
    std::size_t Position = 0;
    std::size_t NumeroLigne = 1;
    bool DansGuillemets = false;
    bool ChampCite = false;
};

std::string Cite(std::string_view texte)
{
    constexpr std::size_t Longueur = 30;
    return "«\u00A0" + std::string(texte.substr(0, Longueur)) + (texte.size() > Longueur ? "…" : "") + "\u00A0»";
}

std::vector<std::string> EnteteAttendue()
{
    std::vector<std::string> entete;
    for (std::size_t c = 0; c < NombreColonnesReleve; ++c)
        entete.emplace_back(TReleves::Entete(static_cast<TColonneReleve>(c)));
    entete.emplace_back(TReleves::EnteteSerie);
    entete.emplace_back(TReleves::EnteteCommentaire);
    return entete;
}

// A reading as written: empty, "—" (no meaning) or a plain decimal with either mark.
std::optional<TMesure> Mesure(const std::string &texte)
{
    if (texte.empty() || texte == "—")
        return TMesure{std::nullopt, texte};
    std::optional<double> valeur = LitReel(texte, ",");
    if (!valeur)
        valeur = LitReel(texte, ".");
    if (!valeur)
        return std::nullopt;
    return TMesure{valeur, texte};
}

// Fills `lecture` with the fault and returns it.
TLectureReleves Refus(TLectureReleves &lecture, std::size_t ligne, std::string raison)
{
    lecture.Lignes.clear();
    lecture.LigneErreur = ligne;
    lecture.Raison = std::move(raison);
    return lecture;
}

} // namespace

TLectureReleves LitReleves(std::string_view texte)
{
    TLectureReleves lecture;
    if (texte.substr(0, Bom.size()) == Bom)
        texte.remove_prefix(Bom.size());
    if (texte.empty())
        return Refus(lecture, 1, "le fichier est vide");
    // The header's first column tells the separator.
    const std::string_view premiere = TReleves::Entete(TColonneReleve::N);
    if (texte.size() <= premiere.size() || texte.substr(0, premiere.size()) != premiere ||
        (texte[premiere.size()] != ';' && texte[premiere.size()] != ','))
        return Refus(lecture, 1, "ce n'est pas un fichier de relevés de Tavelor (en-tête inattendu)");
    lecture.Separateur = texte[premiere.size()];

    TDecoupeur decoupeur(texte, lecture.Separateur);
    const auto entete = decoupeur.Suivant();
    if (!entete || *entete != EnteteAttendue())
        return Refus(lecture, 1, "ce n'est pas un fichier de relevés de Tavelor (en-tête inattendu)");
    while (!decoupeur.Fini()) {
        const std::size_t ligne = decoupeur.Ligne();
        const auto champs = decoupeur.Suivant();
        if (!champs)
            return Refus(lecture, ligne, "guillemet ouvert qui n'est jamais fermé");
        if (decoupeur.Fautif)
            return Refus(lecture, ligne, "texte après un guillemet fermant");
        if (champs->size() == 1 && champs->front().empty())
            continue; // a blank line
        if (champs->size() != NombreChamps)
            return Refus(lecture, ligne,
                         std::to_string(champs->size()) + " champs au lieu de " + std::to_string(NombreChamps));
        TReleve releve;
        for (std::size_t c = 0; c < NombreColonnesReleve; ++c) {
            const auto colonne = static_cast<TColonneReleve>(c);
            const std::string &champ = (*champs)[c];
            if (colonne == TColonneReleve::Etat) {
                if (champ != "couplée" && champ != "non couplée")
                    return Refus(lecture, ligne,
                                 "état " + Cite(champ) + " inconnu (attendu\u00A0: couplée ou non couplée)");
                releve.Couplee = champ == "couplée";
                continue;
            }
            if (colonne == TColonneReleve::Fonctionnement) {
                // Words, empty while uncoupled: "moteur, surexcitée"...
                if (!champ.empty() && !champ.starts_with("alternateur") && !champ.starts_with("moteur") &&
                    !champ.starts_with("compensateur synchrone"))
                    return Refus(lecture, ligne, "fonctionnement " + Cite(champ) + " inconnu");
                releve[colonne] = {std::nullopt, champ};
                continue;
            }
            const auto mesure = Mesure(champ);
            if (!mesure)
                return Refus(lecture, ligne,
                             "colonne " + Cite(TReleves::Entete(colonne)) + "\u00A0: " + Cite(champ) +
                                 " n'est pas un nombre");
            releve[colonne] = *mesure;
        }
        releve.Serie = (*champs)[NombreColonnesReleve];
        releve.Commentaire = (*champs)[NombreColonnesReleve + 1];
        lecture.Lignes.push_back(std::move(releve));
    }
    return lecture;
}

} // namespace tavelor
