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

constexpr int Resolution = 300;    // dots per inch of the page's coordinates
constexpr double MargeMm = 15.0;   // around the page
constexpr double Interligne = 1.6; // a table row's height, in heights of its font
constexpr double EspaceMm = 6.0;   // between two elements

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

// The rows of one series: every column the report keeps, the comment last, each as wide
// as its widest text (a comment at most a third of the page, cut short beyond), the
// table narrowed to the page if need be.
void Tableau(TMiseEnPage &page, const TReleves &releves, const std::string &serie, bool modeTP)
{
    std::vector<int> colonnes;
    for (int c = 0; c < static_cast<int>(NombreColonnesReleve); ++c) {
        const auto colonne = static_cast<TColonneReleve>(c);
        // A column that is never measured leaves the table; Ev stays for the no-load rows.
        if (!(modeTP && TReleves::NonMesurable(colonne, true) && TReleves::NonMesurable(colonne, false)))
            colonnes.push_back(c);
    }
    colonnes.push_back(TModeleReleves::ColonneCommentaire);
    const std::size_t n = colonnes.size();
    std::vector<std::vector<QString>> lignes(1);
    for (const int c : colonnes)
        lignes[0].push_back(TModeleReleves::Entete(c));
    for (const TReleve &r : releves.Lignes()) {
        if (r.Serie != serie)
            continue;
        std::vector<QString> ligne;
        for (const int c : colonnes) {
            const auto colonne = static_cast<TColonneReleve>(c);
            if (c == TModeleReleves::ColonneCommentaire)
                ligne.push_back(QString::fromStdString(r.Commentaire));
            else if (modeTP && TReleves::NonMesurable(colonne, r.Couplee))
                ligne.push_back(QString());
            else
                ligne.push_back(QString::fromStdString(r.Texte(colonne)));
        }
        lignes.push_back(ligne);
    }
    QFont police = Police(9);
    QFont gras = Police(9, true);
    std::vector<double> largeurs(n);
    double total = 0.0;
    const double largeurCommentaire = page.Zone.width() / 3;
    for (int essai = 0; essai < 2; ++essai) {
        const QFontMetricsF normale(police, &page.Pdf), grasse(gras, &page.Pdf);
        total = 0.0;
        for (std::size_t c = 0; c < n; ++c) {
            largeurs[c] = 0.0;
            for (std::size_t l = 0; l < lignes.size(); ++l)
                largeurs[c] = std::max(largeurs[c], (l == 0 ? grasse : normale).horizontalAdvance(lignes[l][c]));
            largeurs[c] += normale.averageCharWidth() * 2;
            total += largeurs[c];
        }
        if (largeurs[n - 1] > largeurCommentaire) {
            total -= largeurs[n - 1] - largeurCommentaire;
            largeurs[n - 1] = largeurCommentaire;
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
        const QFontMetricsF mesure(p.font(), &page.Pdf);
        double x = zone.left();
        for (std::size_t c = 0; c < n; ++c) {
            const QRectF cellule(x, zone.top(), largeurs[c], hauteur);
            const bool texte = c + 1 == n || ColonneDeMots(static_cast<TColonneReleve>(colonnes[c]));
            const Qt::Alignment alignement = titre ? Qt::AlignHCenter : texte ? Qt::AlignLeft : Qt::AlignRight;
            const QRectF dedans = cellule.adjusted(marge, 0, -marge, 0);
            p.drawText(dedans, Qt::AlignVCenter | alignement,
                       mesure.elidedText(cellules[c], Qt::ElideRight, dedans.width()));
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

// The pictures two by two, each under its caption, half the page wide: a row goes to the
// next page only when it does not fit, which leaves at most a row's height empty.
void Figures(TMiseEnPage &page, const std::vector<TCompteRendu::TFigure> &figures)
{
    const QFont police = Police(10, true);
    const double hauteurLegende = QFontMetricsF(police, &page.Pdf).height() * 1.4;
    const double espace = Points(EspaceMm);
    const double largeur = (page.Zone.width() - espace) / 2;
    for (std::size_t k = 0; k < figures.size(); k += 2) {
        const std::size_t fin = std::min(k + 2, figures.size());
        double hauteur = 0.0;
        for (std::size_t j = k; j < fin; ++j)
            hauteur = std::max(hauteur, largeur * figures[j].Image.height() / figures[j].Image.width());
        const double y = page.Place(hauteurLegende + hauteur);
        for (std::size_t j = k; j < fin; ++j) {
            const double x = page.Zone.left() + static_cast<double>(j - k) * (largeur + espace);
            const QImage &image = figures[j].Image;
            page.Peintre.setFont(police);
            page.Peintre.setPen(Qt::black);
            page.Peintre.drawText(QRectF(x, y, largeur, hauteurLegende), Qt::AlignLeft | Qt::AlignTop,
                                  figures[j].Titre);
            const QRectF cible(x, y + hauteurLegende, largeur, largeur * image.height() / image.width());
            page.Peintre.drawImage(cible, image);
            page.Peintre.setPen(QPen(Qt::gray, Points(0.2)));
            page.Peintre.drawRect(cible);
        }
        page.Espace(espace);
    }
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
    page.Espace(Points(2));
    const QString nonDit = QStringLiteral("…");
    Texte(page, QStringLiteral("Étudiants\u00A0: %1").arg(Etudiants.isEmpty() ? nonDit : Etudiants), Police(11));
    Texte(page, QStringLiteral("Groupe\u00A0: %1").arg(Groupe.isEmpty() ? nonDit : Groupe), Police(11));
    const QLocale francais(QLocale::French, QLocale::France);
    Texte(page,
          QStringLiteral("Le %1 à %2, avec Tavelor")
              .arg(francais.toString(Date.date(), QLocale::LongFormat), Date.time().toString(QStringLiteral("HH:mm"))),
          Police(10));
    if (ModeTP)
        Texte(page,
              QStringLiteral("Travaux pratiques\u00A0: l'angle interne δ et Ev une fois la machine couplée ne sont "
                             "pas mesurés, comme sur le banc réel."),
              Police(9));
    page.Espace(Points(EspaceMm));
    if (Releves.Nombre() == 0)
        Texte(page, QStringLiteral("Aucun point relevé."), Police(10));
    const double hauteurTitre = QFontMetricsF(Police(11, true), &pdf).height();
    for (const std::string &serie : Releves.Series()) {
        const auto nombre = std::count_if(Releves.Lignes().begin(), Releves.Lignes().end(),
                                          [&](const TReleve &r) { return r.Serie == serie; });
        // A series' name never ends a page alone.
        if (!page.Tient(hauteurTitre * 4))
            page.NouvellePage();
        Texte(page,
              QStringLiteral("%1 (%2 point%3)")
                  .arg(serie.empty() ? QStringLiteral("Sans série") : QString::fromStdString(serie))
                  .arg(nombre)
                  .arg(nombre > 1 ? QStringLiteral("s") : QString()),
              Police(11, true));
        Tableau(page, Releves, serie, ModeTP);
        page.Espace(Points(EspaceMm));
    }
    // How the signs are read, under the tables.
    const QString signes =
        QStringLiteral("Signes\u00A0: Pu et Q positives quand la machine les fournit au réseau\u00A0; "
                       "cos\u00A0φ positif, en convention générateur pour un alternateur, récepteur "
                       "pour un moteur ou un compensateur synchrone.");
    const QFont police = Police(9);
    const QRectF place =
        QFontMetricsF(police, &pdf)
            .boundingRect(QRectF(0, 0, page.Zone.width(), page.Zone.height()), Qt::TextWordWrap, signes);
    peintre.setFont(police);
    peintre.setPen(Qt::black);
    peintre.drawText(QRectF(page.Zone.left(), page.Place(place.height()), page.Zone.width(), place.height()),
                     Qt::AlignLeft | Qt::TextWordWrap, signes);
    page.Espace(Points(EspaceMm));
    // The diagram shows Ev and δ: left out of a practical-work report.
    std::vector<TFigure> figures;
    if (!ModeTP && Diagramme.isNull())
        Texte(page, QStringLiteral("Diagramme vectoriel monophasé\u00A0: non disponible (machine non couplée)."),
              Police(10));
    else if (!ModeTP)
        figures.push_back({QStringLiteral("Diagramme vectoriel monophasé"), Diagramme});
    for (const TFigure &courbe : Courbes)
        if (!courbe.Image.isNull())
            figures.push_back(courbe);
    Figures(page, figures);
    return peintre.end() ? sortie.data() : QByteArray();
}

} // namespace tavelor
