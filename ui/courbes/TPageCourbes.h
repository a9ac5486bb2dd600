#pragma once

#include <QWidget>

class QLabel;

namespace tavelor {

class TGraphiqueCourbes;

// One tab of the curves window: the plot over its read-out. It places them itself
// rather than through a layout, so that the read-out's new text at every tick stops
// here instead of laying out, and repainting, the whole tab widget again.
class TPageCourbes : public QWidget {
public:
    TPageCourbes(TGraphiqueCourbes *graphique, QLabel *lecture);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int HauteurLecture(int largeur) const;

    TGraphiqueCourbes *Graphique;
    QLabel *Lecture;
};

} // namespace tavelor
