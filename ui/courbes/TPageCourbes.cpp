#include "TPageCourbes.h"

#include "TGraphiqueCourbes.h"

#include <QFontMetrics>
#include <QLabel>

namespace tavelor {

namespace {

constexpr int marge = 4;

} // namespace

TPageCourbes::TPageCourbes(TGraphiqueCourbes *graphique, QLabel *lecture) : Graphique(graphique), Lecture(lecture)
{
    Graphique->setParent(this);
    Lecture->setParent(this);
    Lecture->setWordWrap(true);
}

int TPageCourbes::HauteurLecture(int largeur) const
{
    // One line of the read-out's font whatever its text, or two where the longest it writes
    // would not fit on one: the height does not follow each new number.
    const QFontMetrics mesure = Lecture->fontMetrics();
    const int longueur =
        mesure.horizontalAdvance(QStringLiteral("Point de fonctionnement\u00A0: Q = -0000 var, P = -0000 W"));
    const int lignes = longueur + 2 * Lecture->margin() > largeur ? 2 : 1;
    return lignes * mesure.lineSpacing() + 2 * Lecture->margin() + 4;
}

QSize TPageCourbes::sizeHint() const
{
    const QSize graphique = Graphique->sizeHint();
    return graphique + QSize(2 * marge, HauteurLecture(graphique.width()) + 3 * marge);
}

QSize TPageCourbes::minimumSizeHint() const
{
    const QSize graphique = Graphique->minimumSize();
    return graphique + QSize(2 * marge, HauteurLecture(graphique.width()) + 3 * marge);
}

void TPageCourbes::resizeEvent(QResizeEvent *)
{
    const int largeur = width() - 2 * marge;
    const int hauteur = HauteurLecture(largeur);
    Graphique->setGeometry(marge, marge, largeur, height() - hauteur - 3 * marge);
    Lecture->setGeometry(marge, height() - hauteur - marge, largeur, hauteur);
}

} // namespace tavelor
