#pragma once

#include <QString>
#include <QWidget>

namespace tavelor {

// A side window of the bench: small tool-window caption, fixed client area,
// pale yellow background. Closing it only hides it, as the windows live until
// the program ends.
class TFenetreSecondaire : public QWidget {
    Q_OBJECT

public:
    TFenetreSecondaire(const QString &titre, QSize client, bool auPremierPlan, QWidget *parent = nullptr);
};

} // namespace tavelor
