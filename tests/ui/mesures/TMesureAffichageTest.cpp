#include "TMesureAffichage.h"

#include "ApplicationTest.h"

#include <QEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace tavelor {
namespace {

// Notes which windows have had a paint event.
class TTemoinPeinture : public QObject {
public:
    std::set<QWidget *> Peintes;

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Paint && objet->isWidgetType())
            Peintes.insert(static_cast<QWidget *>(objet)->window());
        return false;
    }
};

// The start-up measurement ends the program once the windows shown have been painted,
// whatever hidden windows exist; otherwise the script would wait for ever.
TEST(TMesureAffichage, EndsTheEventLoopOnceEveryShownWindowIsPainted)
{
    test::Application();
    for (const int fenetres : {1, 3}) {
        SCOPED_TRACE(fenetres);
        TTemoinPeinture temoin;
        qApp->installEventFilter(&temoin);
        std::vector<std::unique_ptr<QWidget>> visibles;
        for (int i = 0; i < fenetres; ++i) {
            visibles.push_back(std::make_unique<QWidget>());
            visibles.back()->resize(120, 80);
            visibles.back()->show();
        }
        const QWidget cachee; // never shown: not waited for
        const TMesureAffichage mesure;
        QTimer delai;
        delai.setSingleShot(true);
        QObject::connect(&delai, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        delai.start(5000);

        EXPECT_EQ(QApplication::exec(), 0);
        for (const auto &fenetre : visibles)
            EXPECT_EQ(temoin.Peintes.count(fenetre.get()), 1U);
        qApp->removeEventFilter(&temoin);
    }
}

// /proc files report a size of 0; a reader stopping at the "end" would find nothing.
TEST(TMesureAffichage, ReadsThePeakMemoryOfTheProcess)
{
    EXPECT_GT(TMesureAffichage::PicMemoire(), 1000);
}

} // namespace
} // namespace tavelor
