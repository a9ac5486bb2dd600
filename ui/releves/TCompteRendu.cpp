#include "TCompteRendu.h"

#include "TModeleReleves.h"
#include "TReleves.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <vector>

namespace tavelor {

namespace {

constexpr int Resolution = 300;          // dots per inch of the page's coordinates
constexpr double MargeMm = 15.0;         // around the page
constexpr double Interligne = 1.6;       // a table row's height, in heights of its font
constexpr double EspaceMm = 6.0;         // between two elements
constexpr double LargeurDiagramme = 0.4; // the pictures' widths, as shares of the page's
constexpr double LargeurCourbes = 0.8;

double Points(double mm)
{
    return mm / 25.4 * Resolution;
}

QFont Police(double points, bool gras = false)
{
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPointSizeF(points);
    police.setBold(gras);
    return police;
}

// Lays elements one under the other, starting a new page when one does not fit.
class TMiseEnPage {
public:
    TMiseEnPage(QPdfWriter &pdf, QPainter &peintre)
        : Pdf(pdf), Peintre(peintre), Zone(pdf.pageLayout().paintRectPixels(Resolution)), Y(Zone.top())
    {}

    bool Tient(double hauteur) const { return Y + hauteur <= Zone.bottom() || Y == Zone.top(); }
    void NouvellePage()
    {
        Pdf.newPage();
        Y = Zone.top();
    }
    // The top of a place `hauteur` high, on a new page if this one has no room left.
    double Place(double hauteur)
    {
        if (!Tient(hauteur))
            NouvellePage();
        const double haut = Y;
        Y += hauteur;
        return haut;
    }
    void Espace(double hauteur) { Y = std::min(Y + hauteur, Zone.bottom()); }

    QPdfWriter &Pdf;
    QPainter &Peintre;
    const QRectF Zone;

private:
    double Y;
};

void Texte(TMiseEnPage &page, const QString &texte, const QFont &police)
{
    page.Peintre.setFont(police);
    page.Peintre.setPen(Qt::black);
    const QFontMetricsF mesure(police, &page.Pdf);
    const QRectF zone(page.Zone.left(), page.Place(mesure.height()), page.Zone.width(), mesure.height());
    page.Peintre.drawText(zone, Qt::AlignLeft | Qt::AlignVCenter, texte);
}

void Tableau(TMiseEnPage &page, const TReleves &releves)
{
    // Each column as wide as its widest text, the table narrowed to the page if need be.
    std::vector<std::vector<QString>> lignes;
    lignes.emplace_back();
    for (int c = 0; c < static_cast<int>(NombreColonnesReleve); ++c)
        lignes[0].push_back(TModeleReleves::Entete(c));
    for (const TReleve &r : releves.Lignes()) {
        std::vector<QString> ligne;
        for (std::size_t c = 0; c < NombreColonnesReleve; ++c)
            ligne.push_back(QString::fromStdString(r.Texte(static_cast<TColonneReleve>(c))));
        lignes.push_back(ligne);
    }
    QFont police = Police(9);
    QFont gras = Police(9, true);
    std::vector<double> largeurs(NombreColonnesReleve);
    double total = 0.0;
    for (int essai = 0; essai < 2; ++essai) {
        const QFontMetricsF normale(police, &page.Pdf), grasse(gras, &page.Pdf);
        total = 0.0;
        for (std::size_t c = 0; c < NombreColonnesReleve; ++c) {
            largeurs[c] = 0.0;
            for (std::size_t l = 0; l < lignes.size(); ++l)
                largeurs[c] = std::max(largeurs[c], (l == 0 ? grasse : normale).horizontalAdvance(lignes[l][c]));
            largeurs[c] += normale.averageCharWidth() * 2;
            total += largeurs[c];
        }
        if (total <= page.Zone.width())
            break;
        const double reduction = page.Zone.width() / total;
        police.setPointSizeF(police.pointSizeF() * reduction);
        gras.setPointSizeF(gras.pointSizeF() * reduction);
    }
    const double hauteur = QFontMetricsF(police, &page.Pdf).height() * Interligne;
    const double marge = QFontMetricsF(police, &page.Pdf).averageCharWidth();
    QPainter &p = page.Peintre;
    const auto rangee = [&](const std::vector<QString> &cellules, bool titre) {
        const QRectF zone(page.Zone.left(), page.Place(hauteur), total, hauteur);
        p.setPen(QPen(Qt::black, Points(0.2)));
        if (titre)
            p.fillRect(zone, QColor(225, 225, 225));
        p.setFont(titre ? gras : police);
        double x = zone.left();
        for (std::size_t c = 0; c < NombreColonnesReleve; ++c) {
            const QRectF cellule(x, zone.top(), largeurs[c], hauteur);
            const Qt::Alignment alignement = titre                                           ? Qt::AlignHCenter
                                             : ColonneDeMots(static_cast<TColonneReleve>(c)) ? Qt::AlignLeft
                                                                                             : Qt::AlignRight;
            p.drawText(cellule.adjusted(marge, 0, -marge, 0), Qt::AlignVCenter | alignement, cellules[c]);
            p.drawRect(cellule);
            x += largeurs[c];
        }
    };
    // The header never ends a page alone, and heads each page the table runs onto.
    if (!page.Tient(2 * hauteur))
        page.NouvellePage();
    rangee(lignes[0], true);
    for (std::size_t l = 1; l < lignes.size(); ++l) {
        if (!page.Tient(hauteur)) {
            page.NouvellePage();
            rangee(lignes[0], true);
        }
        rangee(lignes[l], false);
    }
}

void Image(TMiseEnPage &page, const QString &legende, const QImage &image, double largeurMax)
{
    const QFont police = Police(11, true);
    const double hauteurLegende = QFontMetricsF(police, &page.Pdf).height() * 1.4;
    if (image.isNull()) {
        Texte(page, legende + QStringLiteral("\u00A0: non disponible."), Police(10));
        return;
    }
    const double largeur = std::min(largeurMax, page.Zone.width());
    const double hauteur = largeur * image.height() / image.width();
    const double y = page.Place(hauteurLegende + hauteur);
    page.Peintre.setFont(police);
    page.Peintre.setPen(Qt::black);
    page.Peintre.drawText(QRectF(page.Zone.left(), y, page.Zone.width(), hauteurLegende), Qt::AlignLeft | Qt::AlignTop,
                          legende);
    const QRectF cible(page.Zone.left() + (page.Zone.width() - largeur) / 2, y + hauteurLegende, largeur, hauteur);
    page.Peintre.drawImage(cible, image);
    page.Peintre.setPen(QPen(Qt::gray, Points(0.2)));
    page.Peintre.drawRect(cible);
}

} // namespace

QByteArray TCompteRendu::Pdf() const
{
    QBuffer sortie;
    sortie.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&sortie);
    pdf.setResolution(Resolution);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(MargeMm, MargeMm, MargeMm, MargeMm), QPageLayout::Millimeter));
    pdf.setTitle(QStringLiteral("Relevés sur la machine synchrone"));
    pdf.setCreator(QStringLiteral("Tavelor"));
    QPainter peintre;
    if (!peintre.begin(&pdf))
        return {};
    TMiseEnPage page(pdf, peintre);
    Texte(page, QStringLiteral("Relevés sur la machine synchrone couplée au réseau"), Police(16, true));
    const QLocale francais(QLocale::French, QLocale::France);
    Texte(page,
          QStringLiteral("Tavelor, le %1 à %2")
              .arg(francais.toString(Date.date(), QLocale::LongFormat), Date.time().toString(QStringLiteral("HH:mm"))),
          Police(10));
    page.Espace(Points(EspaceMm));
    if (Releves.Nombre() == 0)
        Texte(page, QStringLiteral("Aucun point relevé."), Police(10));
    else
        Tableau(page, Releves);
    // How the signs are read, under the table.
    const QString signes =
        QStringLiteral("Signes\u00A0: Pu et Q positives quand la machine les fournit au réseau\u00A0; "
                       "cos\u00A0φ positif, en convention générateur pour un alternateur, récepteur "
                       "pour un moteur ou un compensateur synchrone.");
    page.Espace(Points(EspaceMm / 3));
    const QFont police = Police(9);
    const QRectF place =
        QFontMetricsF(police, &pdf)
            .boundingRect(QRectF(0, 0, page.Zone.width(), page.Zone.height()), Qt::TextWordWrap, signes);
    peintre.setFont(police);
    peintre.setPen(Qt::black);
    peintre.drawText(QRectF(page.Zone.left(), page.Place(place.height()), page.Zone.width(), place.height()),
                     Qt::AlignLeft | Qt::TextWordWrap, signes);
    page.Espace(Points(EspaceMm));
    Image(page, QStringLiteral("Diagramme vectoriel monophasé"), Diagramme, page.Zone.width() * LargeurDiagramme);
    page.Espace(Points(EspaceMm));
    Image(page,
          TitreCourbes.isEmpty() ? QStringLiteral("Courbes caractéristiques")
                                 : QStringLiteral("Courbes caractéristiques\u00A0: ") + TitreCourbes,
          Courbes, page.Zone.width() * LargeurCourbes);
    return peintre.end() ? sortie.data() : QByteArray();
}

} // namespace tavelor
