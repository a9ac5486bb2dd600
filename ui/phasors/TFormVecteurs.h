#pragma once

#include "TCouleur.h"
#include "TFenetreSecondaire.h"

#include <QImage>
#include <QLine>
#include <QPoint>

#include <optional>

class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QMouseEvent;

namespace tavelor {

class TActionsOutils;
class TCanevasQt;
class TModele;
class TPaintBox;
class TRapporteur;
class Tchaine_riche;

// The single-phase phasor diagram once the machine is coupled: V along the horizontal,
// I, and on request Ev and j·Ls·ω·I head to tail so that V + j·Ls·ω·I = Ev (volts RMS
// at EchelleV px/V, amperes RMS at EchelleI px/A). Two measuring tools: a line whose
// length is read out in volts or amperes, and a protractor read out in degrees.
// Closing this window ends the program, as the main window's "Quitter" does.
class TFormVecteurs : public TFenetreSecondaire {
    Q_OBJECT

public:
    enum TModeMesure { MesureIntensite = 0, MesureTension = 1, MesureAngle = 2 };

    explicit TFormVecteurs(QWidget *parent = nullptr);

    void DefinitModele(TModele *modele) { Modele = modele; }
    // The dialogs opened from the menu.
    void DefinitDialogues(QWidget *choixVecteurs, QWidget *echelles, QWidget *origine);
    // The program's tools, in the "Outils" menu.
    void DefinitOutils(TActionsOutils &outils);

    int ModeMesure() const { return Mode; }
    bool MesuresAffichees() const { return Affichees; }
    bool LigneActive() const { return Active; }
    QPoint PointDepart() const { return Depart; }
    // The phasors and the visible labels as they stand, without the measuring tools.
    QImage ImageDiagramme();

    // Further menus go after "Mesures".
    QMenuBar *MainMenu1;
    QMenu *Editer1, *Curseurs1, *Outils1;
    QAction *Afficher2, *Echelles1, *Copierverspressepapier1, *ailleetpositiondesvecteurs1;
    QAction *Afficher1, *ension2, *Intensit2, *Rapporteur1;

    QWidget *ZoneClient;
    TPaintBox *PaintBox1;
    Tchaine_riche *chaine_richeEv, *chaine_richeI, *chaine_richeV, *chaine_riche1;
    TRapporteur *Rapporteur2;
    QWidget *PanelMesures;
    QFrame *Shape1;
    Tchaine_riche *chaine_richeMesures;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreeMenus();
    void CreeComposants();
    Tchaine_riche *CreeEtiquette(const char *nom, QPoint place, const char *chaine, TCouleur couleur, int taille,
                                 const char *police);

    void FormShow();
    void PaintBox1Paint(TCanevasQt &canevas);
    void Afficher1Click();
    void ension2Click(QAction *sender);
    void PaintBox1MouseDown(QMouseEvent *event);
    void PaintBox1MouseMove(QMouseEvent *event);
    void Rapporteur2MouseMove(QMouseEvent *event);
    void CopierverspressepapierClick();
    static void Montre(QWidget *dialogue);

    TModele *Modele = nullptr;
    QWidget *ChoixVecteurs = nullptr;
    QWidget *Echelles = nullptr;
    QWidget *Origine = nullptr;

    int Mode = MesureTension;
    bool Affichees = false;
    bool Active = false;
    QPoint Depart;
    // Drawn by the repaint of one pointer move only; the next repaint erases it.
    std::optional<QLine> TraitMesure;
};

} // namespace tavelor
