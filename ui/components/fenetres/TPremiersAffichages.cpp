#include "TPremiersAffichages.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace tavelor {

TPremiersAffichages::TPremiersAffichages(const std::vector<QWidget *> &fenetres, QObject *parent) : QObject(parent)
{
    for (QWidget *fenetre : fenetres) {
        Attendues.emplace_back(fenetre);
        connect(fenetre, &QObject::destroyed, this, [this, fenetre] { Retire(fenetre, false); });
    }
    // The paints of a window's children pass here too: the filter sits on the application.
    qApp->installEventFilter(this);
    if (Attendues.empty())
        QTimer::singleShot(0, this, [this] { Retire(nullptr, false); });
}

TPremiersAffichages::~TPremiersAffichages()
{
    qApp->removeEventFilter(this);
}

bool TPremiersAffichages::eventFilter(QObject *objet, QEvent *evenement)
{
    const QEvent::Type type = evenement->type();
    if ((type == QEvent::Paint || type == QEvent::Hide) && objet->isWidgetType()) {
        QWidget *fenetre = static_cast<QWidget *>(objet)->window();
        const bool cachee = type == QEvent::Hide && objet == fenetre;
        if ((type == QEvent::Paint || cachee) &&
            std::find(Attendues.begin(), Attendues.end(), fenetre) != Attendues.end()) {
            // Reported when the loop turns, after its paint has reached the screen, and
            // once: its children's paints until then ask for nothing more.
            if (cachee)
                Retire(fenetre, false);
            else if (std::find(Peintes.begin(), Peintes.end(), fenetre) == Peintes.end()) {
                Peintes.emplace_back(fenetre);
                QTimer::singleShot(0, this, [this, f = QPointer<QWidget>(fenetre)] {
                    if (f)
                        Retire(f, true);
                });
            }
        }
    }
    return false;
}

void TPremiersAffichages::Retire(QWidget *fenetre, bool affichee)
{
    const auto trouvee = std::find(Attendues.begin(), Attendues.end(), fenetre);
    if (trouvee != Attendues.end()) {
        Attendues.erase(trouvee);
        if (affichee)
            emit Affichee(fenetre);
    }
    // Windows destroyed meanwhile leave null entries behind.
    Attendues.erase(std::remove(Attendues.begin(), Attendues.end(), nullptr), Attendues.end());
    if (Attendues.empty() && !std::exchange(Fini, true)) {
        qApp->removeEventFilter(this);
        emit Toutes();
    }
}

} // namespace tavelor
