#!/usr/bin/env python3
"""Measures Tavelor on this machine and prints the figures as a Markdown table.

Run after the build, from anywhere:  bench/mesures.py [--build build] [--runs 5]

Start-up, memory, CPU and the clock's period are measured under a private Xvfb server,
each figure a median over several runs made in this same run; a minimal Qt program that
shows the 750 x 350 bench picture in a window (bench/temoin) is measured the same way,
as a yardstick, and so is the same program showing it in three windows of the sizes and
places of Tavelor's three start windows (tavelor_temoin3), the true floor. The programs report their own instants when TAVELOR_MESURE is set
("affichage": first paint of every window, then exit; "periode": the start and end of
the handling of 400 ticks, then exit); instants are CLOCK_MONOTONIC, like the launch
time noted here. The whole tick is the TicComplet benchmark's median.
"""

import argparse
import datetime
import json
import os
import platform
import statistics
import subprocess
import sys
import time

INTERVALLE_NS = 50_000_000  # the clock's interval, 50 ms
TICS = 400
SECONDES_AVANT_CPU = 4.0  # start-up and the ticks the period measurement skips
SECONDES_CPU = 10.0
ECRAN = "1600x1200x24"


def erreur(message):
    print(f"mesures: {message}", file=sys.stderr)


def demarre_xvfb():
    """A private X server on a free display; returns (process, display)."""
    lecture, ecriture = os.pipe()
    serveur = subprocess.Popen(
        ["Xvfb", "-displayfd", str(ecriture), "-screen", "0", ECRAN, "-nolisten", "tcp"],
        pass_fds=(ecriture,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(ecriture)
    with os.fdopen(lecture) as tube:
        numero = tube.readline().strip()
    if not numero:
        serveur.kill()
        raise RuntimeError("Xvfb did not start (Debian package xvfb)")
    return serveur, ":" + numero


def environnement(display, mesure):
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", TAVELOR_MESURE=mesure)
    env.pop("WAYLAND_DISPLAY", None)
    return env


def lignes(sortie, mot):
    return [l.split()[1:] for l in sortie.splitlines() if l.startswith(mot + " ")]


def lance(programme, env, delai):
    """Runs a measured program to its own exit; returns (launch instant, stdout) or None."""
    debut = time.monotonic_ns()
    processus = subprocess.Popen([programme], env=env, stdout=subprocess.PIPE,
                                 stderr=subprocess.PIPE, text=True)
    try:
        sortie, diagnostic = processus.communicate(timeout=delai)
    except subprocess.TimeoutExpired:
        processus.kill()
        processus.communicate()
        erreur(f"{os.path.basename(programme)} did not finish within {delai} s")
        return None
    if processus.returncode != 0:
        erreur(f"{os.path.basename(programme)} exited with {processus.returncode}: {diagnostic.strip()[-300:]}")
        return None
    return debut, sortie


# The windows each program shows at start, as it names them in its reports.
FENETRES_INITIALES = {
    "tavelor": {"tavelor::TForm1", "FormVecteurCouplage", "FormOscillogrammes"},
    "tavelor_temoin": {"Image"},
    "tavelor_temoin3": {"Image", "Image2", "Image3"},
}


class MesureManquee(Exception):
    """A run that cannot give a true figure: the whole measurement stops."""


def demarrage(programme, env):
    """Milliseconds from launch to the first paint of the last window, and VmHWM in kB.

    A run that does not report the first paint of every window shown at start would
    measure less than the start-up: it stops the measurement instead."""
    nom = os.path.basename(programme)
    resultat = lance(programme, env, 60)
    if resultat is None:
        raise MesureManquee(f"{nom} did not complete its start-up run")
    debut, sortie = resultat
    affichages = {l[1]: int(l[0]) for l in lignes(sortie, "affichage") if len(l) == 2}
    memoire = lignes(sortie, "vmhwm")
    manquantes = FENETRES_INITIALES[nom] - affichages.keys()
    if manquantes or not memoire:
        raise MesureManquee(f"{nom} did not report the first paint of {', '.join(sorted(manquantes)) or 'its windows'}"
                            f" or its peak memory; output was: {sortie.strip()[-300:]!r}")
    return (max(affichages.values()) - debut) / 1e6, int(memoire[0][0])


def temps_taches(pid):
    """CPU time (utime + stime, in clock ticks) of each thread of a process."""
    taches = {}
    dossier = f"/proc/{pid}/task"
    for tid in os.listdir(dossier):
        try:
            with open(f"{dossier}/{tid}/stat") as f:
                champs = f.read().rsplit(")", 1)[1].split()
        except OSError:
            continue  # a thread that just ended
        # After the name: state is field 3, utime 14, stime 15.
        taches[int(tid)] = int(champs[11]) + int(champs[12])
    return taches


def temps_processus(pid):
    return sum(temps_taches(pid).values())


def periode(programme, env, serveur):
    """One run with the clock measured; CPU shares are sampled meanwhile from outside."""
    debut = time.monotonic_ns()
    processus = subprocess.Popen([programme], env=env, stdout=subprocess.PIPE,
                                 stderr=subprocess.PIPE, text=True)
    parts = None
    try:
        time.sleep(SECONDES_AVANT_CPU)
        avant, avant_x, t0 = temps_taches(processus.pid), temps_processus(serveur.pid), time.monotonic()
        time.sleep(SECONDES_CPU)
        apres, apres_x, t1 = temps_taches(processus.pid), temps_processus(serveur.pid), time.monotonic()
        hz = os.sysconf("SC_CLK_TCK") * (t1 - t0)
        ecarts = {tid: (apres[tid] - avant.get(tid, 0)) / hz for tid in apres}
        principal = ecarts.pop(processus.pid, 0.0)
        # The clock's worker is the thread that never sleeps.
        chronos = max(ecarts.values(), default=0.0)
        autres = sum(ecarts.values()) - chronos
        parts = principal, chronos, autres, (apres_x - avant_x) / hz
    except (OSError, ValueError) as e:
        erreur(f"cannot read the threads' CPU times: {e}")
    try:
        sortie, diagnostic = processus.communicate(timeout=TICS * 0.2 + 30)
    except subprocess.TimeoutExpired:
        processus.kill()
        processus.communicate()
        erreur("tavelor did not finish its clock measurement")
        return None
    tics = [(int(d), int(f)) for d, f in lignes(sortie, "tic")]
    memoire = lignes(sortie, "vmhwm")
    if processus.returncode != 0 or len(tics) < 2 or not memoire or parts is None:
        erreur(f"clock measurement failed ({processus.returncode}): {diagnostic.strip()[-300:]}")
        return None
    periodes = [b[0] - a[0] for a, b in zip(tics, tics[1:])]
    # What the clock adds to interval + handler: from the end of one handling to the
    # start of the next, less the interval.
    retards = sorted(b[0] - a[1] - INTERVALLE_NS for a, b in zip(tics, tics[1:]))
    p99 = retards[min(len(retards) - 1, int(0.99 * len(retards)))]
    return {
        "periode": statistics.median(periodes) / 1e6,
        "retard": statistics.median(retards) / 1e6,
        "retard99": p99 / 1e6,
        "gestionnaire": statistics.median(f - d for d, f in tics) / 1e6,
        "memoire": int(memoire[0][0]),
        "cpu": parts,
        "duree": (time.monotonic_ns() - debut) / 1e9,
    }


def tic_complet(programme, repetitions):
    """Median real and CPU time in µs and heap allocations of each case of the TicComplet benchmark."""
    resultat = subprocess.run(
        [programme, f"--benchmark_repetitions={repetitions}", "--benchmark_report_aggregates_only=true",
         "--benchmark_format=json"],
        env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), capture_output=True, text=True, timeout=300)
    if resultat.returncode != 0:
        erreur(f"TicComplet failed: {resultat.stderr.strip()[-300:]}")
        return {}
    medianes = {}
    for mesure in json.loads(resultat.stdout)["benchmarks"]:
        if mesure.get("aggregate_name") == "median":
            echelle = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[mesure["time_unit"]]
            medianes[mesure["run_name"]] = (mesure["real_time"] * echelle, mesure["cpu_time"] * echelle,
                                            mesure.get("allocations"))
    return medianes


def machine():
    modele = platform.processor() or "?"
    try:
        with open("/proc/cpuinfo") as f:
            for ligne in f:
                if ligne.startswith("model name"):
                    modele = ligne.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    return f"{modele}, {os.cpu_count()} cores, Linux {platform.release()}"


def mediane(valeurs):
    return statistics.median(valeurs) if valeurs else None


def texte(valeur, format_, unite=""):
    return "—" if valeur is None else format_.format(valeur) + unite


def main():
    racine = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    options = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    options.add_argument("--build", default=os.path.join(racine, "build"), help="build folder (default: build/)")
    options.add_argument("--runs", type=int, default=5, help="start-up runs of each program (default 5)")
    options.add_argument("--clock-runs", type=int, default=3, help="clock runs of about 25 s (default 3)")
    options.add_argument("--repetitions", type=int, default=10, help="TicComplet repetitions (default 10)")
    arguments = options.parse_args()

    tavelor = os.path.join(arguments.build, "tavelor")
    temoin = os.path.join(arguments.build, "bench", "temoin", "tavelor_temoin")
    temoin3 = os.path.join(arguments.build, "bench", "temoin", "tavelor_temoin3")
    banc_tic = os.path.join(arguments.build, "bench", "TicComplet")
    manquants = [p for p in (tavelor, temoin, temoin3, banc_tic) if not os.access(p, os.X_OK)]
    if manquants:
        erreur("build first (cmake --build build --target tavelor tavelor_temoin tavelor_temoin3 TicComplet); missing: "
               + ", ".join(manquants))
        return 1

    date = datetime.date.today().isoformat()
    description = machine()
    # Other work on the machine stretches the clock's period and steals the polling
    # thread's core: the table says how busy the machine was.
    charge_avant = os.getloadavg()[0]
    try:
        serveur, display = demarre_xvfb()
    except (OSError, RuntimeError) as e:
        erreur(f"cannot start Xvfb: {e}")
        return 1
    try:
        env = environnement(display, "affichage")
        # One run each to fill the disk cache, not counted; then the two programs in turn.
        demarrage(temoin, env)
        demarrage(temoin3, env)
        demarrage(tavelor, env)
        essais = {tavelor: [], temoin: [], temoin3: []}
        for _ in range(arguments.runs):
            for programme in (temoin, temoin3, tavelor):
                essais[programme].append(demarrage(programme, env))
        horloge = [r for r in (periode(tavelor, environnement(display, "periode"), serveur)
                               for _ in range(arguments.clock_runs)) if r is not None]
    except MesureManquee as e:
        erreur(str(e))
        return 1
    finally:
        serveur.terminate()
        serveur.wait()
    tics = tic_complet(banc_tic, arguments.repetitions)

    demarrage_tavelor = mediane([ms for ms, _ in essais[tavelor]])
    demarrage_temoin = mediane([ms for ms, _ in essais[temoin]])
    demarrage_temoin3 = mediane([ms for ms, _ in essais[temoin3]])
    # Tavelor's peak is read after its 400 ticks, the yardstick's at its first paint:
    # it does nothing afterwards.
    memoire_tavelor = mediane([r["memoire"] / 1024 for r in horloge])
    memoire_temoin = mediane([kb / 1024 for _, kb in essais[temoin]])
    memoire_temoin3 = mediane([kb / 1024 for _, kb in essais[temoin3]])
    rapport = (demarrage_tavelor / demarrage_temoin) if demarrage_tavelor and demarrage_temoin else None
    rapport3 = (demarrage_tavelor / demarrage_temoin3) if demarrage_tavelor and demarrage_temoin3 else None
    surplus = (memoire_tavelor - memoire_temoin) if memoire_tavelor and memoire_temoin else None

    def horloge_mediane(cle, indice=None):
        return mediane([r[cle] if indice is None else r[cle][indice] for r in horloge])

    def tic(cas):
        if cas not in tics:
            return "—"
        reel, cpu, allocations = tics[cas]
        return (f"{reel / 1000:.2f} ms ({cpu / 1000:.2f} ms CPU, "
                f"{texte(allocations, '{:.0f}')} allocations)")

    n, c = len(essais[tavelor]), len(horloge)
    charge = f"load average {charge_avant:.2f} before, {os.getloadavg()[0]:.2f} after"
    print(f"Measured on {date}: {description}, {charge}. Medians of {n} start-ups of each program "
          f"(under Xvfb, {ECRAN}), of {c} runs of the clock over {TICS} ticks, "
          f"of {arguments.repetitions} TicComplet repetitions.")
    print()
    print("| Measure | Tavelor | Minimal Qt program: one window; three windows | Aim |")
    print("|---|---|---|---|")
    print(f"| Start-up: launch to the first paint of all three windows | {texte(demarrage_tavelor, '{:.1f}', ' ms')} "
          f"({texte(rapport, '{:.2f}', ' ×')}; {texte(rapport3, '{:.2f}', ' ×')}) "
          f"| {texte(demarrage_temoin, '{:.1f}', ' ms')}; {texte(demarrage_temoin3, '{:.1f}', ' ms')} "
          f"| at most 1.15 × the three windows |")
    print(f"| Peak memory (VmHWM) | {texte(memoire_tavelor, '{:.1f}', ' MB')} "
          f"({texte(surplus, '{:+.1f}', ' MB')}) | {texte(memoire_temoin, '{:.1f}', ' MB')}; "
          f"{texte(memoire_temoin3, '{:.1f}', ' MB')} | at most +15 MB |")
    cas_tic = {
        0: "before coupling: bench, oscillograms, three-phase phasors",
        1: "coupled: bench, single-phase diagram",
        2: "/0 with the instruments shown",
        3: "/1 with the instruments shown",
        4: "before coupling, slipping at 1470 rpm",
        5: "/4 with the instruments shown",
    }
    for numero, description in cas_tic.items():
        print(f"| Whole tick {description} (`TicComplet/{numero}`) | {tic(f'TicComplet/{numero}')} | "
              f"| at most 0.5 ms |")
    print(f"| CPU, main thread, clock running | {texte(horloge_mediane('cpu', 0), '{:.1%}')} of a core | | |")
    print(f"| CPU, the clock's polling thread | {texte(horloge_mediane('cpu', 1), '{:.0%}')} of a core: "
          f"it polls without sleeping and takes a whole core whenever one is free, "
          f"the price of ticks true to the microsecond | | |")
    print(f"| CPU, the program's other threads; the X server | {texte(horloge_mediane('cpu', 2), '{:.1%}')}; "
          f"{texte(horloge_mediane('cpu', 3), '{:.1%}')} | | |")
    print(f"| Clock period ({TICS} ticks, interval 50 ms; handler median "
          f"{texte(horloge_mediane('gestionnaire'), '{:.2f}', ' ms')}) | "
          f"{texte(horloge_mediane('periode'), '{:.2f}', ' ms')} | | |")
    print(f"| Period less interval and handler: median, 99th percentile | "
          f"{texte(horloge_mediane('retard'), '{:.3f}', ' ms')}, {texte(horloge_mediane('retard99'), '{:.3f}', ' ms')} "
          f"| | |")
    return 0 if essais[tavelor] and essais[temoin] and horloge and tics else 1


if __name__ == "__main__":
    sys.exit(main())
