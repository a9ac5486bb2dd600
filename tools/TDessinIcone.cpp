#include "TDessinIcone.h"

#include "TEcritureSvg.h"
#include "TStyleDessin.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace tavelor {

namespace {

const QColor Rose(255, 185, 205);
const QColor Cadre(70, 55, 35);

// Below these sizes the details, then the "~", turn to mush.
constexpr int TailleDetaillee = 48;
constexpr int TailleSinus = 20;

// What changes between the detailed and the bold drawing, in canvas units.
struct TGabarit {
    QRectF tuile;
    double arrondi;
    double epaisseurCadre;
    QPointF centreMachine;
    double rayonMachine;
    double epaisseurTrait;
    double ecartLignes;
    double amplitudeSinus;
    double finLignes;
    double rayonBorne; // 0: the lines run into the frame
};

// Bold: 16 units are one pixel at 16 px and two at 32 px, and every line centre sits where
// a stroke that wide covers whole rows at both sizes.
constexpr TGabarit Gras{QRectF(8, 8, 240, 240), 40, 16, QPointF(96, 120), 64, 16, 48, 20, 240, 0};
constexpr TGabarit Detaille{QRectF(16, 16, 224, 224), 36, 6, QPointF(96, 128), 56, 8, 32, 17, 196, 10};

TTraceIcone Trait(const QPainterPath &chemin, double epaisseur)
{
    return TTraceIcone{chemin, QColor(), Qt::black, epaisseur};
}

// One period of a sine centred on `centre`, as a polyline fine enough to pass for a curve.
QPainterPath Sinus(const QPointF &centre, double largeur, double amplitude)
{
    constexpr int pas = 32;
    QPainterPath chemin;
    for (int i = 0; i <= pas; ++i) {
        const double phase = 2 * std::numbers::pi * i / pas;
        const QPointF point(centre.x() - largeur / 2 + largeur * i / pas, centre.y() - amplitude * std::sin(phase));
        if (i == 0)
            chemin.moveTo(point);
        else
            chemin.lineTo(point);
    }
    return chemin;
}

} // namespace

QList<TTraceIcone> TDessinIcone::Traces(int taille)
{
    const TGabarit &g = taille < TailleDetaillee ? Gras : Detaille;
    QList<TTraceIcone> traces;

    QPainterPath tuile;
    tuile.addRoundedRect(g.tuile, g.arrondi, g.arrondi);
    traces.append({tuile, CouleurFond, Cadre, g.epaisseurCadre});

    // Lines first: the machine's disc covers their ends.
    const QPointF &c = g.centreMachine;
    for (const int rang : {-1, 0, 1}) {
        const double y = c.y() + rang * g.ecartLignes;
        QPainterPath ligne(QPointF(c.x(), y));
        ligne.lineTo(g.finLignes, y);
        traces.append(Trait(ligne, g.epaisseurTrait));
    }

    QPainterPath machine;
    machine.addEllipse(c, g.rayonMachine, g.rayonMachine);
    traces.append({machine, Rose, Qt::black, g.epaisseurTrait});
    if (taille >= TailleSinus)
        traces.append(Trait(Sinus(c, 1.2 * g.rayonMachine, g.amplitudeSinus), g.epaisseurTrait));

    if (g.rayonBorne > 0) {
        for (const int rang : {-1, 0, 1}) {
            QPainterPath borne;
            borne.addEllipse(QPointF(g.finLignes + g.rayonBorne, c.y() + rang * g.ecartLignes), g.rayonBorne,
                             g.rayonBorne);
            traces.append({borne, Qt::white, Qt::black, g.epaisseurTrait * 0.75});
        }
    }
    return traces;
}

QImage TDessinIcone::Dessine(int taille)
{
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter crayon(&image);
    PrepareCrayon(crayon);
    crayon.scale(static_cast<double>(taille) / Cote, static_cast<double>(taille) / Cote);
    for (const TTraceIcone &trace : Traces(taille)) {
        QPen plume(Qt::NoPen);
        if (trace.trait.isValid()) {
            plume = QPen(trace.trait, trace.epaisseur);
            plume.setCapStyle(Qt::RoundCap);
            plume.setJoinStyle(Qt::RoundJoin);
        }
        crayon.setPen(plume);
        crayon.setBrush(trace.remplissage.isValid() ? QBrush(trace.remplissage) : QBrush());
        crayon.drawPath(trace.chemin);
    }
    crayon.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool TDessinIcone::Ecrit(const QDir &dossier, const QString &nom)
{
    if (!QDir().mkpath(dossier.path()))
        return false;
    QFile svg(dossier.filePath(nom + QStringLiteral(".svg")));
    const QByteArray document = EncodeSvg(Traces(Cote), Cote);
    if (!svg.open(QIODevice::WriteOnly) || svg.write(document) != document.size())
        return false;
    for (const int taille : Tailles) {
        if (!Dessine(taille).save(dossier.filePath(QStringLiteral("%1-%2.png").arg(nom).arg(taille)), "PNG"))
            return false;
    }
    return true;
}

} // namespace tavelor
