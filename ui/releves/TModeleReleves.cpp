#include "TModeleReleves.h"

#include <algorithm>
#include <array>
#include <functional>

namespace tavelor {

namespace {

QString Texte(std::string_view texte)
{
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

} // namespace

TModeleReleves::TModeleReleves(TReleves &releves, QObject *parent) : QAbstractTableModel(parent), Releves(releves) {}

int TModeleReleves::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Releves.Nombre());
}

int TModeleReleves::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(NombreColonnesReleve);
}

namespace {

// What each column holds, in the order of TColonneReleve.
constexpr std::array<const char *, NombreColonnesReleve> Bulles{
    "N\u00a0: vitesse de rotation",
    "Ie\u00a0: intensité du courant d'excitation",
    "Ev\u00a0: force électromotrice à vide, par phase",
    "V\u00a0: tension simple du stator",
    "I\u00a0: intensité du courant dans une phase du stator",
    "Pu\u00a0: puissance électrique échangée avec le réseau (wattmètre)",
    "Q\u00a0: puissance réactive échangée avec le réseau",
    "cos φ\u00a0: facteur de puissance",
    "δ\u00a0: angle interne, entre Ev et V",
    "Cm\u00a0: couple sur l'arbre",
    "Pa\u00a0: puissance mécanique sur l'arbre",
    "État de la machine au moment du relevé"};

} // namespace

QString TModeleReleves::Entete(int colonne)
{
    return Texte(TReleves::Entete(static_cast<TColonneReleve>(colonne)));
}

QVariant TModeleReleves::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TReleve &releve = Releves.Lignes()[static_cast<std::size_t>(index.row())];
    const auto colonne = static_cast<TColonneReleve>(index.column());
    const QString texte = Texte(releve.Texte(colonne));
    switch (role) {
    case Qt::DisplayRole:
        return texte;
    case Qt::UserRole:
        // Numbers sort as numbers, words by their text; cells without a number come last.
        if (ColonneDeMots(colonne))
            return texte;
        return releve[colonne].Valeur ? QVariant(*releve[colonne].Valeur) : QVariant();
    case Qt::TextAlignmentRole:
        return ColonneDeMots(colonne) ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::AccessibleTextRole:
        // Heard cell by cell, a number means nothing without its column.
        return Entete(index.column()) + QStringLiteral("\u00A0: ") + (texte.isEmpty() ? QStringLiteral("vide") : texte);
    default:
        return {};
    }
}

QVariant TModeleReleves::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal && section >= 0 &&
        section < static_cast<int>(Bulles.size()))
        return QString::fromUtf8(Bulles[static_cast<std::size_t>(section)]);
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    // Rows are numbered in the order they were recorded.
    return orientation == Qt::Horizontal ? QVariant(Entete(section)) : QVariant(section + 1);
}

void TModeleReleves::Ajoute(TReleve releve)
{
    const int ligne = rowCount();
    beginInsertRows({}, ligne, ligne);
    Releves.Ajoute(std::move(releve));
    endInsertRows();
}

void TModeleReleves::Supprime(std::vector<int> lignes)
{
    // From the last, so that the rows still to go keep their numbers.
    std::sort(lignes.begin(), lignes.end(), std::greater<>());
    lignes.erase(std::unique(lignes.begin(), lignes.end()), lignes.end());
    for (const int ligne : lignes) {
        if (ligne < 0 || ligne >= rowCount())
            continue;
        beginRemoveRows({}, ligne, ligne);
        Releves.Supprime(static_cast<std::size_t>(ligne));
        endRemoveRows();
    }
}

void TModeleReleves::Efface()
{
    beginResetModel();
    Releves.Efface();
    endResetModel();
}

} // namespace tavelor
