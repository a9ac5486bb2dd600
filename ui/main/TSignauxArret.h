#pragma once

#include <QObject>

class QSocketNotifier;

namespace tavelor {

// Turns SIGTERM and SIGINT into a Qt signal raised by the event loop, so that a session
// ending or a `kill` closes the main window the way "Quitter" does and the program exits
// with 0 instead of dying mid-tick. The handler only writes a byte into a pipe, about the
// only thing a handler may do; a socket notifier reads it on the main thread.
// One instance at a time; the previous handlers come back when it is destroyed.
class TSignauxArret : public QObject {
    Q_OBJECT
public:
    explicit TSignauxArret(QObject *parent = nullptr);
    ~TSignauxArret() override;

    // False when the pipe or the handlers could not be set up: the signals then keep their
    // default effect.
    bool Actif() const { return Notificateur != nullptr; }

signals:
    void ArretDemande();

private:
    void videTube();

    int Tube[2] = {-1, -1};
    QSocketNotifier *Notificateur = nullptr;
};

} // namespace tavelor
