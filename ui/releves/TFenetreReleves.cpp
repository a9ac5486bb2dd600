#include "TFenetreReleves.h"

#include "TCompteRendu.h"
#include "TModeleReleves.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace tavelor {

namespace {

QPushButton *CreeBouton(const QString &texte, const QString &nom, const QString &bulle)
{
    auto *bouton = new QPushButton(texte);
    bouton->setAccessibleName(nom);
    bouton->setToolTip(bulle);
    bouton->setAutoDefault(false);
    return bouton;
}

} // namespace

TFenetreReleves::TFenetreReleves(TReleves &releves, QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Relevés"), QSize(1120, 380), false, parent),
      Modele(new TModeleReleves(releves, this)), Tri(new QSortFilterProxyModel(this)), Tableau(new QTableView),
      BoutonRelever(CreeBouton(QStringLiteral("Relever le point"), QStringLiteral("Relever le point"),
                               QStringLiteral("Ajouter une ligne avec le point de fonctionnement (F9)"))),
      BoutonCopier(CreeBouton(QStringLiteral("Copier"), QStringLiteral("Copier les relevés"),
                              QStringLiteral("Copier les lignes choisies, ou toutes, pour un tableur"))),
      BoutonExporter(CreeBouton(QStringLiteral("Exporter…"), QStringLiteral("Exporter les relevés en CSV"),
                                QStringLiteral("Enregistrer les relevés dans un fichier CSV"))),
      BoutonCompteRendu(CreeBouton(QStringLiteral("Compte rendu (PDF)…"), QStringLiteral("Compte rendu en PDF"),
                                   QStringLiteral("Enregistrer le tableau, le diagramme et les courbes en PDF"))),
      BoutonToutEffacer(CreeBouton(QStringLiteral("Tout effacer"), QStringLiteral("Tout effacer"),
                                   QStringLiteral("Effacer tous les relevés"))),
      ActionSupprimer(new QAction(QStringLiteral("Supprimer la ligne"), this)),
      ActionCopier(new QAction(QStringLiteral("Copier"), this)),
      Dossier(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
    // Unlike the bench's side windows, a table is resized at will.
    setMinimumSize(560, 220);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QFont police = font();
    police.setPointSize(11);
    setFont(police);

    Tri->setSourceModel(Modele);
    Tri->setSortRole(Qt::UserRole);
    Tableau->setModel(Tri);
    Tableau->setObjectName(QStringLiteral("Tableau"));
    Tableau->setAccessibleName(QStringLiteral("Tableau des relevés"));
    // In the order recorded until a column is chosen.
    Tableau->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    Tableau->setSortingEnabled(true);
    Tableau->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tableau->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Tableau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the buttons; the arrows go from cell to cell.
    Tableau->setTabKeyNavigation(false);
    Tableau->setAlternatingRowColors(true);
    Tableau->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Tableau->horizontalHeader()->setStretchLastSection(true);
    Tableau->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);

    ActionSupprimer->setShortcut(QKeySequence::Delete);
    ActionCopier->setShortcut(QKeySequence::Copy);
    for (QAction *action : {ActionSupprimer, ActionCopier}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        Tableau->addAction(action);
    }
    Tableau->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *boutons = new QHBoxLayout;
    for (QPushButton *bouton : {BoutonRelever, BoutonCopier, BoutonExporter, BoutonCompteRendu})
        boutons->addWidget(bouton);
    boutons->addStretch();
    boutons->addWidget(BoutonToutEffacer);
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(6, 6, 6, 6);
    disposition->addWidget(Tableau);
    disposition->addLayout(boutons);
    setFocusProxy(Tableau);

    connect(BoutonRelever, &QPushButton::clicked, this, &TFenetreReleves::ReleveLePoint);
    connect(BoutonCopier, &QPushButton::clicked, this, &TFenetreReleves::CopierClick);
    connect(BoutonExporter, &QPushButton::clicked, this, &TFenetreReleves::ExporterClick);
    connect(BoutonCompteRendu, &QPushButton::clicked, this, &TFenetreReleves::CompteRenduClick);
    connect(BoutonToutEffacer, &QPushButton::clicked, this, &TFenetreReleves::ToutEffacerClick);
    connect(ActionSupprimer, &QAction::triggered, this, &TFenetreReleves::SupprimeSelection);
    connect(ActionCopier, &QAction::triggered, this, &TFenetreReleves::CopierClick);
}

void TFenetreReleves::ReleveLePoint()
{
    if (!Releve)
        return;
    Modele->Ajoute(Releve());
    // Shown, not selected: a selection would narrow what "Copier" copies.
    Tableau->scrollTo(Tri->mapFromSource(Modele->index(Modele->rowCount() - 1, 0)));
}

std::vector<std::size_t> TFenetreReleves::LignesVisibles(bool selectionSeule) const
{
    std::vector<int> choisies;
    if (selectionSeule)
        for (const QModelIndex &index : Tableau->selectionModel()->selectedRows())
            choisies.push_back(index.row());
    std::sort(choisies.begin(), choisies.end());
    std::vector<std::size_t> lignes;
    for (int rang = 0; rang < Tri->rowCount(); ++rang)
        if (choisies.empty() || std::binary_search(choisies.begin(), choisies.end(), rang))
            lignes.push_back(static_cast<std::size_t>(Tri->mapToSource(Tri->index(rang, 0)).row()));
    return lignes;
}

void TFenetreReleves::SupprimeSelection()
{
    std::vector<int> lignes;
    for (const QModelIndex &index : Tableau->selectionModel()->selectedRows())
        lignes.push_back(Tri->mapToSource(index).row());
    if (lignes.empty() && Tableau->currentIndex().isValid())
        lignes.push_back(Tri->mapToSource(Tableau->currentIndex()).row());
    Modele->Supprime(lignes);
}

void TFenetreReleves::ToutEffacerClick()
{
    if (Modele->rowCount() > 0 && Confirme(QStringLiteral("Effacer tous les relevés\u00A0?")))
        Modele->Efface();
}

void TFenetreReleves::CopierClick()
{
    const std::vector<std::size_t> lignes = LignesVisibles(true);
    const std::string texte = Modele->Releves.Texte('\t', "\n", lignes);
    QApplication::clipboard()->setText(QString::fromStdString(texte));
    Modele->Releves.MarqueSauvees(lignes);
}

char TFenetreReleves::SeparateurCsv(const QLocale &locale)
{
    return locale.decimalPoint() == QStringLiteral(",") ? ';' : ',';
}

bool TFenetreReleves::Ecrit(const QString &chemin, const QByteArray &octets)
{
    // A write cut short after some bytes (a full disk) is lost on commit(), which still
    // renames the file: the flush before it tells.
    QSaveFile fichier(chemin);
    bool ecrit = !octets.isEmpty() && fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size() &&
                 fichier.flush();
    const QString raison = fichier.error() != QFileDevice::NoError ? fichier.errorString()
                           : octets.isEmpty()                      ? QStringLiteral("document vide")
                                                                   : QStringLiteral("écriture incomplète");
    if (!ecrit)
        fichier.cancelWriting();
    ecrit = fichier.commit() && ecrit;
    if (!ecrit) {
        QMessageBox boite(QMessageBox::Warning, QStringLiteral("Relevés"),
                          QStringLiteral("Les relevés n'ont pas pu être écrits dans «\u00A0%1\u00A0»\u00A0: %2.\n"
                                         "Un fichier du même nom qui existait déjà n'a pas été modifié.")
                              .arg(QFileInfo(chemin).fileName(), raison),
                          QMessageBox::Ok, this);
        boite.exec();
        return false;
    }
    Dossier = QFileInfo(chemin).absolutePath();
    return true;
}

bool TFenetreReleves::Exporte(const QString &chemin)
{
    // A byte-order mark, without which some spreadsheets take UTF-8 for their own code page.
    const std::string texte = "\xEF\xBB\xBF" + Modele->Releves.Texte(SeparateurCsv(QLocale()), "\r\n");
    const bool ecrit = Ecrit(chemin, QByteArray::fromStdString(texte));
    if (ecrit)
        Modele->Releves.MarqueSauvees();
    return ecrit;
}

bool TFenetreReleves::EcritCompteRendu(const QString &chemin)
{
    TCompteRendu compteRendu(Modele->Releves);
    if (Images) {
        const TImagesCompteRendu images = Images();
        compteRendu.Diagramme = images.Diagramme;
        compteRendu.Courbes = images.Courbes;
        compteRendu.TitreCourbes = images.TitreCourbes;
    }
    const bool ecrit = Ecrit(chemin, compteRendu.Pdf());
    if (ecrit)
        Modele->Releves.MarqueSauvees();
    return ecrit;
}

namespace {

// The file the user chose, with the extension added if none was typed; empty if cancelled.
QString NomFichier(QWidget *parent, const QString &titre, const QString &chemin, const QString &filtre,
                   const QString &extension)
{
    QString choisi = QFileDialog::getSaveFileName(parent, titre, chemin, filtre);
    if (!choisi.isEmpty() && QFileInfo(choisi).suffix().isEmpty())
        choisi += QLatin1Char('.') + extension;
    return choisi;
}

} // namespace

void TFenetreReleves::ExporterClick()
{
    const QString chemin =
        NomFichier(this, QStringLiteral("Exporter les relevés"), Dossier + QStringLiteral("/releves.csv"),
                   QStringLiteral("Fichiers CSV (*.csv)"), QStringLiteral("csv"));
    if (!chemin.isEmpty())
        Exporte(chemin);
}

void TFenetreReleves::CompteRenduClick()
{
    const QString chemin =
        NomFichier(this, QStringLiteral("Compte rendu des relevés"), Dossier + QStringLiteral("/compte-rendu.pdf"),
                   QStringLiteral("Documents PDF (*.pdf)"), QStringLiteral("pdf"));
    if (!chemin.isEmpty())
        EcritCompteRendu(chemin);
}

bool TFenetreReleves::Confirme(const QString &question)
{
    // Over whichever window the user is in: this one may be hidden.
    QWidget *parent = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    QMessageBox boite(QMessageBox::Question, QStringLiteral("Tavelor"), question, QMessageBox::Yes | QMessageBox::No,
                      parent);
    boite.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    boite.button(QMessageBox::No)->setText(QStringLiteral("Non"));
    boite.setDefaultButton(QMessageBox::No);
    return boite.exec() == QMessageBox::Yes;
}

bool TFenetreReleves::ConfirmeQuitter()
{
    return !Modele->Releves.NonSauvees() ||
           Confirme(QStringLiteral("Les relevés n'ont pas été exportés. Quitter quand même\u00A0?"));
}

} // namespace tavelor
