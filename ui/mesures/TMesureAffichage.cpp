#include "TMesureAffichage.h"

#include "TPremiersAffichages.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <vector>

namespace tavelor {

TMesureAffichage::TMesureAffichage()
{
    std::vector<QWidget *> visibles;
    for (QWidget *fenetre : QApplication::topLevelWidgets())
        if (fenetre->isVisible())
            visibles.push_back(fenetre);
    auto *premiers = new TPremiersAffichages(visibles, this);
    connect(premiers, &TPremiersAffichages::Affichee, this, &TMesureAffichage::NoteAffichee);
    connect(premiers, &TPremiersAffichages::Toutes, this, &TMesureAffichage::Termine);
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

void TMesureAffichage::NoteAffichee(QWidget *fenetre)
{
    const QString nom = fenetre->objectName().isEmpty() ? QString::fromLatin1(fenetre->metaObject()->className())
                                                        : fenetre->objectName();
    std::printf("affichage %lld %s\n", static_cast<long long>(Maintenant()), qPrintable(nom));
}

void TMesureAffichage::Termine()
{
    std::printf("vmhwm %ld\n", PicMemoire());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

} // namespace tavelor
