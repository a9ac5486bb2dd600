#include "TLecteurRtf.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <utility>

namespace tavelor {
namespace {

using TParagraphe = TLecteurRtf::TParagraphe;
using TFormat = TLecteurRtf::TFormat;
using TAlignement = TLecteurRtf::TAlignement;

constexpr char32_t Remplacement = 0xFFFD;
constexpr char32_t SeparateurLignes = 0x2028;
constexpr long long NombreMax = 1'000'000'000; // numbers saturate here, whatever their digits

// Code page 1252 from 0x80 to 0x9F; the five unassigned bytes read as U+FFFD.
constexpr std::array<char16_t, 32> Cp1252Haut = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                                 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t DepuisCp1252(unsigned char octet)
{
    if (octet >= 0x80 && octet < 0xA0)
        return Cp1252Haut[octet - 0x80];
    return octet;
}

void AjouteUtf8(std::string &texte, char32_t c)
{
    if (c < 0x80) {
        texte += static_cast<char>(c);
    } else if (c < 0x800) {
        texte += static_cast<char>(0xC0 | (c >> 6));
        texte += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        texte += static_cast<char>(0xE0 | (c >> 12));
        texte += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        texte += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        texte += static_cast<char>(0xF0 | (c >> 18));
        texte += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        texte += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        texte += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool EstLettre(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool EstChiffre(char c)
{
    return c >= '0' && c <= '9';
}

int Hexa(char c)
{
    if (EstChiffre(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Destinations whose content is not part of the text.
bool EstDestinationIgnoree(std::string_view mot)
{
    static constexpr std::string_view ignorees[] = {"annotation", "atnid",
                                                    "author",     "buptim",
                                                    "colortbl",   "comment",
                                                    "creatim",    "doccomm",
                                                    "falt",       "fldinst",
                                                    "footer",     "footerf",
                                                    "footerl",    "footerr",
                                                    "footnote",   "ftncn",
                                                    "ftnsep",     "ftnsepc",
                                                    "header",     "headerf",
                                                    "headerl",    "headerr",
                                                    "info",       "keywords",
                                                    "listtable",  "listoverridetable",
                                                    "object",     "operator",
                                                    "panose",     "pict",
                                                    "printim",    "revtim",
                                                    "rsidtbl",    "stylesheet",
                                                    "subject",    "title",
                                                    "xe",         "tc",
                                                    "txe"};
    return std::find(std::begin(ignorees), std::end(ignorees), mot) != std::end(ignorees);
}

class TAnalyse {
public:
    explicit TAnalyse(std::string_view rtf) : Rtf(rtf) { Pile.push_back(TEtat{}); }

    TLecteurRtf::TDocument Lit();

private:
    enum class TDestination { Texte, Polices, Ignoree };

    // What a group sets and its closing brace restores.
    struct TEtat {
        TDestination Destination = TDestination::Texte;
        int Police = -1;        // font number, -1 for the default font
        TFormat Format;         // Police name left empty here: resolved when text is written
        TParagraphe Paragraphe; // its properties only, never its segments
        int SautUnicode = 1;
    };

    void OuvreGroupe();
    bool FermeGroupe(); // false when the document's group has closed
    void LitControle();
    void MotDeControle(std::string_view mot, bool aParametre, int parametre);
    void Caractere(char32_t c); // pairs surrogates, then writes
    void Ecrit(char32_t c);
    void FinParagraphe();
    TFormat FormatCourant() const;
    bool Ignore() const { return Excedent > 0 || Etat().Destination == TDestination::Ignoree; }
    TEtat &Etat() { return Pile.back(); }
    const TEtat &Etat() const { return Pile.back(); }

    std::string_view Rtf;
    std::size_t Position = 0;
    std::vector<TEtat> Pile; // Pile[0] lies outside every group
    int Excedent = 0;        // groups opened beyond ProfondeurMax, whose content is dropped
    bool DocumentOuvert = false;
    int ASauter = 0;           // fallback characters of the last \u still to skip
    char16_t SurrogatHaut = 0; // first half of a \u pair waiting for the second
    int PoliceParDefaut = 0;
    int PoliceDefinie = -1; // the font table entry being read
    std::string NomPolice;
    std::map<int, std::string> Polices;
    TParagraphe EnCours;
    TLecteurRtf::TDocument Document;
};

TLecteurRtf::TDocument TAnalyse::Lit()
{
    while (Position < Rtf.size()) {
        const char c = Rtf[Position];
        if (c == '{') {
            ++Position;
            ASauter = 0;
            OuvreGroupe();
        } else if (c == '}') {
            ++Position;
            ASauter = 0;
            if (!FermeGroupe())
                break;
        } else if (c == '\\') {
            LitControle();
        } else {
            ++Position;
            if (c == '\r' || c == '\n')
                continue;
            if (ASauter > 0) {
                --ASauter;
                continue;
            }
            Caractere(DepuisCp1252(static_cast<unsigned char>(c)));
        }
    }
    if (!EnCours.Segments.empty())
        FinParagraphe();
    return std::move(Document);
}

void TAnalyse::OuvreGroupe()
{
    if (Excedent > 0 || static_cast<int>(Pile.size()) > TLecteurRtf::ProfondeurMax) {
        ++Excedent;
        return;
    }
    TEtat copie = Etat();
    Pile.push_back(std::move(copie));
    DocumentOuvert = true;
}

bool TAnalyse::FermeGroupe()
{
    if (Excedent > 0) {
        --Excedent;
        return true;
    }
    if (Pile.size() == 1)
        return true; // a stray brace: nothing to close
    if (Etat().Destination == TDestination::Polices && Pile[Pile.size() - 2].Destination != TDestination::Polices)
        NomPolice.clear();
    Pile.pop_back();
    return !(Pile.size() == 1 && DocumentOuvert);
}

void TAnalyse::LitControle()
{
    ++Position; // the backslash
    if (Position >= Rtf.size())
        return;
    const char c = Rtf[Position];
    if (!EstLettre(c)) {
        ++Position;
        // A control symbol counts as one fallback character, as a whole \'hh does.
        const bool saute = ASauter > 0;
        if (saute)
            --ASauter;
        switch (c) {
        case '\'': {
            // Both hex digits or nothing: an escape cut short is dropped.
            int valeur = 0;
            int chiffres = 0;
            while (chiffres < 2 && Position < Rtf.size() && Hexa(Rtf[Position]) >= 0) {
                valeur = valeur * 16 + Hexa(Rtf[Position]);
                ++Position;
                ++chiffres;
            }
            if (chiffres == 2 && !saute)
                Caractere(DepuisCp1252(static_cast<unsigned char>(valeur)));
            return;
        }
        case '{':
        case '}':
        case '\\':
            if (!saute)
                Caractere(static_cast<unsigned char>(c));
            return;
        case '~':
            if (!saute)
                Caractere(0x00A0);
            return;
        case '_':
            if (!saute)
                Caractere(0x2011);
            return;
        case '*':
            if (Excedent == 0 && Pile.size() > 1)
                Etat().Destination = TDestination::Ignoree;
            return;
        case '\r':
        case '\n':
            if (!saute)
                MotDeControle("par", false, 0);
            return;
        default:
            return; // \- (optional hyphen), \: and unknown symbols
        }
    }

    const std::size_t debut = Position;
    while (Position < Rtf.size() && EstLettre(Rtf[Position]))
        ++Position;
    // Longer names are not RTF words: truncating keeps them unknown.
    const std::string_view mot = Rtf.substr(debut, std::min<std::size_t>(Position - debut, 32));

    bool aParametre = false;
    bool negatif = false;
    long long valeur = 0;
    if (Position < Rtf.size() && Rtf[Position] == '-' && Position + 1 < Rtf.size() && EstChiffre(Rtf[Position + 1])) {
        negatif = true;
        ++Position;
    }
    while (Position < Rtf.size() && EstChiffre(Rtf[Position])) {
        aParametre = true;
        valeur = std::min(valeur * 10 + (Rtf[Position] - '0'), NombreMax);
        ++Position;
    }
    if (Position < Rtf.size() && Rtf[Position] == ' ')
        ++Position;
    const int parametre = static_cast<int>(negatif ? -valeur : valeur);

    if (mot == "bin") {
        // Raw bytes, whatever destination: they must not be read as braces or text.
        const std::size_t reste = Rtf.size() - Position;
        Position += std::min<std::size_t>(reste, static_cast<std::size_t>(std::max(parametre, 0)));
        return;
    }
    if (ASauter > 0) {
        --ASauter;
        return;
    }
    MotDeControle(mot, aParametre, parametre);
}

void TAnalyse::MotDeControle(std::string_view mot, bool aParametre, int parametre)
{
    if (Ignore())
        return;
    TEtat &etat = Etat();
    const bool actif = !aParametre || parametre != 0; // \b, \b1 on; \b0 off
    const auto twips = [parametre] { return std::clamp(parametre, -TLecteurRtf::TwipsMax, TLecteurRtf::TwipsMax); };

    if (mot == "fonttbl") {
        etat.Destination = TDestination::Polices;
    } else if (EstDestinationIgnoree(mot)) {
        etat.Destination = TDestination::Ignoree;
    } else if (mot == "f") {
        if (etat.Destination == TDestination::Polices) {
            PoliceDefinie = parametre;
            NomPolice.clear();
        } else {
            etat.Police = parametre;
        }
    } else if (etat.Destination == TDestination::Polices) {
        return; // family, charset, pitch... of a font entry
    } else if (mot == "par") {
        FinParagraphe();
    } else if (mot == "line") {
        Caractere(SeparateurLignes);
    } else if (mot == "tab") {
        Caractere('\t');
    } else if (mot == "u" && aParametre) {
        const int code = parametre < 0 ? parametre + 65536 : parametre;
        Caractere(code >= 0 && code <= 0x10FFFF ? static_cast<char32_t>(code) : Remplacement);
        ASauter = etat.SautUnicode;
    } else if (mot == "uc") {
        etat.SautUnicode = std::clamp(parametre, 0, 16);
    } else if (mot == "deff") {
        PoliceParDefaut = parametre;
    } else if (mot == "plain") {
        etat.Police = -1;
        etat.Format = TFormat{};
    } else if (mot == "b") {
        etat.Format.Gras = actif;
    } else if (mot == "i") {
        etat.Format.Italique = actif;
    } else if (mot == "ul") {
        etat.Format.Souligne = actif;
    } else if (mot == "ulnone") {
        etat.Format.Souligne = false;
    } else if (mot == "fs") {
        etat.Format.DemiPoints = aParametre
                                     ? std::clamp(parametre, TLecteurRtf::DemiPointsMin, TLecteurRtf::DemiPointsMax)
                                     : TLecteurRtf::DemiPointsParDefaut;
    } else if (mot == "pard") {
        etat.Paragraphe = TParagraphe{};
    } else if (mot == "ql") {
        etat.Paragraphe.Alignement = TAlignement::Gauche;
    } else if (mot == "qc") {
        etat.Paragraphe.Alignement = TAlignement::Centre;
    } else if (mot == "qr") {
        etat.Paragraphe.Alignement = TAlignement::Droite;
    } else if (mot == "qj") {
        etat.Paragraphe.Alignement = TAlignement::Justifie;
    } else if (mot == "sb") {
        etat.Paragraphe.EspaceAvant = std::max(twips(), 0);
    } else if (mot == "sa") {
        etat.Paragraphe.EspaceApres = std::max(twips(), 0);
    } else if (mot == "li") {
        etat.Paragraphe.RetraitGauche = twips();
    } else if (mot == "ri") {
        etat.Paragraphe.RetraitDroit = twips();
    } else if (mot == "fi") {
        etat.Paragraphe.RetraitPremiereLigne = twips();
    } else if (mot == "emdash") {
        Caractere(0x2014);
    } else if (mot == "endash") {
        Caractere(0x2013);
    } else if (mot == "lquote") {
        Caractere(0x2018);
    } else if (mot == "rquote") {
        Caractere(0x2019);
    } else if (mot == "ldblquote") {
        Caractere(0x201C);
    } else if (mot == "rdblquote") {
        Caractere(0x201D);
    } else if (mot == "bullet") {
        Caractere(0x2022);
    }
}

void TAnalyse::Caractere(char32_t c)
{
    if (Ignore())
        return;
    const bool haut = c >= 0xD800 && c <= 0xDBFF;
    const bool bas = c >= 0xDC00 && c <= 0xDFFF;
    // A lone half of a surrogate pair stands for a character that is lost.
    if (SurrogatHaut != 0 && !bas) {
        SurrogatHaut = 0;
        Ecrit(Remplacement);
    }
    if (haut) {
        SurrogatHaut = static_cast<char16_t>(c);
        return;
    }
    if (bas) {
        c = SurrogatHaut != 0 ? 0x10000 + ((SurrogatHaut - 0xD800) << 10) + (c - 0xDC00) : Remplacement;
        SurrogatHaut = 0;
    }
    Ecrit(c);
}

void TAnalyse::Ecrit(char32_t c)
{
    if (c == 0x2029)
        c = SeparateurLignes;
    if ((c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0))
        return;

    if (Etat().Destination == TDestination::Polices) {
        if (c == ';') {
            const auto debut = NomPolice.find_first_not_of(' ');
            const auto fin = NomPolice.find_last_not_of(' ');
            Polices[PoliceDefinie] =
                debut == std::string::npos ? std::string() : NomPolice.substr(debut, fin - debut + 1);
            NomPolice.clear();
        } else if (NomPolice.size() < 256) {
            AjouteUtf8(NomPolice, c);
        }
        return;
    }

    const TFormat format = FormatCourant();
    if (EnCours.Segments.empty() || !(EnCours.Segments.back().Format == format))
        EnCours.Segments.push_back({format, {}});
    AjouteUtf8(EnCours.Segments.back().Texte, c);
}

TFormat TAnalyse::FormatCourant() const
{
    TFormat format = Etat().Format;
    const auto police = Polices.find(Etat().Police < 0 ? PoliceParDefaut : Etat().Police);
    if (police != Polices.end())
        format.Police = police->second;
    return format;
}

void TAnalyse::FinParagraphe()
{
    if (SurrogatHaut != 0) {
        SurrogatHaut = 0;
        Ecrit(Remplacement);
    }
    TParagraphe paragraphe = Etat().Paragraphe;
    paragraphe.Marque = FormatCourant();
    paragraphe.Segments = std::move(EnCours.Segments);
    EnCours.Segments.clear();
    Document.Paragraphes.push_back(std::move(paragraphe));
}

} // namespace

TLecteurRtf::TDocument TLecteurRtf::Lit(std::string_view rtf)
{
    return TAnalyse(rtf).Lit();
}

} // namespace tavelor
