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

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tavelor
