#include "TCapturesBanc.h"

#include "Manipulations.h"
#include "TFenetreReleves.h"
#include "TFenetres.h"
#include "TForm1.h"
#include "TFormCourbes.h"
#include "TShape.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QWindow>

#include <cmath>

namespace tavelor {

TCapturesBanc::TCapturesBanc(const QString &dossier) : Dossier(dossier)
{
    Dossier.mkpath(QStringLiteral("."));
}

bool TCapturesBanc::Tout()
{
    TFenetres fenetres(CreeFormCourbes);
    fenetres.Montre();
    TForm1 &banc = *fenetres.Form1;
    bool ok = true;
    // The bench alone, and the whole screen with the side windows where the window
    // system placed them (under Xvfb; the offscreen platform has no screen to grab).
    const auto capture = [&](const char *nom, int attente = 300) {
        Attend(attente);
        ok = banc.grab().save(Dossier.filePath(QString::fromLatin1(nom))) && ok;
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            return;
        QRect fenetres;
        for (const QWidget *fenetre : QApplication::topLevelWidgets())
            if (fenetre->isVisible())
                fenetres |= fenetre->frameGeometry();
        QGuiApplication::primaryScreen()
            ->grabWindow(0, fenetres.x(), fenetres.y(), fenetres.width(), fenetres.height())
            .save(Dossier.filePath(QStringLiteral("ecran-") + QString::fromLatin1(nom)));
    };

    capture("banc-depart.png");
    // Wired in the grid's phase order, whichever order was drawn.
    CableEtRegle(banc);
    // Long enough for the oscillograms to fill their 380 samples.
    capture("banc-cable.png", 20000);

    Tape(banc.windowHandle(), "bxqz");
    banc.Modele.MiseAJourModele();
    banc.BitBtnFermeInter->click();
    banc.TrackBarN->setValue(100);
    capture("banc-couple.png");

    banc.TrackBarN->setValue(133);
    banc.Modele.MiseAJourModele();
    banc.ImageWarning->show();
    capture("banc-alerte.png");

    // The four tabs of the curves, near the warning limit as a generator, then as a motor.
    fenetres.MontreCourbes();
    auto &courbes = static_cast<TFormCourbes &>(*fenetres.FormCourbes);
    const auto onglets = [&](const char *cas) {
        for (int k = 0; k < courbes.Onglets->count(); ++k) {
            courbes.Onglets->setCurrentIndex(k);
            Attend(300);
            const QString nom = QStringLiteral("courbes-%1-%2.png").arg(k).arg(QLatin1String(cas));
            ok = courbes.grab().save(Dossier.filePath(nom)) && ok;
        }
    };
    onglets("generatrice");
    banc.TrackBarN->setValue(-100);
    onglets("moteur");
    // The operating chart of a compensator: no torque, over-excited at 1 A.
    banc.TrackBarN->setValue(0);
    banc.TrackBarIe->setValue(160 - 100);
    courbes.Onglets->setCurrentIndex(3);
    Attend(300);
    ok = courbes.grab().save(Dossier.filePath(QStringLiteral("courbes-3-compensateur.png"))) && ok;

    // A V-curve recorded point by point at +10 N·m, on its tab, in the table and in the
    // report (turned into pictures by pdftoppm).
    ReleveCourbeV(fenetres);
    courbes.Onglets->setCurrentIndex(2);
    Attend(300);
    ok = courbes.grab().save(Dossier.filePath(QStringLiteral("courbes-releves.png"))) && ok;
    TFenetreReleves &releves = *fenetres.FenetreReleves();
    releves.show();
    capture("releves.png");
    ok = releves.grab().save(Dossier.filePath(QStringLiteral("table-releves.png"))) && ok;
    ok = releves.EcritCompteRendu(Dossier.filePath(QStringLiteral("compte-rendu.pdf"))) && ok;
    return ok && banc.Modele.Couplage;
}

} // namespace tavelor
