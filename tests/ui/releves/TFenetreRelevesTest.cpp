#include "TFenetreReleves.h"

#include "BancTest.h"
#include "FixedLocal.h"
#include "ProcedureBanc.h"
#include "ReponseurMessages.h"
#include "TFormCourbes.h"
#include "TFormInstruments.h"
#include "TFormVecteurs.h"
#include "TGraphiqueCourbes.h"
#include "TLecture.h"
#include "TModeleReleves.h"
#include "TRecuperationReleves.h"
#include "Tafficheur.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace tavelor {
namespace {

using C = TColonneReleve;

// Answers each Yes/No question with the next of `Reponses` (No once they run out), a box
// of other choices with the button named by the next of `Boutons`, and keeps its text;
// any other box is acknowledged.
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
            if (!boite->button(QMessageBox::Yes)) {
                const QString nom = Boutons.isEmpty() ? QStringLiteral("Annuler") : Boutons.takeFirst();
                for (QAbstractButton *bouton : boite->buttons())
                    if (bouton->text() == nom)
                        return bouton->click();
            }
            const bool oui = !Reponses.isEmpty() && Reponses.takeFirst();
            boite->button(oui ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        Minuterie.start();
    }
    QTimer Minuterie;
    QList<bool> Reponses;
    QStringList Boutons;
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
        Fenetres->Recuperation.Supprime();
    }
    void TearDown() override
    {
        if (Fenetres)
            Fenetres->Recuperation.Supprime();
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
        for (int k = 0; k <= TModeleReleves::ColonneCommentaire; ++k)
            entete << TModeleReleves::Entete(k);
        EXPECT_EQ(lignes[0].split(c.separateur), entete);
        EXPECT_EQ(entete[int(C::Delta)], QStringLiteral("δ (°)"));
        for (int r = 0; r < 2; ++r) {
            // The readings as shown, but for the minus sign a spreadsheet reads; the machine's
            // operation, "alternateur, …", quoted where "," separates; the series and comment after.
            QStringList attendus = Cellules(r).mid(0, int(NombreColonnesReleve));
            attendus.replaceInStrings(QChar(0x2212), QStringLiteral("-"));
            for (QString &champ : attendus)
                if (champ.contains(c.separateur))
                    champ = QLatin1Char('"') + champ + QLatin1Char('"');
            EXPECT_TRUE(lignes[r + 1].startsWith(attendus.join(c.separateur) + c.separateur))
                << lignes[r + 1].toStdString();
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

// "Quitter" asks only while some row has not been exported since it was recorded: a copy
// or a report does not count; a signal never asks.
TEST_F(TFenetreRelevesTest, QuitterDemandeSeulementAvecDesLignesNonSauvees)
{
    Couple();
    QTemporaryDir dossier;
    const QString question = QStringLiteral("Les relevés n'ont pas été exportés. Ils seront proposés au prochain "
                                            "lancement. Quitter quand même\u00A0?");
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
         {false},
         true,
         false},
        {[&](TFenetreReleves &t) { t.EcritCompteRendu(dossier.filePath(QStringLiteral("r.pdf"))); },
         {false},
         true,
         false},
        {[&](TFenetreReleves &t) { t.Exporte(dossier.filePath(QStringLiteral("r.csv"))); }, {}, false, true},
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
    // Every measured column says what it holds; a section that is no column has no header.
    const TModeleReleves &m = *Table().Modele;
    for (int k = 0; k < int(NombreColonnesReleve); ++k)
        EXPECT_FALSE(m.headerData(k, Qt::Horizontal, Qt::ToolTipRole).toString().isEmpty()) << k;
    for (const int hors : {-1, TModeleReleves::ColonneCommentaire + 1})
        EXPECT_TRUE(m.headerData(hors, Qt::Horizontal, Qt::DisplayRole).toString().isEmpty()) << hors;
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

// A lab report of three series (the no-load characteristic, a V-curve, the compensator):
// an A4 PDF of two pages at most, in either locale; its rows are still to export.
TEST_F(TFenetreRelevesTest, CompteRenduDeTroisSeries)
{
    Regle(1500, 0.2);
    for (int ie = 20; ie <= 80; ie += 20) {
        Modele().PositionneTrackBar(TTrackBarBanc::TrackBarIe, 160 - ie);
        Tics(1);
        Table().ReleveLePoint();
    }
    Couple();
    for (const int couple : {100, 0})
        for (int ie = 40; ie <= 120; ie += 20) {
            Modele().PositionneTrackBar(TTrackBarBanc::TrackBarIe, 160 - ie);
            Modele().PositionneTrackBar(TTrackBarBanc::TrackBarN, couple);
            Tics(1);
            Table().ReleveLePoint();
        }
    ASSERT_EQ(Fenetres->Releves.Series().size(), 3u);
    Table().Etudiants = QStringLiteral("Camille Martin, Léo Petit");
    Table().Groupe = QStringLiteral("TP 3 — groupe B");
    QTemporaryDir dossier;
    for (const QLocale &locale : {QLocale(QLocale::French, QLocale::France), QLocale::c()}) {
        QLocale::setDefault(locale);
        const QString chemin = dossier.filePath(locale.name() + QStringLiteral(".pdf"));
        ASSERT_TRUE(Table().EcritCompteRendu(chemin));
        EXPECT_TRUE(Fenetres->Releves.NonSauvees());
        QFile fichier(chemin);
        ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
        const QByteArray pdf = fichier.readAll();
        EXPECT_TRUE(pdf.startsWith("%PDF-"));
        const qsizetype pages = pdf.count("/Type /Page\n") + pdf.count("/Type /Page ");
        EXPECT_GE(pages, 1);
        EXPECT_LE(pages, 2);
    }
    EXPECT_FALSE(Fenetres->FormCourbes->isVisible()) << "the curves are drawn, not shown";
}

// Every change of the rows is on disk before the table shows it: a point recorded, a
// comment typed, a row deleted. Exported, the file goes; recorded again, it comes back,
// and the next session takes it back whole (Oui) or finds it kept aside under its date (Non).
TEST_F(TFenetreRelevesTest, RecuperationEcriteAvantQueLaLigneSAffiche)
{
    TRecuperationReleves &recuperation = Fenetres->Recuperation;
    // Files kept aside by an earlier run of this test would be counted with this one's.
    for (const QFileInfo &ancien :
         QDir(QFileInfo(recuperation.Chemin()).path()).entryInfoList({QStringLiteral("releves-du-*.csv")}, QDir::Files))
        QFile::remove(ancien.filePath());
    const auto surDisque = [&] {
        QFile fichier(recuperation.Chemin());
        return fichier.open(QIODevice::ReadOnly) ? QString::fromUtf8(fichier.readAll()) : QString();
    };
    QStringList vusALAffichage;
    QObject::connect(Table().Tri, &QAbstractItemModel::rowsInserted, [&] { vusALAffichage << surDisque(); });
    Regle(1470, 0.47);
    Tics(1);
    Table().ReleveLePoint();
    Couple();
    Table().ReleveLePoint();
    ASSERT_EQ(vusALAffichage.size(), 2);
    EXPECT_EQ(vusALAffichage[0].count(QStringLiteral("\r\n")), 2) << vusALAffichage[0].toStdString();
    EXPECT_TRUE(vusALAffichage[0].contains(QStringLiteral(";non couplée;;Caractéristique à vide;")));
    EXPECT_EQ(vusALAffichage[1].count(QStringLiteral("\r\n")), 3);

    TModeleReleves &modele = *Table().Modele;
    QStringList vusAuChangement;
    QObject::connect(&modele, &QAbstractItemModel::dataChanged, [&] { vusAuChangement << surDisque(); });
    ASSERT_TRUE(modele.setData(modele.index(1, TModeleReleves::ColonneCommentaire), QStringLiteral("à refaire")));
    ASSERT_EQ(vusAuChangement.size(), 1);
    EXPECT_TRUE(vusAuChangement[0].contains(QStringLiteral(";à refaire\r\n")));
    Table().ReleveLePoint();
    // The sorting proxy drops a row as its source is about to: a deletion is checked at the
    // source, where it is done.
    QObject::connect(&modele, &QAbstractItemModel::rowsRemoved, [&] { vusAuChangement << surDisque(); });
    modele.Supprime({2});
    ASSERT_EQ(vusAuChangement.size(), 2);
    EXPECT_EQ(vusAuChangement[1].toStdString(), vusAuChangement[0].toStdString());

    QTemporaryDir dossier;
    ASSERT_TRUE(Table().Exporte(dossier.filePath(QStringLiteral("r.csv"))));
    EXPECT_FALSE(recuperation.Existe()) << "exported, nothing is left to lose";
    Table().ReleveLePoint();
    ASSERT_TRUE(recuperation.Existe());
    const QString session = surDisque();

    for (const bool reprend : {true, false}) {
        SCOPED_TRACE(reprend);
        TReleves autres;
        TFenetreReleves suivante(autres);
        suivante.DefinitRecuperation(&recuperation);
        TRepondeurQuestions repondeur;
        repondeur.Reponses = {reprend};
        EXPECT_EQ(suivante.ProposeReprise(), reprend);
        EXPECT_EQ(repondeur.Textes.value(0), QStringLiteral("Reprendre les relevés de la séance précédente\u00A0?"));
        if (reprend) {
            EXPECT_EQ(QString::fromStdString("\xEF\xBB\xBF" + autres.Texte(';', "\r\n")), session);
            EXPECT_TRUE(autres.NonSauvees()) << "taken back, still to export";
            EXPECT_TRUE(recuperation.Existe());
            continue;
        }
        EXPECT_TRUE(autres.Lignes().empty());
        EXPECT_FALSE(recuperation.Existe());
        const QFileInfoList deCote = QDir(QFileInfo(recuperation.Chemin()).path())
                                         .entryInfoList({QStringLiteral("releves-du-*.csv")}, QDir::Files);
        ASSERT_EQ(deCote.size(), 1);
        EXPECT_TRUE(repondeur.Textes.value(1).contains(deCote[0].fileName()));
        QFile garde(deCote[0].filePath());
        ASSERT_TRUE(garde.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(garde.readAll()), session);
        garde.remove();
    }
}

// The child process of SessionTueeRevientEntiere, run only by it: records three points,
// writes the table's text on its output and waits to be killed.
TEST_F(TFenetreRelevesTest, DISABLED_SessionEnfant)
{
    Regle(1470, 0.47);
    Tics(1);
    Table().ReleveLePoint();
    Couple();
    Table().ReleveLePoint();
    Table().Modele->setData(Table().Modele->index(1, TModeleReleves::ColonneCommentaire), QStringLiteral("tué"));
    Table().ReleveLePoint();
    std::printf("PRET\n%s", Fenetres->Releves.Texte(';', "\r\n").c_str());
    std::fflush(stdout);
    QTest::qWait(60000);
}

// A session killed by SIGKILL right after its points showed comes back whole at the next
// start, comments and series included.
TEST_F(TFenetreRelevesTest, SessionTueeRevientEntiere)
{
    QProcess enfant;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    enfant.setProcessEnvironment(environnement);
    enfant.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=*DISABLED_SessionEnfant"),
                                                           QStringLiteral("--gtest_also_run_disabled_tests")});
    // The header and three rows after "PRET", then SIGKILL.
    QByteArray sortie;
    const auto complete = [&] {
        const qsizetype debut = sortie.indexOf("PRET\n");
        return debut >= 0 && sortie.mid(debut).count("\r\n") >= 4;
    };
    for (int k = 0; k < 600 && !complete(); ++k) {
        enfant.waitForReadyRead(100);
        sortie += enfant.readAllStandardOutput();
    }
    enfant.kill();
    enfant.waitForFinished();
    ASSERT_TRUE(complete()) << sortie.toStdString();
    const QByteArray table = sortie.mid(sortie.indexOf("PRET\n") + 5);

    TReleves reprises;
    TFenetreReleves suivante(reprises);
    suivante.DefinitRecuperation(&Fenetres->Recuperation);
    TRepondeurQuestions repondeur;
    repondeur.Reponses = {true};
    ASSERT_TRUE(suivante.ProposeReprise());
    EXPECT_EQ(QByteArray::fromStdString(reprises.Texte(';', "\r\n")), table);
    EXPECT_EQ(reprises.Nombre(), 3u);
}

// A recovery folder that cannot be written (a file stands in its place, which holds for
// root too): the program says so once, keeps every row and goes on; the quit question
// then promises nothing.
TEST_F(TFenetreRelevesTest, RecuperationImpossibleDitUneFois)
{
    QTemporaryDir dossier;
    QFile bloc(dossier.filePath(QStringLiteral("bloc")));
    ASSERT_TRUE(bloc.open(QIODevice::WriteOnly));
    bloc.close();
    TRecuperationReleves impossible(dossier.filePath(QStringLiteral("bloc/tavelor")));
    QStringList messages;
    impossible.Avertit = [&](const QString &message) { messages << message; };
    Table().DefinitRecuperation(&impossible);
    for (int k = 0; k < 3; ++k)
        Table().ReleveLePoint();
    EXPECT_EQ(Table().Modele->rowCount(), 3);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Les relevés ne peuvent pas être mis en sûreté")));
    TRepondeurQuestions repondeur;
    EXPECT_FALSE(Table().ConfirmeQuitter());
    EXPECT_EQ(repondeur.Textes,
              QStringList{QStringLiteral("Les relevés n'ont pas été exportés. Quitter quand même\u00A0?")});
    Table().DefinitRecuperation(&Fenetres->Recuperation);
}

// Export, open, export again gives the same bytes in either locale, after the rows or in
// their place as the user chooses; opened rows count as saved.
TEST_F(TFenetreRelevesTest, OuvrirRelitLExportDansLesDeuxLocales)
{
    Couple();
    QTemporaryDir dossier;
    for (const QLocale &locale : {QLocale(QLocale::French, QLocale::France), QLocale::c()}) {
        SCOPED_TRACE(locale.name().toStdString());
        QLocale::setDefault(locale);
        Table().Modele->Efface();
        for (int couple : {100, 0}) {
            Modele().PositionneTrackBar(TTrackBarBanc::TrackBarN, couple);
            Tics(1);
            Table().ReleveLePoint();
        }
        Table().Modele->setData(Table().Modele->index(0, TModeleReleves::ColonneCommentaire),
                                QStringLiteral("δ proche de 50°, «\u00A0stable\u00A0»; ok"));
        const QString premier = dossier.filePath(QStringLiteral("premier.csv"));
        const QString second = dossier.filePath(QStringLiteral("second.csv"));
        ASSERT_TRUE(Table().Exporte(premier));
        const struct {
            QString bouton;
            int lignes;
        } choix[] = {{QStringLiteral("Remplacer"), 2}, {QStringLiteral("Ajouter"), 4}, {QStringLiteral("Annuler"), 4}};
        for (const auto &c : choix) {
            TRepondeurQuestions repondeur;
            repondeur.Boutons = {c.bouton};
            Table().Ouvre(premier);
            EXPECT_EQ(Table().Modele->rowCount(), c.lignes) << c.bouton.toStdString();
            EXPECT_FALSE(Fenetres->Releves.NonSauvees());
            if (c.lignes == 2) {
                ASSERT_TRUE(Table().Exporte(second));
                QFile a(premier), b(second);
                ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
                EXPECT_EQ(a.readAll(), b.readAll());
            }
        }
    }
}

// A file the program did not write is refused with its line and its reason, and the
// table is left as it was.
TEST_F(TFenetreRelevesTest, OuvrirRefuseUnFichierEtranger)
{
    Table().ReleveLePoint();
    const std::string avant = Fenetres->Releves.Texte(';', "\n");
    QTemporaryDir dossier;
    const struct {
        QByteArray contenu;
        QString message;
    } cas[] = {
        {"Nom;Groupe\nDupont;B2\n", QStringLiteral("ligne 1\u00A0: ce n'est pas un fichier de relevés")},
        {QByteArray::fromStdString(Fenetres->Releves.Texte(';', "\r\n")) + "1500;x;;;;;;;;;;couplée;;;\r\n",
         QStringLiteral("ligne 3\u00A0: colonne «\u00A0Ie (A)\u00A0»\u00A0: «\u00A0x\u00A0» n'est pas un nombre")},
    };
    for (const auto &c : cas) {
        const QString chemin = dossier.filePath(QStringLiteral("etranger.csv"));
        QFile fichier(chemin);
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
        fichier.write(c.contenu);
        fichier.close();
        TRepondeurQuestions repondeur;
        EXPECT_FALSE(Table().Ouvre(chemin));
        ASSERT_EQ(repondeur.Textes.size(), 1);
        EXPECT_TRUE(repondeur.Textes[0].contains(c.message)) << repondeur.Textes[0].toStdString();
        EXPECT_EQ(Fenetres->Releves.Texte(';', "\n"), avant);
    }
}

// A point goes into the series the state suggests unless one is chosen or typed.
TEST_F(TFenetreRelevesTest, SerieDApresLEtatOuChoisie)
{
    const struct {
        bool couple;
        int couple10; // the torque bar's position, tenths of N·m
        QString choisie, attendue;
    } cas[] = {
        {false, 0, TFenetreReleves::SerieAutomatique, QStringLiteral("Caractéristique à vide")},
        {true, 100, TFenetreReleves::SerieAutomatique, QStringLiteral("Courbe en V, P = 1571 W")},
        {true, -100, TFenetreReleves::SerieAutomatique, QStringLiteral("Courbe en V, P = \u22121571 W")},
        {true, 0, TFenetreReleves::SerieAutomatique, QStringLiteral("Compensateur synchrone")},
        {true, 0, QStringLiteral("  Compensateur, Ie croissant "), QStringLiteral("Compensateur, Ie croissant")},
    };
    for (const auto &c : cas) {
        if (c.couple && !Modele().Couplage)
            Couple();
        if (c.couple) {
            Modele().PositionneTrackBar(TTrackBarBanc::TrackBarN, c.couple10);
            Tics(1);
        }
        Table().ComboSerie->setCurrentText(c.choisie);
        Table().ReleveLePoint();
        EXPECT_EQ(Cellules(Table().Modele->rowCount() - 1)[TModeleReleves::ColonneSerie], c.attendue);
    }
    EXPECT_GE(Table().ComboSerie->findText(QStringLiteral("Courbe en V, P = 1571 W")), 1)
        << "a recorded series can be chosen again";
}

// The practical-work mode, set from the bench's menu and remembered, leaves out exactly
// what the real bench cannot measure: δ everywhere, Ev once coupled, and on the curves
// everything but the recorded points and the live point; off, all comes back.
TEST_F(TFenetreRelevesTest, ModeTPMasqueExactementSaListe)
{
    Regle(1470, 0.47);
    Tics(1);
    Table().ReleveLePoint();
    Couple();
    Modele().PositionneTrackBar(TTrackBarBanc::TrackBarN, 100);
    Tics(1);
    Table().ReleveLePoint();
    Fenetres->MontreInstruments();
    Fenetres->MontreCourbes();
    auto *courbes = static_cast<TFormCourbes *>(Fenetres->FormCourbes.get());
    const QStringList pleines[2] = {Cellules(0), Cellules(1)};
    const auto visibles = [&] {
        QStringList noms;
        for (auto *graphique :
             {courbes->GraphiqueAVide, courbes->GraphiqueAngle, courbes->GraphiqueV, courbes->GraphiquePQ})
            for (QAbstractSeries *serie : graphique->chart()->series())
                if (serie->isVisible())
                    noms << serie->name();
        noms.removeDuplicates();
        noms.sort();
        return noms;
    };
    const QStringList toutes = visibles();
    // Each series in a marker of its own, named and coloured apart.
    const std::vector<QScatterSeries *> marques = courbes->SeriesReleves(courbes->GraphiqueV);
    ASSERT_EQ(marques.size(), 2u);
    const QStringList series{marques[0]->name(), marques[1]->name()};
    EXPECT_EQ(series,
              (QStringList{QStringLiteral("Caractéristique à vide"), QStringLiteral("Courbe en V, P = 1571 W")}));
    EXPECT_NE(marques[0]->color(), marques[1]->color());
    for (const bool actif : {true, false}) {
        SCOPED_TRACE(actif);
        Fenetres->ActionModeTP->trigger();
        EXPECT_EQ(QSettings().value(QStringLiteral("Seance/ModeTP")).toBool(), actif);
        for (QWidget *fenetre : std::initializer_list<QWidget *>{&Table(), Fenetres->FormInstruments.get(), courbes})
            EXPECT_EQ(fenetre->windowTitle().endsWith(QStringLiteral(" — mode TP")), actif);
        for (int ligne = 0; ligne < 2; ++ligne)
            for (int c = 0; c <= TModeleReleves::ColonneCommentaire; ++c) {
                const bool masque = actif && (c == int(C::Delta) || (c == int(C::Ev) && ligne == 1));
                EXPECT_EQ(Cellules(ligne)[c], masque ? QString() : pleines[ligne][c]) << ligne << " " << c;
            }
        EXPECT_EQ(Table().Tableau->isColumnHidden(int(C::Delta)), actif);
        EXPECT_EQ(Fenetres->FormInstruments->AngleInterne->isVisibleTo(Fenetres->FormInstruments.get()), !actif);
        EXPECT_TRUE(Fenetres->FormInstruments->PuissanceReactive->isVisibleTo(Fenetres->FormInstruments.get()));
        EXPECT_EQ(visibles(), actif ? series : toutes);
        // Painted over the chart: the live points stay, the moving curve and circles go.
        for (QXYSeries *point : {courbes->PointAVide, courbes->PointAngle, courbes->PointV, courbes->PointPQ})
            EXPECT_TRUE(point->isVisible());
        for (QXYSeries *courbe : {courbes->CourbeVCourante, courbes->CercleFem, courbes->CercleCourant})
            EXPECT_EQ(courbe->isVisible(), !actif);
        EXPECT_EQ(courbes->LectureV->isHidden(), actif);
        const auto points = [&](const TGraphiqueCourbes *graphique) {
            int n = 0;
            for (const QScatterSeries *serie : courbes->SeriesReleves(graphique))
                n += serie->count();
            return n;
        };
        EXPECT_EQ(points(courbes->GraphiqueAngle), actif ? 0 : 1) << "δ is not plotted when not measured";
        EXPECT_EQ(points(courbes->GraphiqueAVide), actif ? 1 : 2) << "nor Ev once coupled";
    }
    Fenetres->ActionModeTP->trigger();
    TFenetres suivante(CreeFormCourbes);
    EXPECT_TRUE(suivante.ActionModeTP->isChecked()) << "remembered";
    EXPECT_TRUE(suivante.ModeTP());
    Fenetres->ActionModeTP->trigger();
}

} // namespace
} // namespace tavelor
