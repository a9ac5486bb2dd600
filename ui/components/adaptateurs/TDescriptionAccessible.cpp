#include "TDescriptionAccessible.h"

#include <QAccessible>
#include <QWidget>

namespace tavelor {

TDescriptionAccessible::TDescriptionAccessible(QWidget *widget) : QObject(widget), Widget(widget)
{
    Minuteur.setSingleShot(true);
    connect(&Minuteur, &QTimer::timeout, this, [this] { Ecrit(EnAttente); });
}

void TDescriptionAccessible::Definit(const QString &texte)
{
    if (!QAccessible::isActive() || !Derniere.isValid() || Derniere.elapsed() >= PauseMs) {
        Minuteur.stop();
        Ecrit(texte);
        return;
    }
    EnAttente = texte;
    if (!Minuteur.isActive())
        Minuteur.start(static_cast<int>(PauseMs - Derniere.elapsed()));
}

void TDescriptionAccessible::Ecrit(const QString &texte)
{
    if (texte == Widget->accessibleDescription())
        return;
    Widget->setAccessibleDescription(texte);
    Derniere.start();
}

} // namespace tavelor
