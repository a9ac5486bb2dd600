// A curves module as another build of the program would leave it: the same window, but
// its stamp names the version VERSION_ETRANGERE, or, without that definition, it has none.
#include "EmpreinteCourbes.h"
#include "TFormCourbes.h"

#ifdef VERSION_ETRANGERE
extern "C" Q_DECL_EXPORT const char *tavelor_empreinte_courbes()
{
    static const QByteArray empreinte = tavelor::EmpreinteCourbes(VERSION_ETRANGERE);
    return empreinte.constData();
}
#endif

extern "C" Q_DECL_EXPORT tavelor::TFenetreCourbes *tavelor_cree_fenetre_courbes(const tavelor::TModele &modele)
{
    return tavelor::CreeFormCourbes(modele);
}
