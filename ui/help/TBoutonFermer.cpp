#include "TBoutonFermer.h"

#include <QIcon>
#include <QPixmap>

namespace tavelor {

TBoutonFermer::TBoutonFermer(const char *nom, QRect zone, QWidget *parent) : QPushButton(parent)
{
    setObjectName(QString::fromLatin1(nom));
    setGeometry(zone);
    const QPixmap face(QStringLiteral(":/fermer.png"));
    setIcon(QIcon(face));
    setIconSize(face.size());
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(QStringLiteral("Fermer"));
}

} // namespace tavelor
