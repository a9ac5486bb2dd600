#pragma once

#include "TCompteRendu.h"
#include "TFenetreSecondaire.h"
#include "TReleves.h"

#include <QImage>
#include <QMessageBox>

#include <functional>

class QAction;
class QComboBox;
class QLocale;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace tavelor {

class TModeleReleves;
class TRecuperationReleves;

// The measurements table: operating points recorded one by one ("Relever le point", F9)
// into the series chosen above the table, sorted by any column, commented, deleted
// (Suppr) or cleared, copied as tab-separated text, exported as CSV, opened again and put
// in a PDF report. Closing it hides it and keeps its rows; the rows themselves live
// outside, shared with the curves that show them, and on disk until they are exported.
class TFenetreReleves : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFenetreReleves(TReleves &releves, QWidget *parent = nullptr);

    // Reads the operating point as the bench shows it now.
    void DefinitReleve(std::function<TReleve()> releve) { Releve = std::move(releve); }
    // Where every change of the rows is kept until they are exported.
    void DefinitRecuperation(TRecuperationReleves *recuperation) { Recuperation = recuperation; }
    // The pictures of the report, as they stand when it is written: the diagram (null
    // while uncoupled) and every curves tab that shows recorded points.
    struct TImagesCompteRendu {
        QImage Diagramme;
        std::vector<TCompteRendu::TFigure> Courbes;
    };
    void DefinitImages(std::function<TImagesCompteRendu()> images) { Images = std::move(images); }

    void ReleveLePoint();
    void SupprimeSelection();
    void ToutEffacerClick();
    // The selected rows, or all, in the order shown.
    void CopierClick();
    void ExporterClick();
    void OuvrirClick();
    void CompteRenduClick();
    // Reads a CSV this program wrote into the table, after its rows or in their place as
    // the user chooses; anything else is refused with the line and the reason, and the
    // table is left as it was. True when read.
    bool Ouvre(const QString &chemin);
    // At start, when the previous session left points unexported: taken back into the
    // table, or the file kept aside under its date. True when taken back.
    bool ProposeReprise();
    // Asks the students' names and group for the report, offering the last ones; false
    // if cancelled.
    bool DemandeAuteurs();
    // Written whole or not at all: on failure a message says why and an earlier file
    // stays as it was. True when written.
    bool Exporte(const QString &chemin);
    bool EcritCompteRendu(const QString &chemin);
    // Asked before the program ends: true when nothing would be lost or the user says so.
    bool ConfirmeQuitter();

    // The practical-work mode: what the real bench cannot measure leaves the table, the
    // copy, the export and the report, and the title says the mode is on.
    void DefinitModeTP(bool actif);

    // ";" where the decimal mark is a comma, as a spreadsheet of that locale expects.
    static char SeparateurCsv(const QLocale &locale);

    // The series of the next points; its first item takes the series from the bench's state.
    static const QString SerieAutomatique;

    TModeleReleves *Modele;
    QSortFilterProxyModel *Tri;
    QTableView *Tableau;
    QComboBox *ComboSerie;
    QPushButton *BoutonRelever, *BoutonCopier, *BoutonExporter, *BoutonOuvrir, *BoutonCompteRendu, *BoutonToutEffacer;
    QAction *ActionSupprimer, *ActionCopier;
    // The report's title block, remembered from one session to the next.
    QString Etudiants, Groupe;

private:
    // Rows of the model, in the order the view shows them; the selected ones if any.
    std::vector<std::size_t> LignesVisibles(bool selectionSeule) const;
    bool Ecrit(const QString &chemin, const QByteArray &octets);
    bool Confirme(const QString &question);
    void Message(QMessageBox::Icon icone, const QString &texte);
    void Enregistre();
    void MetAJourSeries();

    std::function<TReleve()> Releve;
    std::function<TImagesCompteRendu()> Images;
    TRecuperationReleves *Recuperation = nullptr;
    QString Dossier; // where the last file was written
};

} // namespace tavelor
