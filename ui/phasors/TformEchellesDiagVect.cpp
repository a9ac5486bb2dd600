#include "TformEchellesDiagVect.h"

#include "FixedLocal.h"
#include "SaisieNombre.h"
#include "TModele.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QShowEvent>

#include <cmath>

namespace tavelor {

namespace {

// Beyond this the arrows' pixel coordinates would leave the integer range; no screen
// needs more than a fraction of it.
constexpr double EchelleMax = 1e5; // px/V or px/A

QLineEdit *CreeChamp(QWidget *parent, const char *nom, QLabel *etiquette, int y)
{
    auto *champ = new QLineEdit(parent);
    champ->setObjectName(QString::fromLatin1(nom));
    champ->setGeometry(176, y, 49, 27);
    champ->setAccessibleName(etiquette->text());
    etiquette->setBuddy(champ);
    return champ;
}

} // namespace

TformEchellesDiagVect::TformEchellesDiagVect(QWidget *parent)
    : TDialogueDiagramme(QStringLiteral("Echelles du diagramme vectoriel"), QSize(238, 121), false, QPoint(78, 83),
                         parent)
{
    setFont(PoliceTexte(16));

    Label1 = new QLabel(QStringLiteral("Tension (en pixels par V)\u00a0:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 12);
    Label1->adjustSize();
    Label2 = new QLabel(QStringLiteral("Intensité (en pixels par A)\u00a0:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(8, 43);
    Label2->adjustSize();
    EditV = CreeChamp(this, "EditV", Label1, 8);
    EditI = CreeChamp(this, "EditI", Label2, 40);
    EditI->installEventFilter(this);
    for (QLineEdit *champ : {EditV, EditI})
        connect(champ, &QLineEdit::textChanged, this, [this, champ] { EditVChange(champ); });
}

void TformEchellesDiagVect::showEvent(QShowEvent *event)
{
    TDialogueDiagramme::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TformEchellesDiagVect::FormShow()
{
    if (!Modele)
        return;
    EcritChamp(EditV, TexteReel(Modele->EchelleV));
    EcritChamp(EditI, TexteReel(Modele->EchelleI));
}

void TformEchellesDiagVect::EcritChamp(QLineEdit *champ, const QString &texte)
{
    {
        const QSignalBlocker bloqueur(champ);
        champ->setText(texte);
    }
    EditVChange(champ);
}

void TformEchellesDiagVect::EditVChange(QLineEdit *sender)
{
    if (!Modele || (sender != EditV && sender != EditI))
        return;
    double &echelle = sender == EditV ? Modele->EchelleV : Modele->EchelleI;
    const double ancienne = echelle;
    const auto valeur = LitReel(sender->text());
    if (!valeur || std::abs(*valeur) > EchelleMax) {
        SaisieInvalide();
        // Three digits as the read-outs show them, unless that takes an exponent,
        // which the field would refuse in turn.
        const QString texte = FixedLocal(ancienne, 3, 2);
        EcritChamp(sender, LitReel(texte) ? texte : TexteReel(ancienne));
        return;
    }
    echelle = *valeur;
    // Every phasor takes its scale again, whichever one changed.
    Modele->VecEv.Echelle = Modele->EchelleV;
    Modele->VecV.Echelle = Modele->EchelleV;
    Modele->VecLsWI.Echelle = Modele->EchelleV;
    Modele->VecI.Echelle = Modele->EchelleI;
    Modele->MiseAJourModele();
    RedessineDiagramme();
}

bool TformEchellesDiagVect::eventFilter(QObject *objet, QEvent *event)
{
    if (objet == EditI && event->type() == QEvent::KeyPress)
        return EditIKeyPress(static_cast<QKeyEvent *>(event));
    return TDialogueDiagramme::eventFilter(objet, event);
}

// A point typed on the numeric keypad or by habit becomes the locale's separator, so
// that the current scale can be typed with either key.
bool TformEchellesDiagVect::EditIKeyPress(QKeyEvent *event)
{
    const QString separateur = QLocale().decimalPoint();
    if (event->text() != QStringLiteral(".") || separateur == QStringLiteral("."))
        return false;
    EditI->insert(separateur);
    return true;
}

} // namespace tavelor
