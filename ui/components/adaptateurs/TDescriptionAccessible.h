#pragma once

#include <QAccessible>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace tavelor {

// Writes a widget's accessible description from the state the widget keeps. Each change
// is an event a screen reader may speak: while one listens, a reading that changes at
// every tick is described at most four times a second, and its last text as soon as it
// has settled (when the pause ends). With none listening a description is only stored,
// and is written at once.
class TDescriptionAccessible : public QObject {
    Q_OBJECT

public:
    // `ecoute` tells whether a screen reader listens.
    explicit TDescriptionAccessible(QWidget *widget, bool (*ecoute)() = &QAccessible::isActive);

    void Definit(const QString &texte);

    static constexpr int PauseMs = 250;

private:
    void Ecrit(const QString &texte);

    QWidget *Widget;
    bool (*Ecoute)();
    QString EnAttente;
    QElapsedTimer Derniere;
    QTimer Minuteur;
};

} // namespace tavelor
