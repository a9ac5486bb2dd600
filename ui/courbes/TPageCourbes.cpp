#include "TPageCourbes.h"

#include "TGraphiqueCourbes.h"

#include <QLabel>

namespace tavelor {

namespace {

constexpr int marge = 4;

} // namespace

TPageCourbes::TPageCourbes(TGraphiqueCourbes *graphique, QLabel *lecture) : Graphique(graphique), Lecture(lecture)
{
    Graphique->setParent(this);
    Lecture->setParent(this);
}

int TPageCourbes::HauteurLecture() const
{
    // One line of the read-out's font, whatever its text.
    return Lecture->fontMetrics().height() + 2 * Lecture->margin() + 4;
}

QSize TPageCourbes::sizeHint() const
{
    return Graphique->sizeHint() + QSize(2 * marge, HauteurLecture() + 3 * marge);
}

QSize TPageCourbes::minimumSizeHint() const
{
    return Graphique->minimumSize() + QSize(2 * marge, HauteurLecture() + 3 * marge);
}

void TPageCourbes::resizeEvent(QResizeEvent *)
{
    const int hauteur = HauteurLecture();
    const int largeur = width() - 2 * marge;
    Graphique->setGeometry(marge, marge, largeur, height() - hauteur - 3 * marge);
    Lecture->setGeometry(marge, height() - hauteur - marge, largeur, hauteur);
}

} // namespace tavelor
