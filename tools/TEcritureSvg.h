#pragma once

#include "TDessinIcone.h"

#include <QByteArray>
#include <QList>

namespace tavelor {

// The shapes as a standalone SVG document on a cote x cote canvas: one <path> per shape,
// curves kept as cubic Béziers, so the scalable icon is the very drawing of the PNG ones.
QByteArray EncodeSvg(const QList<TTraceIcone> &traces, int cote);

} // namespace tavelor
