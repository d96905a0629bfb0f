"""Reads the result tables that kvistor wrote, with readers of their own
(openpyxl, the csv and json modules), and checks them against the reports
of the same projects. Arguments: the .xlsx, the .csv, the .json, the
program's version, then per project its status and its report (a UTF-8
text file, or "-" when it has none). Exit code 0 when all holds."""
import csv
import json
import re
import sys

import openpyxl

xlsx, csvfil, jsonfil, version = sys.argv[1:5]
projekter = [(sys.argv[i], sys.argv[i + 1]) for i in range(5, len(sys.argv), 2)]
fejl = []


def tjek(betingelse, tekst):
    if not betingelse:
        fejl.append(tekst)


def resume(rapportfil):
    """The summary's figures as the report prints them."""
    r = open(rapportfil, encoding="utf-8").read()
    tal = lambda m: float(m.replace(".", "").replace(",", "."))
    ud = {"tvaersnit": tal(re.search(r"åsetværsnittet er +([\d.,]+) %", r).group(1)),
          "lu": int(re.search(r"u = L/(\d+)\.", r).group(1)),
          "traek": re.search(r"opadrettet træk .* på +([\d.,-]+) kN", r).group(1),
          "tvaer": re.search(r"tværkraft \(parallelt med rammen\) på +([\d.,-]+) kN", r).group(1)}
    m = re.search(r"gerberbeslag-samling er +([\d.,]+) %", r)
    ud["samling"] = tal(m.group(1)) if m else None
    ud["aas_ok"] = "er åsen OK" in r
    ud["samling_ok"] = "er samlingen OK" in r
    ud["stivhed_ok"] = "stivhed tilstrækkelig" in r
    return ud


forventet = [(status, resume(fil) if fil != "-" else None) for status, fil in projekter]

# --- XLSX ----------------------------------------------------------------
bog = openpyxl.load_workbook(xlsx)
tjek(bog.sheetnames == ["Oversigt", "Fagtyper", "Tilfælde", "Kurver"], f"ark {bog.sheetnames}")
ov = bog["Oversigt"]
hoved = [c.value for c in ov[1]]
kol = {h: i for i, h in enumerate(hoved)}
for h in ["Fil", "Status", "Årsag", "Udnyttelse åsetværsnit (%)", "Åsetværsnit OK",
          "Udnyttelse gerbersamling (%)", "Mindste L/u", "Forankring træk (kN)",
          "Forankring tværkraft (kN)", "Åsebredde (mm)"]:
    tjek(h in kol, f"Oversigt mangler kolonnen {h!r}: {hoved}")
for navn in bog.sheetnames:
    ark = bog[navn]
    tjek(ark.freeze_panes == "A2", f"{navn}: hovedrækken står ikke fast ({ark.freeze_panes})")
    tjek(bool(ark.auto_filter.ref) and ark.auto_filter.ref.startswith("A1:"),
         f"{navn}: intet filter ({ark.auto_filter.ref})")
    tjek(all(ark.column_dimensions[c.column_letter].width for c in ark[1]),
         f"{navn}: kolonnebredder mangler")
raekker = list(ov.iter_rows(min_row=2, values_only=True))
tjek(len(raekker) == len(forventet), f"Oversigt har {len(raekker)} rækker, ventede {len(forventet)}")
for nr, (r, (status, f)) in enumerate(zip(raekker, forventet)):
    tjek(r[kol["Status"]] == status, f"status {r[kol['Status']]!r}, ventede {status!r}")
    if f is None:
        tjek(bool(r[kol["Årsag"]]), f"{r[0]}: en afvist række uden årsag")
        continue
    ug = r[kol["Udnyttelse åsetværsnit (%)"]]
    tjek(isinstance(ug, (int, float)) and round(ug * 100) == f["tvaersnit"],
         f"{r[0]}: udnyttelse {ug!r}, rapporten {f['tvaersnit']} %")
    samling = r[kol["Udnyttelse gerbersamling (%)"]]
    tjek((samling is None and f["samling"] is None) or round(samling * 100) == f["samling"],
         f"{r[0]}: samling {samling!r}, rapporten {f['samling']}")
    tjek(r[kol["Mindste L/u"]] == f["lu"], f"{r[0]}: L/u {r[kol['Mindste L/u']]}, rapporten {f['lu']}")
    for k, n in (("Forankring træk (kN)", "traek"), ("Forankring tværkraft (kN)", "tvaer")):
        v = r[kol[k]]
        tjek(isinstance(v, float) and f"{v:.2f}".replace(".", ",") == f[n],
             f"{r[0]}: {k} {v!r}, rapporten {f[n]}")
    tjek(r[kol["Åsetværsnit OK"]] == ("OK" if f["aas_ok"] else "Ikke OK"), f"{r[0]}: dom over åsen")
    tjek(r[kol["Gerbersamling OK"]] == ("OK" if f["samling_ok"] else "Ikke OK"), f"{r[0]}: dom over samlingen")
    tjek(r[kol["Stivhed OK"]] == ("OK" if f["stivhed_ok"] else "Ikke OK"), f"{r[0]}: dom over stivheden")
    fmt = ov.cell(row=2 + nr, column=1 + kol["Udnyttelse åsetværsnit (%)"]).number_format
    tjek(fmt == "0%", f"talformat {fmt!r} for procent")
    fmt = ov.cell(row=2 + nr, column=1 + kol["Forankring træk (kN)"]).number_format
    tjek(fmt == "0.00", f"talformat {fmt!r} for kN")

tilf = bog["Tilfælde"]
th = [c.value for c in tilf[1]]
tjek("Udnyttelse bøjning (%)" in th and "L/u" in th, f"Tilfælde: {th}")
tal_raekker = list(tilf.iter_rows(min_row=2, values_only=True))
tjek(all(isinstance(r[th.index("LK")], (int, float)) for r in tal_raekker), "LK er ikke tal")
beregnede = sum(1 for s, _ in forventet if s == "Beregnet")
tjek(len(tal_raekker) % 3 == 0 and len(tal_raekker) >= 3 * 83 * beregnede,
     f"Tilfælde har {len(tal_raekker)} rækker for {beregnede} beregnede projekter")
kur = bog["Kurver"]
kh = [c.value for c in kur[1]]
tjek(kh[-3:] == ["x (m)", "V (kN)", "M (kNm)"], f"Kurver: {kh}")
tjek(kur.max_row > 1 and all(isinstance(r[-1], (int, float)) for r in kur.iter_rows(min_row=2, values_only=True)),
     "Kurver: M er ikke tal")

# --- CSV -----------------------------------------------------------------
raa = open(csvfil, "rb").read()
tjek(raa.startswith(b"\xef\xbb\xbf"), "CSV uden byte-order mark")
tjek(b"\r\n" in raa and raa.count(b"\n") == raa.count(b"\r\n"), "CSV uden CR LF")
with open(csvfil, encoding="utf-8-sig", newline="") as f:
    linjer = list(csv.reader(f, delimiter=";"))
tjek(linjer[0] == hoved, f"CSV-hoved {linjer[0]} mod regnearkets {hoved}")
tjek(len(linjer) == 1 + len(forventet), f"CSV har {len(linjer)} linjer")
for r, (status, f) in zip(linjer[1:], forventet):
    tjek(r[kol["Status"]] == status, f"CSV-status {r[kol['Status']]}")
    if f:
        tjek(r[kol["Forankring træk (kN)"]] == f["traek"], f"CSV træk {r[kol['Forankring træk (kN)']]}")
        tjek(r[kol["Udnyttelse åsetværsnit (%)"]] == str(round(f["tvaersnit"])), "CSV udnyttelse")

# --- JSON ----------------------------------------------------------------
d = json.load(open(jsonfil, encoding="utf-8"))
tjek(d["Version"] == version, f"JSON-version {d['Version']}")
tjek(len(d["Projekter"]) == len(forventet), f"JSON har {len(d['Projekter'])} projekter")
for p, (status, f) in zip(d["Projekter"], forventet):
    tjek(p["Status"] == status, f"JSON-status {p['Status']}")
    if f:
        tjek(f"{p['ForankringTraek_kN']:.2f}".replace(".", ",") == f["traek"], "JSON træk")
        tjek(p["UdnyttelseTvaersnit_pct"] == f["tvaersnit"], "JSON udnyttelse")
        tjek(p["TvaersnitOk"] is f["aas_ok"] and p["StivhedOk"] is f["stivhed_ok"], "JSON domme")
        tjek([x["Fagtype"] for x in p["Fagtyper"]] == ["Kort endefag", "Mellemfag", "Langt endefag"],
             "JSON fagtyper")
    else:
        tjek(p["Fagtyper"] == [] and p["ForankringTraek_kN"] is None and p["Aarsag"], "JSON afvist")

for f in fejl:
    print(f)
sys.exit(1 if fejl else 0)
