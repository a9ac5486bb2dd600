#include "TGalerie.h"

#include "CouleurQt.h"
#include "FixedLocal.h"
#include "TCanevasQt.h"
#include "TRapporteur.h"
#include "Tafficheur.h"
#include "Taxes.h"
#include "Tchaine_riche.h"
#include "Tinterrupteur.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace tavelor {

namespace {

// A mouse event as the window system delivers it, in the widget's own pixels.
void Souris(QWidget &widget, QEvent::Type type, QPoint position, Qt::MouseButton bouton = Qt::LeftButton,
            Qt::MouseButtons boutons = Qt::NoButton)
{
    const QPointF local(position);
    QMouseEvent evenement(type, local, widget.mapToGlobal(local), bouton, boutons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &evenement);
}

} // namespace

TGalerie::TGalerie(const QString &dossier) : Dossier(dossier)
{
    Dossier.mkpath(QStringLiteral("."));
}

void TGalerie::NouvelleFenetre()
{
    {
        fenetre = std::make_unique<QWidget>();
        QPalette palette = fenetre->palette();
        palette.setColor(QPalette::Window, VersQColor(clFondBanc));
        palette.setColor(QPalette::WindowText, Qt::black);
        fenetre->setPalette(palette);
        fenetre->setAutoFillBackground(true);
    }
}

bool TGalerie::Enregistre(const QString &nom)
{
    fenetre->show();
    QApplication::processEvents();
    return fenetre->grab().save(Dossier.filePath(nom + QStringLiteral(".png")));
}

Tchaine_riche *TGalerie::Label(QPoint position, const char *chaine, TCouleur couleur, int taille, const char *police,
                               int posIndice, int tailleIndice)
{
    auto *label = new Tchaine_riche(fenetre.get());
    label->move(position);
    label->setchaine(QString::fromUtf8(chaine));
    label->setcouleur(couleur);
    label->settaille(taille);
    label->setPolice(police);
    label->setPos_indice(posIndice);
    label->setTaille_indice(tailleIndice);
    label->setStyleFond(bsClear);
    label->setCouleurFond(clBlack);
    return label;
}

bool TGalerie::Afficheurs()
{
    NouvelleFenetre();
    fenetre->resize(260, 130);
    const struct {
        int decimales;
        double valeur;
    } meters[] = {{2, 0.0}, {2, 1.6}, {0, 9999}, {1, 230.04}, {0, -1234}, {0, 1500}, {1, -5.25}, {1, 400}};
    for (int i = 0; i < 8; ++i) {
        auto *afficheur = new Tafficheur(fenetre.get());
        afficheur->setGeometry(10 + (i % 3) * 85, 10 + (i / 3) * 40, 61, 26);
        afficheur->setNb_digits(4);
        afficheur->setchiffre_apres(meters[i].decimales);
        afficheur->setCouleur_fond(clWhite);
        afficheur->setCouleur_chiffre(clRed);
        afficheur->setTaillefonte(16);
        afficheur->setFonteName("MS Sans Serif");
        afficheur->setValeur(meters[i].valeur);
    }
    return Enregistre("afficheurs");
}

bool TGalerie::Interrupteurs()
{
    NouvelleFenetre();
    fenetre->resize(140, 130);
    for (int i = 0; i < 6; ++i) {
        auto *pole = new Tinterrupteur(fenetre.get());
        pole->setGeometry(10 + (i / 3) * 70, 10 + (i % 3) * 35, 50, 37);
        pole->setOrientation(Tinterrupteur::orH);
        pole->setPosition(Tinterrupteur::piSG);
        pole->setEtat(i < 3 ? Tinterrupteur::intOuv : Tinterrupteur::intFer);
        pole->setCouleur_traits(clBlack);
        pole->setEpaisseur_traits(0);
        pole->setStyleFond(bsClear);
        pole->setCouleur_Fond(clFondBanc);
        pole->setEnabled(false);
    }
    return Enregistre("interrupteurs");
}

bool TGalerie::Oscillogramme()
{
    NouvelleFenetre();
    fenetre->resize(452, 230);
    auto *axes = new Taxes(fenetre.get());
    axes->setGeometry(8, 24, 433, 190);
    axes->setLongueur_sup(100);
    axes->setLongueur_inf(90);
    axes->setLargeur_gau(15);
    axes->setLargeur_droi(400);
    axes->setZU_sup(80);
    axes->setZU_inf(80);
    axes->setZU_gau(0);
    axes->setZU_droi(380);
    axes->setGrad_hor(10);
    QObject::connect(axes, &Taxes::OnPaint, [axes](TCanevasQt &canevas) {
        const TCouleur phases[] = {clBlue, clRed, clFuchsia};
        for (int k = 0; k < 3; ++k) {
            canevas.CouleurPlume(phases[k]);
            for (int n = 1; n < axes->ZU_droi(); ++n) {
                const auto y = [k](int i) {
                    return 100 - static_cast<int>(std::lround(69 * std::sin(i * 0.0628 - k * 2.0944)));
                };
                canevas.DeplaceVers(axes->Largeur_gau() + n - 1, y(n - 1));
                canevas.LigneVers(axes->Largeur_gau() + n, y(n));
            }
        }
    });
    Label({64, 16}, "11v]00R1]01(]11t]01)]}", clBlue, 14, "arial", 11, 10);
    Label({128, 16}, "11v]00R2]01(]11t]01)]}", clRed, 14, "arial", 11, 10);
    Label({192, 16}, "11v]00R3]01(]11t]01)]}", clFuchsia, 14, "arial", 11, 10);
    Label({416, 96}, "11t]}", clBlack, 14, "arial", 11, 10);
    return Enregistre("oscillogramme");
}

bool TGalerie::Etiquettes()
{
    NouvelleFenetre();
    fenetre->resize(420, 260);
    const char *triphase[] = {"41V]00S1 ]}", "41V]00S2 ]}", "41V]00S3 ]}", "41V]00K1 ]}", "41V]00K2 ]}",
                              "41V]00K3 ]}", "41V]00R1 ]}", "41V]00R2 ]}", "41V]00R3 ]}"};
    const TCouleur phases[] = {clBlue, clRed, clFuchsia};
    for (int i = 0; i < 9; ++i)
        Label({8 + 45 * i, 5}, triphase[i], phases[i % 3], 15, "arial");
    Label({8, 50}, "11v]00S1]01(]11t]01)]}", clBlue, 14, "arial", 11, 10);
    Label({80, 50}, "11E]00v]01(V)]}", clBlack, 15, "arial");
    Label({170, 50}, "61F]00v ]}", clPurple, 15, "arial");
    Label({230, 50}, "11r]41I]}", clBlack, 15, "arial");
    Label({300, 50}, "01ms/div]}", clBlack, 15, "arial");
    // The single-phase diagram's legend and read-out.
    Label({8, 100}, "41E]00v ]}", clPurple, 15, "arial");
    Label({40, 100}, "41I]00 ]}", clAqua, 16, "times new roman");
    Label({56, 100}, "41V]}", clTeal, 15, "arial");
    Label({104, 100}, "01j]11L]00s]21w]41I]}", clLime, 15, "arial");
    Label({200, 100}, "41M]}", clRed, 14, "times new roman", -3, 3);
    Label({240, 100}, "01230.0 V]}", clRed, 14, "times new roman", -3, 3);
    Label({330, 100}, "0180.2 °]}", clRed, 14, "times new roman", -3, 3);
    // The same on a white background, as in the phasor choice dialog.
    auto *blanc = new Tchaine_riche(fenetre.get());
    blanc->setGeometry(8, 150, 400, 100);
    blanc->setchaine("41E]00v ]41I]00 ]41V]01 ]01j]11L]00s]21w]41I]}");
    blanc->settaille(22);
    blanc->setTaille_indice(14);
    blanc->setPos_indice(14);
    blanc->setStyleFond(bsSolid);
    blanc->setCouleurFond(clWhite);
    blanc->setcouleur(clBlack);
    return Enregistre("etiquettes");
}

bool TGalerie::Rapporteur()
{
    NouvelleFenetre();
    fenetre->resize(353, 377);
    auto *rapporteur = new TRapporteur(fenetre.get());
    rapporteur->setGeometry(72, 80, 217, 217);
    rapporteur->setalpha1(0.7);
    rapporteur->setalpha2(0.7);
    rapporteur->setRayon(50);
    rapporteur->setRayonExt(50);
    rapporteur->setValeur(1.4);
    rapporteur->setTailleZS(6);
    auto *lecture = Label({271 + 8, 8 + 6}, "0180.2 °]}", clRed, 14, "times new roman", -3, 3);
    const bool decrit = Enregistre("rapporteur_decrit");

    // After the user has set the arms at -30° and 60°.
    Souris(*rapporteur, QEvent::MouseButtonPress, {110, 110}, Qt::LeftButton, Qt::LeftButton);
    Souris(*rapporteur, QEvent::MouseMove, {103, 85}, Qt::NoButton, Qt::LeftButton);
    Souris(*rapporteur, QEvent::MouseButtonRelease, {103, 85}, Qt::LeftButton, Qt::NoButton);
    // Arm 2 has snapped to the direction of its end meanwhile: take it where it is now.
    Souris(*rapporteur, QEvent::MouseButtonPress, rapporteur->Bout2(), Qt::LeftButton, Qt::LeftButton);
    Souris(*rapporteur, QEvent::MouseMove, {85, 17}, Qt::NoButton, Qt::LeftButton);
    Souris(*rapporteur, QEvent::MouseButtonRelease, {85, 17}, Qt::LeftButton, Qt::NoButton);
    lecture->setchaine("01" + FixedLocal(rapporteur->Valeur() * 180 / 3.141592653589793, 3, 1) + " °]}");
    return Enregistre("rapporteur_mesure") && decrit;
}

bool TGalerie::Tout()
{
    return Afficheurs() && Interrupteurs() && Oscillogramme() && Etiquettes() && Rapporteur();
}

} // namespace tavelor
