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
    return parent.isValid() ? 0 : ColonneCommentaire + 1;
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
    "État de la machine au moment du relevé",
    "Fonctionnement\u00a0: alternateur, moteur ou compensateur synchrone, et son excitation"};

} // namespace

QString TModeleReleves::Entete(int colonne)
{
    // A view may ask for a section that is no column (a sorting proxy without rows does).
    if (colonne < 0 || colonne > ColonneCommentaire)
        return {};
    if (colonne == ColonneSerie)
        return Texte(TReleves::EnteteSerie);
    if (colonne == ColonneCommentaire)
        return Texte(TReleves::EnteteCommentaire);
    return Texte(TReleves::Entete(static_cast<TColonneReleve>(colonne)));
}

QVariant TModeleReleves::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TReleve &releve = Releves.Lignes()[static_cast<std::size_t>(index.row())];
    if (index.column() >= ColonneSerie) {
        const QString texte = Texte(index.column() == ColonneSerie ? releve.Serie : releve.Commentaire);
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
        case Qt::UserRole:
            return texte;
        case Qt::AccessibleTextRole:
            return Entete(index.column()) + QStringLiteral("\u00A0: ") +
                   (texte.isEmpty() ? QStringLiteral("vide") : texte);
        default:
            return {};
        }
    }
    const auto colonne = static_cast<TColonneReleve>(index.column());
    if (ModeTP_ && TReleves::NonMesurable(colonne, releve.Couplee))
        return role == Qt::AccessibleTextRole ? Entete(index.column()) + QStringLiteral("\u00A0: non mesuré")
                                              : QVariant();
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

Qt::ItemFlags TModeleReleves::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.isValid() && index.column() >= ColonneSerie ? base | Qt::ItemIsEditable : base;
}

bool TModeleReleves::setData(const QModelIndex &index, const QVariant &valeur, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() < ColonneSerie || index.row() >= rowCount())
        return false;
    const auto ligne = static_cast<std::size_t>(index.row());
    // One line per cell: a line break would only be a surprise in the table.
    QString saisie = valeur.toString();
    for (QChar &c : saisie)
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    std::string texte = saisie.trimmed().toStdString();
    const auto version = Releves.Version();
    if (index.column() == ColonneSerie)
        Releves.DefinitSerie(ligne, std::move(texte));
    else
        Releves.DefinitCommentaire(ligne, std::move(texte));
    if (Releves.Version() != version) {
        Enregistrement();
        emit dataChanged(index, index);
    }
    return true;
}

void TModeleReleves::DefinitModeTP(bool actif)
{
    if (actif == ModeTP_)
        return;
    beginResetModel();
    ModeTP_ = actif;
    endResetModel();
}

void TModeleReleves::Enregistrement() const
{
    if (Enregistre)
        Enregistre();
}

void TModeleReleves::Ajoute(TReleve releve)
{
    const int ligne = rowCount();
    beginInsertRows({}, ligne, ligne);
    Releves.Ajoute(std::move(releve));
    Enregistrement();
    endInsertRows();
}

void TModeleReleves::Ajoute(std::vector<TReleve> lignes, bool remplace, bool sauvees)
{
    beginResetModel();
    if (remplace)
        Releves.Efface();
    std::vector<std::size_t> lues;
    for (TReleve &releve : lignes) {
        lues.push_back(Releves.Nombre());
        Releves.Ajoute(std::move(releve));
    }
    if (sauvees && !lues.empty())
        Releves.MarqueSauvees(lues);
    Enregistrement();
    endResetModel();
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
        Enregistrement();
        endRemoveRows();
    }
}

void TModeleReleves::Efface()
{
    beginResetModel();
    Releves.Efface();
    Enregistrement();
    endResetModel();
}

} // namespace tavelor
