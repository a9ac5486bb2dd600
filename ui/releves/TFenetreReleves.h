#pragma once

#include "TFenetreSecondaire.h"
#include "TReleves.h"

#include <QImage>

#include <functional>

class QAction;
class QLocale;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace tavelor {

class TModeleReleves;

// The measurements table: operating points recorded one by one ("Relever le point", F9),
// sorted by any column, deleted (Suppr) or cleared, copied as tab-separated text,
// exported as CSV and put in a PDF report. Closing it hides it and keeps its rows; the
// rows themselves live outside, shared with the curves that show them.
class TFenetreReleves : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFenetreReleves(TReleves &releves, QWidget *parent = nullptr);

    // Reads the operating point as the bench shows it now.
    void DefinitReleve(std::function<TReleve()> releve) { Releve = std::move(releve); }
    // The pictures of the report, as they stand when it is written; the curves' tab named.
    struct TImagesCompteRendu {
        QImage Diagramme, Courbes;
        QString TitreCourbes;
    };
    void DefinitImages(std::function<TImagesCompteRendu()> images) { Images = std::move(images); }

    void ReleveLePoint();
    void SupprimeSelection();
    void ToutEffacerClick();
    // The selected rows, or all, in the order shown.
    void CopierClick();
    void ExporterClick();
    void CompteRenduClick();
    // Written whole or not at all: on failure a message says why and an earlier file
    // stays as it was. True when written.
    bool Exporte(const QString &chemin);
    bool EcritCompteRendu(const QString &chemin);
    // Asked before the program ends: true when nothing would be lost or the user says so.
    bool ConfirmeQuitter();

    // ";" where the decimal mark is a comma, as a spreadsheet of that locale expects.
    static char SeparateurCsv(const QLocale &locale);

    TModeleReleves *Modele;
    QSortFilterProxyModel *Tri;
    QTableView *Tableau;
    QPushButton *BoutonRelever, *BoutonCopier, *BoutonExporter, *BoutonCompteRendu, *BoutonToutEffacer;
    QAction *ActionSupprimer, *ActionCopier;

private:
    // Rows of the model, in the order the view shows them; the selected ones if any.
    std::vector<std::size_t> LignesVisibles(bool selectionSeule) const;
    bool Ecrit(const QString &chemin, const QByteArray &octets);
    bool Confirme(const QString &question);

    std::function<TReleve()> Releve;
    std::function<TImagesCompteRendu()> Images;
    QString Dossier; // where the last file was written
};

} // namespace tavelor
