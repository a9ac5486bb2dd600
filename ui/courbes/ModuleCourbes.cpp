// The entry point of the curves module, looked up by name when it is loaded.
#include "TFormCourbes.h"

extern "C" Q_DECL_EXPORT tavelor::TFenetreCourbes *tavelor_cree_fenetre_courbes(const tavelor::TModele &modele)
{
    return tavelor::CreeFormCourbes(modele);
}
