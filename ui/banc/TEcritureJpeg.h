#pragma once

#include <QByteArray>
#include <QImage>

namespace tavelor {

// Encoder of the pictures the generator writes, on libjpeg, the library that decodes them
// in the program, so that the files shipped are the ones its decoder is tested against.
// Full-resolution chroma (4:4:4) keeps thin coloured edges and small captions clean.
class TEcritureJpeg {
public:
    // qualite in 0..100. Only the generator calls it: libjpeg's default error handler,
    // which exits, is acceptable for a build tool.
    static QByteArray Encode(const QImage &image, int qualite);
};

} // namespace tavelor
