#include "TImageJpeg.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <random>

namespace tavelor {
namespace {

QByteArray Ressource(const QString &nom)
{
    QFile fichier(nom);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

void AttendCouleurProche(const QImage &image, int x, int y, QColor attendue)
{
    const QColor lue = image.pixelColor(x, y);
    // JPEG at quality 92 moves a flat area by a unit or two.
    EXPECT_NEAR(lue.red(), attendue.red(), 4) << "at " << x << ", " << y;
    EXPECT_NEAR(lue.green(), attendue.green(), 4) << "at " << x << ", " << y;
    EXPECT_NEAR(lue.blue(), attendue.blue(), 4) << "at " << x << ", " << y;
}

TEST(TImageJpeg, DecodesTheCompiledInPicturesOfTheBench)
{
    const QImage banc = TImageJpeg::Charge(QStringLiteral(":/banc.jpg"));
    ASSERT_FALSE(banc.isNull());
    EXPECT_EQ(banc.size(), QSize(750, 350));
    // Background: the top right corner, beside the grid voltmeter's meter, and the bottom middle.
    AttendCouleurProche(banc, 745, 5, QColor(255, 255, 191));
    AttendCouleurProche(banc, 600, 330, QColor(255, 255, 191));

    // The name may be given without the resource prefix.
    const QImage regCouple = TImageJpeg::Charge(QStringLiteral("regcouple.jpg"));
    ASSERT_FALSE(regCouple.isNull());
    EXPECT_EQ(regCouple.size(), QSize(72, 48));
    AttendCouleurProche(regCouple, 1, 1, QColor(255, 255, 191));

    EXPECT_TRUE(TImageJpeg::Charge(QStringLiteral(":/absente.jpg")).isNull());
}

// The switch symbols draw their leads on the rows 72, 107 and 142 between x = 480 and 530, and
// the terminal squares stand at x = 547 (switch side) and 582 to 598 (grid side): the picture's
// stator wires must meet them there, or the drawn circuit would be broken.
TEST(TImageJpeg, BenchWiresMeetTheSwitchLeadsAndTheTerminals)
{
    const QImage banc = TImageJpeg::Charge(QStringLiteral(":/banc.jpg"));
    ASSERT_FALSE(banc.isNull());
    const auto sombre = [&](int x, int y) { return qGray(banc.pixel(x, y)) < 80; };
    for (const int y : {72, 107, 142}) {
        EXPECT_TRUE(sombre(478, y)) << "wire before pole row " << y;
        EXPECT_TRUE(sombre(532, y)) << "wire after pole row " << y;
        EXPECT_TRUE(sombre(545, y)) << "wire into terminal S row " << y;
        EXPECT_TRUE(sombre(601, y)) << "wire out of terminal R row " << y;
        // Inside the switch symbol and between the terminal columns, the picture stays empty.
        EXPECT_FALSE(sombre(505, y)) << "pole row " << y;
        EXPECT_FALSE(sombre(572, y)) << "terminal row " << y;
        EXPECT_FALSE(sombre(478, y - 4)) << "wire thicker than 2 px at row " << y;
    }
}

// The generator's output is committed: whatever it draws, each picture keeps the size of the
// widget that shows it, and the faces their black ground.
TEST(TImageJpeg, GeneratedPicturesKeepTheSizesOfTheirWidgets)
{
    struct TAttendu {
        const char *nom;
        QSize taille;
    };
    const TAttendu attendus[] = {
        {":/warning.png", {31, 32}}, {":/recabler.png", {74, 24}}, {":/fermer_inter.png", {154, 24}},
        {":/aide.png", {69, 24}},    {":/apropos.png", {69, 24}},  {":/quitter.png", {69, 24}},
        {":/fermer.png", {69, 24}},
    };
    for (const TAttendu &attendu : attendus) {
        const QImage image(QString::fromLatin1(attendu.nom));
        ASSERT_FALSE(image.isNull()) << attendu.nom;
        EXPECT_EQ(image.size(), attendu.taille) << attendu.nom;
        if (attendu.taille.height() == 24)
            AttendCouleurProche(image, 0, 0, Qt::black);
    }
    // The warning lamp shows the picture behind it around the triangle.
    const QImage warning(QStringLiteral(":/warning.png"));
    EXPECT_EQ(qAlpha(warning.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(warning.pixel(30, 0)), 0);
    EXPECT_EQ(qAlpha(warning.pixel(15, 20)), 255);
}

TEST(TImageJpeg, TruncatedOrEmptyDataGiveANullImage)
{
    const QByteArray banc = Ressource(QStringLiteral(":/banc.jpg"));
    ASSERT_GT(banc.size(), 1000);

    EXPECT_TRUE(TImageJpeg::Decode({}).isNull());
    // Cut inside the header, in the middle of the scan, and just before the end marker.
    for (const qsizetype longueur : {qsizetype(2), qsizetype(100), banc.size() / 2, banc.size() - 2})
        EXPECT_TRUE(TImageJpeg::Decode(banc.left(longueur)).isNull()) << longueur << " bytes";
}

TEST(TImageJpeg, RandomOrCorruptDataNeverStopTheProgram)
{
    std::mt19937 generateur(20110110);
    std::uniform_int_distribution<int> octet(0, 255);
    const auto aleatoire = [&](int longueur, QByteArray debut) {
        while (debut.size() < longueur)
            debut.append(static_cast<char>(octet(generateur)));
        return debut;
    };
    for (const int longueur : {1, 7, 64, 1000, 20000}) {
        EXPECT_TRUE(TImageJpeg::Decode(aleatoire(longueur, {})).isNull()) << longueur;
        // Behind a start-of-image marker the noise reaches the marker parser.
        EXPECT_TRUE(TImageJpeg::Decode(aleatoire(longueur, QByteArray("\xFF\xD8\xFF", 3))).isNull()) << longueur;
    }

    // Noise written over the compressed scan: libjpeg may or may not notice, but a picture
    // that comes back is whole.
    const QByteArray banc = Ressource(QStringLiteral(":/banc.jpg"));
    for (int essai = 0; essai < 20; ++essai) {
        QByteArray abime = banc;
        const int debut = static_cast<int>(abime.size() / 3) + essai * 97;
        for (int i = debut; i < debut + 40; ++i)
            abime[i] = static_cast<char>(octet(generateur));
        const QImage image = TImageJpeg::Decode(abime);
        if (!image.isNull()) {
            EXPECT_EQ(image.size(), QSize(750, 350));
        }
    }
}

} // namespace
} // namespace tavelor
