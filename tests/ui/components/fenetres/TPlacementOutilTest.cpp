#include "TPlacementOutil.h"

#include <gtest/gtest.h>

namespace tavelor {
namespace {

// The three windows of the start on a 1280 × 720 screen, as outer frames: the bench at
// (10, 10), the phasors under it, the oscillograms to its right.
const QRect Ecran(0, 0, 1280, 720);
const QRect Banc(10, 10, 760, 380), Vecteurs(10, 390, 681, 290), Oscillo(770, 10, 460, 700);

TEST(TPlacementOutilTest, PremiereOuvertureSurLEcranSansCouvrirQuandIlYALaPlace)
{
    const struct {
        const char *cas;
        QSize taille;
        QRect ecran;
        QList<QRect> occupees;
        QRect attendu;
    } cas[] = {
        {"room beside the bench", {800, 640}, {0, 0, 1920, 1080}, {Banc}, {770, 0, 800, 640}},
        {"room under the bench", {700, 400}, {0, 0, 780, 1080}, {Banc}, {0, 390, 700, 400}},
        {"room at its smallest only: grown back as far as the room goes",
         {889, 676},
         {0, 0, 1920, 1080},
         {Banc, Vecteurs, Oscillo},
         {1230, 0, 690, 676}},
        {"no room: a caption lower than the bench", {800, 640}, Ecran, {Banc, Vecteurs, Oscillo}, {42, 42, 800, 640}},
        {"and the next one lower again",
         {800, 640},
         Ecran,
         {Banc, Vecteurs, Oscillo, {42, 42, 800, 640}},
         {74, 74, 800, 640}},
        {"cascaded, yet kept whole on the screen", {800, 700}, Ecran, {Banc, Vecteurs, Oscillo}, {42, 20, 800, 700}},
        {"larger than the screen: cut down to it", {1400, 900}, Ecran, {Banc}, Ecran},
        {"the minimum wins over a smaller size", {100, 100}, {0, 0, 1920, 1080}, {Banc}, {770, 0, 560, 360}},
    };
    for (const auto &c : cas) {
        const QRect place = TPlacementOutil::Place(c.taille, c.ecran, c.occupees, QSize(560, 360));
        EXPECT_EQ(place, c.attendu) << c.cas;
        EXPECT_TRUE(c.ecran.contains(place)) << c.cas;
    }
}

// A remembered place from a larger or another screen comes back wholly on this one.
TEST(TPlacementOutilTest, PlaceRetenueRameneeSurLEcran)
{
    const struct {
        QRect retenue, attendue;
    } cas[] = {
        {{300, 200, 600, 400}, {300, 200, 600, 400}},
        {{2000, 900, 600, 400}, {680, 320, 600, 400}},
        {{-700, -50, 600, 400}, {0, 0, 600, 400}},
        {{100, 100, 1500, 800}, {0, 0, 1280, 720}},
    };
    for (const auto &c : cas)
        EXPECT_EQ(TPlacementOutil::SurLEcran(c.retenue, Ecran), c.attendue) << c.retenue.x() << "," << c.retenue.y();
}

} // namespace
} // namespace tavelor
