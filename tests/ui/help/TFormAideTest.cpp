#include "TFormAide.h"

#include "ApplicationTest.h"
#include "TBoutonFermer.h"
#include "TFenetres.h"
#include "TForm1.h"
#include "TRichEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace tavelor {
namespace {

class TFormAideTest : public ::testing::Test {
protected:
    void SetUp() override { test::Application(); }
};

TEST_F(TFormAideTest, WindowAndAccessibility)
{
    TFormAide aide;
    EXPECT_EQ(aide.windowTitle(), QString());
    EXPECT_EQ(aide.size(), QSize(716, 378));
    EXPECT_TRUE(aide.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(aide.RichEdit1->geometry(), QRect(16, 0, 697, 329));
    EXPECT_EQ(aide.BitBtnFermer->geometry(), QRect(327, 343, 75, 30));
    EXPECT_FALSE(aide.RichEdit1->isReadOnly());

    QAccessibleInterface *bouton = QAccessible::queryAccessibleInterface(aide.BitBtnFermer);
    EXPECT_EQ(bouton->text(QAccessible::Name), "Fermer");
    EXPECT_EQ(bouton->role(), QAccessible::Button);
    // The help is read as the text view it is, whole.
    QAccessibleInterface *texte = QAccessible::queryAccessibleInterface(aide.RichEdit1);
    EXPECT_EQ(texte->role(), QAccessible::EditableText);
    ASSERT_NE(texte->textInterface(), nullptr);
    const QString lu = texte->textInterface()->text(0, texte->textInterface()->characterCount());
    EXPECT_TRUE(lu.startsWith("Cette animation simule le couplage")) << lu.left(60).toStdString();
    EXPECT_TRUE(lu.contains(QString::fromUtf8("Mode opératoire")));
}

// The document as the view shows it: one block per paragraph, justified, in the serif
// face standing for Times New Roman, with the bold paragraphs and the 5 pt spacer.
TEST_F(TFormAideTest, DocumentAsShown)
{
    TFormAide aide;
    QTextDocument *document = aide.RichEdit1->document();
    ASSERT_EQ(document->blockCount(), 34);
    EXPECT_FALSE(document->toPlainText().contains("RichEdit1"));
    EXPECT_FALSE(document->toPlainText().contains(QChar(0xFFFD)));

    const auto gras = [&](int numero) {
        const QTextBlock bloc = document->findBlockByNumber(numero);
        for (auto it = bloc.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().fontWeight() != QFont::Bold)
                return false;
        return !bloc.text().isEmpty();
    };
    for (int i = 0; i < document->blockCount(); ++i) {
        const QTextBlock bloc = document->findBlockByNumber(i);
        EXPECT_EQ(bloc.blockFormat().alignment(), Qt::AlignJustify) << i;
        EXPECT_EQ(gras(i), i == 0 || i == 13) << i;
        for (auto it = bloc.begin(); !it.atEnd(); ++it) {
            EXPECT_EQ(it.fragment().charFormat().fontFamilies().toStringList(), QStringList{"Liberation Serif"}) << i;
            EXPECT_EQ(it.fragment().charFormat().fontPointSize(), 12.0) << i;
        }
    }
    EXPECT_EQ(document->findBlockByNumber(13).text(), QString::fromUtf8("Mode opératoire"));
    // The spacer after the heading is a thin line, an ordinary empty paragraph a full one.
    aide.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&aide));
    const auto hauteur = [&](int numero) {
        return document->documentLayout()->blockBoundingRect(document->findBlockByNumber(numero)).height();
    };
    EXPECT_LT(hauteur(14), 0.6 * hauteur(12));
    EXPECT_NEAR(hauteur(12), hauteur(1), 0.5);
}

// Hidden by "Fermer" and shown again, the help is as it was left, scroll and typing
// included; and it is centred on the screen at its first showing only.
TEST_F(TFormAideTest, KeepsItsStateWhenShownAgain)
{
    TFormAide aide;
    aide.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&aide));
    const QRect ecran = aide.screen()->availableGeometry();
    EXPECT_LE((aide.frameGeometry().center() - ecran.center()).manhattanLength(), 2);

    QScrollBar *defilement = aide.RichEdit1->verticalScrollBar();
    ASSERT_GT(defilement->maximum(), 0) << "the help is longer than its view";
    defilement->setValue(defilement->maximum() / 2);
    const int position = defilement->value();
    aide.RichEdit1->moveCursor(QTextCursor::End);
    aide.RichEdit1->insertPlainText("note");
    defilement->setValue(position);
    aide.move(aide.pos() + QPoint(40, 30));
    const QPoint deplacee = aide.pos();

    QTest::mouseClick(aide.BitBtnFermer, Qt::LeftButton);
    EXPECT_FALSE(aide.isVisible());
    aide.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&aide));
    EXPECT_EQ(defilement->value(), position);
    EXPECT_TRUE(aide.RichEdit1->toPlainText().endsWith("note"));
    EXPECT_EQ(aide.pos(), deplacee);
}

// Clicking "Aide" twice shows the one help window, in front of the bench.
TEST_F(TFormAideTest, HelpButtonShowsTheOneWindow)
{
    QApplication::setQuitOnLastWindowClosed(false);
    TFenetres fenetres;
    fenetres.Montre();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetres.Form1.get()));
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(fenetres.Form1->BitBtnAide, Qt::LeftButton);
    int fenetresAide = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        fenetresAide += (qobject_cast<TFormAide *>(w) && w->isVisible()) ? 1 : 0;
    EXPECT_EQ(fenetresAide, 1);
    EXPECT_TRUE(fenetres.FormAide()->isVisible());
    EXPECT_TRUE(fenetres.FormAide()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(fenetres.Form1->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace
} // namespace tavelor
