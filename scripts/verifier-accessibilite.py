#!/usr/bin/python3
"""Starts Tavelor with Qt's AT-SPI bridge on and prints what a screen reader finds in
its windows: role, name, description, value and the notable states of every object.

Run it inside a display and a session bus, for instance:
    xvfb-run -a dbus-run-session -- scripts/verifier-accessibilite.py build/tavelor
(Debian's python3-pyatspi is for the system interpreter, hence /usr/bin/python3.)
Then it works the bench through AT-SPI alone and prints what was announced. Exit
status 77 when no accessibility bus answers (the check is then skipped), 1 when the
program does not appear, a control is unnamed, or the new excitation reading or the
refusal message was not announced.
"""
import os
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    print("pyatspi absent : vérification sautée")
    sys.exit(77)

ETATS = {
    pyatspi.STATE_FOCUSABLE: "focalisable",
    pyatspi.STATE_FOCUSED: "focus",
    pyatspi.STATE_SENSITIVE: None,  # shown when missing, as "inactif"
}
ROLES_SANS_NOM = {"filler", "panel", "frame", "menu bar", "scroll bar", "page tab list", "unknown",
                  "application", "window", "dialog", "separator"}


def etats(objet):
    s = objet.getState()
    mots = [mot for etat, mot in ETATS.items() if mot and s.contains(etat)]
    if not s.contains(pyatspi.STATE_SENSITIVE):
        mots.append("inactif")
    if not s.contains(pyatspi.STATE_SHOWING):
        mots.append("caché")
    return mots


def valeur(objet):
    try:
        v = objet.queryValue()
    except NotImplementedError:
        return None
    return v.currentValue


def parcourt(objet, profondeur, anonymes):
    role = objet.getRoleName()
    ligne = f"{'  ' * profondeur}{role} « {objet.name} »"
    if objet.description:
        ligne += f" : {objet.description}"
    v = valeur(objet)
    if v is not None:
        ligne += f" = {v:g}"
    mots = etats(objet)
    if mots:
        ligne += f" [{', '.join(mots)}]"
    print(ligne)
    if not objet.name and role not in ROLES_SANS_NOM and objet.getState().contains(pyatspi.STATE_SHOWING):
        anonymes.append(f"{role} à la profondeur {profondeur}")
    for enfant in objet:
        if enfant is not None:
            parcourt(enfant, profondeur + 1, anonymes)


def attend(secondes):
    """Lets the events in for a while: pyatspi delivers them from the GLib main loop."""
    contexte = GLib.MainContext.default()
    fin = time.monotonic() + secondes
    while time.monotonic() < fin:
        if not contexte.iteration(False):
            time.sleep(0.02)


def trouve(app, nom):
    objet = pyatspi.findDescendant(app, lambda o: o is not None and o.name == nom)
    if objet is None:
        raise LookupError(f"« {nom} » introuvable")
    return objet


def scenario(app):
    """Works the bench as a screen reader's user would, through AT-SPI alone: the
    excitation by its value, the six terminals and the close button by their press
    action. Returns what was announced meanwhile."""
    entendus = []

    def ecoute(evenement):
        source = evenement.source
        if source is None:
            return
        donnee = source.description if evenement.type.endswith("description") else ""
        entendus.append(f"{evenement.type} : {source.getRoleName()} « {source.name} » {donnee}".rstrip())

    types = ["object:property-change:accessible-description", "object:property-change:accessible-name",
             "window:activate", "object:state-changed:focused"]
    pyatspi.Registry.registerEventListener(ecoute, *types)
    try:
        trouve(app, "Réglage intensité").queryValue().currentValue = 0.47  # A
        attend(1)
        for nom in ("S1", "R1", "S2", "R2", "S3", "R3"):
            suffixe = "de l'interrupteur" if nom.startswith("S") else "du réseau"
            trouve(app, f"Borne {nom} {suffixe}").queryAction().doAction(0)
            attend(0.2)
        # At standstill the closing is refused: the message comes up.
        trouve(app, "Fermer l'interrupteur").queryAction().doAction(0)
        attend(1.5)
        for fenetre in app:
            if fenetre is not None and fenetre.getRoleName() == "alert":
                textes = [o.name for o in pyatspi.findAllDescendants(fenetre, lambda o: o.getRoleName() == "label")]
                entendus.append(f"message : {' / '.join(t for t in textes if t)}")
    finally:
        pyatspi.Registry.deregisterEventListener(ecoute, *types)
    return entendus


def application(nom, delai):
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == nom and app.childCount >= 3:
                return app
        time.sleep(0.2)
    return None


def main():
    programme = sys.argv[1] if len(sys.argv) > 1 else "build/tavelor"
    try:
        pyatspi.Registry.getDesktop(0).childCount
    except Exception as erreur:  # no session bus, or no accessibility bus behind it
        print(f"pas de bus d'accessibilité : {erreur}")
        return 77
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("QT_QPA_PLATFORM", None)
    processus = subprocess.Popen([programme], env=env)
    try:
        app = application("tavelor", 20)
        if app is None:
            print("Tavelor n'apparaît pas sur le bus d'accessibilité")
            return 1
        time.sleep(1)  # a few ticks, so that the meters show the running bench
        anonymes = []
        parcourt(app, 0, anonymes)
        for a in anonymes:
            print(f"sans nom : {a}")
        print("--- au travail, par AT-SPI seul")
        entendus = scenario(app)
        for ligne in entendus:
            print(ligne)
        # The reading in the locale's form, with its unit: 0,47 A in French, 0.47 A otherwise.
        attendus = [("label « Intensité du courant d'excitation » 0.47\u00a0A",
                     "label « Intensité du courant d'excitation » 0,47\u00a0A"),
                    # The refusal, with its informative text: each unmet condition and its gap (the
                    # order too when the draw crossed S2 and S3).
                    tuple("message : Les conditions de couplage ne sont pas remplies / Conditions non remplies\u00a0: "
                          + ordre + "même fréquence, même tension et en phase.\n" + ligneOrdre
                          + "– même fréquence\u00a0: écart -50,00\u00a0Hz, au plus ±0,10\u00a0Hz\n"
                          "– même tension\u00a0: écart -230,0\u00a0V, au plus ±11,5\u00a0V\n"
                          "– en phase\u00a0: aucune tension à comparer"
                          for ordre, ligneOrdre in (("", ""), ("même ordre des phases, ",
                                                               "– même ordre des phases\u00a0: ordre inversé\n")))]
        manquants = [a[0] for a in attendus if not any(ligne.endswith(a) for ligne in entendus)]
        for m in manquants:
            print(f"pas entendu : {m}")
        return 1 if anonymes or manquants else 0
    finally:
        processus.terminate()
        processus.wait(10)


if __name__ == "__main__":
    sys.exit(main())
