#include "TInstrument.h"

#include "TDescriptionAccessible.h"
#include "TPolices.h"

#include <QAccessibleWidget>

namespace tavelor {

namespace {

// The instruments are texts to assistive tools, as the bench's meters are. Asked once per
// class up the hierarchy: only an instrument's own class answers.
QAccessibleInterface *Fabrique(const QString &classe, QObject *objet)
{
    auto *instrument = qobject_cast<TInstrument *>(objet);
    if (!instrument || classe != QLatin1String(objet->metaObject()->className()))
        return nullptr;
    return new QAccessibleWidget(instrument, QAccessible::StaticText);
}

} // namespace

const QColor TInstrument::Encre(0, 0, 0);
const QColor TInstrument::EncreLecture(0, 0, 140);

TInstrument::TInstrument(const QString &nom, QWidget *parent)
    : QWidget(parent), Description(new TDescriptionAccessible(this))
{
    static const bool installee = [] {
        QAccessible::installFactory(Fabrique);
        return true;
    }();
    (void)installee;
    setAccessibleName(nom);
}

QFont TInstrument::Police(int points, bool gras)
{
    QFont police = TPolices::Police(QStringLiteral("arial"), points);
    police.setBold(gras);
    return police;
}

bool TInstrument::DefinitLecture(const QString &lecture)
{
    if (lecture == LectureCourante)
        return false;
    LectureCourante = lecture;
    Description->Definit(LectureCourante);
    return true;
}

} // namespace tavelor
