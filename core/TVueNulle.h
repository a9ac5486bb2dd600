#pragma once

#include "TVueBanc.h"

namespace tavelor {

// A bench with no windows: every effect is dropped. For runs of the model alone
// (benchmarks, allocation checks), where even recording would cost.
class TVueNulle final : public TVueBanc {
public:
    void AfficheValeur(TAfficheurBanc, double) override {}
    void Clignotant(bool) override {}
    void Message(std::string_view, std::string_view) override {}
    void Redessine(TZoneDessin) override {}
    void FenetreVisible(TFenetreBanc, bool) override {}
    void TrackBarChange(TTrackBarBanc, const TEtatTrackBar &) override {}
    void EtatInterrupteurs(bool) override {}
    void BorneActive(TBorne, bool) override {}
    void BoutonFermeInterActif(bool) override {}
    void ImageRegCoupleVisible(bool) override {}
    void TicTermine() override {}
};

} // namespace tavelor
