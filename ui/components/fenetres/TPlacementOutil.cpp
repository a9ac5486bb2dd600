#include "TPlacementOutil.h"

#include <algorithm>
#include <vector>

namespace tavelor {

namespace {

// Steps of the cascade: a title bar's height, so that each window's caption shows.
constexpr int Pas = 32;

} // namespace

QRect TPlacementOutil::SurLEcran(QRect cadre, const QRect &ecran)
{
    cadre.setWidth(std::min(cadre.width(), std::max(ecran.width(), 1)));
    cadre.setHeight(std::min(cadre.height(), std::max(ecran.height(), 1)));
    cadre.moveLeft(std::clamp(cadre.left(), ecran.left(), ecran.right() + 1 - cadre.width()));
    cadre.moveTop(std::clamp(cadre.top(), ecran.top(), ecran.bottom() + 1 - cadre.height()));
    return cadre;
}

QRect TPlacementOutil::Place(QSize taille, const QRect &ecran, const QList<QRect> &occupees, QSize minimum)
{
    const QRect cadre = SurLEcran(QRect(ecran.topLeft(), taille.expandedTo(minimum)), ecran);
    // A free place, if any, touches the screen's edges or another window's.
    std::vector<int> xs{ecran.left(), ecran.right() + 1 - cadre.width()};
    std::vector<int> ys{ecran.top(), ecran.bottom() + 1 - cadre.height()};
    for (const QRect &r : occupees) {
        xs.push_back(r.right() + 1);
        xs.push_back(r.left() - cadre.width());
        ys.push_back(r.bottom() + 1);
        ys.push_back(r.top() - cadre.height());
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    for (const int y : ys) {
        for (const int x : xs) {
            const QRect essai(QPoint(x, y), cadre.size());
            if (!ecran.contains(essai))
                continue;
            if (std::none_of(occupees.begin(), occupees.end(), [&](const QRect &r) { return r.intersects(essai); }))
                return essai;
        }
    }
    // No room: cascaded from the first window (the bench), a step lower and to the right
    // of every corner already taken, so that the captions above stay in view.
    const QPoint origine = occupees.isEmpty() ? ecran.topLeft() : occupees.front().topLeft();
    QRect cascade = cadre;
    for (int k = 1; k < 64; ++k) {
        cascade = SurLEcran(QRect(origine + QPoint(k * Pas, k * Pas), cadre.size()), ecran);
        const bool prise = std::any_of(occupees.begin(), occupees.end(),
                                       [&](const QRect &r) { return r.topLeft() == cascade.topLeft(); });
        if (!prise)
            break;
    }
    return cascade;
}

} // namespace tavelor
