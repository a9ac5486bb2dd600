#include "TCycleFenetres.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace tavelor {

TCycleFenetres::TCycleFenetres(QWidget *principale) : QObject(principale)
{
    for (const auto &[touche, sens] :
         {std::pair{QKeySequence(Qt::Key_F6), 1}, {QKeySequence(Qt::SHIFT | Qt::Key_F6), -1}}) {
        auto *raccourci = new QShortcut(touche, principale);
        raccourci->setContext(Qt::ApplicationShortcut);
        connect(raccourci, &QShortcut::activated, this, [sens] { Active(sens); });
    }
}

QList<QWidget *> TCycleFenetres::Fenetres()
{
    QList<QWidget *> fenetres;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w->isVisible() && (type == Qt::Window || type == Qt::Tool || type == Qt::Dialog))
            fenetres << w;
    }
    std::sort(fenetres.begin(), fenetres.end(), [](const QWidget *a, const QWidget *b) {
        const QRect ra = a->frameGeometry(), rb = b->frameGeometry();
        return std::pair(ra.top(), ra.left()) < std::pair(rb.top(), rb.left());
    });
    return fenetres;
}

void TCycleFenetres::Active(int sens)
{
    const QList<QWidget *> fenetres = Fenetres();
    if (fenetres.isEmpty())
        return;
    const qsizetype n = fenetres.size();
    const qsizetype ici = fenetres.indexOf(QApplication::activeWindow());
    const qsizetype suivante = ici < 0 ? 0 : ((ici + sens) % n + n) % n;
    QWidget *cible = fenetres[suivante];
    cible->raise();
    cible->activateWindow();
}

} // namespace tavelor
