#pragma once

#include <QString>
#include <QWidget>

namespace tavelor {

// A side window of the bench: small tool-window caption, fixed client area,
// pale yellow background. Closing it only hides it, as the windows live until the
// program ends; a window made with FermetureTermineProgramme instead refuses to close
// and asks, through demandeFermeture, for the program to end.
class TFenetreSecondaire : public QWidget {
    Q_OBJECT

public:
    enum TFermeture { FermetureCache, FermetureTermineProgramme };

    TFenetreSecondaire(const QString &titre, QSize client, bool auPremierPlan, QWidget *parent = nullptr,
                       TFermeture fermeture = FermetureCache);

signals:
    void demandeFermeture();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TFermeture Fermeture;
};

} // namespace tavelor
