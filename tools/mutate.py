#!/usr/bin/env python3
"""Mutation run: how many single-token faults in the production code do the tests catch?

Each mutant changes one token of one production file (an operator, an integer constant, a
boolean literal), rebuilds incrementally and runs the test suite. A mutant is caught when the
build passes and a test fails (or times out); a mutant that does not build is not counted.
The sample is drawn with a seed, so two runs with the same seed try the same mutants.

A development tool, not part of CI:

    tools/mutate.py --sample 100 --seed 7            # report on stdout
    tools/mutate.py --sample 100 --seed 7 --jobs 2 --timeout 60 --log /tmp/mutants.txt
    tools/mutate.py --sample 40 --seed 3 --only 'scores/' --work /tmp/verlo-mutate-scores

With --matrix FILE every test runs on every mutant and FILE gets, per mutant, the test
functions that caught it: what each test adds that no other test does.

Integer arguments of twips()/px() are mutated only where the change moves a whole pixel,
and the bounds of a Tableau only inwards: a twip below a pixel, or a slot nobody uses, can
never be observed.

The sources are copied to a work folder (default /tmp/verlo-mutate) so that the checkout is
never touched and can be edited while the run goes on.
"""

import argparse
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

RACINE = Path(__file__).resolve().parent.parent
DOSSIERS = ("app", "game", "bonus", "scores", "extras", "demarrage")

# Replacements per token; the first match at a position wins.
OPERATEURS = {
    "<=": ["<", "=="], ">=": [">", "=="], "<": ["<="], ">": [">="],
    "==": ["!="], "!=": ["=="], "&&": ["||"], "||": ["&&"],
    "+": ["-"], "-": ["+"], "*": ["/"], "/": ["*"], "%": ["/"],
    "+=": ["-="], "-=": ["+="], "++": ["--"], "--": ["++"],
}
JETON = re.compile(r"""
    (?P<chaine>"(?:\\.|[^"\\])*"|'(?:\\.|[^'\\])*')
  | (?P<commentaire>//[^\n]*|/\*.*?\*/)
  | (?P<booleen>\b(?:true|false)\b)
  | (?P<nombre>(?<![.\w])\d+(?![.\w]))
  | (?P<op><=|>=|==|!=|&&|\|\||\+=|-=|\+\+|--|->|<<|>>|::|[<>+\-*/%])
""", re.VERBOSE | re.DOTALL)


def argument_en_twips(texte, debut, fin):
    """True when the token is a whole argument of twips(), px() or a helper that takes twips
    (a window's size, a main window button's place), or a branch of a choice that is one."""
    avant = texte[:debut].rstrip()
    apres = texte[fin:].lstrip()
    # The whole argument, or a whole branch of a choice that is the argument.
    if not (avant.endswith(("(", ",", "?", ":")) and apres.startswith((",", ")", ":"))):
        return False
    profondeur = 0
    for i in range(debut - 1, max(debut - 400, -1), -1):
        c = texte[i]
        if c == ")":
            profondeur += 1
        elif c == "(":
            if profondeur == 0:
                return re.search(r"\b(twips|px|preparerFenetre|bouton)\s*$",
                                 texte[max(0, i - 20):i]) is not None
            profondeur -= 1
    return False


def borne_elargie(texte, debut, n, r):
    """True when the change widens the bounds of a Tableau (a lower bound lowered, an upper
    one raised): the extra slot is never used, so the change can never be seen."""
    ligne = texte[texte.rfind("\n", 0, debut) + 1:debut]
    m = re.search(r"\bTableau2?<([^<>]*)$", ligne)
    if not m:
        return False
    rang = m.group(1).count(",")  # 1, 3: a lower bound; 2, 4: an upper bound
    return rang in (1, 3) and r < n or rang in (2, 4) and r > n


def pixels(twips):
    return (twips + 7) // 15


def mutations(texte):
    """(start, end, replacement, description) for every candidate in a file."""
    for m in JETON.finditer(texte):
        genre = m.lastgroup
        if genre in ("chaine", "commentaire"):
            continue
        debut = texte.rfind("\n", 0, m.start()) + 1
        ligne = texte[debut:texte.find("\n", m.start())]
        if ligne.lstrip().startswith("#"):
            continue  # preprocessor lines
        jeton = m.group()
        if genre == "booleen":
            rempl = ["false" if jeton == "true" else "true"]
        elif genre == "nombre":
            n = int(jeton)
            rempl = [str(n + 1)] + ([str(n - 1)] if n > 0 else [])
            # A twip that moves nothing by a whole pixel can never be seen: not a fault.
            if argument_en_twips(texte, m.start(), m.end()):
                rempl = [r for r in rempl if pixels(int(r)) != pixels(n)]
            rempl = [r for r in rempl if not borne_elargie(texte, m.start(), n, int(r))]
        else:
            if jeton in ("->", "<<", ">>", "::"):
                continue
            # One-character operators count only between blanks (the formatted code's binary
            # operators): not templates, pointers, references or signs.
            if len(jeton) == 1 and not (texte[m.start() - 1:m.start()] == " "
                                        and texte[m.end():m.end() + 1] == " "):
                continue
            rempl = OPERATEURS.get(jeton, [])
        for r in rempl:
            yield m.start(), m.end(), r, f"{jeton} -> {r}"


def fichiers(source):
    for d in DOSSIERS:
        for p in sorted((source / d).rglob("*")):
            if p.suffix in (".cpp", ".h") and p.name != "main.cpp":
                yield p


def synchroniser(depuis, vers):
    """Copies the checkout, leaving unchanged files as they are: a second run rebuilds only
    what changed since the first."""
    ignores = shutil.ignore_patterns(".git", "build*", "__pycache__")
    gardes = set()
    for dossier, sous, noms in os.walk(depuis):
        sous[:] = [d for d in sous if d not in ignores(dossier, sous)]
        for nom in set(noms) - ignores(dossier, noms):
            d = Path(dossier, nom)
            c = vers / d.relative_to(depuis)
            gardes.add(c)
            if not c.exists() or c.read_bytes() != d.read_bytes():
                c.parent.mkdir(parents=True, exist_ok=True)
                shutil.copy(d, c)  # a fresh time: newer than what an earlier run built
    for c in list(vers.rglob("*")) if vers.exists() else []:
        if c.is_file() and c not in gardes:
            c.unlink()


def executer(commande, dossier, delai):
    # A session of its own: a mutant that hangs a test leaves no program behind when the
    # time is up (CTest's own limit ends the test, not what the test started).
    p = subprocess.Popen(commande, cwd=dossier, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         encoding="utf-8", errors="replace", start_new_session=True)
    try:
        # A failing test may print bytes that are not UTF-8 (a mutated code page table).
        sortie, _ = p.communicate(timeout=delai)
        return p.returncode, sortie
    except subprocess.TimeoutExpired:
        return None, "timeout"
    finally:
        try:
            os.killpg(p.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        p.wait()


def tueurs(sortie):
    """The test functions that failed in a ctest output, then the programs that failed (a
    crash outside a function, a time-out or a corpus replay names no function)."""
    return (sorted(set(re.findall(r"^(?:FAIL!|QFATAL) *: (\w+::\w+)\(", sortie, re.M))) +
            sorted(set(re.findall(r"^\s*\d+ - (\w+) \(", sortie, re.M))))


def main():
    a = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    a.add_argument("--sample", type=int, default=100)
    a.add_argument("--seed", type=int, default=1)
    a.add_argument("--jobs", type=int, default=2)
    a.add_argument("--timeout", type=int, default=20, help="seconds per test program")
    a.add_argument("--work", default="/tmp/verlo-mutate")
    a.add_argument("--log", help="also append each result to this file")
    a.add_argument("--only", help="mutate only the files whose path (from the project root) "
                   "matches this regular expression, e.g. 'scores/|app/Points'")
    a.add_argument("--matrix", help="run every test on each mutant and append, as JSON lines, "
                   "which test functions catch it: what a test adds that no other test does")
    o = a.parse_args()

    travail = Path(o.work)
    source, build = travail / "src", travail / "build"
    synchroniser(RACINE, source)
    # Shared libraries, and tests that are not relinked when one changes: a mutant then costs
    # one object and one library. The standard containers check their bounds: an index
    # moved off the end is a fault, not silence.
    cfg = ["cmake", "-S", str(source), "-B", str(build), "-DCMAKE_BUILD_TYPE=Debug",
           "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -D_GLIBCXX_ASSERTIONS", "-DVERLO_WERROR=OFF", "-DVERLO_BIBLIOTHEQUES=SHARED",
           "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON"]
    # Each file is compiled again as it was after its mutant: a compiler cache makes that free.
    if shutil.which("ccache"):
        cfg.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    subprocess.run(cfg, check=True, stdout=subprocess.DEVNULL)
    # Only the tests: the game and the benchmarks need not be linked again for each mutant.
    cibles = re.findall(r"verlo_test(?:_fenetres)?\((\w+)",
                        "".join(p.read_text() for p in (source / "tests").iterdir()
                                if p.suffix == ".cmake" or p.name == "CMakeLists.txt"))
    # The fuzz corpora, replayed as tests by one program per reader.
    cibles += ["rejouer_" + c for c in re.findall(
        r"^verlo_fuzz\((\w+)\)", (source / "fuzz" / "CMakeLists.txt").read_text(), re.M)]
    construire = ["cmake", "--build", str(build), "-j", str(o.jobs), "--target", *cibles]
    # The install check needs the game itself, which is not rebuilt for each mutant.
    tester = ["ctest", "-j", str(o.jobs), "--timeout", str(o.timeout), "-E", "^installation$"]
    tester += ["--output-on-failure"] if o.matrix else ["--stop-on-failure"]
    if subprocess.run(construire, stdout=subprocess.DEVNULL).returncode != 0:
        sys.exit("the unmutated tree does not build")
    code, sortie = executer(tester, build, o.timeout * 4)
    if code != 0:
        sys.exit("the unmutated tree fails its tests:\n" + sortie[-2000:])

    candidats = [(p, *m) for p in fichiers(source)
                 if not o.only or re.search(o.only, str(p.relative_to(source)))
                 for m in mutations(p.read_text())]
    tirage = random.Random(o.seed).sample(candidats, min(o.sample, len(candidats)))
    journal = open(o.log, "a") if o.log else None
    matrice = open(o.matrix, "a") if o.matrix else None
    pris = survivants = 0
    restes = []
    for n, (chemin, debut, fin, rempl, quoi) in enumerate(tirage, 1):
        original = chemin.read_text()
        ligne = original.count("\n", 0, debut) + 1
        nom = f"{chemin.relative_to(source)}:{ligne} {quoi}"
        chemin.write_text(original[:debut] + rempl + original[fin:])
        t0 = time.time()
        try:
            if subprocess.run(construire, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode != 0:
                verdict = "no build"
            else:
                code, sortie = executer(tester, build, o.timeout * 4)
                verdict = "survived" if code == 0 else "caught"
                if matrice:
                    print(json.dumps({"mutant": nom, "verdict": verdict,
                                      "by": tueurs(sortie) if code else []}),
                          file=matrice, flush=True)
        finally:
            chemin.write_text(original)
            os.utime(chemin)  # the next build recompiles the original
        if verdict == "caught":
            pris += 1
        elif verdict == "survived":
            survivants += 1
            restes.append(nom)
        resultat = f"[{n}/{len(tirage)}] {verdict:8} {nom} ({time.time() - t0:.0f} s)"
        print(resultat, flush=True)
        if journal:
            print(resultat, file=journal, flush=True)
    construits = pris + survivants
    bilan = (f"\nsample {len(tirage)} (seed {o.seed}), built {construits}, caught {pris}"
             f" = {100 * pris / max(construits, 1):.0f} %\nsurvivors:\n  " + "\n  ".join(restes))
    print(bilan)
    if journal:
        print(bilan, file=journal)


if __name__ == "__main__":
    main()
