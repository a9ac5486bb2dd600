#include "TEcritureJpeg.h"

#include <cstdio> // jpeglib.h uses FILE without including its header
#include <cstdlib>

#include <jpeglib.h>

namespace tavelor {

QByteArray TEcritureJpeg::Encode(const QImage &image, int qualite)
{
    const QImage rvb = image.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct info{};
    jpeg_error_mgr erreurs{};
    info.err = jpeg_std_error(&erreurs);
    jpeg_create_compress(&info);

    unsigned char *tampon = nullptr;
    unsigned long taille = 0;
    jpeg_mem_dest(&info, &tampon, &taille);

    info.image_width = static_cast<JDIMENSION>(rvb.width());
    info.image_height = static_cast<JDIMENSION>(rvb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualite, TRUE);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    info.optimize_coding = TRUE;

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg takes non-const rows but only reads them.
        JSAMPROW ligne = const_cast<JSAMPROW>(rvb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &ligne, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    QByteArray donnees(reinterpret_cast<const char *>(tampon), static_cast<qsizetype>(taille));
    std::free(tampon);
    return donnees;
}

} // namespace tavelor
