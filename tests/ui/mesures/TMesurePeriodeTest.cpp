#include "TMesurePeriode.h"

#include "TBouclePrincipale.h"
#include "TChronos.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace tavelor {
namespace {

// The measurement reports exactly the ticks asked for, each with a start no later than
// its end, and the bench's own handler runs at every tick, measured or not.
TEST(TMesurePeriode, ReportsTheTicksAskedForAndKeepsTheHandler)
{
    auto boucle = std::make_shared<TBouclePrincipale>();
    TChronos chronos(boucle);
    chronos.setInterval(0);
    int tics = 0;
    chronos.setOnTimer([&tics](void *) { ++tics; });
    const TMesurePeriode mesure(chronos, 5);

    testing::internal::CaptureStdout();
    chronos.setEnable(true);
    EXPECT_TRUE(boucle->TraiteJusqua([&tics] { return tics >= 40; }, std::chrono::seconds(5)));
    chronos.setEnable(false);
    boucle->Arreter();
    const QString sortie = QString::fromStdString(testing::internal::GetCapturedStdout());

    const QStringList lignes = sortie.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 6) << sortie.toStdString();
    for (int i = 0; i < 5; ++i) {
        const QStringList champs = lignes[i].split(u' ');
        ASSERT_EQ(champs.size(), 3);
        EXPECT_EQ(champs[0], QStringLiteral("tic"));
        EXPECT_LE(champs[1].toLongLong(), champs[2].toLongLong());
    }
    EXPECT_TRUE(lignes[5].startsWith(QStringLiteral("vmhwm ")));
}

} // namespace
} // namespace tavelor
