#pragma once

#include <QString>
#include <QWidget>

class QPainter;

namespace tavelor {

class TDescriptionAccessible;

// One instrument of the lab: a self-drawing widget named as the bench's label names it.
// It keeps the reading it shows; its accessible description is written from it, at most
// four times a second while a screen reader listens. Screen readers read it as a text.
class TInstrument : public QWidget {
    Q_OBJECT

public:
    TInstrument(const QString &nom, QWidget *parent);

    // The reading shown, as a screen reader says it.
    const QString &Lecture() const { return LectureCourante; }

    // Colours that survive a projector: black on the pale background, deep blue readings.
    static const QColor Encre;
    static const QColor EncreLecture;
    // The typeface of every instrument, at `points`.
    static QFont Police(int points, bool gras);

protected:
    // Stores the reading and describes the widget anew; returns whether it changed, so that
    // the caller repaints what looks different.
    bool DefinitLecture(const QString &lecture);

private:
    QString LectureCourante;
    TDescriptionAccessible *Description;
};

} // namespace tavelor
