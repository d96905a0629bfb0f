#!/usr/bin/python3
"""Every message the program can show stands in the guide's chapter
"Meddelelser og advarsler", or is left out on purpose (below, with why).

The messages are taken from the code: the texts given to the user-dialog
calls (Fejl, Advarsel, Besked, Information, JaNej, ...), the named message
texts (constants named Tekst..., Besked..., Advarsel...), the field table's
messages, and the lines "Bemærk: ..." of the command line. A text built of
pieces is split at its format codes and joins; every piece of some length
must be found in the chapter.

    tjek_meddelelser.py KILDEMAPPE UDFYLDT.md
"""
import os
import re
import sys

rod, udfyldt = sys.argv[1], sys.argv[2]
MAPPER = ["common", "project", "purlin", "loads", "calculation", "report", "graphics", "design",
          "documents", "cli", "app"]

# Left out on purpose:
UDELADT = [
    # An internal inconsistency names the routine that found it; the guide
    # treats them as one group (what to do is the same for all).
    r"^(function|Function|procedure|Procedure|proc\.|proc |Fejl i proc)",
    # The operating system's own reason, appended to a file message.
    r"^den er større end 64 KiB$", r"^den indeholder binære data",
]

KALD = re.compile(r"\.(Fejl|Advarsel|Besked|Information|InformationOkAnnuller|FejlDialog|"
                  r"FejlDialogOkAnnuller|AdvarselOkAnnuller|JaNej|JaNejAnnuller)\(")
NAVNGIVET = re.compile(r"(?:constexpr|const)\s+(?:const\s+)?(?:char\s*\*|std::string_view|char)\s*"
                       r"((?:Tekst|Besked|Advarsel)\w*)(?:\[\])?\s*=\s*((?:\s*\"(?:[^\"\\]|\\.)*\")+)")
BESKEDFELT = re.compile(r"\.(?:Besked|OmraadeBesked)\s*=\s*((?:\s*\"(?:[^\"\\]|\\.)*\")+)")
# A routine that composes a message: "std::string Besked...(...) {".
BESKEDRUTINE = re.compile(r"^std::string (Besked\w*)\([^)]*\)\s*\{", re.M)
BEMAERK = re.compile(r"\"(Bemærk: [^\"]*)\"")
LITERAL = re.compile(r"\"((?:[^\"\\]|\\.)*)\"")


def indhold(s, start, aaben, luk):
    """What stands between a bracket just before `start` and its partner,
    brackets inside string literals not counted."""
    i, dybde = start, 1
    while dybde and i < len(s):
        c = s[i]
        if c == '"':
            i += 1
            while s[i] != '"':
                i += 2 if s[i] == "\\" else 1
        elif c == aaben:
            dybde += 1
        elif c == luk:
            dybde -= 1
        i += 1
    return s[start:i - 1]


def argument(s, start):
    """The text of a call's argument list from just after its '('."""
    return indhold(s, start, "(", ")")


def krop(s, start):
    """The body of a routine from just after its '{'."""
    return indhold(s, start, "{", "}")


def literaler(kode):
    """The string literals of a piece of code, adjacent ones joined."""
    ud, forrige = [], None
    for m in LITERAL.finditer(kode):
        if forrige is not None and kode[forrige:m.start()].strip() == "":
            ud[-1] += m.group(1)
        else:
            ud.append(m.group(1))
        forrige = m.end()
    return ud


def stykker(tekst):
    t = tekst.replace('\\"', '"').replace("\\r\\n", " ").replace("\\n", " ").replace("\\\\", "\\")
    for s in re.split(r"%[-*.0-9]*[dsfnx%]", t):
        s = re.sub(r"\s+", " ", s).strip(" .:,;")
        if len(s) >= 14 and not any(re.search(u, s) for u in UDELADT):
            yield s


beskeder = {}
for mappe in MAPPER:
    for sti, _, filer in os.walk(os.path.join(rod, mappe)):
        for f in filer:
            if not f.endswith((".cpp", ".h")):
                continue
            fil = os.path.join(sti, f)
            s = open(fil, encoding="utf-8").read()
            fundne = [lit for m in KALD.finditer(s) for lit in literaler(argument(s, m.end()))]
            fundne += [lit for m in NAVNGIVET.finditer(s) for lit in literaler(m.group(2))]
            fundne += [lit for m in BESKEDFELT.finditer(s) for lit in literaler(m.group(1))]
            fundne += [lit for m in BESKEDRUTINE.finditer(s) for lit in literaler(krop(s, m.end()))]
            fundne += [m.group(1) for m in BEMAERK.finditer(s)]
            for lit in fundne:
                for stykke in stykker(lit):
                    beskeder.setdefault(stykke, os.path.relpath(fil, rod))

md = open(udfyldt, encoding="utf-8").read()
m = re.search(r"^# Meddelelser og advarsler.*?(?=^# )", md, re.S | re.M)
if not m:
    print("FEJL: kapitlet \"Meddelelser og advarsler\" mangler")
    sys.exit(1)
kapitel = re.sub(r"\s+", " ", m.group(0).replace("\\", ""))
mangler = sorted((fil, b) for b, fil in beskeder.items() if b not in kapitel)
for fil, b in mangler:
    print(f"FEJL: {fil}: \"{b}\" står ikke i \"Meddelelser og advarsler\"")
if not mangler:
    print(f"Alle {len(beskeder)} meddelelser står i vejledningen")
sys.exit(1 if mangler else 0)
