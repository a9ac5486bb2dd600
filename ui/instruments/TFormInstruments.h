#pragma once

#include "TFenetreSecondaire.h"
#include "TInstruments.h"

#include <array>
#include <optional>

class QGridLayout;
class QLabel;
class QScrollArea;

namespace tavelor {

class TAnnonce;
class TCablage;
class TLampeSynchro;
class TLecture;
class TModele;
class TSynchronoscope;
class TVoyantCondition;

// The lab's own instruments. While the switch is open, the synchronising ones: three lamps
// across the switch poles, the synchroscope, the double voltmeter and frequency meter, the
// phase-order indicator and the four coupling conditions; while it is closed, the power
// meters. It changes by itself. The closing report stays under both, and each new one is
// said once to a screen reader. Made the first time it is asked for, it follows the model
// once per tick while it is visible; hidden, it does nothing.
class TFormInstruments : public TFenetreSecondaire {
    Q_OBJECT

public:
    TFormInstruments(const TModele &modele, const TCablage &cablage, QWidget *parent = nullptr);

    // Brings every reading of the page in view up to date.
    void Suit();
    // The practical-work mode: the load angle, which no instrument of the real bench
    // reads, is left out, and the title says the mode is on.
    void DefinitModeTP(bool actif);

    QLabel *Titre;
    QWidget *PageSynchronisation;
    std::array<TLampeSynchro *, 3> Lampes{};
    TSynchronoscope *Synchronoscope;
    TLecture *TensionReseau, *TensionMachine, *EcartTension;
    TLecture *FrequenceReseau, *FrequenceMachine, *EcartFrequence;
    TLecture *OrdrePhases;
    // Same phase order, frequency, voltage, in phase.
    std::array<TVoyantCondition *, 4> Conditions{};

    QWidget *PagePuissances;
    TLecture *PuissanceActive, *PuissanceReactive, *PuissanceApparente, *FacteurPuissance, *AngleInterne;
    QLabel *Convention;
    // The operation the title and the convention's words were written for.
    std::optional<TFonctionnement> FonctionnementAffiche;

    TLecture *Bilan;
    TAnnonce *AnnonceBilan;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void Dispose(bool deuxColonnes);
    int LargeurDeuxColonnes() const;
    int LargeurBarre() const;
    void SuitSynchronisation();
    void SuitPuissances();
    void SuitBilan();

    const TModele &Modele;
    const TCablage &Cablage;
    QScrollArea *Defilement;
    QGridLayout *Grille;
    QWidget *BlocLampes, *BlocTensions, *BlocFrequences;
    std::optional<bool> DeuxColonnes;
    int BilanAffiche = -1; // number of the report shown; 0 before the first closing
};

} // namespace tavelor
