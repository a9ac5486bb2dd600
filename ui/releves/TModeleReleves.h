#pragma once

#include "TReleves.h"

#include <QAbstractTableModel>

#include <vector>

namespace tavelor {

// The recorded points as a Qt table: each cell shows the reading's text, sorts by its
// number (Qt::UserRole) and is read out by a screen reader with its column's name. Every
// change of the rows goes through here, so that the views hear of it.
class TModeleReleves : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TModeleReleves(TReleves &releves, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString Entete(int colonne);

    void Ajoute(TReleve releve);
    // Rows of this model, in any order.
    void Supprime(std::vector<int> lignes);
    void Efface();

    TReleves &Releves;
};

} // namespace tavelor
