#pragma once

#include "TCouleur.h"
#include "TStylePinceau.h"
#include "TTexteForme.h"

#include <QFont>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace tavelor {

// A one-line physics label made of styled runs (italic symbols, subscripts, Greek
// letters, underlined complex quantities), written in the markup of TMarquage.
// The setters of the text and its fonts size it to its text, keeping its top-left corner; with
// AutoDepl the user drags it about its parent. Runs share a top line, not a baseline:
// a subscript is a smaller run placed Pos_indice pixels lower.
// The accessible description holds the text shown, Greek letters as Unicode.
class Tchaine_riche : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString chaine READ chaine WRITE setchaine)
    Q_PROPERTY(int sens READ sens WRITE setsens)
    Q_PROPERTY(bool centre READ centre WRITE setcentre)
    Q_PROPERTY(TCouleur couleur READ couleur WRITE setcouleur)
    Q_PROPERTY(int taille READ taille WRITE settaille)
    Q_PROPERTY(QString Police READ Police WRITE setPolice)
    Q_PROPERTY(int Pos_indice READ Pos_indice WRITE setPos_indice)
    Q_PROPERTY(int Taille_indice READ Taille_indice WRITE setTaille_indice)
    Q_PROPERTY(tavelor::TStylePinceau StyleFond READ StyleFond WRITE setStyleFond)
    Q_PROPERTY(TCouleur CouleurFond READ CouleurFond WRITE setCouleurFond)
    Q_PROPERTY(bool AutoDepl READ AutoDepl WRITE setAutoDepl)
    Q_PROPERTY(QMenu *popupmenu READ popupmenu WRITE setpopupmenu)

public:
    explicit Tchaine_riche(QWidget *parent = nullptr);

    QString chaine() const { return Chaine; }
    int sens() const { return Sens; }
    bool centre() const { return Centre; }
    TCouleur couleur() const { return Couleur; }
    int taille() const { return Taille; }
    QString Police() const { return NomPolice; }
    int Pos_indice() const { return PosIndice; }
    int Taille_indice() const { return TailleIndice; }
    TStylePinceau StyleFond() const { return Style; }
    TCouleur CouleurFond() const { return Fond; }
    bool AutoDepl() const { return Deplacable; }
    QMenu *popupmenu() const { return Menu; }

    void setchaine(const QString &valeur);
    void setsens(int valeur);
    void setcentre(bool valeur);
    void setcouleur(TCouleur valeur);
    void settaille(int valeur);
    void setPolice(const QString &valeur);
    void setPos_indice(int valeur);
    void setTaille_indice(int valeur);
    void setStyleFond(TStylePinceau valeur);
    void setCouleurFond(TCouleur valeur);
    void setAutoDepl(bool valeur);
    void setpopupmenu(QMenu *valeur);

    // Width and height in pixels that the current markup needs.
    int longueur() const;
    int hauteur() const;

signals:
    void OnMouseDown(QMouseEvent *event);
    void OnMouseMove(QMouseEvent *event);
    void OnMouseUp(QMouseEvent *event);
    void OnClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    struct TSegmentQt {
        QFont police;
        QString texte;
        int y = 0;
    };
    // A run as painted: measured and shaped once.
    struct TSegmentMesure {
        TTexteForme texte;
        int y = 0;
    };

    std::vector<TSegmentQt> Segments() const;
    void RemplitFond(QPainter &painter) const;
    void DessineSegments(QPainter &painter) const;
    void AjusteTaille();
    void MetAJourDescription();

    QString Chaine = QStringLiteral("41M]}");
    int Sens = 1;
    bool Centre = false;
    TCouleur Couleur = clBlack;
    int Taille = 11;
    QString NomPolice = QStringLiteral("arial");
    int PosIndice = -3;
    int TailleIndice = 3;
    TStylePinceau Style = bsSolid;
    TCouleur Fond = clBlack;
    bool Deplacable = false;
    QPointer<QMenu> Menu;
    // The runs of the text, rebuilt by the setters they depend on: painting, which the
    // windows do at every tick, neither parses nor measures.
    std::vector<TSegmentMesure> Mesures;

    // Dragging: a button is down, and where the label was taken, in its own pixels.
    bool Presse = false;
    QPoint Prise;
    bool PresseGauche = false;
};

} // namespace tavelor
