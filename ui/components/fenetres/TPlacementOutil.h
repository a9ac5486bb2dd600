#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace tavelor {

// Where a tool window goes on the screen, as outer frames in screen pixels: the rule alone,
// so that it can be tried on any screen.
class TPlacementOutil {
public:
    // The first place, in reading order, where a frame of `taille` lies wholly on `ecran`
    // and covers none of `occupees`; failing that, the first such place for a frame of
    // `minimum`, grown back towards `taille` as far as the room allows; failing that,
    // cascaded from the first of `occupees` a caption's height at a time, past the corners
    // already taken. Never larger than the screen, nor smaller than `minimum` unless the
    // screen is.
    static QRect Place(QSize taille, const QRect &ecran, const QList<QRect> &occupees, QSize minimum);
    // `cadre` moved, and shrunk if it is larger, so that it lies wholly on `ecran`.
    static QRect SurLEcran(QRect cadre, const QRect &ecran);
};

} // namespace tavelor
