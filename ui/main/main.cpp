// Tavelor: coupling a synchronous machine to the grid, then running it as a
// generator or a motor.

#include "TChronos.h"
#include "TForm1.h"
#include "TFormAPropos.h"
#include "TFormAide.h"
#include "TFormChoixVect.h"
#include "TFormOrigine.h"
#include "TFormOscillogrammes.h"
#include "TFormVecteurCouplage.h"
#include "TFormVecteurs.h"
#include "TformEchellesDiagVect.h"
#include "Taxes.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavelor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavelor"));
    // The program speaks French: so do the toolkit's standard dialogs.
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);
    // Closing the main window ends the program, whatever side window is still open.
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace tavelor;
    auto form1 = std::make_unique<TForm1>();
    auto vecteurCouplage = std::make_unique<TFormVecteurCouplage>();
    auto oscillogrammes = std::make_unique<TFormOscillogrammes>();
    auto aPropos = std::make_unique<TFormAPropos>();
    auto echelles = std::make_unique<TformEchellesDiagVect>();
    auto origine = std::make_unique<TFormOrigine>();
    auto vecteurs = std::make_unique<TFormVecteurs>();
    auto aide = std::make_unique<TFormAide>();
    auto choixVect = std::make_unique<TFormChoixVect>();

    form1->DefinitFenetre(TFenetreBanc::VecteurCouplage, vecteurCouplage.get());
    form1->DefinitFenetre(TFenetreBanc::Oscillogrammes, oscillogrammes.get());
    form1->DefinitFenetre(TFenetreBanc::Vecteurs, vecteurs.get());
    form1->DefinitAide(aide.get(), aPropos.get());
    form1->DefinitLongueurHistorique(oscillogrammes->axesInter->ZU_droi());
    QObject::connect(vecteurCouplage.get(), &TFormVecteurCouplage::demandeFermeture, form1.get(),
                     &TForm1::BitBtnFermerClick);
    QObject::connect(vecteurs.get(), &TFormVecteurs::demandeFermeture, form1.get(), &TForm1::BitBtnFermerClick);

    form1->show();
    vecteurCouplage->show();
    oscillogrammes->show();

    const int resultat = QApplication::exec();

    // The main window goes first: its clock stops and no tick reaches a side window.
    form1.reset();
    TChronos::AttendreFinTravailleurs();
    return resultat;
}
