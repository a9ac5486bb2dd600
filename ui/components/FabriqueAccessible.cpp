#include "FabriqueAccessible.h"

#include "Tafficheur.h"

#include <QAccessibleWidget>

namespace tavelor {

namespace {

QAccessibleInterface *Fabrique(const QString &classe, QObject *objet)
{
    auto *widget = qobject_cast<QWidget *>(objet);
    // Asked once per class up the hierarchy: answer for the object's own class only,
    // and only for ours, so that Qt's widgets keep their own interfaces.
    if (!widget || classe != QLatin1String(objet->metaObject()->className()) ||
        !classe.startsWith(QLatin1String("tavelor::")))
        return nullptr;
    if (qobject_cast<Tafficheur *>(widget))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    if (widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void InstalleFabriqueAccessible()
{
    static const bool installee = [] {
        QAccessible::installFactory(Fabrique);
        return true;
    }();
    (void)installee;
}

} // namespace tavelor
