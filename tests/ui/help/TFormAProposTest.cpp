#include "TFormAPropos.h"

#include "ApplicationTest.h"
#include "TBoutonFermer.h"
#include "TFenetres.h"
#include "TForm1.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace tavelor {
namespace {

class TFormAProposTest : public ::testing::Test {
protected:
    void SetUp() override { test::Application(); }
};

// Every line is whole in its box, centred, and the button is named for screen readers.
TEST_F(TFormAProposTest, TextsFitTheirBoxes)
{
    TFormAPropos aPropos;
    EXPECT_EQ(aPropos.windowTitle(), "A propos");
    EXPECT_EQ(aPropos.size(), QSize(279, 141));
    EXPECT_FALSE(aPropos.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(aPropos.Label1->text(), "10 janvier 2011");
    for (QLabel *texte : {aPropos.Label1, aPropos.StaticText1, aPropos.StaticText4, aPropos.StaticText6}) {
        EXPECT_FALSE(texte->text().isEmpty());
        EXPECT_LE(texte->fontMetrics().horizontalAdvance(texte->text()), texte->width())
            << texte->objectName().toStdString();
        EXPECT_LE(texte->fontMetrics().height(), texte->height()) << texte->objectName().toStdString();
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(aPropos.BitBtn1)->text(QAccessible::Name), "Fermer");
}

// Centred over the bench the first time; where the user then puts it is kept.
TEST_F(TFormAProposTest, CentredOverTheMainWindowAtFirstShowing)
{
    QApplication::setQuitOnLastWindowClosed(false);
    TFenetres fenetres;
    fenetres.Montre();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetres.Form1.get()));
    TFormAPropos &aPropos = *fenetres.FormAPropos();

    QTest::mouseClick(fenetres.Form1->BitBtnAPropos, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&aPropos));
    const QPoint ecart = aPropos.frameGeometry().center() - fenetres.Form1->frameGeometry().center();
    EXPECT_LE(ecart.manhattanLength(), 2) << ecart.x() << ", " << ecart.y();

    aPropos.move(aPropos.pos() + QPoint(-50, 70));
    const QPoint deplacee = aPropos.pos();
    QTest::mouseClick(aPropos.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(aPropos.isVisible());
    QTest::mouseClick(fenetres.Form1->BitBtnAPropos, Qt::LeftButton);
    EXPECT_TRUE(aPropos.isVisible());
    EXPECT_EQ(aPropos.pos(), deplacee);
}

} // namespace
} // namespace tavelor
