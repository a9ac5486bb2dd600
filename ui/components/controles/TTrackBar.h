#pragma once

#include <QSlider>

namespace tavelor {

// A track bar whose groove fills from its bottom (vertical) or left (horizontal) end up
// to the handle, whichever end its minimum lies at. The excitation bar runs upside down
// (position 160, Ie = 0, at the bottom); the style would fill it from the minimum, at
// the top, and the bar would read full at Ie = 0.
class TTrackBar : public QSlider {
    Q_OBJECT

public:
    explicit TTrackBar(Qt::Orientation orientation, QWidget *parent = nullptr);

    // What a position stands for, origine + pas · position (Ie in A, N in rpm...): the value
    // assistive tools read and set, instead of a position that may run upside down.
    void DefinitLecture(double origine, double pas, const QString &unite);
    double Lecture(int position) const { return Origine + Pas * position; }
    // The present reading as a screen reader says it: in the locale's form, with as many
    // decimals as one step needs, and the unit ("0,47 A", "1 500 tr/min").
    QString TexteLecture() const;
    // The position nearest to a reading, within the range.
    int PositionDe(double lecture) const;
    // One step per notch of the mouse wheel, as an arrow key, instead of the system's lines per notch.
    void DefinitUnPasParCran(bool unPas) { UnPasParCran = unPas; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    double Origine = 0.0;
    double Pas = 1.0;
    QString Unite;
    bool UnPasParCran = false;
    int CumulMolette = 0; // eighths of a degree not yet turned into a step
};

} // namespace tavelor
