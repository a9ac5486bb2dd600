#pragma once

#include "TReleves.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavelor {

// What LitReleves found: the rows, or the first fault, with the line (counted from 1) on
// which the faulty record starts and the reason in French.
struct TLectureReleves {
    std::vector<TReleve> Lignes;
    std::size_t LigneErreur = 0; // 0 when the text was read whole
    std::string Raison;
    char Separateur = ';';

    bool Lu() const { return LigneErreur == 0; }
};

// Reads back the text TReleves::Texte writes, in either locale's form (";" or "," between
// fields), with or without a UTF-8 byte-order mark, lines ended by CRLF or LF. Anything
// else is refused: a foreign header, a record of the wrong length, an unknown state, a
// reading that is neither empty, "—" nor a plain decimal (either mark), an open quote.
// Each cell keeps the text as written, so that writing the rows again gives the text back.
TLectureReleves LitReleves(std::string_view texte);

} // namespace tavelor
