#include "TTrackBar.h"

#include <QLocale>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace tavelor {

TTrackBar::TTrackBar(Qt::Orientation orientation, QWidget *parent) : QSlider(orientation, parent) {}

void TTrackBar::DefinitLecture(double origine, double pas, const QString &unite)
{
    Origine = origine;
    Pas = pas != 0.0 ? pas : 1.0;
    Unite = unite;
}

QString TTrackBar::TexteLecture() const
{
    // A step of 0.01 needs two decimals, 0.1 one, 1 none; the margin absorbs the binary
    // inexactness of such steps.
    const int decimales = std::max(0, static_cast<int>(std::ceil(-std::log10(std::abs(Pas)) - 1e-9)));
    const QString nombre = QLocale().toString(Lecture(value()), 'f', decimales);
    return Unite.isEmpty() ? nombre : nombre + QChar(0x00A0) + Unite;
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

void TTrackBar::wheelEvent(QWheelEvent *event)
{
    if (!UnPasParCran) {
        QSlider::wheelEvent(event);
        return;
    }
    const QPoint angle = event->angleDelta();
    int delta = std::abs(angle.x()) > std::abs(angle.y()) ? -angle.x() : angle.y();
    if (event->inverted())
        delta = -delta;
    if (invertedControls())
        delta = -delta;
    // A notch is 120 eighths of a degree; a fine wheel adds up to one.
    CumulMolette += delta;
    for (; CumulMolette >= 120; CumulMolette -= 120)
        triggerAction(SliderSingleStepAdd);
    for (; CumulMolette <= -120; CumulMolette += 120)
        triggerAction(SliderSingleStepSub);
    event->accept();
}

} // namespace tavelor
