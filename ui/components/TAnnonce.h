#pragma once

#include <QString>
#include <QWidget>

namespace tavelor {

// A message for assistive tools, said once each time it is shown: an alert of one
// transparent pixel, for a state the eye reads from a blinking picture. Giving the
// alert role to the picture itself would announce it again at every blink.
class TAnnonce : public QWidget {
    Q_OBJECT

public:
    TAnnonce(const QString &message, QWidget *parent);
};

} // namespace tavelor
