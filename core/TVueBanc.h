#pragma once

#include <string_view>

namespace tavelor {

// The eight meters of the bench (the grid voltmeter is fixed and never written).
enum class TAfficheurBanc { afficheurIe, afficheurI, afficheurPu, afficheurV, afficheurPa, afficheurN, afficheurCm };

// Drawing areas the model asks to repaint, in the windows that own them. Windows that only
// follow the model once per tick hear of it through TicTermine.
enum class TZoneDessin {
    PaintBoxReseau,
    PaintBoxStator,
    PaintBoxInter, // three-phase phasor window
    axesReseau,
    axesStator,
    axesInter,        // oscillogram window
    PaintBoxVecteurs, // single-phase diagram
    PaintBoxFils      // the wires of the main window
};

enum class TFenetreBanc { VecteurCouplage, Oscillogrammes, Vecteurs };

enum class TTrackBarBanc { TrackBarIe, TrackBarN };

// The six terminals, by place: switch side top to bottom, then grid side.
enum class TBorne { ShapeS1, ShapeS2, ShapeS3, ShapeR1, ShapeR2, ShapeR3 };

struct TEtatTrackBar {
    int Min = 0;
    int Max = 0;
    int Frequence = 1; // distance between tick marks
    int Position = 0;
    bool Enabled = true;

    bool operator==(const TEtatTrackBar &) const = default;
};

// What the model and the wiring rules tell the windows to show. The main window
// implements it and only applies each effect; tests record the calls in order.
class TVueBanc {
public:
    virtual ~TVueBanc() = default;

    virtual void AfficheValeur(TAfficheurBanc afficheur, double valeur) = 0;
    // Starts or stops the warning blinker; stopping it also hides the lamp.
    virtual void Clignotant(bool enMarche) = 0;
    // Modal information box; returns once the user has acknowledged it. With a detail, it
    // is a warning: what was asked was refused or undone, and the detail says why and what next.
    virtual void Message(std::string_view texte, std::string_view detail = {}) = 0;
    virtual void Redessine(TZoneDessin zone) = 0;
    // A tick is over, its own effects applied: whatever follows the model once per tick follows it now.
    virtual void TicTermine() = 0;
    virtual void FenetreVisible(TFenetreBanc fenetre, bool visible) = 0;
    // The core owns the track bar state; the window mirrors it without re-running handlers.
    virtual void TrackBarChange(TTrackBarBanc trackBar, const TEtatTrackBar &etat) = 0;
    virtual void EtatInterrupteurs(bool fermes) = 0;
    virtual void BorneActive(TBorne borne, bool active) = 0;
    virtual void BoutonFermeInterActif(bool actif) = 0;
    virtual void ImageRegCoupleVisible(bool visible) = 0;
};

} // namespace tavelor
