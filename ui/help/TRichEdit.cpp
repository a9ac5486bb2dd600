#include "TRichEdit.h"

#include "TPolices.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <string_view>

namespace tavelor {
namespace {

Qt::Alignment VersQt(TLecteurRtf::TAlignement alignement)
{
    switch (alignement) {
    case TLecteurRtf::TAlignement::Centre:
        return Qt::AlignHCenter;
    case TLecteurRtf::TAlignement::Droite:
        return Qt::AlignRight;
    case TLecteurRtf::TAlignement::Justifie:
        return Qt::AlignJustify;
    case TLecteurRtf::TAlignement::Gauche:
        break;
    }
    return Qt::AlignLeft;
}

QTextCharFormat VersQt(const TLecteurRtf::TFormat &format)
{
    QTextCharFormat qt;
    if (!format.Police.empty())
        qt.setFontFamilies({TPolices::Famille(QString::fromStdString(format.Police))});
    qt.setFontPointSize(format.DemiPoints / 2.0);
    qt.setFontWeight(format.Gras ? QFont::Bold : QFont::Normal);
    qt.setFontItalic(format.Italique);
    qt.setFontUnderline(format.Souligne);
    return qt;
}

} // namespace

TRichEdit::TRichEdit(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(false); // pasted text takes the format where it lands
}

void TRichEdit::ChargeRtf(const QByteArray &rtf)
{
    RemplitDocument(TLecteurRtf::Lit(std::string_view(rtf.constData(), static_cast<std::size_t>(rtf.size()))));
}

void TRichEdit::RemplitDocument(const TLecteurRtf::TDocument &document)
{
    // Block margins are in pixels; RTF spacings are in twips (1/1440 inch).
    const double pixelsParTwip = logicalDpiY() / 1440.0;
    QTextDocument *texte = this->document();
    texte->clear();
    texte->setUndoRedoEnabled(false);
    QTextCursor curseur(texte);
    bool premier = true;
    for (const auto &paragraphe : document.Paragraphes) {
        QTextBlockFormat bloc;
        bloc.setAlignment(VersQt(paragraphe.Alignement));
        bloc.setTopMargin(paragraphe.EspaceAvant * pixelsParTwip);
        bloc.setBottomMargin(paragraphe.EspaceApres * pixelsParTwip);
        bloc.setLeftMargin(paragraphe.RetraitGauche * pixelsParTwip);
        bloc.setRightMargin(paragraphe.RetraitDroit * pixelsParTwip);
        bloc.setTextIndent(paragraphe.RetraitPremiereLigne * pixelsParTwip);
        // The mark's format sizes an empty paragraph, as the spacer after a heading.
        const QTextCharFormat marque = VersQt(paragraphe.Marque);
        if (premier) {
            curseur.setBlockFormat(bloc);
            curseur.setBlockCharFormat(marque);
            premier = false;
        } else {
            curseur.insertBlock(bloc, marque);
        }
        for (const auto &segment : paragraphe.Segments)
            curseur.insertText(QString::fromStdString(segment.Texte), VersQt(segment.Format));
    }
    texte->setUndoRedoEnabled(true);
    texte->setModified(false);
    moveCursor(QTextCursor::Start);
}

} // namespace tavelor
