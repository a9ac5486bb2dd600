#include "TPlacementOutil.h"

#include <algorithm>
#include <optional>
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

namespace {

bool Libre(const QRect &essai, const QRect &ecran, const QList<QRect> &occupees)
{
    return ecran.contains(essai) &&
           std::none_of(occupees.begin(), occupees.end(), [&](const QRect &r) { return r.intersects(essai); });
}

// The first free place for a frame of `taille`, in reading order: a free place, if any,
// touches the screen's edges or another window's.
std::optional<QRect> PremierLibre(QSize taille, const QRect &ecran, const QList<QRect> &occupees)
{
    std::vector<int> xs{ecran.left(), ecran.right() + 1 - taille.width()};
    std::vector<int> ys{ecran.top(), ecran.bottom() + 1 - taille.height()};
    for (const QRect &r : occupees) {
        xs.push_back(r.right() + 1);
        xs.push_back(r.left() - taille.width());
        ys.push_back(r.bottom() + 1);
        ys.push_back(r.top() - taille.height());
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    for (const int y : ys)
        for (const int x : xs)
            if (const QRect essai(QPoint(x, y), taille); Libre(essai, ecran, occupees))
                return essai;
    return std::nullopt;
}

} // namespace

QRect TPlacementOutil::Place(QSize taille, const QRect &ecran, const QList<QRect> &occupees, QSize minimum)
{
    const QRect cadre = SurLEcran(QRect(ecran.topLeft(), taille.expandedTo(minimum)), ecran);
    if (const std::optional<QRect> libre = PremierLibre(cadre.size(), ecran, occupees))
        return *libre;
    // No room at its size: a smaller window (it lays itself out anew) where it covers
    // nothing, grown back towards its size as far as the room allows.
    if (std::optional<QRect> libre = PremierLibre(minimum.boundedTo(cadre.size()), ecran, occupees)) {
        // By 8 pixels, then the last few one by one.
        for (const int pas : {8, 1}) {
            while (libre->width() < cadre.width() &&
                   Libre(libre->adjusted(0, 0, std::min(pas, cadre.width() - libre->width()), 0), ecran, occupees))
                libre->setWidth(std::min(libre->width() + pas, cadre.width()));
            while (libre->height() < cadre.height() &&
                   Libre(libre->adjusted(0, 0, 0, std::min(pas, cadre.height() - libre->height())), ecran, occupees))
                libre->setHeight(std::min(libre->height() + pas, cadre.height()));
        }
        return *libre;
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
