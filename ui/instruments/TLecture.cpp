#include "TLecture.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace tavelor {

namespace {

constexpr int Marge = 6;

} // namespace

TLecture::TLecture(const QString &nom, TDisposition disposition, int pointsNom, int pointsLecture, QWidget *parent)
    : TInstrument(nom, parent), Disposition(disposition), PoliceNom(Police(pointsNom, false)),
      PoliceLecture(Police(pointsLecture, true)), MesureNom(PoliceNom, this), MesureLecture(PoliceLecture, this),
      LargeurNom(MesureNom.horizontalAdvance(nom) + 2 * Marge)
{}

void TLecture::DefinitLignes(const QStringList &lignes)
{
    if (lignes == LignesLues)
        return;
    const bool autreNombre = lignes.size() != LignesLues.size();
    LignesLues = lignes;
    const QFontMetrics mesure(PoliceLecture, this);
    int largeur = 0;
    for (const QString &ligne : lignes)
        largeur = std::max(largeur, mesure.horizontalAdvance(ligne));
    if (largeur > LargeurLignes || autreNombre) {
        LargeurLignes = std::max(largeur, LargeurLignes);
        updateGeometry();
    }
    DefinitLecture(lignes.join(QStringLiteral(", ")));
    // The caption stays as it is.
    const QRect nom = RectNom();
    update(Disposition == EnLigne ? QRect(nom.right() + 1, 0, width() - nom.right() - 1, height())
                                  : QRect(0, nom.bottom() + 1, width(), height() - nom.bottom() - 1));
}

// Most ticks leave the text alone: compared before any list is made.
void TLecture::DefinitLignes(const QString &premiere, const QString &seconde)
{
    if (LignesLues.size() != 2 || LignesLues[0] != premiere || LignesLues[1] != seconde)
        DefinitLignes(QStringList{premiere, seconde});
}

void TLecture::DefinitTexte(const QString &texte)
{
    if (LignesLues.size() != 1 || LignesLues.front() != texte)
        DefinitLignes(QStringList{texte});
}

void TLecture::DefinitEncre(const QColor &encre)
{
    if (encre == EncreLignes)
        return;
    EncreLignes = encre;
    update();
}

QSize TLecture::minimumSizeHint() const
{
    const QFontMetrics mesureNom(PoliceNom, this);
    const QFontMetrics mesure(PoliceLecture, this);
    const int nom = mesureNom.horizontalAdvance(accessibleName());
    const int lignes = std::max<int>(1, static_cast<int>(LignesLues.size())) * mesure.height();
    if (Disposition == EnLigne)
        return {nom + LargeurLignes + 5 * Marge, std::max(mesureNom.height(), lignes) + Marge};
    return {std::max(nom, LargeurLignes) + 2 * Marge, 2 * Marge + mesureNom.height() + lignes};
}

QRect TLecture::RectNom() const
{
    return Disposition == EnLigne ? QRect(0, 0, LargeurNom, height())
                                  : QRect(0, 0, width(), Marge + MesureNom.height());
}

void TLecture::paintEvent(QPaintEvent *event)
{
    QPainter peintre(this);
    const bool nomSale = event->region().intersects(RectNom());
    peintre.setRenderHint(QPainter::TextAntialiasing);
    const QFontMetrics &mesureNom = MesureNom;
    const QFontMetrics &mesure = MesureLecture;
    const int hauteurLignes = static_cast<int>(LignesLues.size()) * mesure.height();

    int y = Disposition == EnLigne ? (height() - mesureNom.height()) / 2 : Marge;
    if (nomSale) {
        peintre.setFont(PoliceNom);
        peintre.setPen(Encre);
        peintre.drawText(Marge, y + mesureNom.ascent(), accessibleName());
    }

    peintre.setFont(PoliceLecture);
    peintre.setPen(EncreLignes);
    y = Disposition == EnLigne ? (height() - hauteurLignes) / 2 : Marge + mesureNom.height();
    for (const QString &ligne : LignesLues) {
        const int x = Disposition == EnLigne ? width() - Marge - mesure.horizontalAdvance(ligne) : Marge;
        peintre.drawText(x, y + mesure.ascent(), ligne);
        y += mesure.height();
    }
}

} // namespace tavelor
