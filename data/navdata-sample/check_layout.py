#!/usr/bin/env python3
"""Checks the sample navigation database in this folder.

Usage: python3 check_layout.py [folder]

Checks line ends, character set, the fixed columns of wpNavAPT.txt, the
airway file's grouping, numbering and leg lengths, identifiers that the
route text clean-up or the airway search would trip over, and resolves the
example routes of README.md the way Skyloom does (direct legs, airway
expansion, waypoint choice).  Exits with 1 when any check fails.
"""
import math
import os
import re
import sys

FOLDER = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
ERRORS = []
OCEAN_AIRWAYS = {"NATA"}  # legs of these may be longer than MAX_LEG_NM
MAX_LEG_NM = 400.0


def fail(msg):
    ERRORS.append(msg)
    print("FAIL: " + msg)


def read_lines(name):
    data = open(os.path.join(FOLDER, name), "rb").read()
    if not data.endswith(b"\r\n"):
        fail(f"{name}: last line does not end with CR LF")
    body = data[:-2] if data.endswith(b"\r\n") else data
    lines = body.split(b"\r\n")
    for n, raw in enumerate(lines, 1):
        if b"\r" in raw or b"\n" in raw:
            fail(f"{name} line {n}: stray CR or LF (line ends must be CR LF)")
        if any(b > 0x7E or (b < 0x20) for b in raw):
            fail(f"{name} line {n}: character outside printable ASCII")
    return [l.decode("cp1252") for l in lines]


def distance_nm(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dl = math.radians(lon2 - lon1)
    c = math.sin(p1) * math.sin(p2) + math.cos(p1) * math.cos(p2) * math.cos(dl)
    return math.degrees(math.acos(max(-1.0, min(1.0, c)))) * 60.0


# ------------------------------------------------------------------ files
def check_ident():
    lines = read_lines("fmc_ident.txt")
    if len(lines) < 3:
        fail("fmc_ident.txt: fewer than three lines")
        return
    def value(line):
        return line.split("=")[1] if "=" in line else ""
    print(f"fmc_ident.txt: AIRAC text = '{value(lines[1])} - {value(lines[2])}'")


def check_airports():
    lines = read_lines("airports.dat")
    airports = {}
    for n, line in enumerate(lines, 1):
        m = re.fullmatch(r"([A-Z]{4}) (-?\d{1,3}\.\d{6}) (-?\d{1,3}\.\d{6})", line)
        if not m:
            fail(f"airports.dat line {n}: bad layout: {line!r}")
            continue
        code = m.group(1)
        if code in airports:
            fail(f"airports.dat: {code} stands twice")
        airports[code] = (float(m.group(2)), float(m.group(3)))
    print(f"airports.dat: {len(airports)} airports")
    return airports


def ils_ok(freq):
    if freq == "000.00":
        return True
    if not re.fullmatch(r"1[01]\d\.\d[05]", freq):
        return False
    value = float(freq)
    return 108.10 <= value <= 111.95 and int(freq[4]) % 2 == 1


def check_runways(airports):
    lines = read_lines("wpNavAPT.txt")
    lengths, elevs, names, count = {}, {}, {}, {}
    for n, line in enumerate(lines, 1):
        where = f"wpNavAPT.txt line {n}"
        name, code, rwy = line[0:24], line[24:28], line[28:31]
        length, thr, freq = line[31:36], line[36:60], line[60:66]
        heading, elev = line[66:69], line[-5:]
        if name != name.upper() or ";" in name or not name.strip():
            fail(f"{where}: bad airport name {name!r}")
        if code not in airports:
            fail(f"{where}: {code} not in airports.dat")
        if not re.fullmatch(r"(0[1-9]|[12]\d|3[0-6])[LCR ]", rwy):
            fail(f"{where}: bad runway {rwy!r}")
        if not re.fullmatch(r" *\d{4,5}", length) or len(length) != 5:
            fail(f"{where}: bad length {length!r}")
        if not re.fullmatch(r" +-?\d+\.\d{6} +-?\d+\.\d{6} *", thr):
            fail(f"{where}: bad threshold position {thr!r}")
        if not ils_ok(freq):
            fail(f"{where}: bad frequency {freq!r}")
        if not re.fullmatch(r"\d{3}", heading) or not 1 <= int(heading) <= 360:
            fail(f"{where}: bad heading {heading!r}")
        elif re.fullmatch(r"\d\d.", rwy):
            diff = abs((int(heading) - int(rwy[:2]) * 10 + 180) % 360 - 180)
            if diff > 15:  # parallel sets (KATL 08/09/10, KDEN 16/17) stray a little
                fail(f"{where}: heading {heading} does not suit runway {rwy}")
        if not re.fullmatch(r" *-?\d+", elev):
            fail(f"{where}: bad elevation {elev!r}")
        if code in airports and re.fullmatch(r" +-?\d+\.\d{6} +-?\d+\.\d{6} *", thr):
            tlat, tlon = map(float, thr.split())
            if distance_nm(*airports[code], tlat, tlon) > 3.0:
                fail(f"{where}: threshold more than 3 nm from the airport")
        lengths.setdefault(code, set()).add(len(line))
        elevs.setdefault(code, set()).add(elev)
        names.setdefault(code, set()).add(name)
        count[code] = count.get(code, 0) + 1
    for code in lengths:
        if len(lengths[code]) > 1 or len(elevs[code]) > 1 or len(names[code]) > 1:
            fail(f"wpNavAPT.txt: lines of {code} differ in length, name or elevation")
        if count[code] % 2:
            fail(f"wpNavAPT.txt: {code} has an odd number of runway ends")
    for code in airports:
        if code not in count:
            fail(f"wpNavAPT.txt: no runways for {code}")
    codes = [l[24:28] for l in lines]
    if codes != sorted(codes):
        fail("wpNavAPT.txt: airports not in ICAO order")
    for code in airports:
        # the elevation lookup takes the first line holding the code from column 25 on
        first = next((l for l in lines if code in l[24:]), None)
        if first is not None and int(first[-5:]) != int(elevs[code].copy().pop()):
            fail(f"wpNavAPT.txt: elevation lookup for {code} finds another airport's line")
    print(f"wpNavAPT.txt: {len(lines)} runway ends at {len(count)} airports")
    ruler1 = "".join(str(i // 10 % 10) if i % 10 == 0 else " " for i in range(1, 76))
    ruler2 = "".join(str(i % 10) for i in range(1, 76))
    print("   " + ruler1 + "\n   " + ruler2)
    for line in (lines[0], lines[len(lines) // 2], lines[-1]):
        print("   " + line)
    return lines


def runway_list(apt_lines, code):
    """The destination runway list as the program shows it."""
    out = []
    for line in apt_lines:
        if code in line[24:28]:
            if not out:
                out.append("Runways at " + line[0:24].strip())
            freq = line[60:66].replace("000.00", "---.--")
            out.append(f"RWy {line[28:31]} - Frq: {freq} - Head: {line[66:69]}\u00b0 - "
                       f"Len: {line[31:36]} ft. - Elev: {int(line[-5:])} ft.")
    return out


def check_airways(airports):
    lines = read_lines("wpNavRTE.txt")
    seen_airways, last_airway, expected_seq, prev = set(), None, 1, None
    positions = {}      # identifier -> set of coordinate texts
    airway_points = {}  # airway -> list of identifiers
    for n, line in enumerate(lines, 1):
        where = f"wpNavRTE.txt line {n}"
        fields = line.split(" ")
        if len(fields) != 5 or not re.fullmatch(r"-?\d{1,3}\.\d{6}", fields[3]) \
                or not re.fullmatch(r"-?\d{1,3}\.\d{6}", fields[4]):
            fail(f"{where}: bad layout: {line!r}")
            continue
        airway, seq, ident = fields[0], fields[1], fields[2]
        lat, lon = float(fields[3]), float(fields[4])
        if airway != last_airway:
            if airway in seen_airways:
                fail(f"{where}: airway {airway} split into two blocks")
            seen_airways.add(airway)
            last_airway, expected_seq, prev = airway, 1, None
        if seq != str(expected_seq):
            fail(f"{where}: sequence {seq}, expected {expected_seq}")
        expected_seq += 1
        if prev is not None:
            leg = distance_nm(prev[1], prev[2], lat, lon)
            if leg > MAX_LEG_NM and airway not in OCEAN_AIRWAYS:
                fail(f"{where}: leg {prev[0]}-{ident} on {airway} is {leg:.0f} nm")
            if leg < 5:
                fail(f"{where}: leg {prev[0]}-{ident} on {airway} is only {leg:.1f} nm")
        prev = (ident, lat, lon)
        if not re.fullmatch(r"[A-Z]{2,3}|[A-Z]{5}|\d{4}N", ident):
            fail(f"{where}: unusual identifier {ident!r}")
        for word in ("SID", "STAR", "DCT"):
            if ident.endswith(word):
                fail(f"{where}: {ident} ends with {word}; the route clean-up would cut it")
        positions.setdefault(ident, set()).add((fields[3], fields[4]))
        airway_points.setdefault(airway, []).append(ident)
    for ident in positions:
        if ident in seen_airways or ident in airports:
            fail(f"wpNavRTE.txt: identifier {ident} is also an airway or airport code")
    for airway in seen_airways:
        if airway in airports:
            fail(f"wpNavRTE.txt: airway {airway} is also an airport code")
    # the airway search tests 'name + blank' anywhere in a line: a name that
    # ends another name of the same airway would pick the wrong line
    for airway, idents in airway_points.items():
        block = [l for l in lines if l.startswith(airway + " ")]
        for ident in set(idents):
            hits = [l for l in block if (ident + " ") in l]
            wrong = [l for l in hits if l.split(" ")[2] != ident]
            if wrong:
                fail(f"airway {airway}: '{ident} ' also matches {wrong}")
    shared = {i: p for i, p in positions.items() if len(p) > 1}
    multi = [i for i, ids in ((i, [a for a, pts in airway_points.items() if i in pts])
                              for i in positions) if len(ids) >= 3]
    twice = sorted({(a, i) for a, pts in airway_points.items() for i in pts if pts.count(i) > 1})
    # an airway's exit point is looked up as the first line that holds it and
    # whose first eight characters hold the airway: that must be a point of
    # the same airway (a repeated identifier gives its first occurrence)
    for airway, idents in airway_points.items():
        own = {(l.split(" ")[2], l.split(" ")[3], l.split(" ")[4])
               for l in lines if l.startswith(airway + " ")}
        for ident in set(idents):
            first = next(l for l in lines if f" {ident} " in l and airway in l[:8])
            f = first.split(" ")
            if (f[2], f[3], f[4]) not in own:
                fail(f"{ident} after {airway} is found on another airway: {first}")
    print(f"wpNavRTE.txt: {len(seen_airways)} airways, {len(lines)} airway points, "
          f"{len(positions)} identifiers")
    print(f"   identifiers at different places: {sorted(shared)}")
    print(f"   identifiers on three or more airways: {sorted(multi)}")
    print(f"   identifiers twice on one airway: {twice}")
    return lines


# ------------------------------------------------------- route resolution
class Resolver:
    """Resolves a route text the way the program's Calculate command does."""

    def __init__(self, rte, airports):
        self.rte, self.airports = rte, airports

    def is_airway(self, name):
        return any(l.startswith(name + " ") for l in self.rte)

    def direct(self, element, neighbour, choose, prev):
        key = " " + element + " "
        for line in self.rte:
            if key in line and neighbour in line[:8]:
                f = line.split(" ")
                return (f[3], f[4]), None
        cands = []
        for line in self.rte:
            if key in line:
                f = line.split(" ")
                c = element + " " + f[3] + ":" + f[4]
                if c not in cands:
                    cands.append(c)
        if not cands:
            return None, None
        pick = cands[0] if len(cands) == 1 else choose(element, cands, prev)
        if pick is None:
            return None, cands
        lat, lon = pick[len(element) + 1:].split(":")
        return (lat, lon), (cands if len(cands) > 1 else None)

    def airway(self, airway, entry, exit_):
        block = [l for l in self.rte if l.startswith(airway + " ")]
        if not block:
            return None, "unknown airway"
        ei = xi = -1
        for k, line in enumerate(block):
            if entry + " " in line:
                ei = k
            if exit_ + " " in line:
                xi = k
        if ei < 0 or xi < 0:
            return None, f"{entry if ei < 0 else exit_} not on {airway}"
        if ei < xi:
            ks = range(ei + 1, xi)
        elif ei > xi:
            ks = range(ei - 1, xi, -1)
        else:
            ks = [ei]
        return [block[k].split(" ") for k in ks], ("reverse" if ei > xi else "forward")

    @staticmethod
    def nearest(element, cands, prev):
        """The pilot's pick in the choice window: the candidate nearest the previous point."""
        def dist(c):
            lat, lon = c[len(element) + 1:].split(":")
            return distance_nm(prev[1], prev[2], float(lat), float(lon))
        return min(cands, key=dist)

    def resolve(self, text, choose=None):
        choose = choose or self.nearest
        words = re.sub(" +", " ", (text.upper().strip() + " ")
                       .replace("SID ", "").replace("STAR ", "").replace("DCT ", "")).split(" ")
        dep, dest = words[0], words[-2]
        pts = [(dep, *self.airports[dep])]
        report = {"asked": {}, "unresolved": [], "messages": [], "directions": []}
        for i in range(1, len(words) - 2):
            word = words[i]
            if self.is_airway(word):
                walk, info = self.airway(word, words[i - 1], words[i + 1])
                if walk is None:
                    report["messages"].append(f"{word}: {info}")
                    continue
                report["directions"].append((word, info))
                pts += [(f[2], float(f[3]), float(f[4])) for f in walk]
            else:
                pos, cands = self.direct(word, words[2] if i == 1 else words[i - 1], choose,
                                         pts[-1])
                if cands:
                    report["asked"][word] = cands
                if pos is None:
                    report["unresolved"].append(word)
                    continue
                pts.append((word, float(pos[0]), float(pos[1])))
        pts.append((dest, *self.airports[dest]))
        return pts, report


ROUTES = [  # route text, what README.md says about it
    ("EDDF KRL UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK", {}),
    ("EGLL OCKAM L9 SEVAN UM601 CREIX UY17 ROISY LFPG", {}),
    ("LOWW VEXIT UN850 LANZO UT180 KEMOT UZ29 RIKON LSZH", {}),
    ("LSZH RIKON UZ29 KEMOT UT180 LANZO UN850 VEXIT LOWW", {"reverse": 3}),
    ("LFPG ROISY UY17 CREIX UM601 SEVAN L9 OCKAM EGLL", {"reverse": 3}),
    ("KJFK DEP J60 HLF Q812 LOMSI NATA ORLIK UL975 TALYO UL610 KRL EDDF", {"reverse": 5}),
    ("EBBR HEVRO UP6 DINAN KOPAS METZO UP6 BASLO LSZH", {"asks": "KOPAS"}),
    ("LFPG ROISY UY17 SARBO KRL UN872 KASTO EKCH", {}),
    ("LOWW VEXIT UN850 OB SRT UL612 ZUGER LSZH", {"twice": "OB"}),
    ("LSZH ZUGER UL612 BASTI UN590 TIB LIRF", {}),
    ("EHAM SPYKR UM725 HBX UN872 ARLAX ESSA", {}),
    ("LPPT TEJUS UN590 BRJ LEMD", {}),
    ("KJFK DEP J60 OKH J64 LAXIN J501 SANMA KSFO", {}),
    ("KIAD DLS J121 ATX KATL", {}),
    ("CYUL MIRAB J75 DLS J121 MIX KMIA", {}),
    ("CYYZ TORVO Q935 MIRAB CYUL", {}),
    ("KORD OKH J94 TORVO CYYZ", {}),
    ("KEWR HUDZO J60 BOSAX KBOS", {"reverse": 1}),
]


def check_routes(rte, airports):
    res = Resolver(rte, airports)
    for text, expect in ROUTES:
        pts, rep = res.resolve(text)
        legs = [distance_nm(a[1], a[2], b[1], b[2]) for a, b in zip(pts, pts[1:])]
        total = sum(legs)
        direct = distance_nm(pts[0][1], pts[0][2], pts[-1][1], pts[-1][2])
        print(f"\nROUTE {text}\n   {len(pts)} points, {total:.0f} nm "
              f"(great circle {direct:.0f} nm), airways: {rep['directions']}")
        print("   " + " ".join(p[0] for p in pts))
        if rep["messages"] or rep["unresolved"]:
            fail(f"{text}: messages {rep['messages']} unresolved {rep['unresolved']}")
        asked = expect.get("asks")
        if sorted(rep["asked"]) != ([asked] if asked else []):
            fail(f"{text}: choice window for {sorted(rep['asked'])}, expected {asked}")
        for word, cands in rep["asked"].items():
            print(f"   choice window for {word}: {cands}")
        reverse = sum(1 for _, d in rep["directions"] if d == "reverse")
        if reverse != expect.get("reverse", 0):
            fail(f"{text}: {reverse} airways flown against file order")
        if "twice" in expect:
            name = expect["twice"]
            at = [p for p in pts if p[0] == name]
            print(f"   {name} recorded at {[(p[1], p[2]) for p in at]}")
            continue  # this route shows the repeated identifier, jumps and all
        for (a, b), leg in zip(zip(pts, pts[1:]), legs):
            if leg > MAX_LEG_NM and not (a[2] < -10 and b[2] < -10 and b[2] > -56):
                fail(f"{text}: leg {a[0]}-{b[0]} is {leg:.0f} nm")
        if total > direct * 1.3 + 30:
            fail(f"{text}: route is {total:.0f} nm for {direct:.0f} nm great circle")


def main():
    check_ident()
    airports = check_airports()
    apt = check_runways(airports)
    for code in ("EDDF", "EHAM"):
        print("   " + "\n   ".join(runway_list(apt, code)))
    rte = check_airways(airports)
    check_routes(rte, airports)
    print("\n" + ("all checks passed" if not ERRORS else f"{len(ERRORS)} checks failed"))
    return 1 if ERRORS else 0


if __name__ == "__main__":
    sys.exit(main())
