#include "TCapturesOutils.h"

#include "Manipulations.h"
#include "TCablage.h"
#include "TFenetreReleves.h"
#include "TFenetres.h"
#include "TForm1.h"
#include "TFormCourbes.h"
#include "TFormInstruments.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>

namespace tavelor {

TCapturesOutils::TCapturesOutils(const QString &dossier) : Dossier(dossier)
{
    Dossier.mkpath(QStringLiteral("."));
}

bool TCapturesOutils::Tout()
{
    // First openings, not the places of an earlier run.
    QSettings().remove(QStringLiteral("fenetres"));
    TFenetres fenetres(CreeFormCourbes);
    fenetres.Montre();
    bool ok = true;
    const auto ecran = [&](const QString &nom) {
        Attend(500);
        ok = QGuiApplication::primaryScreen()->grabWindow(0).save(Dossier.filePath(nom + QStringLiteral(".png"))) && ok;
    };
    const auto petite = [&](QWidget *fenetre, const QString &nom) {
        const QSize avant = fenetre->size();
        fenetre->resize(fenetre->minimumSize());
        Attend(300);
        ok = fenetre->grab().save(Dossier.filePath(nom + QStringLiteral("-minimum.png"))) && ok;
        fenetre->resize(avant);
    };
    for (const bool couple : {false, true}) {
        const QString etat = couple ? QStringLiteral("couple") : QStringLiteral("libre");
        TForm1 &banc = *fenetres.Form1;
        if (!couple) {
            // Wired but for the last grid terminal, turning a little slow: lamps at all glows,
            // and one terminal waiting for its partner.
            const bool direct = banc.Cablage.Tag(TBorne::ShapeS2) == 2;
            for (TBorne borne : {TBorne::ShapeS1, TBorne::ShapeR1, direct ? TBorne::ShapeS2 : TBorne::ShapeS3,
                                 TBorne::ShapeR2, direct ? TBorne::ShapeS3 : TBorne::ShapeS2})
                banc.Cablage.ShapeS1MouseUp(borne);
            banc.TrackBarIe->setValue(160 - 47);
            ecran(QStringLiteral("banc-attente"));
            banc.Cablage.ShapeS1MouseUp(TBorne::ShapeR3);
            banc.TrackBarN->setValue(1440);
        } else {
            banc.TrackBarN->setValue(1500);
            banc.Modele.AligneRotor();
            banc.Modele.MiseAJourModele();
            banc.Cablage.BitBtnFermeInterClick();
            banc.TrackBarN->setValue(60);
        }
        fenetres.MontreInstruments();
        ecran(QStringLiteral("instruments-") + etat);
        petite(fenetres.FormInstruments.get(), QStringLiteral("instruments-") + etat);
        fenetres.MontreReleves();
        fenetres.ReleveLePoint();
        ecran(QStringLiteral("releves-") + etat);
        petite(fenetres.FormReleves.get(), QStringLiteral("releves-") + etat);
        fenetres.MontreCourbes();
        auto *courbes = static_cast<TFormCourbes *>(fenetres.FormCourbes.get());
        for (int onglet = 0; onglet < courbes->Onglets->count(); ++onglet) {
            courbes->Onglets->setCurrentIndex(onglet);
            const QString nom = QStringLiteral("courbes-%1-%2").arg(etat).arg(onglet);
            ecran(nom);
            petite(courbes, nom);
        }
        courbes->hide();
        fenetres.FormReleves->hide();
        fenetres.FormInstruments->hide();
    }
    return ok;
}

} // namespace tavelor
