#!/usr/bin/env python3
"""Regenerates the three five-letter word lists: assets/5L-1.txt, 5L-2.txt, 5L-3.txt.

Run by hand from anywhere:  python3 tools/make_wordlists.py [--details]
Sources and their install commands are listed in tools/README-wordlists.md.
--details also prints, for review, each word with its level, spellings and rank.
The output depends only on those inputs: same sources, same files, byte for byte.
"""

from __future__ import annotations

import hashlib
import json
import re
import sys
import unicodedata
from dataclasses import dataclass, field
from pathlib import Path

RACINE = Path(__file__).resolve().parent.parent
DOSSIER_SORTIE = RACINE / "assets"
NOMS_SORTIE = ("5L-1.txt", "5L-2.txt", "5L-3.txt")

DIC_HUNSPELL = Path("/usr/share/hunspell/fr.dic")
AFF_HUNSPELL = Path("/usr/share/hunspell/fr.aff")
WFRENCH = Path("/usr/share/dict/french")

# npm packages: the install command of the README puts them under tools/cache;
# a plain `npm install --prefix tools` is accepted too.
DOSSIERS_NPM = (RACINE / "tools" / "cache" / "node_modules", RACINE / "tools" / "node_modules")
PAQUET_FREQUENCES = "@zxcvbn-ts/language-fr"
PAQUET_GROSSIERETES_FR = "french-badwords-list"
PAQUET_GROSSIERETES_MULTI = "naughty-words"

MIN_PAR_LISTE = 1000
MAX_PAR_LISTE = 1400  # the game reads no more than this per list

# Parts of speech (hunspell "po:" fields) that keep a stem out: prefixes, Latin
# locutions and elided forms are not words on their own, names are not common words.
NATURES_REFUSEES = {
    "po:pfx", "po:err", "po:loc.adv", "po:loc.adj", "po:loc.nom", "po:loc.interj",
    "po:loc.prep", "po:loc.cj", "po:npr", "po:prn", "po:patr",
}

# ---------------------------------------------------------------------------
# Hand-made decisions, read from the output of this script. Words are given
# without accents, as they appear in the lists.
# ---------------------------------------------------------------------------

# Vulgar, sexual or scatological words, and words with such a second sense
# (VIOLE is also "violé").
EXCLUS_GROSSIERS = set("""
    ANALE BAISE BITER BITOS BITTE CATIN CHIEE CHIER CLITO COCUE CONNE CUCUL ETRON FECAL
    FOUTU GARCE GAUPE GITON GLAND GODER HYMEN LECHE MERDE NIQUE ORGIE PENIL PENIS PETER
    PISSE PORNO PUBIS SALOP SEXUE SUCER SUCON TAPIN TETIN TETON TETTE VAGIN VERGE VESSE
    VIOLE VULVE
""".split())

# Slurs, insults and words with a pejorative charge towards a group of people.
EXCLUS_INJURIEUX = set("""
    ARYEN BEAUF BICOT BOCHE CAFRE CLODO FACHO FATMA FRITZ GITAN GOGOL GOTON HARKI HURON
    JUIVE LAPON MAURE MINUS NABOT NAZIE NEGRE NEGRO PLOUC PLOUK PROLO RATON RITAL ROUMI
    SOTTE SQUAW TAREE THAIE TURCO
""".split())

# Proper nouns in disguise: the common noun exists but a player sees a name,
# a country, a city, a river, a brand or a sacred text.
EXCLUS_NOMS_PROPRES = set("""
    ADELE ALVIN BLAIR BOSCO CESAR CHINE CONDE CORAN DELCO DERNY DEVON DIANE DORIS DOURO
    FERMI GALLO GAUSS HENRY ISLAM JAPON JENNY JEREZ JESUS JUDAS JULES LAURE LEXIE LYCRA
    MEDOC MOISE NICOL PADDY PAQUE PEKIN PENNY PERSE PYREX ROBIN SAHEL SEINE SERGE SOLEX
    TOMMY TORAH VENUS VESPA WEBER XIANG
""".split())

# Foreign words a French player would not take for French, Latin tags and
# spellings that only exist inside a longer phrase.
EXCLUS_ETRANGERS = set("""
    ABOUT ALTER BLACK BLOOM BRICK BROOK DIXIT DRINK FLINT FLOOD FUNKY GREEN HAKKA HELLO
    INFRA INLAY INPUT JAINA JEANS LAIRD LINER LOVER LYRIC MAMMY MODUS NAHUA NINAS OFLAG
    PAGUS PANIC PAROS PLAIN PROVO QUIET RACER SAMPI SHIRT SIOUX SLANG SMART SMURF SNIFF
    STEMM SUPRA TORII TRAMP TRUCK UZBEK VITAE VULGO XIPHO
""".split())

# Abbreviations, noises and forms of other words that are not headwords.
EXCLUS_NON_LEMMES = set("""
    AYANT BENEF BROUM CEDEX COMPO CROIT LEDIT OUAIS TOUTE
""".split())

# Laboratory jargon that no dictionary for the general public lists.
EXCLUS_JARGON = set("""
    ACYLE ALDIN ALDOL APIOL ARSIN ARYLE LYSAT OXIME SALOL TRIOL
""".split())

# Names of a religion's rites or texts, not of an object or a person.
EXCLUS_RELIGIEUX = set("""
    DIFFA SUNNA
""".split())

# Drugs and slang, mostly participles of slang verbs.
EXCLUS_ARGOT = set("""
    BECTE BEZEF CAFTE CALTE CAMER DROPE FARTE FOXEE GLASS GONZE GOURE HASCH JACTE KIFFE
    KOTER MAGNE MAQUE MUCHE PIFFE RAQUE SAQUE VAMPE ZAPPE ZIPPE ZOOME
""".split())

# Words the project keeps out of its lists for reasons of its own, given as the
# SHA-256 digest of the unaccented capitals so that this script does not spell them.
EXCLUS_RESERVES = {
    "23f894b58b3d1cd07a96885144562eabb84406150a52651a506a03108505b12d",
}

EXCLUS = (EXCLUS_GROSSIERS | EXCLUS_INJURIEUX | EXCLUS_NOMS_PROPRES | EXCLUS_ETRANGERS
          | EXCLUS_NON_LEMMES | EXCLUS_RELIGIEUX | EXCLUS_ARGOT | EXCLUS_JARGON)

# Entries of the profanity lists whose first meaning is innocent and common:
# a sheaf, a notch or coach, a hoard, thick.
ACCEPTES_MALGRE_GROSSIERETES = set("""
    COCHE EPAIS GERBE MAGOT
""".split())

# Headwords of hunspell-fr missing from the older wfrench list that a French
# player would accept; the other hunspell-only headwords are too new, foreign,
# slangy or clipped.
AJOUTS_HUNSPELL_SEUL = set("""
    ABLOC ABYME ACARE ACCON ACCRO AGAME AITRE ALCEE ALGAL ALIEN ALULE ANONE APYRE ARGAN
    ARGOL ARION ARITE ARROI ASSEC ATEMI AUGEE AVIEN AWALE AZERI AZOBE BAGEL BAINE BENTO
    BERYX BEURK BIAXE BIOTE BIPER BLITZ BOLAS BOLUS BORIE BOSON BUGNE BULOT CAGOU CAMEO
    CARON CARVI CEPEE CHILI CIRSE COBEE COMBI CORME COTRE COUVI CRADE CROCO CROUP CYCLO
    DENIM DENTU DETOX DHOLE DOGAT DONUT DRONE DRUSE DURAL ECOLO EDITO ELAND ELYME EMOJI
    EPOXY ERGOL ETHOS FARIO FERAL FILAO FIOUL FLYER FOENE FONIO FUSTE FUTON GALEE GAMAY
    GLUAU GLUON GOLEM GOTHA HALIN HEBDO HUSKY HYPHE IMPRO INDRI INFOX INTOX INTRO IPPON
    IROKO KANJI KEBAB KILIM KIPPA LABBE LAHAR LEMUR LEPTE LOMPE MACRO MAERL MAMBA MANIF
    MANTA MATON MULCH MURIN MURON MYASE MYSTE NABLA NASHI NOCER NUCAL OPIME OVIDE PATCH
    PECAN PESTO PHYSE POLJE PRION RADON RANDO RATTE REBOT RECRE REGEL REJEU REMIX RESTO
    RHEME SALTO SAUPE SEDUM SINUE SONIE SPITZ STUPA SWEAT SYRAH TATIN TCHAT TESLA TETRA
    TEXTO TONER TWEET UHLAN UMAMI VEGAN VELAR VESOU WOLOF YOUPI
""".split())

# Words most French speakers know that neither frequency list ranks (too rare
# in subtitles, too plain for Wikipedia): they go to level 2, not level 3.
HABITUELS = set("""
    AGATE AHURI AIOLI AJONC ALESE ALOES AMBLE AMIBE AMPHI AMPLI ANETH APHTE ARCON ARDUE
    ASPIC ATONE BADIN BAGOU BALSA BARDA BARDE BEANT BECOT BELER BENET BENTO BERGE BERNE
    BERYL BEVUE BIDET BIGOT BIQUE BLASE BLEME BLINI BLUET BOGUE BOLEE BOLET BONDE BONZE
    BORAX BOUDE BOURG BRAME BRIBE BROYE BUBON BUGGY BUGLE BULOT BUTEE CABAN CABAS CABRI
    CADDY CAHOT CAJOU CALER CALVA CAMEE CAMPE CANIN CAPRE CARAT CARRY CERNE CHENU CIGUE
    CIVET CLAIE CLERC COATI COHUE COING COMBE CONGA CORNU COSSE COSSU COTTE COUAC CRADO
    CRAWL CREPI CREPU CROCO CUMIN CUREE CURER CUVER DARNE DATTE DENIM DERME DETOX DEVOT
    DIAPO DJINN DOCTE DODUE DOGUE DOPER DORER DOSER DRING DURCI EBAHI ECRUE EDITO EIDER
    EMERI EMOJI EMULE EPOXY EPURE ERGOT ETIRE ETOLE ETUVE EVASE FAGOT FAKIR FANAL FANER
    FANGE FARCI FAYOT FELER FELON FIFRE FIGER FILIN FILOU FLAPI FLUET FOUIR FREON FRIPE
    FUMET FUSER FUTON GALBE GALET GAMBA GANSE GEODE GEOLE GERME GESIR GIGOT GIGUE GIVRE
    GODET GOMBO GORET GOUDA GOUGE GOULU GRIEF GROIN GUPPY HAIKU HALVA HATIF HELER HENNE
    HEURT HEVEA HIPPY HONNI HUCHE HUMER IGLOO IMBUE INDUE INTOX IPPON ISARD JABOT JANTE
    JASPE JAUNI JURON KAPOK KEFIR KILIM KOALA KRILL KRISS LAIUS LAPER LESTE LETAL LICOU
    LIMER LIPPU LODEN LOPIN LUBIE LUCRE LUIRE LUNCH LURON LUXER MAMBA MANTE MATOU MELBA
    MENUE MERLU MEROU MIMER MOITE MOULU MUFLE MUGIR MULOT MURET MUTIN MYRTE NABAB NADIR
    NANAR NANTI NASSE NATTE NEFLE NIPPE NOCIF NORIA NOUBA NURSE OBOLE OBTUS OISIF OISON
    OKAPI ORTIE ORVET OTITE OUATE PAGNE PALIR PAMER PANEL PANER PANSU PAPOU PARDI PAREO
    PARKA PATIR PATRE PAVER PAVOT PELER PESTO PETRI PILAF PILER PILON PINOT PIPIT PITON
    PITRE PIVOT PLOUF POLIR PONCE POTEE POTIN PREAU PRELE PREUX PROBE PSITT PURIN RABLE
    RABOT RAGOT RAIDI RAJAH RANDO RAPER RASTA REBUS RETIF RICIN RIEUR RIMER RINCE RIVET
    ROQUE ROSIR ROSSE ROTIN ROUER ROUET ROUGI RUADE RUGIR RUPIN RUSER SALER SAMBA SCALP
    SCHAH SCIER SEANT SEBUM SEPIA SERAC SERIN SERPE SHUNT SISAL SITAR SMALA SPORE STENO
    STERE STOUT STRIE SUAVE TANIN TAPIR TARIR TATIN TAXER TCHAO TCHAT TELEX TENIA TENON
    TETEE TETER TETRA THUYA TIMON TIRET TISON TOMME TONDU TONER TONTE TONUS TRIPE TUNER
    UMAMI UNTEL VARAN VEGAN VELUE VENAL VERIN VERNI VEULE VISSE VOUER WHIST WINCH YUCCA
    ZAZOU ZESTE ZIGUE ZLOTY ZOMBI ZONER
""".split())

# Genuine words whose rank in the frequency lists belongs to a namesake (a
# person, a place, a brand) or to a homograph (AMENE is mostly "amène", the
# verb): ranked as if no list had them.
SANS_RANG = set("""
    ADORE AMENE AVOUE BENIN BOUGE COGNE COLIN COULE CURIE DAMAS FONDE GAGNE JOUEE LIEGE
    LOUIS MARNE MILAN MONTE NOMME OPERE OSCAR RIVER ROMPU ROULE SAUVE SENTE SUEDE SURGI
    TESLA VERSE VICHY
""".split())


# ---------------------------------------------------------------------------


def reserve(cle: str) -> bool:
    return hashlib.sha256(cle.encode("ascii", "replace")).hexdigest() in EXCLUS_RESERVES


def echouer(message: str) -> None:
    print(f"make_wordlists: {message}", file=sys.stderr)
    sys.exit(1)


def sans_accents(mot: str) -> str | None:
    """The word as it appears in a list (five capitals A-Z), or None if it cannot be one."""
    if any(c in mot for c in "œæŒÆ"):
        return None
    plie = "".join(c for c in unicodedata.normalize("NFD", mot)
                   if unicodedata.category(c) != "Mn")
    plie = plie.upper()
    return plie if re.fullmatch(r"[A-Z]{5}", plie) else None


def trouver_paquet(nom: str) -> Path:
    for dossier in DOSSIERS_NPM:
        chemin = dossier / nom
        if (chemin / "package.json").is_file():
            return chemin
    echouer(f"npm package {nom} missing: run\n"
            f"    npm install --prefix {RACINE / 'tools' / 'cache'} {nom}")
    raise AssertionError  # unreachable


def verifier_fichier(chemin: Path, paquet_debian: str) -> None:
    if not chemin.is_file():
        echouer(f"{chemin} missing: run\n    apt-get install {paquet_debian}")


@dataclass
class Entree:
    """One list word and what the sources say about it."""
    formes: set[str] = field(default_factory=set)  # accented spellings
    natures: set[str] = field(default_factory=set)
    flexions: set[str] = field(default_factory=set)  # plurals, conjugated forms...
    complement: bool = False  # a feminine or a participle, not a headword


Regle = tuple[str, str, "re.Pattern[str] | None", str]


def lire_regles_suffixes(chemin: Path) -> dict[str, list[Regle]]:
    """SFX rules of a hunspell affix file: flag -> (strip, add, condition, morphology)."""
    regles: dict[str, list[Regle]] = {}
    for ligne in chemin.read_text(encoding="utf-8").splitlines():
        champs = ligne.split()
        if len(champs) < 5 or champs[0] != "SFX":
            continue
        drapeau, retrait, ajout, condition = champs[1:5]
        ajout = ajout.split("/")[0]
        retrait = "" if retrait == "0" else retrait
        ajout = "" if ajout == "0" else ajout
        motif = None if condition == "." else re.compile(f"(?:{condition})$")
        regles.setdefault(drapeau, []).append((retrait, ajout, motif, " ".join(champs[5:])))
    return regles


def deriver(radical: str, drapeaux: str, regles: dict[str, list[Regle]]):
    """Every (form, morphology) that the suffix flags of a stem produce."""
    for i in range(0, len(drapeaux) - 1, 2):  # FLAG long: two characters per flag
        for retrait, ajout, motif, morpho in regles.get(drapeaux[i:i + 2], ()):
            if (motif and not motif.search(radical)) or not radical.endswith(retrait):
                continue
            yield radical[:len(radical) - len(retrait)] + ajout, morpho


def lire_hunspell(mots_wfrench: set[str]) -> dict[str, Entree]:
    """Headwords of five letters, plus feminines and past participles as a complement.

    hunspell-fr tags each stem with its part of speech; a stem is a headword
    unless it is tagged as a plural or as a feminine adjective or pronoun.
    """
    regles = lire_regles_suffixes(AFF_HUNSPELL)
    entrees: dict[str, Entree] = {}
    derives: dict[str, set[str]] = {}
    # Which stems produce each form: a form shared with another word says
    # nothing about how known a headword is.
    producteurs: dict[str, set[str]] = {}
    flexions: dict[str, set[str]] = {}
    with DIC_HUNSPELL.open(encoding="utf-8") as fichier:
        next(fichier)  # entry count
        for ligne in fichier:
            champs = ligne.split()
            if not champs:
                continue
            radical, _, drapeaux = champs[0].partition("/")
            formes = list(deriver(radical, drapeaux, regles))
            producteurs.setdefault(radical, set()).add(radical)
            for forme, _ in formes:
                producteurs.setdefault(forme, set()).add(radical)
            if radical != radical.lower():
                continue  # proper nouns and symbols
            etiquettes = set(champs[1:])
            natures = {e for e in etiquettes if e.startswith("po:")}
            if natures & NATURES_REFUSEES:
                continue
            cle = sans_accents(radical)
            pluriel = "is:pl" in etiquettes and "po:nb" not in natures
            feminin = "is:fem" in etiquettes and "po:nom" not in natures
            if cle and not pluriel and not feminin:
                entree = entrees.setdefault(cle, Entree())
                entree.formes.add(radical)
                entree.natures |= natures
                flexions.setdefault(radical, set()).update(f for f, _ in formes)
            # Feminine of a noun or adjective, masculine past participle of a verb.
            nominal = bool(natures & {"po:nom", "po:adj"})
            verbal = any(n.startswith("po:v") for n in natures)
            for forme, morpho in formes:
                if nominal:
                    voulu = "is:fem" in morpho and "is:sg" in morpho
                elif verbal:
                    voulu = "po:ppas" in morpho and "is:mas" in morpho and "is:sg" in morpho
                else:
                    voulu = False
                cle_forme = sans_accents(forme)
                if voulu and cle_forme and forme != radical and forme in mots_wfrench:
                    derives.setdefault(cle_forme, set()).add(forme)
    for entree in entrees.values():
        for radical in entree.formes:
            entree.flexions |= {f for f in flexions.get(radical, ())
                                if f not in entree.formes and producteurs[f] <= entree.formes}
    for cle, formes in derives.items():
        if cle not in entrees:
            entrees[cle] = Entree(formes=formes, complement=True)
    return entrees


def lire_rangs(chemin: Path) -> dict[str, int]:
    """Word -> rank (0 = most frequent) in a zxcvbn-ts frequency list."""
    mots = json.loads(chemin.read_text(encoding="utf-8"))
    rangs: dict[str, int] = {}
    for rang, mot in enumerate(mots):
        rangs.setdefault(mot, rang)
    return rangs


def lire_grossieretes() -> set[str]:
    """Profanity list entries of five letters, without accents."""
    mots: list[str] = []
    liste = trouver_paquet(PAQUET_GROSSIERETES_FR) / "list.txt"
    mots += liste.read_text(encoding="utf-8").splitlines()
    multi = trouver_paquet(PAQUET_GROSSIERETES_MULTI)
    for nom in ("fr.json", "fr-CA-u-sd-caqc.json"):
        mots += json.loads((multi / nom).read_text(encoding="utf-8"))
    return {cle for mot in mots if (cle := sans_accents(mot.strip()))}


# Tier of the words no source ranks: last, headwords first, then alphabetical.
PALIER_INCONNU = 6


def meilleur_rang(formes: set[str], rangs: dict[str, int]) -> int | None:
    trouves = [rangs[f] for f in formes if f in rangs]
    return min(trouves) if trouves else None


def cle_de_tri(cle: str, entree: Entree, sous_titres: dict[str, int],
               wikipedia: dict[str, int]) -> tuple[int, int, str]:
    """Most familiar first: (tier, rank within the tier, word).

    A headword is ranked by its own frequency: subtitles tell what people say,
    Wikipedia only orders what they never say. Its plurals or conjugated forms
    come last, and only for a headword never seen itself, since they would give
    SOMME the rank of "sommes". Feminines and participles never reach level 1:
    a beginner's hidden word should be one a dictionary lists.
    """
    if cle in SANS_RANG:
        return (PALIER_INCONNU, int(entree.complement), cle)
    rang = meilleur_rang(entree.formes, sous_titres)
    if rang is not None:
        return (int(entree.complement), rang, cle)
    if cle in HABITUELS:
        return (2, 0, cle)
    autres = [meilleur_rang(entree.formes, wikipedia),
              meilleur_rang(entree.flexions, sous_titres),
              meilleur_rang(entree.flexions, wikipedia)]
    for palier, rang in enumerate(autres, start=3):
        if rang is not None:
            return (palier, rang, cle)
    # Never seen: headwords before feminines and participles, then alphabetical.
    return (PALIER_INCONNU, int(entree.complement), cle)


def verifier_listes_manuelles(entrees: dict[str, Entree]) -> None:
    """A typo or a dictionary update must not silently void a decision."""
    manuelles = EXCLUS | AJOUTS_HUNSPELL_SEUL | HABITUELS | SANS_RANG | ACCEPTES_MALGRE_GROSSIERETES
    inconnus = manuelles - set(entrees)
    if inconnus:
        echouer(f"hand-made lists name words the dictionary lacks: {sorted(inconnus)}")
    for nom, autre in (("AJOUTS_HUNSPELL_SEUL", AJOUTS_HUNSPELL_SEUL), ("HABITUELS", HABITUELS),
                       ("SANS_RANG", SANS_RANG)):
        if EXCLUS & autre:
            echouer(f"both excluded and in {nom}: {sorted(EXCLUS & autre)}")
    if HABITUELS & SANS_RANG:
        echouer(f"both in HABITUELS and SANS_RANG: {sorted(HABITUELS & SANS_RANG)}")


def choisir_mots(details: bool = False) -> list[list[str]]:
    verifier_fichier(DIC_HUNSPELL, "hunspell-fr")
    verifier_fichier(AFF_HUNSPELL, "hunspell-fr")
    verifier_fichier(WFRENCH, "wfrench")
    paquet = trouver_paquet(PAQUET_FREQUENCES) / "src"
    sous_titres = lire_rangs(paquet / "commonWords.json")
    wikipedia = lire_rangs(paquet / "wikipedia.json")
    grossieretes = lire_grossieretes() - ACCEPTES_MALGRE_GROSSIERETES

    mots_wfrench = set(WFRENCH.read_text(encoding="utf-8").split())
    entrees = lire_hunspell(mots_wfrench)

    verifier_listes_manuelles(entrees)

    classement: list[tuple[int, int, str]] = []
    for cle, entree in entrees.items():
        if cle in EXCLUS or cle in grossieretes or reserve(cle):
            continue
        connu = any(f in mots_wfrench for f in entree.formes)
        if not connu and cle not in AJOUTS_HUNSPELL_SEUL:
            continue
        classement.append(cle_de_tri(cle, entree, sous_titres, wikipedia))
    classement.sort()

    taille = min(MAX_PAR_LISTE, len(classement) // 3)
    if taille < MIN_PAR_LISTE:
        echouer(f"only {len(classement)} words pass the filters: "
                f"{MIN_PAR_LISTE} per list needed")
    # Unranked words are in alphabetical order: a level cut among them would
    # split the alphabet, not the vocabulary.
    if classement[2 * taille - 1][0] == PALIER_INCONNU:
        echouer("level 2 would take words no source ranks: add to HABITUELS")
    ordre = [cle for *_, cle in classement]
    niveaux = [ordre[:taille], ordre[taille:2 * taille],
               ordre[2 * taille:2 * taille + MAX_PAR_LISTE]]
    if details:
        noms_paliers = ("subtitles", "subtitles (feminine or participle)", "HABITUELS",
                        "Wikipedia", "inflections in subtitles", "inflections in Wikipedia",
                        "unranked")
        niveau_de = {cle: n + 1 for n, mots in enumerate(niveaux) for cle in mots}
        for palier, rang, cle in classement:
            if cle in niveau_de:
                formes = ",".join(sorted(entrees[cle].formes))
                print(f"{niveau_de[cle]}\t{cle}\t{formes}\t{noms_paliers[palier]}\t{rang}")
    return [sorted(n) for n in niveaux]


def encoder(mots: list[str]) -> bytes:
    return "".join(m + "\r\n" for m in mots).encode("cp1252")


def verifier_mots(listes: list[list[str]]) -> None:
    """Fails loudly on a list the game would load wrongly, before anything is written."""
    vus: dict[str, str] = {}
    for nom, mots in zip(NOMS_SORTIE, listes):
        if not MIN_PAR_LISTE <= len(mots) <= MAX_PAR_LISTE:
            echouer(f"{nom}: {len(mots)} words, not {MIN_PAR_LISTE}..{MAX_PAR_LISTE}")
        for mot in mots:
            if not re.fullmatch(r"[A-Z]{5}", mot):
                echouer(f"{nom}: bad word {mot!r}")
            if mot in vus:
                echouer(f"{nom}: {mot} already in {vus[mot]}")
            if mot in EXCLUS:
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
