#include "TFenetreReleves.h"

#include "LectureReleves.h"
#include "TCompteRendu.h"
#include "TModeleReleves.h"
#include "TRecuperationReleves.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
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

// Beside the practical-work mode, apart from the tool windows' places.
const QString CleEtudiants = QStringLiteral("Seance/Etudiants");
const QString CleGroupe = QStringLiteral("Seance/Groupe");

} // namespace

const QString TFenetreReleves::SerieAutomatique = QStringLiteral("D'après l'état du banc");

TFenetreReleves::TFenetreReleves(TReleves &releves, QWidget *parent)
    : TFenetreSecondaire(QStringLiteral("Relevés"), QSize(1120, 380), false, parent),
      Modele(new TModeleReleves(releves, this)), Tri(new QSortFilterProxyModel(this)), Tableau(new QTableView),
      ComboSerie(new QComboBox),
      BoutonRelever(CreeBouton(QStringLiteral("Relever le point"), QStringLiteral("Relever le point"),
                               QStringLiteral("Ajouter une ligne avec le point de fonctionnement (F9)"))),
      BoutonCopier(CreeBouton(QStringLiteral("Copier"), QStringLiteral("Copier les relevés"),
                              QStringLiteral("Copier les lignes choisies, ou toutes, pour un tableur"))),
      BoutonExporter(CreeBouton(QStringLiteral("Exporter…"), QStringLiteral("Exporter les relevés en CSV"),
                                QStringLiteral("Enregistrer les relevés dans un fichier CSV"))),
      BoutonOuvrir(CreeBouton(QStringLiteral("Ouvrir…"), QStringLiteral("Ouvrir des relevés"),
                              QStringLiteral("Relire un fichier CSV exporté par Tavelor"))),
      BoutonCompteRendu(CreeBouton(QStringLiteral("Compte rendu (PDF)…"), QStringLiteral("Compte rendu en PDF"),
                                   QStringLiteral("Enregistrer en PDF un compte rendu à rendre\u00A0: noms et groupe, "
                                                  "le tableau série par série avec les commentaires, le diagramme "
                                                  "vectoriel et chaque onglet de courbes qui montre des relevés"))),
      BoutonToutEffacer(CreeBouton(QStringLiteral("Tout effacer"), QStringLiteral("Tout effacer"),
                                   QStringLiteral("Effacer tous les relevés"))),
      ActionSupprimer(new QAction(QStringLiteral("Supprimer la ligne"), this)),
      ActionCopier(new QAction(QStringLiteral("Copier"), this)), Etudiants(QSettings().value(CleEtudiants).toString()),
      Groupe(QSettings().value(CleGroupe).toString()),
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
    // Only the series and the comment are edited; the readings are what the bench showed.
    Tableau->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    // The series reads first; the model keeps it after the readings, as the CSV does.
    Tableau->horizontalHeader()->moveSection(TModeleReleves::ColonneSerie, 0);
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

    ComboSerie->setEditable(true);
    ComboSerie->addItem(SerieAutomatique);
    ComboSerie->setInsertPolicy(QComboBox::NoInsert);
    ComboSerie->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboSerie->setMinimumContentsLength(28);
    ComboSerie->setAccessibleName(QStringLiteral("Série des prochains points"));
    ComboSerie->setToolTip(QStringLiteral("La série où vont les prochains points : une série déjà relevée, un nom "
                                          "tapé, ou d'après l'état du banc (« Caractéristique à vide », "
                                          "« Courbe en V, P = 1571 W »…)"));
    auto *serie = new QLabel(QStringLiteral("Série :"));
    serie->setBuddy(ComboSerie);
    auto *series = new QHBoxLayout;
    series->addWidget(serie);
    series->addWidget(ComboSerie);
    series->addStretch();

    auto *boutons = new QHBoxLayout;
    for (QPushButton *bouton : {BoutonRelever, BoutonCopier, BoutonExporter, BoutonOuvrir, BoutonCompteRendu})
        boutons->addWidget(bouton);
    boutons->addStretch();
    boutons->addWidget(BoutonToutEffacer);
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(6, 6, 6, 6);
    disposition->addLayout(series);
    disposition->addWidget(Tableau);
    disposition->addLayout(boutons);
    setFocusProxy(Tableau);

    connect(BoutonRelever, &QPushButton::clicked, this, &TFenetreReleves::ReleveLePoint);
    connect(BoutonCopier, &QPushButton::clicked, this, &TFenetreReleves::CopierClick);
    connect(BoutonExporter, &QPushButton::clicked, this, &TFenetreReleves::ExporterClick);
    connect(BoutonOuvrir, &QPushButton::clicked, this, &TFenetreReleves::OuvrirClick);
    connect(BoutonCompteRendu, &QPushButton::clicked, this, &TFenetreReleves::CompteRenduClick);
    connect(BoutonToutEffacer, &QPushButton::clicked, this, &TFenetreReleves::ToutEffacerClick);
    connect(ActionSupprimer, &QAction::triggered, this, &TFenetreReleves::SupprimeSelection);
    connect(ActionCopier, &QAction::triggered, this, &TFenetreReleves::CopierClick);
    Modele->Enregistre = [this] { Enregistre(); };
    connect(Modele, &QAbstractItemModel::modelReset, this, &TFenetreReleves::MetAJourSeries);
    connect(Modele, &QAbstractItemModel::rowsInserted, this, &TFenetreReleves::MetAJourSeries);
    connect(Modele, &QAbstractItemModel::dataChanged, this, &TFenetreReleves::MetAJourSeries);
}

void TFenetreReleves::DefinitModeTP(bool actif)
{
    Modele->DefinitModeTP(actif);
    Tableau->setColumnHidden(static_cast<int>(TColonneReleve::Delta), actif);
    setWindowTitle(actif ? QStringLiteral("Relevés — mode TP") : QStringLiteral("Relevés"));
}

void TFenetreReleves::Enregistre()
{
    if (!Recuperation)
        return;
    // Exported or cleared, the session has nothing left to lose.
    if (Modele->Releves.NonSauvees())
        Recuperation->Ecrit(Modele->Releves);
    else
        Recuperation->Supprime();
}

void TFenetreReleves::MetAJourSeries()
{
    // The series already recorded, to be chosen again; what is typed stays.
    const QString courante = ComboSerie->currentText();
    QStringList noms{SerieAutomatique};
    for (const std::string &nom : Modele->Releves.Series())
        if (!nom.empty())
            noms << QString::fromStdString(nom);
    QStringList presents;
    for (int i = 0; i < ComboSerie->count(); ++i)
        presents << ComboSerie->itemText(i);
    if (presents == noms)
        return;
    const QSignalBlocker blocage(ComboSerie);
    ComboSerie->clear();
    ComboSerie->addItems(noms);
    ComboSerie->setCurrentText(courante);
}

void TFenetreReleves::ReleveLePoint()
{
    if (!Releve)
        return;
    TReleve releve = Releve();
    const QString serie = ComboSerie->currentText().simplified();
    if (!serie.isEmpty() && serie != SerieAutomatique)
        releve.Serie = serie.toStdString();
    Modele->Ajoute(std::move(releve));
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
    // Cleared on purpose: the recovery file goes too.
    if (Modele->rowCount() > 0 && Confirme(QStringLiteral("Effacer tous les relevés\u00A0?")))
        Modele->Efface();
}

void TFenetreReleves::CopierClick()
{
    const std::vector<std::size_t> lignes = LignesVisibles(true);
    const std::string texte = Modele->Releves.Texte('\t', "\n", lignes, Modele->ModeTP());
    // Not counted as saved: on X11 the clipboard dies with the program unless a
    // clipboard manager keeps it.
    QApplication::clipboard()->setText(QString::fromStdString(texte));
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
    const std::string texte =
        "\xEF\xBB\xBF" + Modele->Releves.Texte(SeparateurCsv(QLocale()), "\r\n", {}, Modele->ModeTP());
    const bool ecrit = Ecrit(chemin, QByteArray::fromStdString(texte));
    if (ecrit) {
        Modele->Releves.MarqueSauvees();
        Enregistre();
    }
    return ecrit;
}

bool TFenetreReleves::EcritCompteRendu(const QString &chemin)
{
    TCompteRendu compteRendu(Modele->Releves);
    compteRendu.Etudiants = Etudiants;
    compteRendu.Groupe = Groupe;
    compteRendu.ModeTP = Modele->ModeTP();
    if (Images) {
        TImagesCompteRendu images = Images();
        compteRendu.Diagramme = images.Diagramme;
        compteRendu.Courbes = std::move(images.Courbes);
    }
    // A PDF is not read back: the points stay unsaved until exported.
    return Ecrit(chemin, compteRendu.Pdf());
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

void TFenetreReleves::OuvrirClick()
{
    const QString chemin = QFileDialog::getOpenFileName(this, QStringLiteral("Ouvrir des relevés"), Dossier,
                                                        QStringLiteral("Fichiers CSV (*.csv);;Tous les fichiers (*)"));
    if (!chemin.isEmpty())
        Ouvre(chemin);
}

bool TFenetreReleves::Ouvre(const QString &chemin)
{
    const QString nom = QFileInfo(chemin).fileName();
    // Far beyond any session's table: a larger file is not one of ours.
    constexpr qint64 TailleMax = 16 * 1024 * 1024;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly) || fichier.size() > TailleMax) {
        Message(QMessageBox::Warning,
                QStringLiteral("Le fichier «\u00A0%1\u00A0» n'a pas été ouvert\u00A0: %2.")
                    .arg(nom, fichier.isOpen() ? QStringLiteral("il est trop grand") : fichier.errorString()));
        return false;
    }
    const TLectureReleves lecture = LitReleves(fichier.readAll().toStdString());
    if (!lecture.Lu()) {
        Message(QMessageBox::Warning,
                QStringLiteral("Le fichier «\u00A0%1\u00A0» n'a pas été ouvert, ligne %2\u00A0: %3.\n"
                               "Seuls les fichiers CSV exportés par Tavelor peuvent être relus\u00A0; "
                               "le tableau n'a pas changé.")
                    .arg(nom)
                    .arg(lecture.LigneErreur)
                    .arg(QString::fromStdString(lecture.Raison)));
        return false;
    }
    bool remplace = false;
    if (Modele->rowCount() > 0) {
        QWidget *parent = QApplication::activeWindow() ? QApplication::activeWindow() : this;
        QMessageBox boite(QMessageBox::Question, QStringLiteral("Relevés"),
                          QStringLiteral("Le tableau contient déjà %1 point(s). Ajouter les %2 point(s) de "
                                         "«\u00A0%3\u00A0» à la suite, ou remplacer le tableau\u00A0?")
                              .arg(Modele->rowCount())
                              .arg(lecture.Lignes.size())
                              .arg(nom),
                          QMessageBox::NoButton, parent);
        QPushButton *ajouter = boite.addButton(QStringLiteral("Ajouter"), QMessageBox::AcceptRole);
        QPushButton *remplacer = boite.addButton(QStringLiteral("Remplacer"), QMessageBox::DestructiveRole);
        boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
        boite.setDefaultButton(ajouter);
        boite.exec();
        if (boite.clickedButton() != ajouter && boite.clickedButton() != remplacer)
            return false;
        remplace = boite.clickedButton() == remplacer;
    }
    Modele->Ajoute(lecture.Lignes, remplace, true);
    Dossier = QFileInfo(chemin).absolutePath();
    return true;
}

bool TFenetreReleves::ProposeReprise()
{
    if (!Recuperation || !Recuperation->Existe())
        return false;
    const auto metDeCote = [this](const QString &pourquoi) {
        const QString cible = Recuperation->MetDeCote();
        Message(QMessageBox::Information, cible.isEmpty()
                                              ? QStringLiteral("%1 Ils sont toujours dans «\u00A0%2\u00A0».")
                                                    .arg(pourquoi, QDir::toNativeSeparators(Recuperation->Chemin()))
                                              : QStringLiteral("%1 Ils sont conservés dans «\u00A0%2\u00A0».")
                                                    .arg(pourquoi, QDir::toNativeSeparators(cible)));
    };
    if (!Confirme(QStringLiteral("Reprendre les relevés de la séance précédente\u00A0?"))) {
        metDeCote(QStringLiteral("Les relevés de la séance précédente n'ont pas été repris."));
        return false;
    }
    QFile fichier(Recuperation->Chemin());
    const TLectureReleves lecture = fichier.open(QIODevice::ReadOnly) ? LitReleves(fichier.readAll().toStdString())
                                                                      : TLectureReleves{{}, 1, "illisible"};
    fichier.close();
    if (!lecture.Lu()) {
        metDeCote(QStringLiteral("Les relevés de la séance précédente n'ont pas pu être relus (ligne %1\u00A0: %2).")
                      .arg(lecture.LigneErreur)
                      .arg(QString::fromStdString(lecture.Raison)));
        return false;
    }
    // Still to be exported: they stay in the recovery file.
    Modele->Ajoute(lecture.Lignes, true, false);
    return true;
}

void TFenetreReleves::Message(QMessageBox::Icon icone, const QString &texte)
{
    QWidget *parent = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    QMessageBox boite(icone, QStringLiteral("Relevés"), texte, QMessageBox::Ok, parent);
    boite.exec();
}

bool TFenetreReleves::DemandeAuteurs()
{
    QDialog dialogue(this);
    dialogue.setWindowTitle(QStringLiteral("Compte rendu"));
    auto *etudiants = new QLineEdit(Etudiants);
    auto *groupe = new QLineEdit(Groupe);
    etudiants->setPlaceholderText(QStringLiteral("Prénom Nom, Prénom Nom"));
    etudiants->setMinimumWidth(320);
    auto *formulaire = new QFormLayout;
    formulaire->addRow(QStringLiteral("Étudiants\u00A0:"), etudiants);
    formulaire->addRow(QStringLiteral("Groupe\u00A0:"), groupe);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    boutons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Continuer"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, &dialogue, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, &dialogue, &QDialog::reject);
    auto *disposition = new QVBoxLayout(&dialogue);
    disposition->addWidget(new QLabel(QStringLiteral("Pour l'en-tête du compte rendu\u00A0:")));
    disposition->addLayout(formulaire);
    disposition->addWidget(boutons);
    if (dialogue.exec() != QDialog::Accepted)
        return false;
    Etudiants = etudiants->text().trimmed();
    Groupe = groupe->text().trimmed();
    QSettings reglages;
    reglages.setValue(CleEtudiants, Etudiants);
    reglages.setValue(CleGroupe, Groupe);
    return true;
}

void TFenetreReleves::CompteRenduClick()
{
    if (!DemandeAuteurs())
        return;
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
    if (!Modele->Releves.NonSauvees())
        return true;
    // Kept on disk, they will be offered again; the question still asks for an export.
    return Confirme(Recuperation && Recuperation->Ajour()
                        ? QStringLiteral("Les relevés n'ont pas été exportés. Ils seront proposés au prochain "
                                         "lancement. Quitter quand même\u00A0?")
                        : QStringLiteral("Les relevés n'ont pas été exportés. Quitter quand même\u00A0?"));
}

} // namespace tavelor
