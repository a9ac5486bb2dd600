#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

namespace tavelor {

class TReleves;

// The lab report as an A4 PDF: a title, the date, the table of recorded points, then the
// single-phase diagram and the characteristic curves as they stand. Each element goes on
// the page where it fits whole, so a dozen points print on one or two pages.
class TCompteRendu {
public:
    explicit TCompteRendu(const TReleves &releves) : Releves(releves) {}

    // Pictures left null are said to be unavailable.
    QImage Diagramme;
    QImage Courbes;
    QString TitreCourbes; // the name of the curves' tab
    QDateTime Date = QDateTime::currentDateTime();

    // The PDF document; empty if it could not be made.
    QByteArray Pdf() const;

private:
    const TReleves &Releves;
};

} // namespace tavelor
