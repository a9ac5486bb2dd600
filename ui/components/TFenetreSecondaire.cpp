#include "TFenetreSecondaire.h"

#include "CouleurQt.h"
#include "TCouleur.h"

#include <QCloseEvent>
#include <QPalette>

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

} // namespace tavelor
