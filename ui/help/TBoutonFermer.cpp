#include "TBoutonFermer.h"

#include "TImageRessource.h"

namespace tavelor {

TBoutonFermer::TBoutonFermer(const char *nom, QRect zone, QWidget *parent) : QPushButton(parent)
{
    setObjectName(QString::fromLatin1(nom));
    setGeometry(zone);
    TImageRessource::HabilleBouton(*this, QStringLiteral(":/fermer.png"));
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(QStringLiteral("Fermer"));
}

} // namespace tavelor
