#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

#include <vector>

namespace tavelor {

class TReleves;

// The lab report as an A4 PDF: a title block (students, group, date), the recorded points
// as one table per series with their comments, then the pictures two by two: the
// single-phase diagram and every curves tab that shows recorded points. Each table row
// and picture goes where it fits whole, so that no page is left mostly empty.
class TCompteRendu {
public:
    explicit TCompteRendu(const TReleves &releves) : Releves(releves) {}

    struct TFigure {
        QString Titre;
        QImage Image;
    };

    QString Etudiants, Groupe;
    // What the real bench cannot measure is left out (TReleves::NonMesurable), the
    // diagram too, which shows Ev and δ.
    bool ModeTP = false;
    QImage Diagramme; // null: said to be unavailable
    std::vector<TFigure> Courbes;
    QDateTime Date = QDateTime::currentDateTime();

    // The PDF document; empty if it could not be made.
    QByteArray Pdf() const;

private:
    const TReleves &Releves;
};

} // namespace tavelor
