#!/usr/bin/env python3
"""Makes data/beams.lst, the section catalogue, from data/steel-sections.csv.

python3 scripts/make_beams_lst.py           writes data/beams.lst
python3 scripts/make_beams_lst.py --check   exits 1 when data/beams.lst is out of date
"""

import csv
import math
import sys
from pathlib import Path

DATA = Path(__file__).resolve().parent.parent / "data"
KEYWORDS = {"W": "W BEAMS", "S": "S BEAMS", "C": "CHANNEL", "L": "ANGLE"}

# Free text for the reader: no item (text between commas) may equal a section keyword
# or start with a double quote.
INSTRUCTIONS = """\
Spanrix section catalogue: standard cross-sections for the beam properties' Choose button.
The W, S, channel and angle sections are from the AISC Shapes Database v16.0 (see steel-sections.csv). Check values before relying on them.

Each section starts with its keyword alone on a line, written exactly as below in capitals.
Each entry is one line: name, Ixx, cx, Iyy, cy, unit mark
  Ixx and Iyy: moments of inertia about the X-X and Y-Y axes.
  cx and cy: distances from the X-X and Y-Y neutral axes to the farthest fibre.
  Unit mark E: English values, I in in^4 and c in in.
  Unit mark M: metric values, I in units of 10^6 mm^4 (1 means 1000000 mm^4) and c in mm.
  The chooser converts values to the unit system of the beam.
A blank line ends a section; at most 500 entries are read per section.
To add your own sections, put lines like the examples under the user-defined keyword at the end of this file, before its closing blank line. A name holding a comma goes in double quotes.
"""


def number(value):
    """Six significant figures, no trailing zeros."""
    return f"{value:.6g}"


def rectangle(width, height):
    """Ixx, cx, Iyy, cy of a solid width x height rectangle."""
    return (width * height**3 / 12, height / 2, height * width**3 / 12, width / 2)


def rectangular_tube(width, height, wall):
    inner_w, inner_h = width - 2 * wall, height - 2 * wall
    ixx = (width * height**3 - inner_w * inner_h**3) / 12
    iyy = (height * width**3 - inner_h * inner_w**3) / 12
    return (ixx, height / 2, iyy, width / 2)


def round_bar(diameter):
    i = math.pi * diameter**4 / 64
    return (i, diameter / 2, i, diameter / 2)


# Sawn timber at its dressed size in inches; metric steel in mm, I then in 10^6 mm^4.
USER_DEFINED = [
    ("Timber 2 X 4 (1-1/2 X 3-1/2 in.)", rectangle(1.5, 3.5), "E"),
    ("Timber 2 X 10 (1-1/2 X 9-1/4 in.)", rectangle(1.5, 9.25), "E"),
    ("Timber 4 X 12 (3-1/2 X 11-1/4 in.)", rectangle(3.5, 11.25), "E"),
    ("RHS 200 X 100 X 8 mm (sharp corners)", rectangular_tube(100, 200, 8), "M"),
    ("Round bar 50 mm", round_bar(50), "M"),
    ("Square bar 40 mm", rectangle(40, 40), "M"),
]


def entry(name, values, mark):
    assert "," not in name and '"' not in name, name
    return ",".join([name, *values, mark])


def catalogue_text():
    with open(DATA / "steel-sections.csv", newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    lines = INSTRUCTIONS.splitlines() + [""]
    for kind, keyword in KEYWORDS.items():
        lines.append(keyword)
        lines += [entry(r["name"], [r["Ix"], r["cx"], r["Iy"], r["cy"]], "E")
                  for r in rows if r["kind"] == kind]
        lines.append("")
    lines.append("USER-DEFINED")
    for name, (ixx, cx, iyy, cy), mark in USER_DEFINED:
        scale = 1e6 if mark == "M" else 1
        lines.append(entry(name, [number(ixx / scale), number(cx), number(iyy / scale), number(cy)],
                           mark))
    lines.append("")
    return "\n".join(lines) + "\n"


def main():
    target = DATA / "beams.lst"
    text = catalogue_text()
    if "--check" in sys.argv[1:]:
        if not target.exists() or target.read_text(encoding="utf-8") != text:
            print(f"{target} is out of date: run python3 scripts/make_beams_lst.py", file=sys.stderr)
            return 1
        return 0
    target.write_text(text, encoding="utf-8", newline="\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
