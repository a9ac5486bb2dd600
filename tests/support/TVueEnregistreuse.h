#pragma once

#include "TVueBanc.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelor {

// A bench view that records every call in order, as readable text with its arguments
// ("Redessine(PaintBoxReseau)", "AfficheValeur(afficheurN, 1500)", numbers printed with
// six significant digits), plus the exact meter value and track bar state.
class TVueEnregistreuse : public TVueBanc {
public:
    struct TAppel {
        std::string Texte;
        double Valeur = 0.0;          // AfficheValeur
        TEtatTrackBar EtatTrackBar{}; // TrackBarChange
        std::string Detail;           // Message
    };

    std::vector<TAppel> Appels;
    // Run while the message box is "open", before Message returns.
    std::function<void(std::string_view)> SurMessage;

    void AfficheValeur(TAfficheurBanc afficheur, double valeur) override;
    void Clignotant(bool enMarche) override;
    void Message(std::string_view texte, std::string_view detail = {}) override;
    void Redessine(TZoneDessin zone) override;
    void FenetreVisible(TFenetreBanc fenetre, bool visible) override;
    void TrackBarChange(TTrackBarBanc trackBar, const TEtatTrackBar &etat) override;
    void EtatInterrupteurs(bool fermes) override;
    void BorneActive(TBorne borne, bool active) override;
    void BoutonFermeInterActif(bool actif) override;
    void ImageRegCoupleVisible(bool visible) override;
    void TicTermine() override;

    void Efface() { Appels.clear(); }
    // Texts of the calls from index debut on.
    std::vector<std::string> Textes(std::size_t debut = 0) const;
    // Only the calls whose text starts with prefixe, e.g. "Redessine" or "FenetreVisible".
    std::vector<std::string> Filtre(std::string_view prefixe) const;
    std::optional<double> DerniereValeur(TAfficheurBanc afficheur) const;
    std::optional<TEtatTrackBar> DernierEtat(TTrackBarBanc trackBar) const;

    static std::string Nom(TAfficheurBanc afficheur);
    static std::string Nom(TZoneDessin zone);
    static std::string Nom(TFenetreBanc fenetre);
    static std::string Nom(TTrackBarBanc trackBar);
    static std::string Nom(TBorne borne);
};

} // namespace tavelor
