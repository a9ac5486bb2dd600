#include "TCapturesInstruments.h"

#include "Angles.h"
#include "Manipulations.h"
#include "TChronos.h"
#include "TFenetres.h"
#include "TForm1.h"
#include "TFormInstruments.h"
#include "TShape.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>

namespace tavelor {

TCapturesInstruments::TCapturesInstruments(const QString &dossier, const QString &dossierDocs)
    : Dossier(dossier), DossierDocs(dossierDocs)
{
    Dossier.mkpath(QStringLiteral("."));
    DossierDocs.mkpath(QStringLiteral("."));
}

bool TCapturesInstruments::Tout()
{
    // Figures in the form a French classroom reads them.
    const QLocale locale;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    TFenetres fenetres;
    fenetres.Montre();
    TForm1 &banc = *fenetres.Form1;
    TModele &modele = banc.Modele;
    fenetres.MontreInstruments();
    TFormInstruments &instruments = *fenetres.FormInstruments;
    bool ok = true;
    const auto capture = [&](const char *nom) {
        Attend(400);
        ok = instruments.grab().save(Dossier.filePath(QString::fromLatin1(nom))) && ok;
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            return;
        const QRect cadre = instruments.frameGeometry();
        QGuiApplication::primaryScreen()
            ->grabWindow(0, cadre.x(), cadre.y(), cadre.width(), cadre.height())
            .save(Dossier.filePath(QStringLiteral("ecran-") + QString::fromLatin1(nom)));
    };
    // Stator phase 1 to R1, the two others to R2 and R3 in the grid's order or crossed.
    const auto cable = [&](bool dansLOrdre) {
        banc.BitBtnRecable->click();
        const bool direct = banc.Cablage.Tag(TBorne::ShapeS2) == 2;
        TShape *s2 = direct ? banc.ShapeS2 : banc.ShapeS3;
        TShape *s3 = direct ? banc.ShapeS3 : banc.ShapeS2;
        for (TShape *borne : {banc.ShapeS1, banc.ShapeR1, s2, dansLOrdre ? banc.ShapeR2 : banc.ShapeR3, s3,
                              dansLOrdre ? banc.ShapeR3 : banc.ShapeR2})
            Clique(borne);
    };
    const auto regle = [&](int n, int ie, double degres) {
        banc.TrackBarIe->setValue(160 - ie);
        banc.TrackBarN->setValue(n);
        modele.AligneRotor();
        modele.theta += Radians(degres);
        modele.MiseAJourModele();
    };

    cable(true);
    regle(1499, 47, -6.0);
    capture("instruments-synchronisation.png");
    // The guide shows the whole window, as a screen with room for it opens it; here the
    // start windows leave it less.
    const QSize taille = instruments.size();
    if (const QScrollArea *zone = instruments.findChild<QScrollArea *>())
        instruments.resize(taille.width(), taille.height() - zone->viewport()->height() +
                                               std::max(zone->viewport()->height(), zone->widget()->sizeHint().height()));
    Attend(400);
    ok = instruments.grab().save(DossierDocs.filePath(QStringLiteral("instruments.png"))) && ok;
    instruments.resize(taille);
    cable(false);
    regle(1497, 47, 25.0);
    capture("instruments-ordre-inverse.png");
    // The same wrong order seen on the bench's own windows, the stars made to coincide and
    // the histories filled: two switch voltages stay large.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        instruments.hide();
        regle(1500, 47, 0.0);
        banc.Chronos1->setEnable(false);
        for (std::size_t i = 0; i < modele.VR1.Valeurs.size(); ++i)
            modele.Chronos1Timer();
        banc.Chronos1->setEnable(true);
        Attend(300);
        QRect zone;
        for (const QWidget *fenetre : QApplication::topLevelWidgets())
            if (fenetre->isVisible())
                zone |= fenetre->frameGeometry();
        ok = QGuiApplication::primaryScreen()
                 ->grabWindow(0, zone.x(), zone.y(), zone.width(), zone.height())
                 .save(Dossier.filePath(QStringLiteral("ecran-ordre-inverse.png"))) &&
             ok;
        fenetres.MontreInstruments();
    }

    cable(true);
    regle(1500, 47, 0.0);
    banc.BitBtnFermeInter->click();
    banc.TrackBarN->setValue(100);
    capture("instruments-alternateur.png");
    banc.TrackBarIe->setValue(60);
    banc.TrackBarN->setValue(0);
    capture("instruments-compensateur.png");
    QLocale::setDefault(locale);
    return ok && modele.Couplage;
}

} // namespace tavelor
