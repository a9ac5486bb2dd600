#pragma once

#include <QObject>

#include <cstdint>

class QWidget;

namespace tavelor {

// Opt-in start-up measurement (TAVELOR_MESURE=affichage, read by the caller): prints when
// each window visible at construction has been painted for the first time, then its peak
// memory, and ends the event loop. Only a program being measured pays for the
// application-wide event filter. Times are CLOCK_MONOTONIC in nanoseconds, so that the
// launcher can subtract the moment it started the process.
class TMesureAffichage : public QObject {
public:
    // Watches the top-level widgets visible now: build it after showing them.
    TMesureAffichage();

    // Nanoseconds on CLOCK_MONOTONIC.
    static std::int64_t Maintenant();
    // Peak resident memory of the process in kB (VmHWM), or -1 if unreadable.
    static long PicMemoire();

private:
    static void NoteAffichee(QWidget *fenetre);
    static void Termine();
};

} // namespace tavelor
