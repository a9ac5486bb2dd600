// The entry points of the curves module, looked up by name when it is loaded: the
// loader checks the stamp before it calls the factory.
#include "EmpreinteCourbes.h"
#include "TFormCourbes.h"

extern "C" Q_DECL_EXPORT const char *tavelor_empreinte_courbes()
{
    static const QByteArray empreinte = tavelor::EmpreinteCourbes();
    return empreinte.constData();
}

extern "C" Q_DECL_EXPORT tavelor::TFenetreCourbes *tavelor_cree_fenetre_courbes(const tavelor::TModele &modele)
{
    return tavelor::CreeFormCourbes(modele);
}
