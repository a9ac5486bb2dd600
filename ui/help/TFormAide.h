#pragma once

#include "TFenetreSecondaire.h"

namespace tavelor {

class TBoutonFermer;
class TRichEdit;

// The help window: the French help document, loaded once from the resource "AIDE".
// Hiding it keeps the text as the user left it, scroll position and typing included.
class TFormAide : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFormAide(QWidget *parent = nullptr);

    TRichEdit *RichEdit1;
    TBoutonFermer *BitBtnFermer;

    void FormCreate();
    void BitBtnFermerClick();
};

} // namespace tavelor
