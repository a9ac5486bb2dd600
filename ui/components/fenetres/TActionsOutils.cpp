#include "TActionsOutils.h"

#include <QAction>
#include <QWidget>

#include <utility>

namespace tavelor {

TActionsOutils::TActionsOutils(QObject *parent) : QObject(parent) {}

QAction *TActionsOutils::Ajoute(const QString &texte, const QKeySequence &touche, std::function<void()> quand)
{
    auto *action = new QAction(texte, this);
    action->setShortcut(touche);
    action->setShortcutVisibleInContextMenu(true);
    // A modal box in front keeps the key to itself.
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, [quand = std::move(quand)] { quand(); });
    Outils << action;
    for (QWidget *cible : std::as_const(Cibles))
        if (cible)
            cible->addAction(action);
    return action;
}

void TActionsOutils::AjouteA(QWidget *cible)
{
    cible->addActions(Outils);
    Cibles << cible;
}

} // namespace tavelor
