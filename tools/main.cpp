// Draws the pictures of the bench window and its buttons into a folder (by default the
// project's resources/, which the build compiles into the program).
//
//   tavelor_dessins [dossier] [--apercu dossier-apercu]

#include "TApercu.h"
#include "TDessinBanc.h"
#include "TDessinIcone.h"
#include "TEcritureJpeg.h"
#include "TImageJpeg.h"
#include "TImagesAnnexes.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>

namespace {

constexpr int QualiteJpeg = 92;

struct TFace {
    const char *fichier; // without its extension
    const char *texte;
    int largeur;
};

// Faces of the 75 x 30 (and 160 x 30, 80 x 30) buttons, less a 3 px frame on each side.
constexpr TFace Faces[] = {
    {"recabler", "Recâbler", 74}, {"fermer_inter", "Fermer l'interrupteur", 154},
    {"aide", "Aide", 69},         {"apropos", "A propos", 69},
    {"quitter", "Quitter", 69},   {"fermer", "Fermer", 69},
};
constexpr int HauteurFace = 24;

// Each picture at 1x, then at 2x under the name Qt's convention gives it ("banc@2x.jpg")
// for screens of device pixel ratio 2.
constexpr qreal Echelles[] = {1.0, 2.0};

QString Nom(const char *base, qreal echelle, const char *extension)
{
    const QString suffixe = echelle > 1.0 ? QStringLiteral("@%1x").arg(echelle) : QString();
    return QString::fromLatin1(base) + suffixe + QString::fromLatin1(extension);
}

QByteArray EncodePng(const QImage &image)
{
    QByteArray donnees;
    QBuffer tampon(&donnees);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    return donnees;
}

bool Ecrit(const QDir &dossier, const QString &nom, const QByteArray &donnees)
{
    QFile fichier(dossier.filePath(nom));
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(donnees) != donnees.size()) {
        std::fprintf(stderr, "tavelor_dessins: cannot write %s\n", qPrintable(fichier.fileName()));
        return false;
    }
    return true;
}

// A JPEG just written, through the program's own decoder.
QImage Relit(const QDir &dossier, const QString &nom)
{
    QFile fichier(dossier.filePath(nom));
    return fichier.open(QIODevice::ReadOnly) ? tavelor::TImageJpeg::Decode(fichier.readAll()) : QImage();
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Draws the pictures of the Tavelor bench."));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("dossier"), QStringLiteral("Output folder (default: resources/)."));
    const QCommandLineOption apercu(QStringLiteral("apercu"), QStringLiteral("Also write check previews there."),
                                    QStringLiteral("dossier-apercu"));
    options.addOption(apercu);
    options.process(application);

    // Another face would shift every caption: refuse rather than draw with a fallback.
    const QStringList familles = QFontDatabase::families();
    if (!familles.contains(QStringLiteral("Liberation Sans"))) {
        std::fprintf(stderr, "tavelor_dessins: the Liberation Sans font is missing (Debian: fonts-liberation2)\n");
        return 1;
    }

    const QStringList positionnels = options.positionalArguments();
    const QDir dossier(positionnels.isEmpty() ? QStringLiteral(TAVELOR_RESSOURCES) : positionnels.first());
    if (!QDir().mkpath(dossier.path())) {
        std::fprintf(stderr, "tavelor_dessins: cannot create %s\n", qPrintable(dossier.path()));
        return 1;
    }

    bool ecrits = true;
    for (const qreal echelle : Echelles) {
        const QByteArray banc = tavelor::TEcritureJpeg::Encode(tavelor::TDessinBanc().Dessine(echelle), QualiteJpeg);
        const QByteArray regCouple = tavelor::TEcritureJpeg::Encode(tavelor::ImageRegCouple(echelle), QualiteJpeg);
        ecrits = ecrits && Ecrit(dossier, Nom("banc", echelle, ".jpg"), banc) &&
                 Ecrit(dossier, Nom("regcouple", echelle, ".jpg"), regCouple) &&
                 Ecrit(dossier, Nom("warning", echelle, ".png"), EncodePng(tavelor::ImageWarning(echelle)));
        for (const TFace &face : Faces) {
            const QImage image = tavelor::FaceBouton(QString::fromUtf8(face.texte), face.largeur, HauteurFace, echelle);
            ecrits = ecrits && Ecrit(dossier, Nom(face.fichier, echelle, ".png"), EncodePng(image));
        }
    }
    // The program's icon, in every size the desktop asks for, goes to its own subfolder.
    if (ecrits &&
        !tavelor::TDessinIcone::Ecrit(QDir(dossier.filePath(QStringLiteral("icone"))), QStringLiteral("tavelor"))) {
        std::fprintf(stderr, "tavelor_dessins: cannot write the icons\n");
        ecrits = false;
    }
    if (!ecrits)
        return 1;

    if (options.isSet(apercu)) {
        // Previews go through the program's own decoder: what they show is what it shows.
        const tavelor::TApercu apercus(Relit(dossier, QStringLiteral("banc.jpg")),
                                       Relit(dossier, QStringLiteral("regcouple.jpg")), tavelor::ImageWarning());
        if (!apercus.Ecrit(options.value(apercu))) {
            std::fprintf(stderr, "tavelor_dessins: cannot write the previews\n");
            return 1;
        }
    }
    return 0;
}
