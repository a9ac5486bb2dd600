#pragma once

#include <QString>

#include <functional>

namespace tavelor {

class TReleves;

// The session's recorded points kept on disk from the moment each is recorded, so that a
// crash, a SIGTERM, a power cut or a closed lid loses none: the file is rewritten whole
// (written aside, then renamed over) at every change of the rows, and removed only once
// they are exported or deliberately cleared. It is the export's own CSV, so that the
// program reads it back with the reader of "Ouvrir…" and a spreadsheet opens it too.
class TRecuperationReleves {
public:
    // In the user's data folder unless another is given.
    explicit TRecuperationReleves(QString dossier = {});

    QString Chemin() const;
    bool Existe() const;
    // False when the rows could not be written; the first failure of the session is told
    // through `Avertit`, which is then silent, and the program goes on.
    bool Ecrit(const TReleves &releves);
    void Supprime();
    // Renames the file aside with the date it was last written, never over another file;
    // the new path, or empty if it could not be renamed.
    QString MetDeCote();
    // Whether the last write succeeded: the quit prompt only promises what was kept.
    bool Ajour() const { return Ajour_; }

    std::function<void(const QString &message)> Avertit;

private:
    QString Dossier;
    bool Averti = false;
    bool Ajour_ = true;
};

} // namespace tavelor
