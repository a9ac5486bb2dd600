#pragma once

#include <QList>
#include <QObject>

class QWidget;

namespace tavelor {

// F6 brings the next of the program's visible windows to the front with the keyboard
// focus, Shift+F6 the previous one, in reading order of their places on the screen (top
// to bottom, then left to right). Desktops leave tool windows out of their own window
// switcher, so without it the side windows could not be reached from the keyboard.
class TCycleFenetres : public QObject {
    Q_OBJECT

public:
    // The keys work in every window of the program while `principale` lives.
    explicit TCycleFenetres(QWidget *principale);

    // The windows F6 goes through, in its order.
    static QList<QWidget *> Fenetres();
    // One step forwards (sens > 0) or backwards from the active window.
    static void Active(int sens);
};

} // namespace tavelor
