#include "TDescriptionAccessible.h"

#include <QWidget>

namespace tavelor {

TDescriptionAccessible::TDescriptionAccessible(QWidget *widget, bool (*ecoute)())
    : QObject(widget), Widget(widget), Ecoute(ecoute)
{
    Minuteur.setSingleShot(true);
    connect(&Minuteur, &QTimer::timeout, this, [this] { Ecrit(EnAttente); });
}

void TDescriptionAccessible::Definit(const QString &texte)
{
    if (!Ecoute() || !Derniere.isValid() || Derniere.elapsed() >= PauseMs) {
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
