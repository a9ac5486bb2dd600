#include "TImageRessource.h"

#include "ApplicationTest.h"
#include "TForm1.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tavelor {
namespace {

// The whole executable runs on a screen of device pixel ratio 2, set before the
// application exists.
const bool EcranDouble = qputenv("QT_SCALE_FACTOR", "2");

// A picture drawn without its @2x version, or at another size, would show blurred or
// out of place on a dense screen.
TEST(TImageRessource, EveryPictureHasADoubleOfTwiceItsSize)
{
    ASSERT_TRUE(EcranDouble);
    test::Application();
    const QStringList images =
        QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.jpg"), QStringLiteral("*.png")}, QDir::Files);
    int simples = 0;
    for (const QString &nom : images) {
        if (nom.contains(QStringLiteral("@2x")))
            continue;
        ++simples;
        const QPixmap simple = TImageRessource::Charge(nom, 1.0);
        const QPixmap fine = TImageRessource::Charge(nom, 2.0);
        ASSERT_FALSE(simple.isNull()) << nom.toStdString();
        EXPECT_TRUE(images.contains(TImageRessource::NomDouble(nom))) << nom.toStdString();
        EXPECT_EQ(fine.size(), simple.size() * 2) << nom.toStdString();
        EXPECT_EQ(fine.devicePixelRatio(), 2.0) << nom.toStdString();
        EXPECT_EQ(fine.deviceIndependentSize(), simple.deviceIndependentSize()) << nom.toStdString();
    }
    // The bench, "Réglage couple", the warning lamp and six button faces.
    EXPECT_EQ(simples, 9);
}

TEST(TImageRessource, TheBenchOnADenseScreenShowsTheFinePictures)
{
    test::Application();
    TForm1 banc;
    ASSERT_EQ(banc.devicePixelRatioF(), 2.0);
    for (const QLabel *image : {banc.Image1, banc.ImageRegCouple, banc.ImageWarning}) {
        const QPixmap pixmap = image->pixmap();
        EXPECT_EQ(pixmap.devicePixelRatio(), 2.0) << image->objectName().toStdString();
        EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(image->size())) << image->objectName().toStdString();
    }
    for (const QPushButton *bouton : {banc.BitBtnRecable, banc.BitBtnFermeInter, banc.BitBtnFermer}) {
        const QPixmap face = bouton->icon().pixmap(bouton->iconSize(), 2.0);
        EXPECT_EQ(face.size(), bouton->iconSize() * 2) << bouton->objectName().toStdString();
    }
}

} // namespace
} // namespace tavelor
