#include "TTrackBar.h"

#include <QPainter>
#include <QStyleOptionSlider>

#include <cmath>

namespace tavelor {

TTrackBar::TTrackBar(Qt::Orientation orientation, QWidget *parent) : QSlider(orientation, parent) {}

void TTrackBar::DefinitLecture(double origine, double pas)
{
    Origine = origine;
    Pas = pas != 0.0 ? pas : 1.0;
}

int TTrackBar::PositionDe(double lecture) const
{
    const double position = std::round((lecture - Origine) / Pas);
    if (!(position >= minimum())) // NaN too
        return minimum();
    return position > maximum() ? maximum() : static_cast<int>(position);
}

void TTrackBar::paintEvent(QPaintEvent *)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    if (tickPosition() != NoTicks)
        option.subControls |= QStyle::SC_SliderTickmarks;

    // Styles fill from the minimum's end. Where the minimum lies at the top or the right,
    // mirror the option: the handle keeps its place, the fill starts at the other end.
    // Tick marks are evenly spaced over the whole range, so they do not move either.
    const bool minimumEnHautOuADroite = orientation() == Qt::Vertical ? !option.upsideDown : option.upsideDown;
    if (minimumEnHautOuADroite) {
        option.upsideDown = !option.upsideDown;
        option.sliderPosition = option.minimum + option.maximum - option.sliderPosition;
        option.sliderValue = option.minimum + option.maximum - option.sliderValue;
    }

    QPainter painter(this);
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

} // namespace tavelor
