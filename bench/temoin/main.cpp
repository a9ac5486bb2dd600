// The yardstick of Tavelor's start-up and memory: the least a Qt program can do to show
// the bench picture in a window of the bench's size. Built a second time with
// TROIS_FENETRES, it shows it in three windows of the sizes and places of the three
// that Tavelor shows at start: the bench, the three-phase phasors under it and the
// oscillograms to its right. TAVELOR_MESURE=affichage makes it report its first paints
// the way Tavelor does.

#include "TMesureAffichage.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

#include <memory>

namespace {

void Montre(QLabel &image, const char *nom, const QPixmap &photo, QSize taille)
{
    image.setObjectName(QString::fromLatin1(nom));
    image.setPixmap(photo);
    image.setFixedSize(taille);
    image.show();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QPixmap photo(QStringLiteral(":/banc.jpg"));
    QLabel banc;
    banc.move(10, 10);
#ifdef TROIS_FENETRES
    Montre(banc, "Image", photo, QSize(752, 350));
    // Placed against the bench's outer frame, as Tavelor's side windows are.
    QLabel phaseurs, oscillogrammes;
    const QRect cadre = banc.frameGeometry();
    phaseurs.move(cadre.left(), cadre.bottom() + 1);
    oscillogrammes.move(cadre.right() + 1, cadre.top());
    Montre(phaseurs, "Image2", photo, QSize(673, 265));
    Montre(oscillogrammes, "Image3", photo, QSize(452, 675));
#else
    Montre(banc, "Image", photo, QSize(750, 350));
#endif

    std::unique_ptr<tavelor::TMesureAffichage> mesure;
    if (qgetenv("TAVELOR_MESURE") == "affichage")
        mesure = std::make_unique<tavelor::TMesureAffichage>();
    return QApplication::exec();
}
