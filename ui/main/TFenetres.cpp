#include "TFenetres.h"

#include "ReleveBanc.h"
#include "TActionsOutils.h"
#include "TChargeurCourbes.h"
#include "TChronos.h"
#include "TFenetreReleves.h"
#include "TForm1.h"
#include "TFormAPropos.h"
#include "TFormAide.h"
#include "TFormChoixVect.h"
#include "TFormInstruments.h"
#include "TFormOrigine.h"
#include "TFormOscillogrammes.h"
#include "TFormVecteurCouplage.h"
#include "TFormVecteurs.h"
#include "TPaintBox.h"
#include "TPremiersAffichages.h"
#include "TTimerThread.h"
#include "Tafficheur.h"
#include "Taxes.h"
#include "TformEchellesDiagVect.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include <chrono>
#include <thread>

namespace tavelor {

namespace {

// Its own group: the tool windows' places are kept under another.
const QString CleModeTP = QStringLiteral("Seance/ModeTP");

// A tool window asked for: shown, in front, with the focus.
void AuPremierPlan(QWidget *fenetre)
{
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}

} // namespace

TFenetres::TFenetres(TFabriqueCourbes fabrique)
    : Form1(std::make_unique<TForm1>()), FormVecteurCouplage(std::make_unique<TFormVecteurCouplage>()),
      FormOscillogrammes(std::make_unique<TFormOscillogrammes>()), Outils(std::make_unique<TActionsOutils>()),
      FabriqueCourbes(fabrique)
{
    Form1->DefinitFenetre(TFenetreBanc::VecteurCouplage, FormVecteurCouplage.get());
    Form1->DefinitFenetre(TFenetreBanc::Oscillogrammes, FormOscillogrammes.get());
    Form1->DefinitFenetre(TFenetreBanc::Vecteurs, [this] { return FormVecteurs(); });
    Form1->DefinitAide([this] { return FormAide(); }, [this] { return FormAPropos(); });
    // Side by side with the bench: the phasors under it, the oscillograms (and after
    // coupling the single-phase diagram) to its right.
    const QWidget *banc = Form1.get();
    FormVecteurCouplage->DefinitPlacement(banc, TFenetreSecondaire::SousLaReference, true);
    FormOscillogrammes->DefinitPlacement(banc, TFenetreSecondaire::ADroiteDeLaReference, false);
    // The side windows draw the model's phasors and histories; the model repaints them.
    // The middle oscillogram frame's useful width is the length of every history.
    FormVecteurCouplage->DefinitModele(&Form1->Modele);
    FormOscillogrammes->DefinitModele(&Form1->Modele);
    Form1->DefinitZone(TZoneDessin::PaintBoxReseau, FormVecteurCouplage->PaintBoxReseau);
    Form1->DefinitZone(TZoneDessin::PaintBoxStator, FormVecteurCouplage->PaintBoxStator);
    Form1->DefinitZone(TZoneDessin::PaintBoxInter, FormVecteurCouplage->PaintBoxInter);
    Form1->DefinitZone(TZoneDessin::axesReseau, FormOscillogrammes->axesReseau);
    Form1->DefinitZone(TZoneDessin::axesStator, FormOscillogrammes->axesStator);
    Form1->DefinitZone(TZoneDessin::axesInter, FormOscillogrammes->axesInter);
    // Once per tick, after the model's own effects, the tool windows made so far follow it:
    // the curves, then the instruments.
    Form1->DefinitFinDeTic([this] {
        if (FormCourbes)
            FormCourbes->Suit();
        if (FormInstruments)
            FormInstruments->Suit();
    });
    // Closing either phasor window closes the program, as "Quitter" does.
    QObject::connect(FormVecteurCouplage.get(), &TFormVecteurCouplage::demandeFermeture, Form1.get(),
                     &TForm1::BitBtnFermerClick);
    Outils->Ajoute(QStringLiteral("Courbes caractéristiques…"), Qt::Key_F2, [this] { MontreCourbes(); });
    Outils->Ajoute(QStringLiteral("Instruments…"), Qt::Key_F3, [this] { MontreInstruments(); });
    Outils->Ajoute(QStringLiteral("Relevés…"), Qt::Key_F4, [this] { MontreReleves(); });
    Outils->Ajoute(QStringLiteral("Relever le point"), Qt::Key_F9, [this] { ReleveLePoint(); });
    // Closed by the user before coupling, the oscillograms come back from here rather than
    // by a re-wiring; once coupled the model keeps them hidden, and so does this item.
    ActionOscillogrammes = Outils->Ajoute(QStringLiteral("Oscillogrammes"), QKeySequence(), [this] {
        if (!Form1->Modele.Couplage)
            AuPremierPlan(FormOscillogrammes.get());
    });
    QObject::connect(Form1->PopupMenuBanc, &QMenu::aboutToShow, Form1.get(), [this] { ActionOscillogrammesAJour(); });
    // The teacher's switch, with the tools; no key, so that a student does not stumble on it.
    ActionModeTP = Outils->Ajoute(QStringLiteral("Mode TP (sans courbes théoriques ni δ)"), QKeySequence(), [this] {
        QSettings().setValue(CleModeTP, ActionModeTP->isChecked());
        DefinitModeTP(ActionModeTP->isChecked());
    });
    ActionModeTP->setCheckable(true);
    ActionModeTP->setToolTip(QStringLiteral("Pour l'enseignant\u00A0: les courbes ne montrent que les points relevés, "
                                            "et ce que le banc réel ne mesure pas (δ, Ev une fois couplée) "
                                            "disparaît des instruments, des relevés et du compte rendu"));
    ActionModeTP->setChecked(QSettings().value(CleModeTP, false).toBool());
    DefinitModeTP(ActionModeTP->isChecked());
    Form1->DefinitOutils(*Outils);
    // Recorded points that were never saved are not lost by a click on "Quitter".
    Form1->DefinitConfirmationQuitter([this] { return !FormReleves || FormReleves->ConfirmeQuitter(); });
}

TFormVecteurs *TFenetres::FormVecteurs()
{
    if (Vecteurs)
        return Vecteurs.get();
    Vecteurs = std::make_unique<TFormVecteurs>();
    ChoixVect = std::make_unique<TFormChoixVect>();
    EchellesDiagVect = std::make_unique<TformEchellesDiagVect>();
    Origine = std::make_unique<TFormOrigine>();
    // The diagram and its dialogs work on the model the bench owns.
    TModele *modele = &Form1->Modele;
    const QWidget *banc = Form1.get();
    Vecteurs->DefinitPlacement(banc, TFenetreSecondaire::ADroiteDeLaReference, true);
    Vecteurs->DefinitModele(modele);
    Vecteurs->DefinitDialogues(ChoixVect.get(), EchellesDiagVect.get(), Origine.get());
    for (TDialogueDiagramme *dialogue :
         std::initializer_list<TDialogueDiagramme *>{ChoixVect.get(), EchellesDiagVect.get(), Origine.get()}) {
        dialogue->DefinitModele(modele);
        dialogue->DefinitDiagramme(Vecteurs.get());
    }
    EchellesDiagVect->DefinitPlacement(banc, TFenetreSecondaire::CentreSurLaReference, false);
    Origine->DefinitPlacement(banc, TFenetreSecondaire::CentreSurLaReference, false);
    // Its drawing area was laid out at show time from the size every diagram has.
    Form1->DefinitFenetre(TFenetreBanc::Vecteurs, Vecteurs.get());
    Form1->DefinitZone(TZoneDessin::PaintBoxVecteurs, Vecteurs->PaintBox1);
    QObject::connect(Vecteurs.get(), &TFormVecteurs::demandeFermeture, Form1.get(), &TForm1::BitBtnFermerClick);
    Vecteurs->DefinitOutils(*Outils);
    QObject::connect(Vecteurs->Outils1, &QMenu::aboutToShow, Vecteurs.get(), [this] { ActionOscillogrammesAJour(); });
    return Vecteurs.get();
}

TFormChoixVect *TFenetres::FormChoixVect()
{
    FormVecteurs();
    return ChoixVect.get();
}

TformEchellesDiagVect *TFenetres::formEchellesDiagVect()
{
    FormVecteurs();
    return EchellesDiagVect.get();
}

TFormOrigine *TFenetres::FormOrigine()
{
    FormVecteurs();
    return Origine.get();
}

TFormAide *TFenetres::FormAide()
{
    if (!Aide)
        Aide = std::make_unique<TFormAide>();
    return Aide.get();
}

TFormAPropos *TFenetres::FormAPropos()
{
    if (!APropos) {
        APropos = std::make_unique<TFormAPropos>();
        APropos->DefinitPlacement(Form1.get(), TFenetreSecondaire::CentreSurLaReference, false);
    }
    return APropos.get();
}

TFenetres::~TFenetres()
{
    // The clock stops first, so that no tick repaints a window being destroyed; then the
    // side windows go (the dialogs before the diagram they set), then the main window that
    // owns the model they read.
    Form1->ArreteChronos();
    FormReleves.reset();
    FormCourbes.reset();
    FormInstruments.reset();
    ChoixVect.reset();
    Origine.reset();
    EchellesDiagVect.reset();
    Vecteurs.reset();
    Aide.reset();
    APropos.reset();
    FormOscillogrammes.reset();
    FormVecteurCouplage.reset();
    Form1.reset();
    // The stopped worker ends at its next poll; letting it finish keeps the exit
    // clean. It is never joined, and a second is far more than it needs.
    for (int i = 0; i < 1000 && TTimerThread::EnCours() > 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TFenetreCourbes *TFenetres::FenetreCourbes()
{
    if (FormCourbes)
        return FormCourbes.get();
    if (!FabriqueCourbes) {
        QString erreur;
        FabriqueCourbes = TChargeurCourbes::Charge(erreur);
        if (!FabriqueCourbes) {
            qWarning("%s", qPrintable(erreur));
            Form1->Message("Les courbes caractéristiques ne sont pas disponibles\u00A0: leur module est introuvable.");
            return nullptr;
        }
    }
    FormCourbes.reset(FabriqueCourbes(Form1->Modele));
    FormCourbes->DefinitPlacement(Form1.get(), TFenetreSecondaire::PlacementOutil, false);
    FormCourbes->DefinitReleves(&Releves);
    FormCourbes->DefinitModeTP(ModeTP_);
    return FormCourbes.get();
}

void TFenetres::ActionOscillogrammesAJour()
{
    const bool couple = Form1->Modele.Couplage;
    ActionOscillogrammes->setEnabled(!couple);
    ActionOscillogrammes->setToolTip(couple ? QStringLiteral("Les oscillogrammes reviennent à l'ouverture de "
                                                             "l'interrupteur")
                                            : QStringLiteral("Afficher la fenêtre des oscillogrammes"));
}

void TFenetres::MontreCourbes()
{
    if (TFenetreCourbes *courbes = FenetreCourbes())
        AuPremierPlan(courbes);
}

void TFenetres::MontreInstruments()
{
    if (!FormInstruments) {
        FormInstruments = std::make_unique<TFormInstruments>(Form1->Modele, Form1->Cablage);
        FormInstruments->DefinitPlacement(Form1.get(), TFenetreSecondaire::PlacementOutil, false);
        FormInstruments->DefinitModeTP(ModeTP_);
    }
    AuPremierPlan(FormInstruments.get());
}

TFenetreReleves *TFenetres::FenetreReleves()
{
    if (FormReleves)
        return FormReleves.get();
    FormReleves = std::make_unique<TFenetreReleves>(Releves);
    FormReleves->DefinitPlacement(Form1.get(), TFenetreSecondaire::PlacementOutil, false);
    FormReleves->DefinitRecuperation(&Recuperation);
    FormReleves->DefinitModeTP(ModeTP_);
    Recuperation.Avertit = [fenetre = FormReleves.get()](const QString &message) {
        QMessageBox boite(QMessageBox::Warning, QStringLiteral("Relevés"), message, QMessageBox::Ok,
                          QApplication::activeWindow() ? QApplication::activeWindow() : fenetre);
        boite.exec();
    };
    // The meters are the bench's: the table reads them through here, never the window.
    FormReleves->DefinitReleve([banc = Form1.get()] {
        return ReleveBanc(banc->Modele, [&](TAfficheurBanc a) {
            const Tafficheur *afficheur = banc->Afficheur(a);
            return TLectureAfficheur{afficheur->Valeur(), afficheur->Texte()};
        });
    });
    FormReleves->DefinitImages([this] {
        TFenetreReleves::TImagesCompteRendu images;
        // The diagram only means something while the machine is coupled.
        if (Vecteurs && Form1->Modele.Couplage)
            images.Diagramme = Vecteurs->ImageDiagramme();
        if (TFenetreCourbes *courbes = FenetreCourbes()) {
            for (auto &[titre, image] : courbes->ImagesReleves(2.0))
                images.Courbes.push_back({titre, std::move(image)});
        }
        return images;
    });
    return FormReleves.get();
}

void TFenetres::MontreReleves()
{
    AuPremierPlan(FenetreReleves());
}

void TFenetres::ReleveLePoint()
{
    TFenetreReleves *releves = FenetreReleves();
    releves->ReleveLePoint();
    if (!releves->isVisible()) {
        releves->setAttribute(Qt::WA_ShowWithoutActivating);
        releves->show();
        releves->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

void TFenetres::DefinitModeTP(bool actif)
{
    ModeTP_ = actif;
    if (FormCourbes)
        FormCourbes->DefinitModeTP(actif);
    if (FormReleves)
        FormReleves->DefinitModeTP(actif);
    if (FormInstruments)
        FormInstruments->DefinitModeTP(actif);
}

void TFenetres::ProposeReprise()
{
    if (Recuperation.Existe() && FenetreReleves()->ProposeReprise())
        MontreReleves();
}

void TFenetres::Montre()
{
    // The clock's worker polls without sleeping: it starts once the first windows are on
    // the screen, so that it takes no core from their painting. The first tick comes an
    // interval later in any case. A window that never paints holds it a second at most.
    Form1->Chronos1->setRetenu(true);
    Form1->show();
    FormVecteurCouplage->show();
    FormOscillogrammes->show();
    auto *premiers =
        new TPremiersAffichages({Form1.get(), FormVecteurCouplage.get(), FormOscillogrammes.get()}, Form1.get());
    // Read afresh: the clock is gone once the windows are being destroyed.
    const auto libere = [premiers, banc = Form1.get()] {
        if (banc->Chronos1)
            banc->Chronos1->setRetenu(false);
        premiers->deleteLater();
    };
    QObject::connect(premiers, &TPremiersAffichages::Toutes, premiers, libere);
    QTimer::singleShot(1000, premiers, libere);
}

} // namespace tavelor
