#pragma once

#include <QString>
#include <QWidget>

class QPainter;

namespace tavelor {

// One instrument of the lab: a self-drawing widget named as the bench's label names it,
// whose accessible description is the reading it shows, kept in step (Qt raises
// DescriptionChanged at each change). Screen readers read it as a text.
class TInstrument : public QWidget {
    Q_OBJECT

public:
    TInstrument(const QString &nom, QWidget *parent);

    // The reading shown, as a screen reader says it.
    QString Lecture() const { return accessibleDescription(); }

    // Colours that survive a projector: black on the pale background, deep blue readings.
    static const QColor Encre;
    static const QColor EncreLecture;
    // The typeface of every instrument, at `points`.
    static QFont Police(int points, bool gras);

protected:
    // Stores the reading and describes the widget anew; returns whether it changed, so that
    // the caller repaints what looks different.
    bool DefinitLecture(const QString &lecture);
};

} // namespace tavelor
