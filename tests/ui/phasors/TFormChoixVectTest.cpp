#include "TFormChoixVect.h"

#include "BancCouple.h"
#include "CouleurQt.h"
#include "Tchaine_riche.h"

#include <QAction>
#include <QCheckBox>

namespace tavelor {
namespace {

class TFormChoixVectTest : public test::BancCouple {
protected:
    TFormChoixVect &Dialogue() { return *Fenetres->FormChoixVect(); }

    void Ouvre() { BancCouple::Ouvre(Diagramme()->Afficher2, Dialogue()); }

    bool Dessine(TCouleur couleur)
    {
        const QImage image = Diagramme()->ImageDiagramme();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == VersQColor(couleur))
                    return true;
        return false;
    }
};

// Each box shows and hides its arrow and its label in the diagram, and the next
// showing of the dialog reads the choice back.
TEST_F(TFormChoixVectTest, BoxesShowAndHidePhasorsWithTheirLabels)
{
    struct TCas {
        QCheckBox *TFormChoixVect::*boite;
        TNbComplexe TModele::*phaseur;
        Tchaine_riche *TFormVecteurs::*etiquette;
        TCouleur couleur;
        bool auDepart;
    };
    const TCas cas[] = {
        {&TFormChoixVect::CheckBoxI, &TModele::VecI, &TFormVecteurs::chaine_richeI, clAqua, true},
        {&TFormChoixVect::CheckBoxV, &TModele::VecV, &TFormVecteurs::chaine_richeV, clTeal, true},
        {&TFormChoixVect::CheckBoxEv, &TModele::VecEv, &TFormVecteurs::chaine_richeEv, clPurple, false},
        {&TFormChoixVect::CheckBoxXs, &TModele::VecLsWI, &TFormVecteurs::chaine_riche1, clLime, false},
    };
    Ouvre();
    for (const TCas &c : cas) {
        QCheckBox *boite = Dialogue().*c.boite;
        SCOPED_TRACE(boite->text().toStdString());
        Tchaine_riche *etiquette = Diagramme()->*c.etiquette;
        const TNbComplexe &phaseur = Modele().*c.phaseur;
        EXPECT_EQ(boite->isChecked(), c.auDepart);
        EXPECT_EQ(etiquette->isVisible(), c.auDepart);
        for (bool coche : {!c.auDepart, c.auDepart, false}) {
            if (boite->isChecked() != coche)
                QTest::mouseClick(boite, Qt::LeftButton, {}, QPoint(8, 8)); // on the box itself
            EXPECT_EQ(phaseur.Visible, coche);
            EXPECT_EQ(etiquette->isVisible(), coche);
            EXPECT_EQ(Dessine(c.couleur), coche);
        }
        Dialogue().hide();
        Ouvre();
        EXPECT_FALSE(boite->isChecked());
        // The diagram shown anew keeps the choice.
        Diagramme()->hide();
        Diagramme()->show();
        EXPECT_FALSE(etiquette->isVisible());
    }
}

} // namespace
} // namespace tavelor
