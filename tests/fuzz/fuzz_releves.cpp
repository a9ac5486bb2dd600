// Any byte string as a file handed to "Ouvrir…": the reader must neither crash nor read
// out of bounds, a refusal must name a line and leave no rows, and what it accepts must
// be written back by TReleves into a text that reads back to the same rows.
#include "LectureReleves.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Exige(bool condition)
{
    if (!condition)
        std::abort();
}

bool MemesLignes(const std::vector<tavelor::TReleve> &a, const std::vector<tavelor::TReleve> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t l = 0; l < a.size(); ++l) {
        if (a[l].Couplee != b[l].Couplee || a[l].Serie != b[l].Serie || a[l].Commentaire != b[l].Commentaire)
            return false;
        for (std::size_t c = 0; c < a[l].Mesures.size(); ++c)
            if (a[l].Mesures[c].Texte != b[l].Mesures[c].Texte || a[l].Mesures[c].Valeur != b[l].Mesures[c].Valeur)
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const std::string_view texte(reinterpret_cast<const char *>(donnees), taille);
    const tavelor::TLectureReleves lecture = tavelor::LitReleves(texte);
    if (!lecture.Lu()) {
        Exige(lecture.Lignes.empty() && !lecture.Raison.empty());
        return 0;
    }
    tavelor::TReleves releves;
    for (const tavelor::TReleve &r : lecture.Lignes)
        releves.Ajoute(r);
    const tavelor::TLectureReleves relue = tavelor::LitReleves(releves.Texte(lecture.Separateur, "\r\n"));
    Exige(relue.Lu() && MemesLignes(relue.Lignes, lecture.Lignes));
    return 0;
}
