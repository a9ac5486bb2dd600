#pragma once

#include <QString>
#include <QWidget>

namespace tavelor {

// A side window of the bench: small tool-window caption, fixed client area,
// pale yellow background. Closing it only hides it, as the windows live until the
// program ends; a window made with FermetureTermineProgramme instead refuses to close
// and asks, through demandeFermeture, for the program to end. A side window may be
// placed against a reference window (the bench) when it is shown.
class TFenetreSecondaire : public QWidget {
    Q_OBJECT

public:
    enum TFermeture { FermetureCache, FermetureTermineProgramme };
    enum TPlacement {
        PlacementLibre,
        SousLaReference,
        ADroiteDeLaReference,
        CentreSurLaReference,
        CentreSurLEcran,
        // A tool window: first where it covers no open window if the screen has room, then
        // where the user left it, remembered from one run to the next under its object name.
        PlacementOutil
    };

    // CentreSurLEcran needs no reference: it centres on the screen the window is on.
    // `aChaqueAffichage` false places the window at its first showing only, so that
    // where the user moves it afterwards is kept.
    void DefinitPlacement(const QWidget *reference, TPlacement placement, bool aChaqueAffichage);

    TFenetreSecondaire(const QString &titre, QSize client, bool auPremierPlan, QWidget *parent = nullptr,
                       TFermeture fermeture = FermetureCache);
    ~TFenetreSecondaire() override;

signals:
    void demandeFermeture();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void Place();
    void PlaceOutil();
    void RetientPlace();
    QString CleMemoire() const;

    TFermeture Fermeture;
    const QWidget *Reference = nullptr;
    TPlacement Placement = PlacementLibre;
    bool AChaqueAffichage = false;
    bool DejaPlacee = false;
};

} // namespace tavelor
