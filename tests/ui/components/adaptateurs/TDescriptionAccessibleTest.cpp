#include "TDescriptionAccessible.h"

#include "ApplicationTest.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <utility>

namespace tavelor {
namespace {

// A reading that changes at every tick (twenty a second) for a second: with a screen
// reader listening its description changes at most four times a second, then takes its
// last text once the pause ends; with none listening, every text is written at once.
TEST(TDescriptionAccessible, ReadingChangingAtEveryTickIsDescribedFourTimesASecondWhileAReaderListens)
{
    test::Application();
    for (const bool lecteur : {true, false}) {
        SCOPED_TRACE(lecteur ? "screen reader listening" : "no screen reader");
        QWidget lecture;
        TDescriptionAccessible description(&lecture, lecteur ? +[] { return true; } : +[] { return false; });
        int changements = 0;
        QString vue;
        QElapsedTimer duree;
        duree.start();
        int tic = 0;
        while (duree.elapsed() < 1000) {
            description.Definit(QString::number(++tic));
            if (!lecteur)
                EXPECT_EQ(lecture.accessibleDescription(), QString::number(tic));
            QTest::qWait(50);
            changements += std::exchange(vue, lecture.accessibleDescription()) != vue;
        }
        if (lecteur) {
            EXPECT_LE(changements, 5) << "in " << tic << " ticks";
            EXPECT_GE(changements, 2);
            const QString derniere = QString::number(tic);
            EXPECT_TRUE(QTest::qWaitFor([&] { return lecture.accessibleDescription() == derniere; },
                                        TDescriptionAccessible::PauseMs + 200));
        }
    }
}

} // namespace
} // namespace tavelor
