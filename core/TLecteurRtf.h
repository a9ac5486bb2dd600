#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavelor {

// Reads an RTF document into paragraphs of styled runs, for the help window.
//
// Understood: groups, the font table, \f \fs \b \i \ul \ulnone \plain, \pard with
// \ql \qc \qr \qj \sb \sa \li \ri \fi, \par, \line, \tab, \'hh in code page 1252 (bytes
// above 0x7F in the text too), \uN with \ucN fallback characters, a few named
// punctuation symbols, \binN, and \* and the usual destinations (colours, styles,
// information, pictures...) whose content is skipped. Unknown control words are ignored.
//
// Any bytes are accepted: reading never recurses, stops at the end of the group that
// opens the document (or of the input), drops groups nested deeper than ProfondeurMax,
// clamps numbers and skips escapes that are cut short. The text is UTF-8 without
// control characters other than tab; a line break within a paragraph is U+2028.
class TLecteurRtf {
public:
    static constexpr int ProfondeurMax = 64;
    static constexpr int DemiPointsParDefaut = 24; // \fs is in half-points: 12 pt
    static constexpr int DemiPointsMin = 2;
    static constexpr int DemiPointsMax = 2000;
    static constexpr int TwipsMax = 31680; // 22 inches: any page margin or spacing

    enum class TAlignement { Gauche, Centre, Droite, Justifie };

    struct TFormat {
        std::string Police; // name from the font table, empty when the font is unknown
        int DemiPoints = DemiPointsParDefaut;
        bool Gras = false;
        bool Italique = false;
        bool Souligne = false;

        bool operator==(const TFormat &) const = default;
    };

    struct TSegment {
        TFormat Format;
        std::string Texte; // never empty

        bool operator==(const TSegment &) const = default;
    };

    // Spacings and indents in twips (1/20 pt), as RTF gives them.
    struct TParagraphe {
        TAlignement Alignement = TAlignement::Gauche;
        int EspaceAvant = 0;
        int EspaceApres = 0;
        int RetraitGauche = 0;
        int RetraitDroit = 0;
        int RetraitPremiereLigne = 0;
        TFormat Marque; // the format at the paragraph mark: an empty paragraph's height
        std::vector<TSegment> Segments;
    };

    struct TDocument {
        std::vector<TParagraphe> Paragraphes;
    };

    static TDocument Lit(std::string_view rtf);
};

} // namespace tavelor
