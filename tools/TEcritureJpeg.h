#pragma once

#include <QByteArray>
#include <QImage>

namespace tavelor {

// Encodes with libjpeg, the library that decodes the pictures in the program, so that the
// files shipped are the ones its decoder is tested against. Full-resolution chroma (4:4:4)
// keeps thin coloured edges and small captions clean.
QByteArray EncodeJpeg(const QImage &image, int qualite);

} // namespace tavelor
