#!/usr/bin/python3
"""The guide's PDF as a reader's software sees it: title, author and language
in the metadata; an outline that holds every heading of the source at its
level and in its order; every link leading to a target that exists.

    tjek_pdf.py Kvistor10_Brugervejledning.pdf brugervejledning.md
"""
import json
import re
import subprocess
import sys

pdf, kilde = sys.argv[1], sys.argv[2]
fejl = []


def qpdf(*arg):
    return subprocess.run(["qpdf", *arg, pdf], check=True, capture_output=True, text=True).stdout


info = subprocess.run(["pdfinfo", pdf], check=True, capture_output=True, text=True).stdout
for felt in ("Title", "Author"):
    m = re.search(rf"^{felt}:\s+(.+)$", info, re.M)
    if not m or not m.group(1).strip():
        fejl.append(f"metadata uden {felt}")
if "/Lang (da)" not in qpdf("--show-object=1"):
    fejl.append("dokumentets sprog er ikke da")

# The headings of the source, outside comments and fenced blocks.
forventet = []
i_kode = i_kommentar = False
for linje in open(kilde, encoding="utf-8"):
    t = linje.strip()
    if t.startswith("<!--"):
        i_kommentar = "-->" not in t
        continue
    if i_kommentar:
        i_kommentar = "-->" not in t
        continue
    if t.startswith("```"):
        i_kode = not i_kode
        continue
    m = re.match(r"^(#{1,3})\s+(.*?)(\s*\{#[\w-]+\})?$", t)
    if m and not i_kode:
        forventet.append((len(m.group(1)), m.group(2).replace("*", "").replace("`", "")))

fundet = []
def gennemgaa(poster, niveau):
    for p in poster:
        titel = re.sub(r"^([0-9]+(\.[0-9]+)*|[A-Z](\.[0-9]+)+)\s+", "", p["title"])
        fundet.append((niveau, titel))
        if p.get("destpageposfrom1") is None:
            fejl.append(f"bogmærket \"{p['title']}\" fører ingen steder hen")
        gennemgaa(p["kids"], niveau + 1)
gennemgaa(json.loads(qpdf("--json", "--json-key=outlines"))["outlines"], 1)
if fundet != forventet:
    mangler = [f for f in forventet if f not in fundet]
    ekstra = [f for f in fundet if f not in forventet]
    fejl.append(f"bogmærkerne svarer ikke til overskrifterne: mangler {mangler[:5]}, ekstra {ekstra[:5]}")

# Every link names a destination of the document.
objekter = json.loads(qpdf("--json", "--json-key=qpdf"))["qpdf"][1]
links = [v["value"] for v in objekter.values()
         if isinstance(v, dict) and isinstance(v.get("value"), dict) and v["value"].get("/Subtype") == "/Link"]
maal = set(re.findall(r'"([^"]+)"\s*$', subprocess.run(["pdfinfo", "-dests", pdf], check=True,
                                                       capture_output=True, text=True).stdout, re.M))
if len(links) < len([f for f in forventet if f[0] <= 2]):
    fejl.append(f"kun {len(links)} links; indholdsfortegnelsen alene bør have et pr. kapitel og afsnit")
for l in links:
    navn = str(l.get("/Dest", "")).removeprefix("u:").strip("()/")
    if navn not in maal:
        fejl.append(f"link til ukendt mål {navn}")

for f in fejl:
    print("FEJL:", f)
if not fejl:
    print(f"PDF'en er i orden: {len(fundet)} bogmærker, {len(links)} links")
sys.exit(1 if fejl else 0)
