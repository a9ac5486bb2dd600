#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavelor {

// The markup of a rich-text label, cut into styled runs.
//
// A markup is a sequence of runs ended by "}": two code digits (style, then size), the
// run's text, then "]". The text always takes the character after the codes, even a
// "]", then everything up to the next "]". Style codes: 0 upright, 1 italic, 2 Symbol,
// 3 bold, 4 italic underlined, 5 underlined, 6 Symbol underlined. Size codes: 0
// subscript (Taille_indice points, top at Pos_indice pixels), 1 main size (taille points,
// top at 0, or 3 pixels higher in Symbol), 2 small text aligned with the top. Any other
// code, digit or not, keeps the previous run's setting; before the first run that is
// upright Police at the main size.
//
// Any string is accepted: a markup cut short (no "]" or no "}") gives the runs read so
// far, the unfinished one included when its text has begun. Nothing is read past the end.
class TMarquage {
public:
    struct TParametres {
        int taille = 11;       // main size, points
        int Taille_indice = 3; // subscript and small text size, points
        int Pos_indice = -3;   // top of a subscript, pixels below the label's top edge
        std::string Police = "arial";
    };

    struct TSegment {
        std::string Police; // Police, or "symbol" for style codes 2 and 6
        bool Italique = false;
        bool Gras = false;
        bool Souligne = false;
        int Taille = 0; // points
        int Y = 0;      // top of the text, pixels from the label's top edge
        std::string Texte;

        bool operator==(const TSegment &) const = default;
    };

    static std::vector<TSegment> Segments(std::string_view chaine, const TParametres &parametres);
};

} // namespace tavelor
