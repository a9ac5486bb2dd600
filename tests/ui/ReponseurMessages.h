#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace tavelor::test {

// Acknowledges every modal message box as a user would, keeping their texts and titles.
class TReponseurMessages {
public:
    TReponseurMessages()
    {
        Minuterie.setInterval(10);
        QObject::connect(&Minuterie, &QTimer::timeout, [this] {
            if (auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                if (boite != Derniere) {
                    Derniere = boite;
                    Textes.push_back(boite->text());
                    Titres.push_back(boite->windowTitle());
                    Details.push_back(boite->informativeText());
                    Icones.push_back(boite->icon());
                    if (AuMessage)
                        AuMessage();
                }
                // A later box may reuse the address of an acknowledged one.
                if (!Retenir) {
                    boite->button(QMessageBox::Ok)->click();
                    Derniere = nullptr;
                }
            }
        });
        Minuterie.start();
    }
    QTimer Minuterie;
    QStringList Textes, Titres, Details;
    QList<QMessageBox::Icon> Icones;
    // Kept open while set; AuMessage runs once when a new box appears.
    bool Retenir = false;
    std::function<void()> AuMessage;
    QMessageBox *Derniere = nullptr;
};

} // namespace tavelor::test
