#pragma once

#include <QPoint>

class QWidget;
class QWindow;

namespace tavelor {

class TFenetres;

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
// A V-curve recorded as a student does on the coupled bench: +10 N·m, six points from
// 0.40 A to 1.00 A, then the excitation raised to 1.20 A, clear of them.
void ReleveCourbeV(TFenetres &fenetres);

} // namespace tavelor
