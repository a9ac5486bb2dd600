#include "TFenetreSecondaire.h"

#include "CouleurQt.h"
#include "TCouleur.h"

#include <QCloseEvent>
#include <QPalette>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

namespace tavelor {

TFenetreSecondaire::TFenetreSecondaire(const QString &titre, QSize client, bool auPremierPlan, QWidget *parent,
                                       TFermeture fermeture)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          (auPremierPlan ? Qt::WindowStaysOnTopHint : Qt::WindowFlags())),
      Fermeture(fermeture)
{
    setWindowTitle(titre);
    setFixedSize(client);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, VersQColor(clFondBanc));
    setPalette(palette);
    setAutoFillBackground(true);
}

void TFenetreSecondaire::closeEvent(QCloseEvent *event)
{
    if (Fermeture == FermetureCache) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    emit demandeFermeture();
}

void TFenetreSecondaire::DefinitPlacement(const QWidget *reference, TPlacement placement, bool aChaqueAffichage)
{
    Reference = reference;
    Placement = placement;
    AChaqueAffichage = aChaqueAffichage;
    DejaPlacee = false;
}

void TFenetreSecondaire::showEvent(QShowEvent *event)
{
    // The window system shows the application's name in place of an empty title; an
    // invisible character keeps the title bar as empty as the caption. The widget's own
    // title stays empty.
    if (windowTitle().isEmpty() && windowHandle())
        windowHandle()->setTitle(QString(QChar(0x200B)));
    if (!event->spontaneous() && (AChaqueAffichage || !DejaPlacee)) {
        Place();
        DejaPlacee = true;
    }
    QWidget::showEvent(event);
}

// Positions are those of the outer frames, as a user sees the windows side by side.
void TFenetreSecondaire::Place()
{
    const QScreen *ecran = screen();
    if (Placement == PlacementLibre || (Placement == CentreSurLEcran ? !ecran : !Reference))
        return;
    const QRect cadre = Placement == CentreSurLEcran ? ecran->availableGeometry() : Reference->frameGeometry();
    switch (Placement) {
    case SousLaReference:
        move(cadre.left(), cadre.top() + cadre.height());
        break;
    case ADroiteDeLaReference:
        move(cadre.left() + cadre.width(), cadre.top());
        break;
    case CentreSurLaReference:
    case CentreSurLEcran:
        move(cadre.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
        break;
    case PlacementLibre:
        break;
    }
}

} // namespace tavelor
