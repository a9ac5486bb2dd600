#pragma once

#include <QPoint>

class QWidget;
class QWindow;

namespace tavelor {

class TFenetres;
class TForm1;

// What the captures do to the windows, as a user would.

// Lets the clock tick and the windows repaint for a while.
void Attend(int millisecondes);
// Types the letters into a window, as the keyboard delivers them.
void Tape(QWindow *fenetre, const char *texte);
// A left click at the centre of the widget.
void Clique(QWidget *widget);
// A left press at `de`, the pointer moved to `a`, released there unless `relache` is false
// (the measuring line then keeps following the pointer).
void Glisse(QWidget *widget, QPoint de, QPoint a, bool relache = true);
// The six terminals clicked in the grid's phase order, whichever order was drawn, then
// 1500 rpm and 0.47 A on the bars.
void CableEtRegle(TForm1 &banc);
// A V-curve recorded as a student does on the coupled bench: +10 N·m, six points from
// 0.40 A to 1.00 A, then the excitation raised to 1.20 A, clear of them.
void ReleveCourbeV(TFenetres &fenetres);

} // namespace tavelor
