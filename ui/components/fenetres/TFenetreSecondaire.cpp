#include "TFenetreSecondaire.h"

#include "CouleurQt.h"
#include "TCouleur.h"
#include "TPlacementOutil.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>
#include <QPalette>
#include <QScreen>
#include <QSettings>
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

TFenetreSecondaire::~TFenetreSecondaire()
{
    // Still open as the program ends: it opens there next time.
    if (isVisible())
        RetientPlace();
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
    if (Placement == PlacementOutil) {
        PlaceOutil();
        return;
    }
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
    case PlacementOutil:
        break;
    }
}

void TFenetreSecondaire::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        RetientPlace();
    QWidget::hideEvent(event);
}

QString TFenetreSecondaire::CleMemoire() const
{
    return QStringLiteral("fenetres/") + (objectName().isEmpty() ? windowTitle() : objectName());
}

// Only a program that names where its settings go (the application itself) keeps them;
// benchmarks and other tools that drive the windows leave the user's settings alone.
namespace {

bool AvecMemoire()
{
    return !QCoreApplication::organizationName().isEmpty();
}

} // namespace

void TFenetreSecondaire::RetientPlace()
{
    if (Placement == PlacementOutil && DejaPlacee && AvecMemoire())
        QSettings().setValue(CleMemoire(), saveGeometry());
}

// In outer frames, the window's own taken to be as thick as the reference's (a window never
// shown has none yet).
void TFenetreSecondaire::PlaceOutil()
{
    const QScreen *ecran = Reference->screen();
    if (!ecran)
        return;
    const QRect dispo = ecran->availableGeometry();
    const QRect ref = Reference->geometry(), refCadre = Reference->frameGeometry();
    const QMargins bord(ref.left() - refCadre.left(), ref.top() - refCadre.top(), refCadre.right() - ref.right(),
                        refCadre.bottom() - ref.bottom());
    const QSize minimum = minimumSize().grownBy(bord);
    QRect cadre;
    if (const QByteArray memoire = AvecMemoire() ? QSettings().value(CleMemoire()).toByteArray() : QByteArray();
        !memoire.isEmpty() && restoreGeometry(memoire)) {
        // Where the user left it, brought back whole on this screen if it was on another.
        cadre = TPlacementOutil::SurLEcran(geometry().marginsAdded(bord), dispo);
    } else {
        QList<QRect> occupees{refCadre};
        for (const QWidget *fenetre : QApplication::topLevelWidgets())
            if (fenetre != this && fenetre != Reference && fenetre->isVisible() &&
                !(fenetre->windowType() == Qt::Popup || fenetre->windowType() == Qt::ToolTip))
                occupees << fenetre->frameGeometry();
        cadre = TPlacementOutil::Place(size().grownBy(bord), dispo, occupees, minimum);
    }
    setGeometry(cadre.marginsRemoved(bord));
}

} // namespace tavelor
