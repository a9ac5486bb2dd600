#include "TCapturesDocs.h"

#include "Arrondi.h"
#include "Manipulations.h"
#include "TChronos.h"
#include "TFenetreReleves.h"
#include "TFenetres.h"
#include "TForm1.h"
#include "TFormAide.h"
#include "TFormChoixVect.h"
#include "TFormCourbes.h"
#include "TFormOrigine.h"
#include "TFormVecteurs.h"
#include "TPaintBox.h"
#include "TRapporteur.h"
#include "TRichEdit.h"
#include "TShape.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace tavelor {

namespace {

QPixmap Ecran(QRect zone)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, zone.x(), zone.y(), zone.width(), zone.height());
}

// The visible windows as they lie on the screen, on white where none is.
QPixmap FenetresVisibles()
{
    QRect zone;
    for (const QWidget *fenetre : QApplication::topLevelWidgets())
        if (fenetre->isVisible())
            zone |= fenetre->frameGeometry();
    QPixmap image(zone.size());
    image.fill(Qt::white);
    QPainter peintre(&image);
    for (const QWidget *fenetre : QApplication::topLevelWidgets())
        if (fenetre->isVisible())
            peintre.drawPixmap(fenetre->frameGeometry().topLeft() - zone.topLeft(), Ecran(fenetre->frameGeometry()));
    return image;
}

// Lets the clock run until the model has advanced by `tics` ticks, however long they take.
void AttendTics(const TModele &modele, int tics)
{
    const double fin = modele.t + tics * TModele::dt;
    while (modele.t < fin)
        Attend(100);
}

// Where a phasor of the single-phase diagram ends, as it is drawn.
QPoint Bout(const TNbComplexe &phaseur)
{
    return QPoint(phaseur.X0 + Arrondi(phaseur.Echelle * phaseur.Reel),
                  phaseur.Y0 - Arrondi(phaseur.Echelle * phaseur.Imag));
}

} // namespace

TCapturesDocs::TCapturesDocs(const QString &dossier) : Dossier(dossier)
{
    Dossier.mkpath(QStringLiteral("."));
}

bool TCapturesDocs::Tout()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return true;
    TFenetres fenetres(CreeFormCourbes);
    fenetres.Montre();
    TForm1 &banc = *fenetres.Form1;
    const TModele &modele = banc.Modele;
    bool ok = true;
    const auto enregistre = [&](const QPixmap &image, const char *nom) {
        ok = image.save(Dossier.filePath(QString::fromLatin1(nom))) && ok;
    };

    // Wired in the grid's phase order, whichever order was drawn, at 1500 rpm and 0.47 A,
    // until the oscillograms' 380 samples are full.
    Attend(500);
    CableEtRegle(banc);
    AttendTics(modele, 400);
    enregistre(FenetresVisibles(), "oscillogrammes.png");
    // The stars brought together, and the switch traces flat once the old samples are out.
    Tape(banc.windowHandle(), "bxqz");
    AttendTics(modele, 400);
    enregistre(FenetresVisibles(), "avant-couplage.png");

    Clique(banc.BitBtnFermeInter);
    banc.TrackBarN->setValue(100); // 10 N·m, as a generator
    Attend(500);
    enregistre(banc.grab(), "banc-couple.png");

    // The diagram as a generator with Ev and jLsωI, the measuring line laid along Ev. The
    // clock stands still while the line is on the screen.
    TFormVecteurs &diagramme = *fenetres.FormVecteurs();
    fenetres.FormChoixVect()->show();
    fenetres.FormChoixVect()->CheckBoxEv->click();
    fenetres.FormChoixVect()->CheckBoxXs->click();
    fenetres.FormChoixVect()->hide();
    diagramme.ension2->trigger();
    Attend(500);
    banc.Chronos1->setEnable(false);
    const QPoint origine(modele.VecV.X0, modele.VecV.Y0);
    Glisse(diagramme.PaintBox1, origine, Bout(modele.VecEv));
    Attend(300);
    const QPixmap generatrice = Ecran(diagramme.geometry());
    Clique(diagramme.PaintBox1); // the line put away

    // As a motor, the origin moved up, the protractor between V and Ev.
    banc.Chronos1->setEnable(true);
    banc.TrackBarN->setValue(-100);
    fenetres.FormOrigine()->show();
    fenetres.FormOrigine()->EditX->setText(QStringLiteral("150"));
    fenetres.FormOrigine()->EditY->setText(QStringLiteral("128"));
    fenetres.FormOrigine()->hide();
    diagramme.Rapporteur1->trigger();
    Attend(500);
    banc.Chronos1->setEnable(false);
    TRapporteur &rapporteur = *diagramme.Rapporteur2;
    const QPoint centre = rapporteur.Centre();
    const QPoint nouvelleOrigine(modele.VecV.X0, modele.VecV.Y0);
    Glisse(&rapporteur, centre, centre + nouvelleOrigine - (rapporteur.pos() + centre));
    Glisse(&rapporteur, rapporteur.Prise1().center(), centre + Bout(modele.VecEv) - nouvelleOrigine);
    // Twice: the read-out shows the angle the protractor had before the move.
    for (int fois = 0; fois < 2; ++fois)
        Glisse(&rapporteur, rapporteur.Prise2().center(), centre + Bout(modele.VecV) - nouvelleOrigine);
    Attend(300);
    const QPixmap moteur = Ecran(diagramme.geometry());
    banc.Chronos1->setEnable(true);

    constexpr int ecart = 12;
    QPixmap deux(generatrice.width() + ecart + moteur.width(), std::max(generatrice.height(), moteur.height()));
    deux.fill(Qt::white);
    {
        QPainter peintre(&deux);
        peintre.drawPixmap(0, 0, generatrice);
        peintre.drawPixmap(generatrice.width() + ecart, 0, moteur);
    }
    enregistre(deux, "diagramme-vectoriel.png");

    // The V-curves at 13.3 N·m as a generator: in the warning zone, near the limit.
    banc.TrackBarN->setValue(133);
    fenetres.MontreCourbes();
    auto &courbes = static_cast<TFormCourbes &>(*fenetres.FormCourbes);
    courbes.Onglets->setCurrentIndex(2);
    Attend(1000);
    enregistre(courbes.grab(), "courbes.png");
    // The operating chart at 10 N·m: Q = −690 var, P = 1571 W.
    banc.TrackBarN->setValue(100);
    courbes.Onglets->setCurrentIndex(3);
    Attend(1000);
    enregistre(courbes.grab(), "puissances-pq.png");

    // A V-curve recorded at 10 N·m: the table over the V-curves with their points.
    ReleveCourbeV(fenetres);
    courbes.Onglets->setCurrentIndex(2);
    TFenetreReleves &releves = *fenetres.FenetreReleves();
    // Wide enough for every column, as on a classroom screen.
    releves.resize(std::max(releves.width(), 1120), 300);
    Attend(500);
    {
        const QPixmap table = releves.grab(), vues = courbes.grab();
        constexpr int ecart = 12;
        QPixmap deux(std::max(table.width(), vues.width()), table.height() + ecart + vues.height());
        deux.fill(Qt::white);
        QPainter peintre(&deux);
        peintre.drawPixmap(0, 0, table);
        peintre.drawPixmap(0, table.height() + ecart, vues);
        peintre.end();
        enregistre(deux, "releves.png");
    }

    // The help at the second half of its procedure, where the speed's figures are.
    fenetres.FormAide()->show();
    Attend(300);
    QTextEdit &texte = *fenetres.FormAide()->RichEdit1;
    const QTextBlock mode = texte.document()->find(QStringLiteral("6. Régler la vitesse")).block();
    texte.verticalScrollBar()->setValue(
        static_cast<int>(texte.document()->documentLayout()->blockBoundingRect(mode).top()));
    Attend(300);
    enregistre(fenetres.FormAide()->grab(), "aide.png");
    return ok && modele.Couplage;
}

} // namespace tavelor
