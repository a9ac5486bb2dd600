#include "TFenetreSecondaire.h"

#include "CouleurQt.h"
#include "TCouleur.h"

#include <QPalette>

namespace tavelor {

TFenetreSecondaire::TFenetreSecondaire(const QString &titre, QSize client, bool auPremierPlan, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          (auPremierPlan ? Qt::WindowStaysOnTopHint : Qt::WindowFlags()))
{
    setWindowTitle(titre);
    setFixedSize(client);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, VersQColor(clFondBanc));
    setPalette(palette);
    setAutoFillBackground(true);
}

} // namespace tavelor
