#pragma once

#include "CouleurQt.h"
#include "TCouleur.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QRectF>
#include <QString>

class QPainter;

namespace tavelor {

// Look shared by every generated picture. The bench caption "Réglage vitesse" and the
// picture "Réglage couple" that covers it go through the same calls, so the swap is seamless.

// The windows' background, from the one colour table of the program.
inline const QColor CouleurFond = VersQColor(clFondBanc);
inline const QColor CouleurTexteBouton(255, 255, 192);

// Wires and outlines are 2 px wide and laid on whole-pixel centres: a 2 px line centred on
// y covers the rows y - 1 and y, so horizontal and vertical strokes stay sharp.
inline constexpr double EpaisseurTrait = 2.0;

QFont PoliceLegende();  // captions of the bench: Liberation Sans, 14 px
QFont PoliceAppareil(); // letter inside an instrument circle: bold, 17 px
QFont PoliceUnite();    // unit caption beside a meter: bold, 15 px
QFont PoliceBouton();   // button faces: bold, 13 px

QPen PlumeTrait();
QPen PlumeTirets(); // mechanical links and the terminal frame

// Antialiased shapes and text on a painter about to draw a picture.
void PrepareCrayon(QPainter &crayon);

// Multi-line text (lines separated by '\n'), each line placed by the alignment inside the box.
void DessineLegende(QPainter &crayon, const QRectF &cadre, const QString &texte,
                    Qt::Alignment alignement = Qt::AlignCenter);

// The caption of a track bar, same look on the bench and in the picture that replaces it.
void DessineLegendeReglage(QPainter &crayon, const QRectF &cadre, const QString &texte);

} // namespace tavelor
