#!/usr/bin/python3
"""Regenerates the three five-letter word lists: assets/5L-1.txt, 5L-2.txt, 5L-3.txt.

Run by hand from anywhere, with Debian's own Python (the lexicon is a Debian
package that other Pythons do not see):

    /usr/bin/python3 tools/make_wordlists.py [--details]

Sources and their install commands are listed in tools/README-wordlists.md.
--details also prints, for review, every five-letter candidate with its level
(or the rule that left it out), its spellings and its scores.
The output depends only on those inputs: same sources, same files, byte for byte.
"""

from __future__ import annotations

import hashlib
import json
import math
import re
import sys
import unicodedata
from collections import Counter, defaultdict
from pathlib import Path

RACINE = Path(__file__).resolve().parent.parent
DOSSIER_SORTIE = RACINE / "assets"
NOMS_SORTIE = ("5L-1.txt", "5L-2.txt", "5L-3.txt")
FICHIER_EXCLUSIONS = RACINE / "tools" / "wordlists-exclusions.txt"
FICHIER_NIVEAUX = RACINE / "tools" / "wordlists-niveaux.txt"

# npm packages: the install command of the README puts them under tools/cache;
# a plain `npm install --prefix tools` is accepted too.
DOSSIERS_NPM = (RACINE / "tools" / "cache" / "node_modules", RACINE / "tools" / "node_modules")
PAQUET_FREQUENCES = "@zxcvbn-ts/language-fr"
PAQUET_GROSSIERETES_FR = "french-badwords-list"
PAQUET_GROSSIERETES_MULTI = "naughty-words"

# Grammalecte's lexicon with every spelling variant: each entry is a form,
# its lemma and its tags (part of speech, gender, number, tense...).
LEXIQUE = "fr-allvars.json"
# Sub-dictionaries whose headwords count: common, modern and classical
# spellings. Spellings of the 1990 reform alone (R: CHEIK for "cheikh") are
# not what a player types; the annex (A) and the contributors' additions (X)
# hold rare or unchecked words.
SOUS_DICTIONNAIRES = {"*", "M", "C"}

MIN_PAR_LISTE = 300  # fewer would make a level repeat its words too soon
MAX_PAR_LISTE = 1400  # the game reads no more than this per list

# Levels by familiarity: the base-10 logarithm of the weight a word's forms
# carry in the subtitles list, a form of rank r weighing 1/(r+10) as by Zipf's
# law (see masses()). Level 1 down to SEUILS[0], level 2 down to SEUILS[1],
# level 3 down to SEUILS[2]; rarer words are left out. Set by reading random
# samples of each list, see the README.
SEUILS = (-3.8, -4.55, -4.87)
# Wikipedia over-counts learned and technical words: its weight counts as this
# much rarer (in the logarithm) than the same weight in subtitles.
DECOTE_WIKIPEDIA = 0.6
# A form shared by several lemmas goes to each lemma in proportion to what its
# unshared forms lead to expect (see part_attendue()); for a noun or adjective,
# the share of a plural or feminine.
PART_ATTENDUE_NOM = 0.3

# Headwords that are also a masculine past participle (ECRIT) or the feminine
# of an adjective (BRUTE) yet are nouns a player takes for one. The other such
# words (PREVU, NOMME, NETTE...) read as inflections and are left out.
NOMS_ISSUS_DE_FLEXIONS = set("""
    ALLIE AVOUE BRUTE CHERI CREPI DEDIT ECRIT JOINT MARIE PARTI PENDU PIETE SUIVI TEINT
    TISSU TRAIT
""".split())

# Words the project keeps out of its lists for reasons of its own, given as the
# SHA-256 digest of the unaccented capitals so that this script does not spell them.
EXCLUS_RESERVES = {
    "23f894b58b3d1cd07a96885144562eabb84406150a52651a506a03108505b12d",
}

# Entries of the profanity lists whose first meaning is innocent and common:
# a sheaf, a notch or tick, a hoard, thick.
ACCEPTES_MALGRE_GROSSIERETES = set("""
    COCHE EPAIS GERBE MAGOT
""".split())

# Kinds of hand-made exclusions, the first word of each reason in the file
# (whose header says what each means).
MOTIFS = {"argot", "abreviation", "anglicisme", "etranger", "lettre", "nom-propre",
          "grossier", "injurieux", "rare", "forme", "rang"}


def echouer(message: str) -> None:
    print(f"make_wordlists: {message}", file=sys.stderr)
    sys.exit(1)


def sans_accents(mot: str) -> str | None:
    """The word as it appears in a list (five capitals A-Z), or None if it cannot be one."""
    if any(c in mot for c in "œæŒÆ"):
        return None
    plie = "".join(c for c in unicodedata.normalize("NFD", mot)
                   if unicodedata.category(c) != "Mn").upper()
    return plie if re.fullmatch(r"[A-Z]{5}", plie) else None


def reserve(cle: str) -> bool:
    return hashlib.sha256(cle.encode("ascii", "replace")).hexdigest() in EXCLUS_RESERVES


def trouver_paquet(nom: str) -> Path:
    for dossier in DOSSIERS_NPM:
        chemin = dossier / nom
        if (chemin / "package.json").is_file():
            return chemin
    echouer(f"npm package {nom} missing: run\n"
            f"    npm install --prefix {RACINE / 'tools' / 'cache'} {nom}")
    raise AssertionError  # unreachable


# ---------------------------------------------------------------------------
# The lexicon


def lire_lexique() -> list[tuple[str, str, str, str]]:
    """Every entry of the lexicon: (form, lemma, tags, sub-dictionary)."""
    try:
        from grammalecte.graphspell.ibdawg import IBDAWG
    except ImportError:
        echouer("the lexicon is missing: run\n    apt-get install python3-grammalecte\n"
                "and run this script with /usr/bin/python3")
    entrees = []
    for forme, lemme, etiquettes in IBDAWG(LEXIQUE).select():
        etiquettes, _, sous_dico = etiquettes.partition("/")
        entrees.append((forme, lemme, etiquettes, sous_dico))
    return entrees


def nature_de_base(forme: str, lemme: str, etiquettes: str, sous_dico: str) -> str | None:
    """Part of speech of an entry whose form is its own lemma in base form, else None.

    Base form: a noun or an adjective in the singular (masculine or epicene
    for an adjective), an infinitive, or an invariable word. Plurals, feminine
    adjectives, participles, conjugated forms, proper nouns, prefixes and parts
    of locutions are never their own lemma in base form.
    """
    if forme != lemme or sous_dico not in SOUS_DICTIONNAIRES or not lemme.islower():
        return None
    champs = etiquettes.split(";")[0].split(":")[1:]
    if not champs:
        return None
    tete = champs[0]
    if tete.startswith("V"):
        return "verbe" if "Y" in champs else None
    if tete in ("N", "A"):
        if "p" in champs:
            return None
        if "N" not in champs and "f" in champs:
            return None  # feminine adjective
        return "nom" if "N" in champs else "adjectif"
    if tete == "B":
        return "nombre"
    if tete in ("W", "J"):
        return "invariable"
    if tete == "G":
        # Grammatical words: not the elided, feminine or plural ones
        # (JUSQU, CETTE, ELLES), nor parts of locutions (PARCE).
        if any(c.startswith("É") for c in champs) or {"F", "f", "p"} & set(champs):
            return None
        return "invariable"
    return None


def est_propre(lemme: str, etiquettes: str) -> bool:
    return etiquettes.startswith(":M") or not lemme.islower()


def motif_non_lemme(entrees: list[tuple[str, str, str, str]]) -> str:
    """Why no entry of a five-letter key is a base form, for the summary."""
    etiquettes = [e for _, _, e, _ in entrees]
    if all(est_propre(l, e) for _, l, e, _ in entrees):
        return "proper noun or sigle only"
    if any(":Q" in e for e in etiquettes) and all(":Q" in e or e.startswith(":V") or ":M" in e
                                                  for e in etiquettes):
        return "past participle"
    if any(e.startswith(":V") for e in etiquettes) and all(
            e.startswith(":V") or ":M" in e for e in etiquettes):
        return "conjugated verb form"
    if any("p" in e.split(";")[0].split(":") for e in etiquettes):
        return "plural"
    if any(":f" in e for e in etiquettes):
        return "feminine"
    return "other (prefix, locution part, rare sub-dictionary...)"


# ---------------------------------------------------------------------------
# Frequencies


def lire_rangs(chemin: Path) -> dict[str, int]:
    """Word -> rank (0 = most frequent) in a zxcvbn-ts frequency list."""
    mots = json.loads(chemin.read_text(encoding="utf-8"))
    rangs: dict[str, int] = {}
    for rang, mot in enumerate(mots):
        rangs.setdefault(mot, rang)
    return rangs


def part_attendue(etiquettes: str) -> float:
    """Expected share of a form among its lemma's uses, from its tags.

    For a verb, the usual share of that tense and person: "sorte", a rare
    subjunctive of "sortir", is mostly the noun; "donne", a third person of
    "donner", is mostly the verb.
    """
    if not etiquettes.startswith(":V"):
        return PART_ATTENDUE_NOM
    champs = set(etiquettes.split(";")[0].split(":")[2:])
    if "Y" in champs:
        return 0.25
    if "Q" in champs:
        return 0.3 if {"m", "s"} <= champs else 0.03
    if "Ip" in champs:
        return 0.35 if "3s" in champs else 0.05
    return 0.02


def forme_comptee(etiquettes: str, wikipedia: bool) -> bool:
    """Whether a form counts towards its lemma's frequency.

    Passé simple and imperfect subjunctive forms are rare in today's French and
    mostly foreign words or names when met (TOMA, MUSA). In Wikipedia, conjugated
    forms are mostly such homographs: only infinitives and participles count.
    """
    if not etiquettes.startswith(":V"):
        return True
    temps = set(etiquettes.split(";")[0].split(":")[2:])
    if wikipedia:
        return bool(temps & {"Y", "Q", "P"})
    return not temps <= {"Is", "Sq", "1s", "2s", "3s", "1p", "2p", "3p", "1ś", "1ŝ"}


def masses(entrees, rangs: dict[str, int], wikipedia: bool) -> dict[str, float]:
    """Lemma -> its share of the source's words, with ranks read as Zipf's law.

    A form several lemmas share ("livre": the noun and the verb "livrer") is
    split between them. Proper nouns take part as lemmas of their own
    (prefixed with "*"), so that a name does not lift a common noun.
    """
    # form -> lemma -> expected share (dicts keep the lexicon's order)
    lemmes_de: dict[str, dict[str, float]] = defaultdict(dict)
    base_de: dict[str, set[str]] = defaultdict(set)
    for forme, lemme, etiquettes, _ in entrees:
        if not forme_comptee(etiquettes, wikipedia):
            continue
        ident = "*" + lemme if est_propre(lemme, etiquettes) else lemme
        forme = forme.lower()
        if forme not in rangs:
            continue
        part = part_attendue(etiquettes)
        lemmes_de[forme][ident] = max(part, lemmes_de[forme].get(ident, 0.0))
        if forme == lemme.lower():
            base_de[forme].add(ident)

    def frequence(forme: str) -> float:
        return 1.0 / (rangs[forme] + 10)

    propre: Counter[str] = Counter()  # mass of the unshared forms
    for forme, lemmes in lemmes_de.items():
        if len(lemmes) == 1:
            propre[next(iter(lemmes))] += frequence(forme)
    masse: Counter[str] = Counter(propre)
    # First the shared base forms: a lemma with unshared forms is expected to
    # use this one too, in its usual share; what they do not explain goes to
    # the lemmas whose base form this is ("type", not "typer").
    for forme, lemmes in lemmes_de.items():
        bases = [l for l in lemmes if l in base_de[forme]]
        if len(lemmes) > 1 and bases:
            attendu = {l: p * propre[l] for l, p in lemmes.items() if propre[l] > 0}
            repartir(masse, frequence(forme), attendu, bases)
    # Then the other shared forms ("armes": the noun's plural or the verb's
    # second person), by what each lemma gathered so far.
    avant = dict(masse)
    for forme, lemmes in lemmes_de.items():
        if len(lemmes) > 1 and not base_de[forme] & set(lemmes):
            attendu = {l: p * avant.get(l, 0.0) for l, p in lemmes.items()}
            if sum(attendu.values()) > 0:
                repartir(masse, frequence(forme), {l: a for l, a in attendu.items() if a}, [])
            else:
                repartir(masse, frequence(forme), {}, list(lemmes))
    return masse


def repartir(masse: Counter[str], f: float, attendu: dict[str, float],
             autres: list[str]) -> None:
    """Shares f among lemmas by expectation; the unexpected rest to `autres`,
    or in proportion again when there are none."""
    total = sum(attendu.values())
    if f <= total or not autres:
        for l, a in attendu.items():
            masse[l] += f * a / total
        return
    for l, a in attendu.items():
        masse[l] += a
    for l in autres:
        masse[l] += (f - total) / len(autres)


def score(masse: float) -> float | None:
    return math.log10(masse) if masse > 0 else None


# ---------------------------------------------------------------------------
# Hand-made exclusions and profanity lists


def lire_decisions(chemin: Path, valide) -> dict[str, str]:
    """Word -> the rest of its line, from a hand-made file; # starts a comment."""
    if not chemin.is_file():
        echouer(f"{chemin} missing")
    decisions: dict[str, str] = {}
    for numero, ligne in enumerate(chemin.read_text(encoding="utf-8").splitlines(), 1):
        ligne = ligne.split("#", 1)[0].strip()
        if not ligne:
            continue
        mot, _, reste = ligne.partition(" ")
        reste = reste.strip()
        if not re.fullmatch(r"[A-Z]{5}", mot) or not valide(reste):
            echouer(f"{chemin.name}:{numero}: malformed line {ligne!r}")
        if mot in decisions:
            echouer(f"{chemin.name}:{numero}: {mot} given twice")
        decisions[mot] = reste
    return decisions


def lire_exclusions() -> dict[str, str]:
    """Word -> kind of exclusion, from tools/wordlists-exclusions.txt."""
    exclus = lire_decisions(FICHIER_EXCLUSIONS,
                            lambda r: r.split(":")[0] in MOTIFS and len(r.split(":", 1)) == 2
                            and r.split(":", 1)[1].strip())
    return {mot: reste.split(":")[0] for mot, reste in exclus.items()}


def lire_niveaux() -> dict[str, int]:
    """Word -> level set by hand, from tools/wordlists-niveaux.txt."""
    niveaux = lire_decisions(FICHIER_NIVEAUX, lambda r: re.fullmatch(r"[123]\b.*\S.*", r))
    return {mot: int(reste[0]) for mot, reste in niveaux.items()}


def lire_grossieretes() -> set[str]:
    """Profanity list entries of five letters, without accents."""
    mots: list[str] = []
    liste = trouver_paquet(PAQUET_GROSSIERETES_FR) / "list.txt"
    mots += liste.read_text(encoding="utf-8").splitlines()
    multi = trouver_paquet(PAQUET_GROSSIERETES_MULTI)
    for nom in ("fr.json", "fr-CA-u-sd-caqc.json"):
        mots += json.loads((multi / nom).read_text(encoding="utf-8"))
    return {cle for mot in mots if (cle := sans_accents(mot.strip()))}


# ---------------------------------------------------------------------------
# Choice


def choisir_mots(details: bool = False) -> list[list[str]]:
    entrees = lire_lexique()
    paquet = trouver_paquet(PAQUET_FREQUENCES) / "src"
    sous_titres = lire_rangs(paquet / "commonWords.json")
    wikipedia = lire_rangs(paquet / "wikipedia.json")
    grossieretes = lire_grossieretes() - ACCEPTES_MALGRE_GROSSIERETES
    exclusions = lire_exclusions()
    niveaux_imposes = lire_niveaux()

    par_cle: dict[str, list[tuple[str, str, str, str]]] = defaultdict(list)
    for entree in entrees:
        if cle := sans_accents(entree[0]):
            par_cle[cle].append(entree)

    inconnus = sorted((set(exclusions) | set(niveaux_imposes) | NOMS_ISSUS_DE_FLEXIONS
                       | ACCEPTES_MALGRE_GROSSIERETES) - set(par_cle))
    if inconnus:  # a typo or a lexicon update must not silently void a decision
        echouer(f"hand-made lists name words the lexicon lacks: {inconnus}")
    if set(exclusions) & set(niveaux_imposes):
        echouer(f"both excluded and given a level: {sorted(set(exclusions) & set(niveaux_imposes))}")

    masse_st = masses(entrees, sous_titres, wikipedia=False)
    masse_wp = masses(entrees, wikipedia, wikipedia=True)

    retraits: Counter[str] = Counter()
    motif_de: dict[str, str] = {}
    notes: dict[str, tuple[float | None, float | None, str]] = {}
    classement: list[tuple[float, str]] = []
    niveau_de: dict[str, int] = {}
    for cle in sorted(par_cle):
        liste = par_cle[cle]
        bases = [(e, n) for e in liste if (n := nature_de_base(*e))]
        if not bases:
            motif = "not a lemma: " + motif_non_lemme(liste)
        elif cle not in NOMS_ISSUS_DE_FLEXIONS and (flechi := lu_comme_flechi(liste, bases)):
            motif = flechi
        elif cle in exclusions:
            motif = "hand-made exclusion: " + exclusions[cle]
        elif cle in grossieretes:
            motif = "profanity list"
        elif reserve(cle):
            motif = "reserved"
        else:
            lemmes = sorted({e[1] for e, _ in bases})
            st = score(sum(masse_st[l] for l in lemmes))
            wp = score(sum(masse_wp[l] for l in lemmes))
            notes[cle] = (st, wp, ",".join(lemmes))
            valeurs = [v for v in (st, None if wp is None else wp - DECOTE_WIKIPEDIA)
                       if v is not None]
            familiarite = max(valeurs, default=-math.inf)
            niveau = next((n for n, seuil in enumerate(SEUILS, 1) if familiarite >= seuil), None)
            if cle in niveaux_imposes:
                if niveau == niveaux_imposes[cle]:
                    echouer(f"{FICHIER_NIVEAUX.name}: {cle} is at level {niveau} anyway")
                niveau_de[cle] = niveaux_imposes[cle]
                retraits[f"level set by hand: {niveau or 'none'} -> {niveau_de[cle]}"] += 1
                continue
            if niveau:
                niveau_de[cle] = niveau
                continue
            motif = "too rare (or unranked)"
        if cle in niveaux_imposes or (cle in exclusions and not motif.startswith("hand")):
            echouer(f"hand-made decision on {cle}, which is left out anyway: {motif}")
        retraits[motif] += 1
        motif_de[cle] = motif

    print(f"{len(par_cle)} five-letter keys in the lexicon")
    for motif, nombre in sorted(retraits.items(), key=lambda r: (-r[1], r[0])):
        print(f"  {nombre:5}: {motif}")
    if details:
        for cle in sorted(par_cle):
            st, wp, lemmes = notes.get(cle, (None, None, ""))
            etat = f"level {niveau_de[cle]}" if cle in niveau_de else motif_de[cle]
            print(f"{cle}\t{etat}\t{lemmes}\t{format_score(st)}\t{format_score(wp)}")
    return [sorted(c for c, n in niveau_de.items() if n == niveau) for niveau in (1, 2, 3)]


def lu_comme_flechi(entrees, bases) -> str | None:
    """Why a headword reads as an inflection of another word, or None.

    A noun or adjective that is also the masculine singular past participle of
    a verb (PREVU, NOMME) reads as the participle; a feminine noun that is also
    the feminine of an adjective (CHERE, NETTE) reads as that feminine.
    """
    if any(n not in ("nom", "adjectif") for _, n in bases):
        return None
    formes = {e[0] for e, _ in bases}

    def champs(etiquettes: str) -> set[str]:
        return set(etiquettes.split(";")[0].split(":"))

    participes = {f for f, _, e, _ in entrees if f in formes and "Q" in champs(e)
                  and champs(e) & {"m", "e"} and champs(e) & {"s", "i"}}
    if participes == formes:
        return "reads as a past participle"
    noms_feminins = {e[0] for e, n in bases if n == "nom" and "f" in champs(e[2])}
    feminins = {f for f, l, e, _ in entrees if f in formes and l != f
                and e.startswith((":A", ":N:A")) and {"f", "s"} <= champs(e)}
    if formes == noms_feminins == feminins:
        return "reads as the feminine of an adjective"
    return None


def format_score(valeur: float | None) -> str:
    return "-" if valeur is None else f"{valeur:.2f}"


# ---------------------------------------------------------------------------
# Output and checks


def encoder(mots: list[str]) -> bytes:
    return "".join(m + "\r\n" for m in mots).encode("cp1252")


def verifier_mots(listes: list[list[str]]) -> None:
    """Fails loudly on a list the game would load wrongly, or that breaks a
    rule the data can check, before anything is written."""
    entrees = lire_lexique()
    lemmes = {cle for f, l, e, s in entrees
              if nature_de_base(f, l, e, s) and (cle := sans_accents(f))}
    exclus = set(lire_exclusions())
    vus: dict[str, str] = {}
    for nom, mots in zip(NOMS_SORTIE, listes):
        if not MIN_PAR_LISTE <= len(mots) <= MAX_PAR_LISTE:
            echouer(f"{nom}: {len(mots)} words, not {MIN_PAR_LISTE}..{MAX_PAR_LISTE}")
        for mot in mots:
            if not re.fullmatch(r"[A-Z]{5}", mot):
                echouer(f"{nom}: bad word {mot!r}")
            if mot in vus:
                echouer(f"{nom}: {mot} already in {vus[mot]}")
            if mot not in lemmes:
                echouer(f"{nom}: {mot} is its own lemma in no entry of the lexicon")
            if mot in exclus:
                echouer(f"{nom}: excluded word {mot}")
            vus[mot] = nom


def verifier_fichiers(listes: list[list[str]]) -> None:
    """Reads the files back: one word per line, every line ended by CR LF."""
    for nom, mots in zip(NOMS_SORTIE, listes):
        octets = (DOSSIER_SORTIE / nom).read_bytes()
        if not octets.endswith(b"\r\n"):
            echouer(f"{nom}: last line not ended by CR LF")
        lignes = octets.decode("cp1252").split("\r\n")
        lignes.pop()  # empty: what follows the last CR LF
        if lignes != mots or any("\r" in l or "\n" in l for l in lignes):
            echouer(f"{nom}: the file does not hold the chosen words one per line")


def main() -> None:
    listes = choisir_mots(details="--details" in sys.argv[1:])
    verifier_mots(listes)
    DOSSIER_SORTIE.mkdir(exist_ok=True)
    for nom, mots in zip(NOMS_SORTIE, listes):
        (DOSSIER_SORTIE / nom).write_bytes(encoder(mots))
    verifier_fichiers(listes)
    for nom, mots in zip(NOMS_SORTIE, listes):
        print(f"{nom}: {len(mots)} words")


if __name__ == "__main__":
    main()
