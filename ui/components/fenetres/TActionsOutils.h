#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QWidget;

namespace tavelor {

// The program's tools as one set of actions, each made once with its key: every menu
// that offers the tools shows them all, with their keys beside them, and a key, a menu
// item and the shortcut it shows cannot drift apart.
class TActionsOutils : public QObject {
    Q_OBJECT

public:
    explicit TActionsOutils(QObject *parent = nullptr);

    // A new tool, at the end of every menu that shows the tools, already made or not.
    QAction *Ajoute(const QString &texte, const QKeySequence &touche, std::function<void()> quand);
    // `cible`, a menu or a window, holds every tool in order from now on. A key works
    // from every window of the program while a widget holding it is shown; a menu that
    // is not open does not count, so the main window holds them too.
    void AjouteA(QWidget *cible);

    const QList<QAction *> &Actions() const { return Outils; }

private:
    QList<QAction *> Outils;
    QList<QPointer<QWidget>> Cibles;
};

} // namespace tavelor
