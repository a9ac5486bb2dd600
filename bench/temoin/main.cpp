// The yardstick of Tavelor's start-up and memory: the least a Qt program can do to show
// one 750 x 350 picture, here the bench's, in a window. TAVELOR_MESURE=affichage makes it
// report its first paint the way Tavelor does.

#include "TMesureAffichage.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel image;
    image.setObjectName(QStringLiteral("Image"));
    image.setPixmap(QPixmap(QStringLiteral(":/banc.jpg")));
    image.setFixedSize(750, 350);
    image.show();

    std::unique_ptr<tavelor::TMesureAffichage> mesure;
    if (qgetenv("TAVELOR_MESURE") == "affichage")
        mesure = std::make_unique<tavelor::TMesureAffichage>();
    return QApplication::exec();
}
