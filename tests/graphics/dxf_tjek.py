"""Reads a DXF drawing of kvistor with ezdxf and checks it against what the
drawing's display list and its SVG picture say (a JSON file of expectations).
Exit code 0 when everything holds; one line per fault otherwise."""
import json
import sys

import ezdxf
from ezdxf import bbox

fil, forventning = sys.argv[1], json.load(open(sys.argv[2], encoding="utf-8"))
fejl = []

doc = ezdxf.readfile(fil)
auditor = doc.audit()
for e in auditor.errors:
    fejl.append(f"audit-fejl: {e.message}")
for e in auditor.fixes:
    fejl.append(f"audit-rettelse: {e.message}")
if doc.dxfversion != "AC1015":
    fejl.append(f"version {doc.dxfversion}")
if doc.encoding != "cp1252":
    fejl.append(f"tegnsæt {doc.encoding}")
if doc.header.get("$INSUNITS") != 4:
    fejl.append(f"enheder {doc.header.get('$INSUNITS')} (ikke mm)")

msp = doc.modelspace()
taelling = {"linjer": 0, "omrids": 0, "skraveringer": 0, "punkter": 0, "tekster": 0}
streg, fyld = bbox.BoundingBox(), bbox.BoundingBox()
tekster = []
for e in msp:
    t = e.dxftype()
    if t == "LINE":
        taelling["linjer"] += 1
        streg.extend([e.dxf.start, e.dxf.end])
    elif t == "LWPOLYLINE":
        taelling["omrids" if e.closed else "linjer"] += 1
        streg.extend([(p[0], p[1]) for p in e.get_points()])
    elif t == "HATCH":
        taelling["skraveringer"] += 1
        for sti in e.paths:
            fyld.extend([(v[0], v[1]) for v in sti.vertices])
    elif t == "POINT":
        taelling["punkter"] += 1
    elif t == "TEXT":
        taelling["tekster"] += 1
        tekster.append(e.dxf.text)
    else:
        fejl.append(f"uventet enhed {t}")

for k, v in taelling.items():
    if v != forventning[k]:
        fejl.append(f"{k}: {v} i DXF, {forventning[k]} i SVG")

tol = forventning["gitter"]
def omkring(faktisk, forventet, rum):
    # faktisk lies within forventet widened by rum (and narrowed by nothing)
    fx0, fy0, fx1, fy1 = forventet
    return (fx0 - rum - tol <= faktisk.extmin.x <= fx0 + tol and
            fy0 - rum - tol <= faktisk.extmin.y <= fy0 + tol and
            fx1 - tol <= faktisk.extmax.x <= fx1 + rum + tol and
            fy1 - tol <= faktisk.extmax.y <= fy1 + rum + tol)

if "fyld" in forventning and not omkring(fyld, forventning["fyld"], 0):
    fejl.append(f"fyldenes udstrækning {fyld.extmin}..{fyld.extmax}, forventet {forventning['fyld']}")
if not omkring(streg, forventning["streger"], forventning["markoer"]):
    fejl.append(f"stregernes udstrækning {streg.extmin}..{streg.extmax}, forventet {forventning['streger']}"
                f" + højst {forventning['markoer']}")
for t in forventning.get("tekster_med", []):
    if t not in tekster:
        fejl.append(f"teksten {t!r} mangler")

for f in fejl:
    print(f)
sys.exit(1 if fejl else 0)
