#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

namespace tavelor {

// Tells when each of some windows has been painted for the first time, and when all of
// them have. A window counts as painted once the event loop runs again after its first
// paint event: by then its children are drawn and its backing store flushed. A window
// hidden or destroyed before it paints no longer holds the others up.
class TPremiersAffichages : public QObject {
    Q_OBJECT

public:
    TPremiersAffichages(const std::vector<QWidget *> &fenetres, QObject *parent = nullptr);
    ~TPremiersAffichages() override;

signals:
    void Affichee(QWidget *fenetre);
    void Toutes();

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void Retire(QWidget *fenetre, bool affichee);

    std::vector<QPointer<QWidget>> Attendues;
    // Painted, to be reported when the loop turns.
    std::vector<QPointer<QWidget>> Peintes;
    bool Fini = false;
};

} // namespace tavelor
