#!/usr/bin/python3
"""Regenerates the three five-letter word lists: assets/5L-1.txt, 5L-2.txt, 5L-3.txt.

`make listes` installs the pinned sources and runs it. By hand, from anywhere,
with Debian's own Python (the lexicon is a Debian package that other Pythons
do not see):

    /usr/bin/python3 tools/make_wordlists.py [--details]

The sources are listed in tools/README-wordlists.md; the script checks their
versions and SHA-256 digests. It prints, for review, the kept words that the
ranks of their other forms alone place. --details also prints, for review, every five-letter candidate with its level
(or the rule that left it out), its spellings and its scores.
The output depends only on those inputs: same sources, same files, byte for byte.
"""

from __future__ import annotations

import hashlib
import json
import math
import pkgutil
import re
import subprocess
import sys
import unicodedata
from collections import Counter, defaultdict
from pathlib import Path

RACINE = Path(__file__).resolve().parent.parent
DOSSIER_SORTIE = RACINE / "assets"
NOMS_SORTIE = ("5L-1.txt", "5L-2.txt", "5L-3.txt")
FICHIER_EXCLUSIONS = RACINE / "tools" / "wordlists-exclusions.txt"
FICHIER_NIVEAUX = RACINE / "tools" / "wordlists-niveaux.txt"

# The sources, pinned: `make listes` installs these versions (the Debian
# package, and the npm packages from tools/package-lock.json under
# tools/cache), and every file read must have the digest given here, so that
# the lists can be made again byte for byte on another machine.
DOSSIER_NPM = RACINE / "tools" / "cache" / "node_modules"
PAQUET_FREQUENCES = "@zxcvbn-ts/language-fr"
PAQUET_GROSSIERETES_FR = "french-badwords-list"
PAQUET_GROSSIERETES_MULTI = "naughty-words"
VERSIONS_NPM = {PAQUET_FREQUENCES: "4.1.2", PAQUET_GROSSIERETES_FR: "1.0.7",
                PAQUET_GROSSIERETES_MULTI: "1.2.0"}
PAQUET_LEXIQUE = "python3-grammalecte"
VERSION_LEXIQUE = "2.1.2+ds2-2"
# Grammalecte's lexicon with every spelling variant: each entry is a form,
# its lemma and its tags (part of speech, gender, number, tense...).
LEXIQUE = "fr-allvars.json"
EMPREINTES = {
    LEXIQUE: "7663dd4fa26270c040a3c55ff9c1db63ef54b21d1a07206ce533367181921b28",
    "commonWords.json": "abe6c1ce6a3c32708921ea008076bbc2a98bbb409824ef5e4f8132bcc0f7be00",
    "wikipedia.json": "4db8020f64a51220f65a7704868a5210b18c5e043d1f6b7f95de47033de50db6",
    "list.txt": "09ad99ef29f10503a2ea09039a52fcbf5346eb8b300654ef7fb44b70c7de72c2",
    "fr.json": "37f44a999d3c1f8f68f07ec731ccdd5af7cf1f01037c75a639b0bac9997b68d9",
    "fr-CA-u-sd-caqc.json": "2c5d03dc9d4960daa95587ef74ebf24a74996549294b371cdd6ef4e64ee856e2",
}
# Sub-dictionaries whose headwords count: common, modern and classical
# spellings. Spellings of the 1990 reform alone (R: CHEIK for "cheikh") are
# not what a player types; the annex (A) and the contributors' additions (X)
# hold rare or unchecked words.
SOUS_DICTIONNAIRES = {"*", "M", "C"}

MIN_PAR_LISTE = 400  # fewer would make a level repeat its words too soon
MAX_PAR_LISTE = 1400  # the game reads no more than this per list

# Levels by familiarity: the base-10 logarithm of the weight a word's forms
# carry in the subtitles list, a form of rank r weighing 1/(r+10) as by Zipf's
# law (see masses()). Level 1 down to SEUILS[0], level 2 down to SEUILS[1],
# level 3 down to SEUILS[2]; rarer words are left out. Set by reading random
# samples of each list, see the README.
SEUILS = (-3.8, -4.33, -4.95)
# Wikipedia over-counts learned and technical words: its weight counts as this
# much rarer (in the logarithm) than the same weight in subtitles.
DECOTE_WIKIPEDIA = 0.6
# A form shared by several lemmas goes to each lemma in proportion to what its
# unshared forms lead to expect (see part_attendue()); for a noun or adjective,
# the share of a plural or feminine.
PART_ATTENDUE_NOM = 0.3
# A noun's or adjective's base form against its other forms: in both lists,
# where no form is shared, the base form holds about 0.6 of the lemma's weight.
PART_ATTENDUE_BASE = 1.5
# See sans_fautes_d_accent().
RAPPORT_FAUTE_D_ACCENT = 20

# Headwords that are also a masculine past participle (ECRIT) or the feminine
# of an adjective (BRUTE) yet are nouns a player takes for one. The other such
# words (PREVU, NOMME, NETTE...) read as inflections and are left out, and
# so does MARIE, which players read as the first name.
NOMS_ISSUS_DE_FLEXIONS = set("""
    ALLIE AVOUE BRUTE CHERI CREPI DEDIT ECRIT JOINT PARTI PENDU PIETE SUIVI TEINT
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
# Kinds of hand-set levels, the first word of each reason (see the file's header).
GENRES_NIVEAUX = ("homographe", "adulte", "absent", "sous-classe")
MOTIFS = {"argot", "abreviation", "anglicisme", "etranger", "lettre", "nom-propre",
          "grossier", "injurieux", "rare", "forme", "rang"}


def echouer(message: str) -> None:
    print(f"make_wordlists: {message}", file=sys.stderr)
    sys.exit(1)


def plier(mot: str) -> str:
    """The word without its accents."""
    return "".join(c for c in unicodedata.normalize("NFD", mot) if unicodedata.category(c) != "Mn")


def sans_accents(mot: str) -> str | None:
    """The word as it appears in a list (five capitals A-Z), or None if it cannot be one."""
    if any(c in mot for c in "œæŒÆ"):
        return None
    plie = plier(mot).upper()
    return plie if re.fullmatch(r"[A-Z]{5}", plie) else None


def reserve(cle: str) -> bool:
    return hashlib.sha256(cle.encode("ascii", "replace")).hexdigest() in EXCLUS_RESERVES


def lire_source(chemin: Path, donnees: bytes | None = None) -> bytes:
    """The bytes of a source file, once its SHA-256 digest is the pinned one."""
    if donnees is None:
        if not chemin.is_file():
            echouer(f"{chemin} missing: run `make listes` (tools/README-wordlists.md)")
        donnees = chemin.read_bytes()
    empreinte = hashlib.sha256(donnees).hexdigest()
    if empreinte != EMPREINTES[chemin.name]:
        echouer(f"{chemin}: SHA-256 {empreinte}, expected {EMPREINTES[chemin.name]}:\n"
                "    not the pinned source; run `make listes`, or, when moving to a new\n"
                "    version on purpose, update the pins and check the lists again")
    return donnees


def trouver_paquet(nom: str) -> Path:
    chemin = DOSSIER_NPM / nom
    if not (chemin / "package.json").is_file():
        echouer(f"npm package {nom} missing from {DOSSIER_NPM}: run `make listes`")
    version = json.loads((chemin / "package.json").read_text(encoding="utf-8"))["version"]
    if version != VERSIONS_NPM[nom]:
        echouer(f"npm package {nom} is version {version}, not the pinned {VERSIONS_NPM[nom]}:"
                " run `make listes`")
    return chemin


# ---------------------------------------------------------------------------
# The lexicon


def lire_lexique() -> list[tuple[str, str, str, str]]:
    """Every entry of the lexicon: (form, lemma, tags, sub-dictionary)."""
    try:
        from grammalecte.graphspell import ibdawg
    except ImportError:
        echouer("the lexicon is missing: run `make listes`, and run this script "
                "with /usr/bin/python3")
    try:
        version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", PAQUET_LEXIQUE],
                                 capture_output=True, text=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        version = "none"
    if version != VERSION_LEXIQUE:
        echouer(f"{PAQUET_LEXIQUE} is version {version}, not the pinned {VERSION_LEXIQUE}:"
                " run `make listes`")
    chemin = Path(ibdawg.__file__).parent / "_dictionaries" / LEXIQUE
    donnees = lire_source(chemin, pkgutil.get_data(ibdawg.__package__, "_dictionaries/" + LEXIQUE))
    entrees = []
    for forme, lemme, etiquettes in ibdawg.IBDAWG(json.loads(donnees)).select():
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
    mots = json.loads(lire_source(chemin).decode("utf-8"))
    rangs: dict[str, int] = {}
    for rang, mot in enumerate(mots):
        rangs.setdefault(mot, rang)
    return rangs


def champs_de(etiquettes: str) -> list[str]:
    return etiquettes.split(";")[0].split(":")


def part_attendue(forme: str, lemme: str, etiquettes: str) -> float:
    """Expected share of a form among its lemma's uses, from its tags.

    For a verb, the usual share of that tense and person: "sorte", a rare
    subjunctive of "sortir", is mostly the noun; "donne", a third person of
    "donner", is mostly the verb. A noun's or adjective's base form is
    expected to be used PART_ATTENDUE_BASE times as much as its other forms.
    """
    if not etiquettes.startswith(":V"):
        return PART_ATTENDUE_BASE if forme == lemme.lower() else PART_ATTENDUE_NOM
    champs = set(champs_de(etiquettes)[2:])
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
    temps = set(champs_de(etiquettes)[2:])
    if wikipedia:
        return bool(temps & {"Y", "Q", "P"})
    return not temps <= {"Is", "Sq", "1s", "2s", "3s", "1p", "2p", "3p", "1ś", "1ŝ"}


def feminins_d_un_autre(entrees, listes: list[dict[str, int]]) -> set[tuple[str, str]]:
    """(form, lemma) pairs of feminine forms that are most likely another word.

    A noun or adjective whose masculine forms neither list ranks gets no rank
    from a feminine form that is, or may be, a noun: "tortue" is the animal,
    not the feminine of the rare "tortu"; "gourde" the flask, not the feminine
    of "gourd", which the lexicon files under it.
    """
    def classee(forme: str) -> bool:
        return any(forme.lower() in rangs for rangs in listes)

    masculin_classe: dict[str, bool] = {}
    noms: set[str] = set()
    for forme, lemme, etiquettes, sous_dico in entrees:
        champs = champs_de(etiquettes)
        if sous_dico not in SOUS_DICTIONNAIRES or champs[1:2] not in (["N"], ["A"]):
            continue
        if "N" in champs:
            noms.add(forme)
        if "f" not in champs:
            masculin_classe[lemme] = masculin_classe.get(lemme, False) or classee(forme)
    return {(forme, lemme) for forme, lemme, etiquettes, _ in entrees
            if forme in noms and masculin_classe.get(lemme) is False
            and "f" in champs_de(etiquettes) and champs_de(etiquettes)[1] in ("N", "A")}


def sans_fautes_d_accent(rangs: dict[str, int], formes) -> dict[str, int]:
    """The ranks less the forms that are mostly another word with its accents wrong.

    Subtitles drop and misplace accents: "faîtes" is mostly "faites", "foret"
    mostly "forêt". A form gets no rank when a form of another word spelt with
    the same letters is RAPPORT_FAUTE_D_ACCENT times as frequent or more.
    """
    lemmes_de: dict[str, set[str]] = defaultdict(set)
    for forme, lemme in formes:
        lemmes_de[forme.lower()].add(lemme)
    jumeaux: dict[str, list[str]] = defaultdict(list)
    for forme in lemmes_de:
        if forme in rangs:
            jumeaux[plier(forme)].append(forme)
    fautives = {forme for groupe in jumeaux.values() for forme in groupe
                for autre in groupe
                if not lemmes_de[autre] <= lemmes_de[forme]
                and rangs[forme] + 10 >= RAPPORT_FAUTE_D_ACCENT * (rangs[autre] + 10)}
    return {forme: rang for forme, rang in rangs.items() if forme not in fautives}


def masses(entrees, rangs: dict[str, int], wikipedia: bool,
           exclues: set[tuple[str, str]]) -> tuple[dict[str, float], dict[str, Counter[str]]]:
    """Lemma -> its share of the source's words, with ranks read as Zipf's law;
    and lemma -> the mass each of its forms brought it, for the review.

    A form several lemmas share ("livre": the noun and the verb "livrer") is
    split between them. Proper nouns take part as lemmas of their own
    (prefixed with "*"); a country's name takes all of a form it shares that
    the common word's other forms do not explain ("chili" is mostly the
    country). Only the entries of SOUS_DICTIONNAIRES count: a spelling of the
    1990 reform ("assoir") would take a share of "assis" from "asseoir". The
    (form, lemma) pairs of `exclues` get nothing either.
    """
    # form -> lemma -> expected share (dicts keep the lexicon's order)
    lemmes_de: dict[str, dict[str, float]] = defaultdict(dict)
    base_de: dict[str, set[str]] = defaultdict(set)
    pays: set[str] = set()
    for forme, lemme, etiquettes, sous_dico in entrees:
        if (sous_dico not in SOUS_DICTIONNAIRES or (forme, lemme) in exclues
                or not forme_comptee(etiquettes, wikipedia)):
            continue
        ident = "*" + lemme if est_propre(lemme, etiquettes) else lemme
        if ident.startswith("*") and "#P" in etiquettes:
            pays.add(ident)
        cle = forme.lower()
        if cle not in rangs:
            continue
        part = part_attendue(forme, lemme, etiquettes)
        lemmes_de[cle][ident] = max(part, lemmes_de[cle].get(ident, 0.0))
        if cle == lemme.lower():
            base_de[cle].add(ident)

    def frequence(forme: str) -> float:
        return 1.0 / (rangs[forme] + 10)

    apports: dict[str, Counter[str]] = defaultdict(Counter)
    propre: Counter[str] = Counter()  # mass of the unshared forms
    for forme, lemmes in lemmes_de.items():
        if len(lemmes) == 1:
            lemme = next(iter(lemmes))
            propre[lemme] += frequence(forme)
            apports[lemme][forme] += frequence(forme)
    masse: Counter[str] = Counter(propre)
    # First the shared base forms: a lemma with unshared forms is expected to
    # use this one too, in its usual share; what they do not explain goes to
    # the country whose name this is, else to the lemmas whose base form this
    # is ("type", not "typer"), names included.
    for forme, lemmes in lemmes_de.items():
        bases = [l for l in lemmes if l in base_de[forme]]
        if len(lemmes) > 1 and bases:
            attendu = {l: p * propre[l] for l, p in lemmes.items() if propre[l] > 0}
            repartir(masse, apports, forme, frequence(forme), attendu,
                     [l for l in bases if l in pays] or bases)
    # Then the other shared forms ("armes": the noun's plural or the verb's
    # second person), by what each lemma gathered so far.
    avant = dict(masse)
    for forme, lemmes in lemmes_de.items():
        if len(lemmes) > 1 and not base_de[forme] & set(lemmes):
            attendu = {l: p * avant.get(l, 0.0) for l, p in lemmes.items()}
            if sum(attendu.values()) > 0:
                repartir(masse, apports, forme, frequence(forme),
                         {l: a for l, a in attendu.items() if a}, [])
            else:
                repartir(masse, apports, forme, frequence(forme), {}, list(lemmes))
    return masse, apports


def repartir(masse: Counter[str], apports: dict[str, Counter[str]], forme: str, f: float,
             attendu: dict[str, float], autres: list[str]) -> None:
    """Shares f among lemmas by expectation; the unexpected rest to `autres`,
    or in proportion again when there are none."""
    parts: Counter[str] = Counter()
    total = sum(attendu.values())
    if f <= total or not autres:
        for l, a in attendu.items():
            parts[l] += f * a / total
    else:
        for l, a in attendu.items():
            parts[l] += a
        for l in autres:
            parts[l] += (f - total) / len(autres)
    for l, part in parts.items():
        masse[l] += part
        apports[l][forme] += part


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


def lire_niveaux() -> dict[str, tuple[int, str, str]]:
    """Word -> (level, kind, reason) set by hand, from tools/wordlists-niveaux.txt."""
    niveaux = lire_decisions(FICHIER_NIVEAUX, lambda r: re.fullmatch(
        r"[123] (" + "|".join(GENRES_NIVEAUX) + r"): \S.*", r))
    return {mot: (int(reste[0]), reste[2:].split(":")[0], reste.split(":", 1)[1].strip())
            for mot, reste in niveaux.items()}


def verifier_niveau(cle: str, niveau: int, genre: str, motif: str, par_rangs: int | None,
                    classee: bool, rangs: list[dict[str, int]]) -> str | None:
    """What is wrong with a level set by hand, given the level the ranks give and
    whether a list ranks the word itself; None when nothing is."""
    rarete = par_rangs or 4
    if par_rangs == niveau:
        return "the ranks give that level anyway: the line goes"
    if genre == "homographe":
        cite = re.search(r'"([^"]+)"', motif)
        if not cite or not any(cite.group(1) in r for r in rangs):
            return "a homograph's rank needs the ranked form quoted first"
    elif genre == "adulte":
        if par_rangs != 1 or niveau != 2:
            return f"adulte moves a word of level 1 to 2, the ranks give {par_rangs or 'none'}"
    elif genre == "absent":
        if classee:
            return "a list ranks it: sous-classe, not absent"
    elif genre == "sous-classe":
        if not classee:
            return "no list ranks it: absent, not sous-classe"
    if genre in ("absent", "sous-classe") and rarete <= niveau:
        return f"the ranks give level {par_rangs}, not rarer than {niveau}"
    return None


def lire_grossieretes() -> set[str]:
    """Profanity list entries of five letters, without accents."""
    mots: list[str] = []
    liste = trouver_paquet(PAQUET_GROSSIERETES_FR) / "list.txt"
    mots += lire_source(liste).decode("utf-8").splitlines()
    multi = trouver_paquet(PAQUET_GROSSIERETES_MULTI)
    for nom in ("fr.json", "fr-CA-u-sd-caqc.json"):
        mots += json.loads(lire_source(multi / nom).decode("utf-8"))
    return {cle for mot in mots if (cle := sans_accents(mot.strip()))}


# ---------------------------------------------------------------------------
# Choice


def choisir_mots(details: bool = False) -> list[list[str]]:
    entrees = lire_lexique()
    paquet = trouver_paquet(PAQUET_FREQUENCES) / "src"
    formes = [(f, l) for f, l, _, s in entrees if s in SOUS_DICTIONNAIRES]
    sous_titres = sans_fautes_d_accent(lire_rangs(paquet / "commonWords.json"), formes)
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

    exclues = feminins_d_un_autre(entrees, [sous_titres, wikipedia])
    masse_st, apports_st = masses(entrees, sous_titres, False, exclues)
    masse_wp, apports_wp = masses(entrees, wikipedia, True, exclues)

    retraits: Counter[str] = Counter()
    motif_de: dict[str, str] = {}
    notes: dict[str, tuple[float | None, float | None, str]] = {}
    niveau_de: dict[str, int] = {}
    a_la_main: dict[str, int | None] = {}  # word -> the level its ranks give
    sans_rang_propre: list[str] = []
    fautes: list[str] = []  # in the levels set by hand
    for cle in sorted(par_cle):
        liste = par_cle[cle]
        bases = [(e, n) for e in liste if (n := nature_de_base(*e))]
        niveau = None
        if bases:
            lemmes = sorted({e[1] for e, _ in bases})
            st = score(sum(masse_st[l] for l in lemmes))
            wp = score(sum(masse_wp[l] for l in lemmes))
            notes[cle] = (st, wp, ",".join(lemmes))
            valeurs = [v for v in (st, None if wp is None else wp - DECOTE_WIKIPEDIA)
                       if v is not None]
            familiarite = max(valeurs, default=-math.inf)
            niveau = next((n for n, seuil in enumerate(SEUILS, 1) if familiarite >= seuil), None)
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
        elif cle in niveaux_imposes:
            impose, genre, raison = niveaux_imposes[cle]
            classee = bool({e[0].lower() for e, _ in bases} & (set(sous_titres) | set(wikipedia)))
            if erreur := verifier_niveau(cle, impose, genre, raison, niveau, classee,
                                         [sous_titres, wikipedia]):
                fautes.append(f"{cle} {impose} {genre}: {erreur}")
            niveau_de[cle] = impose
            a_la_main[cle] = niveau
            retraits[f"level set by hand ({genre}): {niveau or 'none'} -> {impose}"] += 1
            continue
        elif niveau:
            niveau_de[cle] = niveau
            if not {e[0].lower() for e, _ in bases} & (set(sous_titres) | set(wikipedia)):
                sans_rang_propre.append(cle)
            continue
        else:
            motif = "too rare (or unranked)"
        if cle in niveaux_imposes or (cle in exclusions and not motif.startswith("hand")):
            echouer(f"hand-made decision on {cle}, which is left out anyway: {motif}")
        retraits[motif] += 1
        motif_de[cle] = motif

    print(f"{len(par_cle)} five-letter keys in the lexicon")
    for motif, nombre in sorted(retraits.items(), key=lambda r: (-r[1], r[0])):
        print(f"  {nombre:5}: {motif}")
    # The lists miss some common words ("germe", "caler"): a word whose own
    # spelling neither list ranks holds its level by its other forms alone,
    # which a namesake may have lent it. Shown for review.
    print(f"{len(sans_rang_propre)} words placed by the ranks of their other forms alone:")
    for cle in sans_rang_propre:
        lemmes = notes[cle][2].split(",")
        formes = [(part, f"{forme} ({source} {rangs[forme]})")
                  for source, apports, rangs in (("st", apports_st, sous_titres),
                                                 ("wp", apports_wp, wikipedia))
                  for lemme in lemmes for forme, part in apports[lemme].items()]
        formes.sort(reverse=True)
        print(f"  {cle} level {niveau_de[cle]}: " + ", ".join(f for _, f in formes[:4]))
    if details:
        for cle in sorted(par_cle):
            st, wp, lemmes = notes.get(cle, (None, None, ""))
            if cle in niveau_de:
                etat = f"level {niveau_de[cle]}"
                if cle in a_la_main:
                    etat += f" (by hand; by the ranks: {a_la_main[cle] or 'none'})"
            else:
                etat = motif_de[cle]
            print(f"{cle}\t{etat}\t{lemmes}\t{format_score(st)}\t{format_score(wp)}")
    if fautes:
        echouer(f"{FICHIER_NIVEAUX.name}:\n  " + "\n  ".join(fautes))
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
