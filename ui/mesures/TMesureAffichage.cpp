#include "TMesureAffichage.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace tavelor {

TMesureAffichage::TMesureAffichage()
{
    for (QWidget *fenetre : QApplication::topLevelWidgets())
        if (fenetre->isVisible())
            Attendues.insert(fenetre);
    qApp->installEventFilter(this);
}

TMesureAffichage::~TMesureAffichage()
{
    qApp->removeEventFilter(this);
}

std::int64_t TMesureAffichage::Maintenant()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

long TMesureAffichage::PicMemoire()
{
    QFile etat(QStringLiteral("/proc/self/status"));
    if (!etat.open(QIODevice::ReadOnly))
        return -1;
    // A /proc file reports a size of 0: read it whole rather than up to its "end".
    for (const QByteArray &ligne : etat.readAll().split('\n'))
        if (ligne.startsWith("VmHWM:"))
            return ligne.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

bool TMesureAffichage::eventFilter(QObject *objet, QEvent *evenement)
{
    if (evenement->type() == QEvent::Paint && objet->isWidgetType()) {
        QWidget *fenetre = static_cast<QWidget *>(objet)->window();
        // The window's first paint ends once its children are drawn and the backing
        // store is flushed, all before the event loop runs again.
        if (Attendues.count(fenetre) != 0 && EnCours.insert(fenetre).second)
            QTimer::singleShot(0, this, [this, fenetre] { noteAffiche(fenetre); });
    }
    return false;
}

void TMesureAffichage::noteAffiche(QWidget *fenetre)
{
    const QString nom = fenetre->objectName().isEmpty() ? QString::fromLatin1(fenetre->metaObject()->className())
                                                        : fenetre->objectName();
    std::printf("affichage %lld %s\n", static_cast<long long>(Maintenant()), qPrintable(nom));
    Attendues.erase(fenetre);
    if (Attendues.empty()) {
        std::printf("vmhwm %ld\n", PicMemoire());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }
}

} // namespace tavelor
