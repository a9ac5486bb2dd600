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
    const char *fichier;
    const char *texte;
    int largeur;
};

// Faces of the 75 x 30 (and 160 x 30, 80 x 30) buttons, less a 3 px frame on each side.
constexpr TFace Faces[] = {
    {"recabler.png", "Recâbler", 74}, {"fermer_inter.png", "Fermer l'interrupteur", 154},
    {"aide.png", "Aide", 69},         {"apropos.png", "A propos", 69},
    {"quitter.png", "Quitter", 69},   {"fermer.png", "Fermer", 69},
};
constexpr int HauteurFace = 24;

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

    const QByteArray banc = tavelor::TEcritureJpeg::Encode(tavelor::TDessinBanc().Dessine(), QualiteJpeg);
    const QByteArray regCouple = tavelor::TEcritureJpeg::Encode(tavelor::ImageRegCouple(), QualiteJpeg);
    const QImage warning = tavelor::ImageWarning();
    bool ecrits = Ecrit(dossier, QStringLiteral("banc.jpg"), banc) &&
                  Ecrit(dossier, QStringLiteral("regcouple.jpg"), regCouple) &&
                  Ecrit(dossier, QStringLiteral("warning.png"), EncodePng(warning));
    for (const TFace &face : Faces) {
        const QImage image = tavelor::FaceBouton(QString::fromUtf8(face.texte), face.largeur, HauteurFace);
        ecrits = ecrits && Ecrit(dossier, QString::fromLatin1(face.fichier), EncodePng(image));
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
        const tavelor::TApercu apercus(tavelor::TImageJpeg::Decode(banc), tavelor::TImageJpeg::Decode(regCouple),
                                       warning);
        if (!apercus.Ecrit(options.value(apercu))) {
            std::fprintf(stderr, "tavelor_dessins: cannot write the previews\n");
            return 1;
        }
    }
    return 0;
}
