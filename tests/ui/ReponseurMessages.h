#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

namespace tavelor::test {

// Acknowledges every modal message box as a user would, keeping their texts.
class TReponseurMessages {
public:
    TReponseurMessages()
    {
        Minuterie.setInterval(10);
        QObject::connect(&Minuterie, &QTimer::timeout, [this] {
            if (auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                Textes.push_back(boite->text());
                boite->button(QMessageBox::Ok)->click();
            }
        });
        Minuterie.start();
    }

    QStringList Textes;

private:
    QTimer Minuterie;
};

} // namespace tavelor::test
