#pragma once

#include "TReleves.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

namespace tavelor {

// The recorded points as a Qt table: each cell shows the reading's text, sorts by its
// number (Qt::UserRole) and is read out by a screen reader with its column's name; the
// series and the comment follow the measured columns and are edited in place. Every
// change of the rows goes through here, so that the views hear of it, and is handed to
// `Enregistre` before they do: a row is on disk before it shows.
class TModeleReleves : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TModeleReleves(TReleves &releves, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &valeur, int role = Qt::EditRole) override;

    static constexpr int ColonneSerie = static_cast<int>(NombreColonnesReleve);
    static constexpr int ColonneCommentaire = ColonneSerie + 1;
    static QString Entete(int colonne);

    void Ajoute(TReleve releve);
    // Rows read from a file: after the others, or in their place; saved if the file is
    // an export.
    void Ajoute(std::vector<TReleve> lignes, bool remplace, bool sauvees);
    // Rows of this model, in any order.
    void Supprime(std::vector<int> lignes);
    void Efface();

    // In the practical-work mode the cells the real bench cannot measure show nothing.
    void DefinitModeTP(bool actif);
    bool ModeTP() const { return ModeTP_; }

    TReleves &Releves;
    std::function<void()> Enregistre;

private:
    void Enregistrement() const;
    bool ModeTP_ = false;
};

} // namespace tavelor
