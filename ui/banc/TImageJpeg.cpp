#include "TImageJpeg.h"

#include <QFile>
#include <QSysInfo>

#include <csetjmp>
#include <cstdio> // jpeglib.h uses FILE without including its header

#include <jpeglib.h>

namespace tavelor {

namespace {

// A corrupt header may announce any size; a picture of the bench is far below this.
constexpr JDIMENSION CoteMaximal = 16384;

struct TErreurJpeg {
    jpeg_error_mgr base; // first member: libjpeg hands back a pointer to it
    std::jmp_buf retour;
};

// Everything libjpeg touches lives here, in the caller's frame, so that its state is still
// defined after a longjmp has left the decoding function.
struct TDecompression {
    jpeg_decompress_struct info;
    TErreurJpeg erreur;
};

[[noreturn]] void QuitteSurErreur(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TErreurJpeg *>(info->err)->retour, 1);
}

// Negative levels are warnings: libjpeg carries on with made-up data, which we refuse.
// Other levels are traces, kept silent.
void TraiteMessage(j_common_ptr info, int niveau)
{
    if (niveau < 0)
        QuitteSurErreur(info);
}

// The longjmp from the callbacks lands in the setjmp below. It leaves only this frame and
// libjpeg's, and nothing here has a destructor to skip: the image is built in one assignment
// that completes before libjpeg runs again.
bool Decompresse(TDecompression &etat, const QByteArray &donnees, QImage &image)
{
    if (setjmp(etat.erreur.retour) != 0)
        return false;

    jpeg_create_decompress(&etat.info);
    jpeg_mem_src(&etat.info, reinterpret_cast<const unsigned char *>(donnees.constData()),
                 static_cast<unsigned long>(donnees.size()));
    if (jpeg_read_header(&etat.info, TRUE) != JPEG_HEADER_OK)
        return false;
    if (etat.info.image_width > CoteMaximal || etat.info.image_height > CoteMaximal)
        return false;
    // Straight into the 32-bit layout the screen takes (0xffRRGGBB in native order), so
    // that showing the picture converts nothing.
    etat.info.out_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&etat.info);
    if (etat.info.output_components != 4)
        return false;

    image = QImage(static_cast<int>(etat.info.output_width), static_cast<int>(etat.info.output_height),
                   QImage::Format_RGB32);
    if (image.isNull())
        return false;
    while (etat.info.output_scanline < etat.info.output_height) {
        JSAMPROW ligne = image.scanLine(static_cast<int>(etat.info.output_scanline));
        jpeg_read_scanlines(&etat.info, &ligne, 1);
    }
    jpeg_finish_decompress(&etat.info);
    return true;
}

} // namespace

QImage TImageJpeg::Decode(const QByteArray &donnees)
{
    if (donnees.isEmpty())
        return {};

    TDecompression etat{};
    etat.info.err = jpeg_std_error(&etat.erreur.base);
    etat.erreur.base.error_exit = QuitteSurErreur;
    etat.erreur.base.emit_message = TraiteMessage;

    QImage image;
    const bool decode = Decompresse(etat, donnees, image);
    // Safe at any stage: libjpeg frees only what it has allocated.
    jpeg_destroy_decompress(&etat.info);
    return decode ? image : QImage();
}

QImage TImageJpeg::Charge(const QString &ressource)
{
    QFile fichier(ressource.startsWith(u':') ? ressource : QStringLiteral(":/") + ressource);
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    return Decode(fichier.readAll());
}

} // namespace tavelor
