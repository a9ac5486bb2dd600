#pragma once

#include "TCablage.h"
#include "TModele.h"
#include "TTrackBar.h"
#include "TVueBanc.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <random>
#include <string>

class QLabel;
class QMenu;
class QPushButton;

namespace tavelor {

class TActionsOutils;
class TAnnonce;
class TCanevasQt;
class TChronos;
class TPaintBox;
class TRelaisQt;
class TShape;
class Tafficheur;
class Tinterrupteur;

// The bench: picture, meters, track bars, terminals, switch symbols and buttons.
// It owns the machine model and its clock, and applies what the model tells it
// to show. Side windows are handed to it once created; it never includes them.
class TForm1 : public QWidget, public TVueBanc {
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    TModele Modele;
    TCablage Cablage{Modele, *this};

    // Windows whose visibility the model decides, and drawing areas it repaints. The
    // phasors and histories are laid out at show time for the areas registered then.
    void DefinitFenetre(TFenetreBanc fenetre, QWidget *widget);
    // A window made the first time it is to be shown: `fabrique` makes it (once) and
    // registers it.
    void DefinitFenetre(TFenetreBanc fenetre, std::function<QWidget *()> fabrique);
    void DefinitZone(TZoneDessin zone, QWidget *widget);
    // Run at the end of every tick: the side windows that follow the model once per tick.
    void DefinitFinDeTic(std::function<void()> finDeTic) { FinDeTic = std::move(finDeTic); }
    // The bench's meter showing that quantity.
    Tafficheur *Afficheur(TAfficheurBanc afficheur) const { return Afficheurs[static_cast<std::size_t>(afficheur)]; }
    // The help and About windows, made the first time they are asked for: each function
    // returns the window, made at its first call.
    void DefinitAide(std::function<QWidget *()> aide, std::function<QWidget *()> aPropos);
    // Asked before "Quitter" or the window's close ends the program: false keeps it running.
    void DefinitConfirmationQuitter(std::function<bool()> confirme) { ConfirmeQuitter = std::move(confirme); }
    // Ends the program without asking: a session that ends or a signal cannot wait for an answer.
    void QuitteSansDemander();
    // The tools, in the picture's context menu and from their keys in every window.
    void DefinitOutils(TActionsOutils &outils);
    // Stops the clock for good, before the windows it repaints are destroyed.
    void ArreteChronos();

    // TVueBanc
    void AfficheValeur(TAfficheurBanc afficheur, double valeur) override;
    void Clignotant(bool enMarche) override;
    void Message(std::string_view texte, std::string_view detail = {}) override;
    void Redessine(TZoneDessin zone) override;
    void TicTermine() override;
    void FenetreVisible(TFenetreBanc fenetre, bool visible) override;
    void TrackBarChange(TTrackBarBanc trackBar, const TEtatTrackBar &etat) override;
    void EtatInterrupteurs(bool fermes) override;
    void BorneActive(TBorne borne, bool active) override;
    void BoutonFermeInterActif(bool actif) override;
    void ImageRegCoupleVisible(bool visible) override;

    // Components, under the names of the bench.
    QLabel *Image1;
    Tafficheur *afficheurIe, *afficheurI, *afficheurPu, *afficheurV, *afficheurPa, *afficheurN, *afficheurCm,
        *afficheur1;
    Tinterrupteur *interrupteur1, *interrupteur2, *interrupteur3;
    TShape *ShapeS1, *ShapeS2, *ShapeS3, *ShapeR1, *ShapeR2, *ShapeR3;
    TPaintBox *PaintBox1;
    TTrackBar *TrackBarIe, *TrackBarN;
    QLabel *ImageRegCouple, *ImageWarning;
    // Says the lamp's meaning once when it starts blinking.
    TAnnonce *AnnonceAlerte;
    QPushButton *BitBtnRecable, *BitBtnFermeInter, *BitBtnAide, *BitBtnAPropos, *BitBtnFermer;
    QMenu *PopupMenuBanc;        // right click on the bench picture
    QAction *OuvrirInterrupteur; // in that menu while coupled
    QTimer TimerWarning;
    std::unique_ptr<TChronos> Chronos1;

public slots:
    void BitBtnFermerClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // Each terminal's mark and tooltip after a click or a re-wiring.
    void MarqueBornes();
    void FormShow();
    void FormPaint(TCanevasQt &canevas);
    void TrackBarIeChange(int position);
    void TrackBarNChange(int position);
    void Chronos1Timer();
    void TimerWarningTimer();
    void ShapeS1MouseUp(TShape *sender);
    void BitBtnRecableClick();
    void BitBtnFermeInterClick();
    void BitBtnAideClick();
    void BitBtnAProposClick();
    // The hidden key sequence: typed characters in any window of the program.
    void CrochetClavier(char32_t caractere);

    void CreeComposants();
    void CreeRaccourcis();
    // The picture's context menu from the keyboard, at the control that has the focus.
    void OuvreMenuBanc();
    TGeometrieAffichage GeometrieAffichage() const;
    std::array<TPoint, 6> CentresBornes() const;
    void OrdreTabulation();
    Tafficheur *CreeAfficheur(const char *nom, QRect zone, int chiffresApres);
    QPushButton *CreeBouton(const char *nom, const QString &face, const QString &bulle, QRect zone);

    std::shared_ptr<TRelaisQt> Relais;
    std::mt19937 Aleatoire;
    std::array<QWidget *, 3> Fenetres{};
    std::array<std::function<QWidget *()>, 3> FabriquesFenetres;
    static constexpr std::size_t NombreZones = static_cast<std::size_t>(TZoneDessin::PaintBoxFils) + 1;
    std::array<QWidget *, NombreZones> Zones{};
    std::function<void()> FinDeTic;
    std::array<Tafficheur *, 7> Afficheurs{}; // indexed by TAfficheurBanc
    std::array<TShape *, 6> Bornes{};         // indexed by TBorne
    std::function<QWidget *()> FenetreAide;
    std::function<QWidget *()> FenetreAPropos;
    std::function<bool()> ConfirmeQuitter;
    bool SansDemander = false;
    bool DejaMontree = false;
    std::string TamponClavier;
};

} // namespace tavelor
