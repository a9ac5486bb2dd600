#include "TFenetreReleves.h"

#include "BancTest.h"
#include "FixedLocal.h"
#include "ProcedureBanc.h"
#include "ReponseurMessages.h"
#include "TFormCourbes.h"
#include "TFormVecteurs.h"
#include "TModeleReleves.h"
#include "Tafficheur.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace tavelor {
namespace {

using C = TColonneReleve;

// Answers each Yes/No question with the next of `Reponses` (No once they run out) and
// keeps its text; any other box is acknowledged.
class TRepondeurQuestions {
public:
    TRepondeurQuestions()
    {
        Minuterie.setInterval(5);
        QObject::connect(&Minuterie, &QTimer::timeout, [this] {
            auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!boite || !boite->isVisible())
                return;
            Textes << boite->text();
            if (QAbstractButton *ok = boite->button(QMessageBox::Ok))
                return ok->click();
            const bool oui = !Reponses.isEmpty() && Reponses.takeFirst();
            boite->button(oui ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        Minuterie.start();
    }
    QTimer Minuterie;
    QList<bool> Reponses;
    QStringList Textes;
};

class TFenetreRelevesTest : public test::TBancTest {
protected:
    // The bench's set-up, with the curves window linked in rather than loaded.
    void SetUp() override
    {
        test::Application();
        QApplication::setQuitOnLastWindowClosed(false);
        Fenetres = std::make_unique<TFenetres>(CreeFormCourbes);
        Fenetres->Montre();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Fenetres->Form1.get()));
        Fenetres->Form1->Chronos1->setEnable(false);
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    }
    void TearDown() override
    {
        test::TBancTest::TearDown();
        QLocale::setDefault(QLocale::c());
    }

    TFenetreReleves &Table() { return *Fenetres->FenetreReleves(); }
    TForm1 &Banc() { return *Fenetres->Form1; }

    void Couple()
    {
        test::CoupleLeBanc(Modele(), Banc().Cablage);
        Tics(1);
        ASSERT_TRUE(Modele().Couplage);
    }

    // A key pressed in `fenetre`, made the active window first.
    void Touche(QWidget *fenetre, Qt::Key touche = Qt::Key_F9)
    {
        fenetre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre));
        QTest::keyClick(fenetre->windowHandle(), touche);
    }

    // Row `ligne` as the table shows it, in the order shown.
    QStringList Cellules(int ligne)
    {
        QStringList cellules;
        const QAbstractItemModel *m = Table().Tableau->model();
        for (int c = 0; c < m->columnCount(); ++c)
            cellules << m->index(ligne, c).data().toString();
        return cellules;
    }

    static double Nombre(const QString &texte) { return QLocale().toDouble(texte); }

    // `quitte` run while the program's event loop runs: true when it ended the loop.
    bool Quitte(const std::function<void()> &quitte)
    {
        QTimer garde;
        garde.setSingleShot(true);
        QObject::connect(&garde, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        QTimer::singleShot(0, &Banc(), [&] {
            quitte();
            garde.start(100);
        });
        const bool fin = QApplication::exec() == 0;
        Banc().show();
        return fin;
    }
};

// Made when first asked for, from the bench picture's context menu or by F4.
TEST_F(TFenetreRelevesTest, OuverteParLeMenuDuBancEtF4)
{
    EXPECT_EQ(Fenetres->FormReleves, nullptr);
    QAction *article = nullptr;
    for (QAction *action : Banc().PopupMenuBanc->actions())
        if (action->text() == QStringLiteral("Relevés…"))
            article = action;
    ASSERT_NE(article, nullptr);
    article->trigger();
    ASSERT_NE(Fenetres->FormReleves, nullptr);
    EXPECT_TRUE(Table().isVisible());
    EXPECT_EQ(Table().windowTitle(), QStringLiteral("Relevés"));
    Table().close();
    EXPECT_FALSE(Table().isVisible());
    Touche(&Banc());
    Table().close();
    Touche(&Banc(), Qt::Key_F4);
    EXPECT_TRUE(Table().isVisible());
    EXPECT_EQ(Table().Modele->rowCount(), 1) << "closing the table kept its row";
}

// Recorded by F9 from the bench and the diagram, by the button in the table: each row
// reads as the meters and instruments do, at the two telling states of the instruments.
TEST_F(TFenetreRelevesTest, LignesEgalesAuxAfficheursEtAuxInstruments)
{
    Cable(test::TCablageTest::EnOrdre);
    Regle(1470, 0.47);
    Tics(1);
    Touche(&Banc());
    ASSERT_EQ(Table().Modele->rowCount(), 1);
    EXPECT_TRUE(Table().isVisible()) << "a first row shows the table";
    QStringList ligne = Cellules(0);
    EXPECT_EQ(ligne[int(C::N)], Banc().afficheurN->Texte());
    EXPECT_EQ(ligne[int(C::Ie)], QStringLiteral("0,47"));
    EXPECT_EQ(ligne[int(C::Ev)], Banc().afficheurV->Texte()) << "uncoupled, the voltmeter reads Ev";
    EXPECT_EQ(ligne[int(C::V)], Banc().afficheurV->Texte());
    for (C vide : {C::I, C::Pu, C::Q, C::CosPhi, C::Delta, C::Cm, C::Pa})
        EXPECT_EQ(ligne[int(vide)], QString()) << int(vide);
    EXPECT_EQ(ligne[int(C::Etat)], QStringLiteral("non couplée"));
    EXPECT_EQ(ligne[int(C::Fonctionnement)], QString());

    Couple();
    const struct {
        int couple; // the torque bar's position, tenths of N·m
        double ie, q, cosPhi, delta;
        const char *fonctionnement;
    } etats[] = {{-100, 0.47, -690, 0.916, -47.6, "moteur, sous-excitée"},
                 {0, 1.0, 913, 0.0, 0.0, "compensateur synchrone, surexcitée"}};
    for (const auto &e : etats) {
        Modele().PositionneTrackBar(TTrackBarBanc::TrackBarIe, 160 - static_cast<int>(std::lround(e.ie * 100)));
        Modele().PositionneTrackBar(TTrackBarBanc::TrackBarN, e.couple);
        Tics(1);
        Touche(Fenetres->FormVecteurs());
        Table().BoutonRelever->click();
        const int n = Table().Modele->rowCount();
        ASSERT_EQ(Cellules(n - 1), Cellules(n - 2));
        ligne = Cellules(n - 1);
        SCOPED_TRACE(ligne.join(QLatin1Char('|')).toStdString());
        const std::pair<C, Tafficheur *> compteurs[] = {{C::N, Banc().afficheurN},   {C::Ie, Banc().afficheurIe},
                                                        {C::V, Banc().afficheurV},   {C::I, Banc().afficheurI},
                                                        {C::Pu, Banc().afficheurPu}, {C::Cm, Banc().afficheurCm},
                                                        {C::Pa, Banc().afficheurPa}};
        for (const auto &[colonne, afficheur] : compteurs)
            EXPECT_EQ(ligne[int(colonne)], afficheur->Texte()) << afficheur->objectName().toStdString();
        // The instruments' texts: powers to 1 var, cos φ to 0.001, angles and volts to 0.1.
        EXPECT_NEAR(Nombre(ligne[int(C::Q)]), e.q, 1.0);
        EXPECT_NEAR(Nombre(ligne[int(C::CosPhi)]), e.cosPhi, 0.001);
        EXPECT_NEAR(Nombre(ligne[int(C::Delta)]), e.delta, 0.1);
        EXPECT_EQ(ligne[int(C::Ev)], FixedLocal(Modele().Ev, 15, 1));
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\u2212?\\d+$")).match(ligne[int(C::Q)]).hasMatch());
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d,\\d{3}$")).match(ligne[int(C::CosPhi)]).hasMatch());
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\u2212?\\d+,\\d$")).match(ligne[int(C::Delta)]).hasMatch());
        EXPECT_EQ(ligne[int(C::Etat)], QStringLiteral("couplée"));
        // The machine's operation, as the instruments' title names it.
        EXPECT_EQ(ligne[int(C::Fonctionnement)], QString::fromUtf8(e.fonctionnement));
    }
}

// Read back, the file holds a header and the table's texts: ";" and decimal commas in a
// French locale, "," and decimal points in the C locale; UTF-8 with its mark.
TEST_F(TFenetreRelevesTest, CsvSelonLaLocale)
{
    Couple();
    QTemporaryDir dossier;
    const struct {
        QLocale locale;
        QChar separateur, decimale;
    } cas[] = {{QLocale(QLocale::French, QLocale::France), u';', u','}, {QLocale::c(), u',', u'.'}};
    for (const auto &c : cas) {
        QLocale::setDefault(c.locale);
        Table().Modele->Efface();
        Table().ReleveLePoint();
        Modele().PositionneTrackBar(TTrackBarBanc::TrackBarN, 55);
        Tics(1);
        Table().ReleveLePoint();
        const QString chemin = dossier.filePath(c.locale.name() + QStringLiteral(".csv"));
        ASSERT_TRUE(Table().Exporte(chemin));
        QFile fichier(chemin);
        ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
        QByteArray octets = fichier.readAll();
        ASSERT_TRUE(octets.startsWith("\xEF\xBB\xBF"));
        const QStringList lignes = QString::fromUtf8(octets.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        ASSERT_EQ(lignes.size(), 3);
        QStringList entete;
        for (int k = 0; k < int(NombreColonnesReleve); ++k)
            entete << TModeleReleves::Entete(k);
        EXPECT_EQ(lignes[0].split(c.separateur), entete);
        EXPECT_EQ(entete[int(C::Delta)], QStringLiteral("δ (°)"));
        for (int r = 0; r < 2; ++r) {
            // As shown, but for the minus sign a spreadsheet reads. The machine's operation, "alternateur, …", is
            // quoted where "," separates.
            QStringList attendus = Cellules(r).replaceInStrings(QChar(0x2212), QStringLiteral("-"));
            for (QString &champ : attendus)
                if (champ.contains(c.separateur))
                    champ = QLatin1Char('"') + champ + QLatin1Char('"');
            EXPECT_EQ(lignes[r + 1], attendus.join(c.separateur));
            const QStringList champs = Cellules(r);
            EXPECT_TRUE(champs[int(C::Ie)].contains(c.decimale)) << champs[int(C::Ie)].toStdString();
            EXPECT_TRUE(champs[int(C::CosPhi)].contains(c.decimale));
        }
    }
}

// A file that cannot be written is told of, leaves an earlier one whole and the rows
// unsaved: a folder that is a file, and a write cut short (a file size limit stands for
// a full disk, and holds for root too).
TEST_F(TFenetreRelevesTest, EcritureAtomiqueQuandLaCibleNePeutEtreEcrite)
{
    Couple();
    Table().ReleveLePoint();
    QTemporaryDir dossier;
    QFile bloc(dossier.filePath(QStringLiteral("fichier")));
    ASSERT_TRUE(bloc.open(QIODevice::WriteOnly));
    bloc.close();
    const QString ancien = dossier.filePath(QStringLiteral("ancien.csv"));
    QFile precedent(ancien);
    ASSERT_TRUE(precedent.open(QIODevice::WriteOnly));
    precedent.write("ancien\n");
    precedent.close();

    const auto limite = [](rlim_t octets) {
        rlimit l{};
        getrlimit(RLIMIT_FSIZE, &l);
        l.rlim_cur = octets;
        return setrlimit(RLIMIT_FSIZE, &l) == 0;
    };
    const auto ancienGestionnaire = std::signal(SIGXFSZ, SIG_IGN);
    rlimit avant{};
    getrlimit(RLIMIT_FSIZE, &avant);
    const struct {
        QString chemin;
        rlim_t limite;
    } cas[] = {{dossier.filePath(QStringLiteral("fichier/releves.csv")), avant.rlim_cur}, {ancien, 40}};
    for (const auto &c : cas) {
        SCOPED_TRACE(c.chemin.toStdString());
        test::TReponseurMessages reponseur;
        ASSERT_TRUE(limite(c.limite));
        const bool ecrit = Table().Exporte(c.chemin);
        limite(avant.rlim_cur);
        EXPECT_FALSE(ecrit);
        ASSERT_EQ(reponseur.Textes.size(), 1);
        EXPECT_TRUE(reponseur.Textes[0].startsWith(QStringLiteral("Les relevés n'ont pas pu être écrits")));
        EXPECT_TRUE(Modele().Couplage);
        EXPECT_TRUE(Fenetres->Releves.NonSauvees());
        ASSERT_TRUE(precedent.open(QIODevice::ReadOnly));
        EXPECT_EQ(precedent.readAll(), "ancien\n");
        precedent.close();
        EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";
    }
    std::signal(SIGXFSZ, ancienGestionnaire);
}

// "Quitter" asks only while some row has been neither exported, copied nor reported
// since it was recorded; a signal never asks.
TEST_F(TFenetreRelevesTest, QuitterDemandeSeulementAvecDesLignesNonSauvees)
{
    Couple();
    QTemporaryDir dossier;
    const QString question = QStringLiteral("Les relevés n'ont pas été exportés. Quitter quand même\u00A0?");
    const struct {
        std::function<void(TFenetreReleves &)> avant;
        QList<bool> reponses;
        bool demande, ferme;
    } cas[] = {
        {[](TFenetreReleves &) {}, {}, false, true},
        {[](TFenetreReleves &t) { t.ReleveLePoint(); }, {false}, true, false},
        {[](TFenetreReleves &) {}, {true}, true, true},
        {[&](TFenetreReleves &t) { t.Exporte(dossier.filePath(QStringLiteral("r.csv"))); }, {}, false, true},
        {[](TFenetreReleves &t) { t.ReleveLePoint(); }, {false}, true, false},
        {[](TFenetreReleves &t) {
             t.Tableau->selectRow(0);
             t.CopierClick();
         },
         {false},
         true,
         false},
        {[](TFenetreReleves &t) {
             t.Tableau->clearSelection();
             t.CopierClick();
         },
         {},
         false,
         true},
        {[&](TFenetreReleves &t) {
             t.ReleveLePoint();
             t.EcritCompteRendu(dossier.filePath(QStringLiteral("r.pdf")));
         },
         {},
         false,
         true},
    };
    int k = 0;
    for (const auto &c : cas) {
        SCOPED_TRACE(k++);
        c.avant(Table());
        TRepondeurQuestions repondeur;
        repondeur.Reponses = c.reponses;
        EXPECT_EQ(Quitte([this] { Banc().BitBtnFermer->click(); }), c.ferme);
        EXPECT_EQ(repondeur.Textes, c.demande ? QStringList{question} : QStringList{});
        Banc().show();
    }
    Table().ReleveLePoint();
    TRepondeurQuestions repondeur;
    EXPECT_TRUE(Quitte([this] { Banc().QuitteSansDemander(); }));
    EXPECT_TRUE(repondeur.Textes.isEmpty());
}

// Reached by Tab, read cell by cell with its column, worked from the keyboard: numeric
// sorting, Suppr, the selection copied in the order shown, "Tout effacer" confirmed.
TEST_F(TFenetreRelevesTest, ClavierTriEtLecteurDEcran)
{
    Couple();
    for (int ie : {60, 47, 100}) {
        Modele().PositionneTrackBar(TTrackBarBanc::TrackBarIe, 160 - ie);
        Tics(1);
        Table().ReleveLePoint();
    }
    Fenetres->MontreReleves();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Table()));
    QTableView *tableau = Table().Tableau;
    for (QPushButton *bouton : Table().findChildren<QPushButton *>())
        EXPECT_FALSE(bouton->accessibleName().isEmpty()) << bouton->text().toStdString();
    for (int i = 0; i < 8 && QApplication::focusWidget() != tableau; ++i)
        QTest::keyClick(QApplication::focusWindow(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), tableau);
    QAccessibleInterface *acces = QAccessible::queryAccessibleInterface(tableau);
    ASSERT_NE(acces->tableInterface(), nullptr);
    EXPECT_EQ(acces->tableInterface()->cellAt(1, int(C::Ie))->text(QAccessible::Name),
              QStringLiteral("Ie (A)\u00A0: 0,47"));

    tableau->sortByColumn(int(C::Ie), Qt::AscendingOrder);
    EXPECT_EQ(Cellules(0)[int(C::Ie)], QStringLiteral("0,47"));
    EXPECT_EQ(Cellules(2)[int(C::Ie)], QStringLiteral("1,00"));
    tableau->setCurrentIndex(tableau->model()->index(1, 0));
    QTest::keyClick(tableau, Qt::Key_Delete);
    ASSERT_EQ(tableau->model()->rowCount(), 2);
    EXPECT_EQ(Cellules(1)[int(C::Ie)], QStringLiteral("1,00"));

    tableau->selectAll();
    QTest::keyClick(tableau, Qt::Key_C, Qt::ControlModifier);
    const QStringList copie = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copie.size(), 3);
    EXPECT_EQ(copie[2].split(u'\t'), Cellules(1).replaceInStrings(QChar(0x2212), QStringLiteral("-")));

    for (const bool oui : {false, true}) {
        TRepondeurQuestions repondeur;
        repondeur.Reponses = {oui};
        Table().BoutonToutEffacer->click();
        EXPECT_EQ(repondeur.Textes, QStringList{QStringLiteral("Effacer tous les relevés\u00A0?")});
        EXPECT_EQ(tableau->model()->rowCount(), oui ? 0 : 2);
    }
}

// A report of a dozen points: an A4 PDF of one or two pages, whose rows count as saved.
TEST_F(TFenetreRelevesTest, CompteRenduSurUneOuDeuxPages)
{
    Couple();
    for (int ie = 40; ie < 100; ie += 5) {
        Modele().PositionneTrackBar(TTrackBarBanc::TrackBarIe, 160 - ie);
        Tics(1);
        Table().ReleveLePoint();
    }
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("compte-rendu.pdf"));
    ASSERT_TRUE(Table().EcritCompteRendu(chemin));
    EXPECT_FALSE(Fenetres->Releves.NonSauvees());
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    const QByteArray pdf = fichier.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    const qsizetype pages = pdf.count("/Type /Page\n") + pdf.count("/Type /Page ");
    EXPECT_GE(pages, 1);
    EXPECT_LE(pages, 2);
    EXPECT_FALSE(Fenetres->FormCourbes->isVisible()) << "the curves are drawn, not shown";
}

} // namespace
} // namespace tavelor
