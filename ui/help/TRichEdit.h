#pragma once

#include "TLecteurRtf.h"

#include <QByteArray>
#include <QTextEdit>

namespace tavelor {

// A rich-text view that loads RTF, which Qt cannot read by itself: the document is
// read by TLecteurRtf and rebuilt here, one text block per paragraph.
class TRichEdit : public QTextEdit {
    Q_OBJECT

public:
    explicit TRichEdit(QWidget *parent = nullptr);

    // Replaces the whole text; the view goes back to the top.
    void ChargeRtf(const QByteArray &rtf);

private:
    void RemplitDocument(const TLecteurRtf::TDocument &document);
};

} // namespace tavelor
