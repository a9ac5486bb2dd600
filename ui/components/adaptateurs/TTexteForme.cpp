#include "TTexteForme.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>

#include <atomic>

namespace tavelor {

namespace {
std::atomic<std::uint64_t> dejaFormes{0};
}

TTexteForme::TTexteForme(const QString &texte, const QFont &police, const QPaintDevice *appareil)
    : Chaine(texte), PoliceTexte(police), Forme(texte)
{
    const QFontMetrics mesure(police, appareil);
    LargeurTexte = mesure.horizontalAdvance(texte);
    HauteurTexte = mesure.height();
    AscendanteTexte = mesure.ascent();
    // Laid out at its first drawing: the windows make and remake their labels as they
    // are set up, and start-up would pay for layouts never drawn.
    Forme.setTextFormat(Qt::PlainText);
    Forme.setPerformanceHint(QStaticText::AggressiveCaching);
}

std::uint64_t TTexteForme::DessinsDejaFormes()
{
    return dejaFormes.load(std::memory_order_relaxed);
}

void TTexteForme::Dessine(QPainter &painter, int x, int ligneDeBase) const
{
    if (Chaine.isEmpty())
        return;
    painter.setFont(PoliceTexte);
    const QPaintEngine *moteur = painter.paintEngine();
    if (moteur == nullptr || moteur->type() != QPaintEngine::Raster ||
        painter.deviceTransform().type() > QTransform::TxTranslate || PoliceTexte.underline()) {
        painter.drawText(x, ligneDeBase, Chaine);
        return;
    }
    if (!AscendanteConnue) {
        AscendanteExacte = QFontMetricsF(PoliceTexte, painter.device()).ascent();
        AscendanteConnue = true;
    }
    painter.drawStaticText(QPointF(x, ligneDeBase - AscendanteExacte), Forme);
    dejaFormes.fetch_add(1, std::memory_order_relaxed);
}

} // namespace tavelor
