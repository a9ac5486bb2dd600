#include "TFenetres.h"

#include "ApplicationTest.h"
#include "TActionsOutils.h"
#include "TChronos.h"
#include "TFenetreReleves.h"
#include "TForm1.h"
#include "TFormAide.h"
#include "TFormInstruments.h"
#include "TFormOscillogrammes.h"
#include "TFormVecteurCouplage.h"
#include "TFormVecteurs.h"
#include "TGeometrieAffichage.h"
#include "TModele.h"
#include "ProcedureBanc.h"
#include "TPaintBox.h"
#include "TTimerThread.h"
#include "TTexteForme.h"
#include "Taxes.h"
#include "Tchaine_riche.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace tavelor {
namespace {

// A curves window that reads the model when it is hidden, as the program's own may, and
// hides itself as it goes.
class TCourbesLectrices : public TFenetreCourbes {
public:
    explicit TCourbesLectrices(const TModele &modele)
        : TFenetreCourbes(QStringLiteral("Courbes"), QSize(200, 100), false), Modele(modele)
    {}
    ~TCourbesLectrices() override { hide(); }
    void Suit() override {}

    static inline QPointer<QWidget> Banc;
    static inline int Lectures = 0;
    static inline bool BancDisparu = false;

protected:
    void hideEvent(QHideEvent *evenement) override
    {
        TFenetreCourbes::hideEvent(evenement);
        // Under AddressSanitizer the read itself is the proof; elsewhere the bench's pointer.
        const volatile double ev = Modele.Ev;
        static_cast<void>(ev);
        ++Lectures;
        BancDisparu = BancDisparu || Banc.isNull();
    }

private:
    const TModele &Modele;
};

TFenetreCourbes *CreeCourbesLectrices(const TModele &modele)
{
    return new TCourbesLectrices(modele);
}

class TCourbesVides : public TFenetreCourbes {
public:
    TCourbesVides() : TFenetreCourbes(QStringLiteral("Courbes"), QSize(200, 100), false) {}
    void Suit() override {}
};

TFenetreCourbes *CreeCourbesVides(const TModele &)
{
    return new TCourbesVides;
}

// The side windows read the model the bench owns: they are destroyed before it, and
// the clock is stopped before either.
TEST(TFenetres, SideWindowsGoBeforeTheModelTheyRead)
{
    test::Application();
    auto fenetres = std::make_unique<TFenetres>(CreeCourbesLectrices);
    fenetres->MontreCourbes();
    ASSERT_TRUE(fenetres->FormCourbes->isVisible());
    TCourbesLectrices::Banc = fenetres->Form1.get();
    TCourbesLectrices::Lectures = 0;
    fenetres.reset();
    EXPECT_GT(TCourbesLectrices::Lectures, 0) << "the curves window was not hidden as it went";
    EXPECT_FALSE(TCourbesLectrices::BancDisparu);
}

// The clock's worker, which polls without sleeping, starts only once the three windows
// shown at start have painted; the clock itself reads as enabled from the first show.
TEST(TFenetres, ClockWorkerStartsOnceTheFirstWindowsHavePainted)
{
    test::Application();
    TFenetres fenetres;
    fenetres.Montre();
    EXPECT_TRUE(fenetres.Form1->Chronos1->Enable());
    EXPECT_EQ(TTimerThread::EnCours(), 0) << "the worker ran before anything was painted";
    // Well before the second after which a window that never paints stops holding it.
    EXPECT_TRUE(QTest::qWaitFor([] { return TTimerThread::EnCours() == 1; }, 900));
}

// Only the three windows shown at start are made with the program; the others come when
// first asked for, the diagram laid out as the show handler assumed.
TEST(TFenetres, HiddenWindowsAreMadeWhenFirstAskedFor)
{
    test::Application();
    TFenetres fenetres;
    const auto existe = [](const char *classe) {
        const QWidgetList fenetres = QApplication::topLevelWidgets();
        return std::any_of(fenetres.begin(), fenetres.end(),
                           [classe](const QWidget *f) { return f->inherits(classe); });
    };
    for (const char *classe : {"tavelor::TFormVecteurs", "tavelor::TFormAide", "tavelor::TFormAPropos",
                               "tavelor::TFormChoixVect", "tavelor::TFormOrigine", "tavelor::TformEchellesDiagVect"})
        EXPECT_FALSE(existe(classe)) << classe;
    fenetres.Form1->BitBtnAide->click();
    EXPECT_TRUE(fenetres.FormAide()->isVisible());
    EXPECT_EQ(fenetres.FormVecteurs()->PaintBox1->height(), TGeometrieAffichage{}.HauteurDiagramme);
    EXPECT_TRUE(existe("tavelor::TFormChoixVect"));
}

// On the screen the labels and the axes draw their texts from glyphs shaped in advance; a
// picture records them as plain text. Every such widget of every window, coupled or not,
// paints the same pixels both ways.
TEST(TFenetres, TextsShapedInAdvancePaintWhatPlainTextPaints)
{
    test::Application();
    TFenetres fenetres;
    fenetres.Montre();
    fenetres.MontreInstruments();
    const auto compare = [](const char *etape) {
        int formes = 0;
        for (QWidget *fenetre : QApplication::topLevelWidgets()) {
            QList<QWidget *> textes;
            for (Tchaine_riche *label : fenetre->findChildren<Tchaine_riche *>())
                textes << label;
            for (Taxes *axes : fenetre->findChildren<Taxes *>())
                textes << axes;
            for (QWidget *widget : textes) {
                SCOPED_TRACE(std::string(etape) + " " + widget->objectName().toStdString());
                QPicture enregistrement;
                {
                    QPainter peintre(&enregistrement);
                    widget->render(&peintre, QPoint(), QRegion(), QWidget::RenderFlags());
                }
                QImage reference(widget->size(), QImage::Format_RGB32);
                reference.fill(Qt::white);
                {
                    QPainter peintre(&reference);
                    enregistrement.play(&peintre);
                }
                const std::uint64_t avant = TTexteForme::DessinsDejaFormes();
                const QImage ecran = test::Rendu(*widget);
                EXPECT_EQ(ecran, reference);
                formes += TTexteForme::DessinsDejaFormes() > avant;
            }
        }
        return formes;
    };
    EXPECT_GT(compare("before coupling"), 20);
    test::CoupleLeBanc(fenetres.Form1->Modele, fenetres.Form1->Cablage);
    fenetres.FormVecteurs()->show();
    EXPECT_GT(compare("coupled"), 20);
}

// Each tool once in every menu that offers the tools, its key shown beside it, and each
// key answered from every window the user may be in.
TEST(TFenetres, ChaqueOutilUneFoisDansChaqueMenuEtParSaToucheDePartout)
{
    test::Application();
    TFenetres fenetres(CreeCourbesVides);
    fenetres.Montre();
    struct TOutil {
        QString Texte;
        QKeySequence Touche;
        std::function<bool()> Fait;
    };
    const std::vector<TOutil> outils{
        {"Courbes caractéristiques…", Qt::Key_F2,
         [&] { return fenetres.FormCourbes && fenetres.FormCourbes->isVisible(); }},
        {"Instruments…", Qt::Key_F3, [&] { return fenetres.FormInstruments && fenetres.FormInstruments->isVisible(); }},
        {"Relevés…", Qt::Key_F4, [&] { return fenetres.FormReleves && fenetres.FormReleves->isVisible(); }},
        {"Relever le point", Qt::Key_F9, [&] { return fenetres.Releves.Nombre() > 0; }},
        {"Oscillogrammes", QKeySequence(), [&] { return fenetres.FormOscillogrammes->isVisible(); }},
        {"Mode TP (sans courbes théoriques ni δ)", QKeySequence(), [&] { return fenetres.ModeTP(); }}};
    const auto ferme = [&] {
        for (QWidget *outil : std::initializer_list<QWidget *>{
                 fenetres.FormCourbes.get(), fenetres.FormInstruments.get(), fenetres.FormReleves.get()})
            if (outil)
                outil->hide();
        fenetres.Releves.Efface();
    };

    for (const QMenu *menu : {fenetres.Form1->PopupMenuBanc, fenetres.FormVecteurs()->Outils1}) {
        const QList<QAction *> actions = menu->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(outils.size())) << menu->objectName().toStdString();
        for (std::size_t i = 0; i < outils.size(); ++i) {
            EXPECT_EQ(actions[i]->text(), outils[i].Texte);
            EXPECT_EQ(actions[i]->shortcut(), outils[i].Touche);
            EXPECT_TRUE(actions[i]->isShortcutVisibleInContextMenu() || outils[i].Touche.isEmpty());
            EXPECT_EQ(actions[i], fenetres.Outils->Actions()[static_cast<qsizetype>(i)]) << "one action, not a copy";
        }
    }

    // The diagram last: shown, its menu bar holds the keys too.
    for (QWidget *fenetre :
         std::initializer_list<QWidget *>{fenetres.Form1.get(), fenetres.FormVecteurCouplage.get(),
                                          fenetres.FormOscillogrammes.get(), fenetres.FormVecteurs()})
        for (const TOutil &outil : outils) {
            if (outil.Touche.isEmpty())
                continue; // the oscillograms and the teacher's switch have no key
            ferme();
            fenetre->show();
            fenetre->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre));
            QTest::keyClick(fenetre->windowHandle(), static_cast<Qt::Key>(outil.Touche[0].key()));
            EXPECT_TRUE(outil.Fait()) << fenetre->metaObject()->className() << " " << outil.Texte.toStdString();
        }
}

// A tool window opens wholly on the screen, and next time where the user left it; a place
// left on a screen that is no longer there comes back whole on this one.
TEST(TFenetres, OutilsOuvertsSurLEcranPuisOuLUtilisateurLesALaisses)
{
    test::Application();
    QSettings().remove(QStringLiteral("fenetres"));
    const QRect dispo = QGuiApplication::primaryScreen()->availableGeometry();
    {
        TFenetres fenetres;
        fenetres.Montre();
        fenetres.MontreInstruments();
        EXPECT_TRUE(dispo.contains(fenetres.FormInstruments->frameGeometry()));
        fenetres.FormInstruments->resize(fenetres.FormInstruments->minimumSize());
        fenetres.FormInstruments->move(37, 41);
    }
    for (const QPoint laissee : {QPoint(37, 41), QPoint(5000, 4000)}) {
        TFenetres fenetres;
        fenetres.Montre();
        fenetres.MontreInstruments();
        TFormInstruments &instruments = *fenetres.FormInstruments;
        const QRect place = instruments.frameGeometry();
        EXPECT_TRUE(dispo.contains(place)) << laissee.x();
        if (laissee.x() < dispo.right()) {
            EXPECT_EQ(instruments.pos(), laissee);
        }
        instruments.move(laissee == QPoint(37, 41) ? QPoint(5000, 4000) : laissee);
        instruments.close();
    }
}

// Closed while uncoupled, the oscillograms come back from the bench's menu; coupled, the
// item is off, as the model keeps them hidden.
TEST(TFenetres, OscillogrammesRamenesParLeMenu)
{
    test::Application();
    TFenetres fenetres;
    fenetres.Montre();
    const auto trouvee = std::find_if(fenetres.Outils->Actions().begin(), fenetres.Outils->Actions().end(),
                                      [](const QAction *a) { return a->text() == QStringLiteral("Oscillogrammes"); });
    ASSERT_NE(trouvee, fenetres.Outils->Actions().end());
    QAction *action = *trouvee;
    fenetres.FormOscillogrammes->close();
    emit fenetres.Form1->PopupMenuBanc->aboutToShow();
    EXPECT_TRUE(action->isEnabled());
    action->trigger();
    EXPECT_TRUE(fenetres.FormOscillogrammes->isVisible());
    fenetres.Form1->Modele.Couplage = true;
    emit fenetres.Form1->PopupMenuBanc->aboutToShow();
    EXPECT_FALSE(action->isEnabled());
}

} // namespace
} // namespace tavelor
