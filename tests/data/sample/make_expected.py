#!/usr/bin/env python3
"""Writes the expected output files of skyloom-cli for the Frankfurt - New York
route on the bundled sample navigation database (data/navdata-sample).

Usage: python3 tests/data/sample/make_expected.py

The files in expected/ are committed; tests/cli/sample_route_test.sh compares
the program's output with them byte for byte and needs no python. Run this
script again only when the sample database or the route changes.

The calculation below is written from the program's documented rules for
route resolution and file layouts, without looking at the C++ code and
without using anything the program printed:

- airports.dat / wpNavAPT.txt / wpNavRTE.txt lookups (FindAirportPosition,
  FindAirportCoordinates, FindAirportElevation, IsAirway);
- the Calculate command's order of work (header, departure, route loop,
  destination, footer, plan keys, copy of the plan waypoint lines);
- direct legs (first search on the neighbouring airway, second search over
  the whole file, line record for the plan line's airway);
- airway walks (the last matching line wins for entry and exit);
- PadToSixDecimals, FormatFs9Coordinates / ToDegreesMinutesSeconds and the
  great-circle distance with pi = 3.14159265358979 and 59.997756 nm per degree.

The route resolves without a choice window; the script stops if it would not.

Hand checks (worked out on paper from the sample data, asserted at the end):

- PMDG header: "PMDG737NGFMC *2.1* - Computed with Skyloom", "", "41", "",
  then the departure record "EDDF", "1", "DIRECT",
  "1 N 50.033333 E 8.570556 364", "-----", "1", "0", "", "1", "364", "-",
  "-1000000", "-1000000", eighteen "0" (nineteen in the 747 form), "".
  41 = departure + 6 direct waypoints (KRL TALYO ORLIK LOMSI HLF DEP)
  + 33 airway points (UL610 14, UL975 5, NATA 4, Q812 4, J60 6) + destination.
- Airway point record, NOSAK (UL610 2 NOSAK 50.244559 7.717546):
  "NOSAK", "5", "UL610", "1 N 50.244559 E 7.717546 0", twenty-one "0"
  (twenty-two in the 747 form), "".
  Plan line: 0.244559 * 3600 = 880.41 -> 880 s = 14 min 40 s;
  0.717546 * 3600 = 2583.17 -> 2583 s = 43 min 3 s:
  "waypoint.2=NOSAK, I, N50* 14.40', E7* 43.3', 0, UL610".
- Direct waypoint record, TALYO at position 3 (3 <= U - 4 = 9, neighbour
  UL610 is an airway): "TALYO", "2", "UL610", "1 N 52.920303 W 4.178246 0",
  twenty-one "0", and no empty line after it. KRL at position 1 takes the
  following airway as via: "KRL", "2", "UL610". DEP at position 11 > 9 has
  the via "-".
  TALYO plan line (first search finds "UL610 16 TALYO ..."):
  0.920303 * 3600 = 3313.09 -> 3313 s = 55 min 13 s;
  0.178246 * 3600 = 641.69 -> 642 s = 10 min 42 s:
  "waypoint.16=TALYO, I, N52* 55.13', W4* 10.42', 0,UL610".
- 747 destination tail: "KJFK", "1", "-", "1 N 40.639722 W 73.778889 13",
  "-----", "0", "0", "", "1", "13", "-", "-1000000", "-1000000", nineteen
  "0", "", six "-----", "-1e+006", "0".
- Plan coordinates of the departure: EDDF 50.033333 8.570556, elevation
  364 -> 0.033333 * 3600 = 119.9988 -> 120 s = 2 min 0 s;
  0.570556 * 3600 = 2054.0016 -> 2054 s = 34 min 14 s:
  "N50* 2.0', E8* 34.14', 364". Destination KJFK 40.639722 -73.778889,
  elevation 13: 2302.9992 -> 2303 s = 38 min 23 s; 2804.0004 -> 2804 s =
  46 min 44 s: "N40* 38.23', W73* 46.44', 13".
- LevelD: KRL at position 1 gets "W,KRL,,0,50.045492,8.406600,0.000000,
  0.000000,0,0,0"; TALYO "W,TALYO,UL610,30,52.920303,-4.178246,...".
- PSS: 39 route waypoints, "waypoints_number=39"; KRL is wp0 with
  ".Type=2" and an empty via; TALYO (WaypointNumber 16 when written) is
  wp15 with ".Type=3" and ".VIA=UL610".
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", "..", ".."))
NAVDATA = os.path.join(ROOT, "data", "navdata-sample")
EXPECTED = os.path.join(HERE, "expected")

ROUTE = "EDDF KRL UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK"
CRUISE = "35000"
PI = 3.14159265358979

PMDG737, PMDG747, LEVELD767, PSS777 = 1, 2, 3, 4


# ------------------------------------------------------------------ files
def read_lines(name):
    data = open(os.path.join(NAVDATA, name), "rb").read().decode("cp1252")
    lines = data.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


APT_LINES = read_lines("airports.dat")
RWY_LINES = read_lines("wpNavAPT.txt")
RTE_LINES = read_lines("wpNavRTE.txt")


# ------------------------------------------------------- number helpers
def leading_number(text):
    """A leading number with a point as separator; text after it ignored."""
    text = text.strip(" ")
    end, seen_digit, seen_point = 0, False, False
    if end < len(text) and text[end] in "+-":
        end += 1
    while end < len(text):
        c = text[end]
        if c.isdigit():
            seen_digit = True
        elif c == "." and not seen_point:
            seen_point = True
        else:
            break
        end += 1
    return float(text[:end]) if seen_digit else 0.0


def pad_to_six_decimals(text):
    sep = text.find(",")
    if sep < 0:
        sep = text.find(".")
    if sep < 0:
        text += "."
        sep = len(text) - 1
    digits = len(text) - sep - 1
    while digits < 6:
        text += "0"
        digits += 1
    return text


def plain_abs(text):
    """Absolute value as plain decimal text, no exponent, no trailing zeros."""
    digits = text.lstrip("-+")
    if "." in digits:
        digits = digits.rstrip("0").rstrip(".")
    # the same number written with up to 15 significant digits
    assert float(digits) == abs(float(text)) and len(digits.replace(".", "").lstrip("0")) <= 15
    return digits


def round_half_even(x):
    r = round(x)  # Python rounds halves to the even neighbour
    if abs(x - math.floor(x) - 0.5) < 1e-9:
        print(f"note: {x!r} is (nearly) a half second; rounded to {r}", file=sys.stderr)
    return r


def to_degrees_minutes_seconds(text):
    parts = text.split(" ")
    out = ""
    for index, part in enumerate(parts[:2]):
        p = part.find("*") if index == 0 else part.rfind("*")
        head, fraction = part[: p + 1], part[p + 1 :]
        t = round_half_even(float("0." + fraction) * 3600)
        out += head + " " + str(t // 60) + "." + str(t % 60) + "', "
    return out


def format_fs9_coordinates(position, altitude):
    text = position.replace(",", ".")[2:]
    for a, b in (("N ", "N"), ("S ", "S"), ("E ", "E"), ("W ", "W")):
        text = text.replace(a, b)
    text = text.replace(".", "*")
    return to_degrees_minutes_seconds(text) + altitude


def deg_to_rad(d):
    return d * PI / 180


def rad_to_deg(r):
    return r * 180 / PI


def arc_cosine(x):
    if x >= 1:
        return 0.0
    if x <= -1:
        return PI
    return PI / 2 - math.atan(x / math.sqrt(1 - x * x))


def great_circle_nm(lat1, lon1, lat2, lon2):
    a1, o1, a2, o2 = map(leading_number, (lat1, lon1, lat2, lon2))
    theta = o1 - o2
    x = math.sin(deg_to_rad(a1)) * math.sin(deg_to_rad(a2)) + math.cos(
        deg_to_rad(a2)
    ) * math.cos(deg_to_rad(a1)) * math.cos(deg_to_rad(theta))
    d = rad_to_deg(arc_cosine(x)) * 60 * 1.1515
    return d * 0.8684


def total_route_distance(points):
    total = 0.0
    for i in range(len(points) - 1):
        f1 = points[i].replace("  ", " ").split(" ")
        f2 = points[i + 1].replace("  ", " ").split(" ")
        total += great_circle_nm(f1[0], f1[1], f2[0], f2[1])
    return int(total + 0.5)


# ------------------------------------------------------------- lookups
def airport_exists(code):
    return any(line[:4] == code for line in APT_LINES)


def find_airport_position(code):
    for line in APT_LINES:
        line = line.replace("-", " -")
        if line[:4] != code:
            continue
        line = line.replace("  ", " ").replace("  ", " ").replace("\t", " ")
        fields = line.split(" ")
        lat, lon = fields[1], fields[2]
        lat_h = "N " if leading_number(lat) > 0 else "S "
        lon_h = "E " if leading_number(lon) > 0 else "W "
        lat = pad_to_six_decimals(lat.replace("-", ""))
        lon = pad_to_six_decimals(lon.replace("-", ""))
        return "1 " + lat_h + lat + " " + lon_h + lon
    return ""


def find_airport_coordinates(code):
    for line in APT_LINES:
        if line[:4] != code:
            continue
        text = line.replace(code, "").strip(" ").replace("-", " -")
        for _ in range(3):
            text = text.replace("  ", " ")
        fields = text.strip(" ").split(" ")
        return fields[0].strip(" "), fields[1].strip(" ")
    raise SystemExit(f"{code} not in airports.dat")


def find_airport_elevation(code):
    for line in RWY_LINES:
        if code in line[24:]:
            return str(int(line[-5:]))
    return ""


def is_airway(name):
    return any(line[: len(name) + 1] == name + " " for line in RTE_LINES)


def ident_type(identifier):
    return {2: "N, ", 3: "V, ", 4: "I, ", 5: "I, "}.get(len(identifier), "")


def waypoint_position(lat, lon):
    lat_h = "N " if leading_number(lat) > 0 else "S "
    lon_h = "E " if leading_number(lon) > 0 else "W "
    plat = pad_to_six_decimals(plain_abs(lat))
    plon = pad_to_six_decimals(plain_abs(lon))
    text = ("1 " + lat_h + plat + " " + lon_h + plon + " 0").replace(",", ".")
    return text, lat_h, plat, lon_h, plon


ZEROS_18 = ["0"] * 18
ZEROS_21 = ["0"] * 21


# --------------------------------------------------------- calculation
class Calculation:
    def __init__(self, aircraft):
        self.aircraft = aircraft
        self.list1, self.list3, self.list4, self.list5, self.list8 = [], [], [], [], []
        self.waypoint_number = 0
        self.fmc_count = 0
        self.words = []

    @property
    def is747(self):
        return self.aircraft == PMDG747

    @property
    def is_pmdg(self):
        return self.aircraft in (PMDG737, PMDG747)

    def pss_record(self, type_code, via, name, lat, lon):
        keys = [
            ".Type=" + type_code,
            ".VIA=" + via,
            ".Name=" + name,
            ".Lat=" + lat,
            ".Lon=" + lon,
            ".AltType=0",
            ".Alt=-1",
            ".Alt2=-1",
            ".Speed=-1",
            ".Mach = -1",
            ".proc.MagCourse=0.000000",
            ".proc.ArcRadius=1.000000",
            ".proc.Distance=1.000000",
            ".proc.Bearing=0.000000",
            ".proc.RecNav=",
            ".proc.Turn=0",
            ".proc.Path=0",
            ".proc.util_Lat=0.000000",
            ".proc.util_Lon=0.000000",
            ".proc.RecNav_Lat=0.000000",
            ".proc.RecNav_Lon=0.000000",
            ".proc.overfly=0",
        ]
        index = str(self.waypoint_number - 1)
        self.list1 += ["wp" + index + key for key in keys]

    def leveld_line(self, name, via, code, lat, lon):
        self.list1.append(
            "W," + name + "," + via + "," + code + "," + lat + "," + lon + ","
            "0.000000,0.000000,0,0,0"
        )

    # ----------------------------------------------------- direct legs
    def add_direct_leg(self, element, position, neighbour):
        key = " " + element + " "
        record = None
        lat = lon = None
        for line in RTE_LINES:
            if key in line and neighbour in line[:8]:
                record = line.split(" ")
                lat, lon = record[3], record[4]
                break
        if record is None:
            candidates = []
            for line in RTE_LINES:
                if key in line:
                    record = line.split(" ")
                    candidate = element + " " + record[3] + ":" + record[4]
                    if candidate not in candidates:
                        candidates.append(candidate)
            if len(candidates) != 1:
                raise SystemExit(f"{element}: {len(candidates)} candidates; not expected")
            text = candidates[0].replace(":", "@").replace(element + " ", "")
            lat, lon = text.split("@")
        u = len(self.words) - 1
        neighbour_is_airway = is_airway(neighbour)
        if self.aircraft == LEVELD767:
            if position == 1 or not neighbour_is_airway:
                self.leveld_line(element, "", "0", lat, lon)
            else:
                self.leveld_line(element, neighbour, "30", lat, lon)
        elif self.aircraft == PSS777:
            if position == 1:
                self.pss_record("2", "", element, lat, lon)
            elif not neighbour_is_airway:
                self.pss_record("1", "", element, lat, lon)
            else:
                self.pss_record("3", neighbour, element, lat, lon)
        else:
            if position <= u - 4:
                via = neighbour if neighbour_is_airway else "DIRECT"
            else:
                via = "-"
            self.list1 += [element, "2", via]
        self.list8.append(lat + " " + lon)
        pos_text, lat_h, plat, lon_h, plon = waypoint_position(lat, lon)
        self.list3.append(
            (element + "\t" + lat_h + plat + "\t" + lon_h + plon).replace(",", ".")
        )
        if self.is_pmdg:
            self.list1.append(pos_text)
        self.list5.append(
            "waypoint." + str(self.waypoint_number) + "=" + element + ", "
            + ident_type(element) + format_fs9_coordinates(pos_text[:-2], "0")
            + "," + record[0]
        )
        self.waypoint_number += 1
        if self.is_pmdg:
            self.list1 += ZEROS_21 + (["0"] if self.is747 else [])
        self.fmc_count += 1

    # ----------------------------------------------------- airway legs
    def add_airway_legs(self, airway, position):
        entry, exit_ = self.words[position - 1], self.words[position + 1]
        block = [l for l in RTE_LINES if l[: len(airway) + 1] == airway + " "]
        if not block:
            raise SystemExit(f"{airway}: no such airway")
        ei = xi = -1
        for k, line in enumerate(block):
            if entry + " " in line:
                ei = k
            if exit_ + " " in line:
                xi = k
        if ei < 0 or xi < 0:
            raise SystemExit(f"{airway}: entry or exit missing; not expected")
        if ei < xi:
            walk, kind = range(ei + 1, xi), "5"
        elif ei > xi:
            walk, kind = range(ei - 1, xi, -1), "5"
        else:
            walk, kind = [ei], "2"
        for k in walk:
            f = block[k].split(" ")
            if self.aircraft == LEVELD767:
                self.leveld_line(f[2], airway, "30", f[3], f[4])
            elif self.aircraft == PSS777:
                self.pss_record("3", airway, f[2], f[3], f[4])
            else:
                self.list1 += [f[2], kind, f[0]]
            pos_text, lat_h, plat, lon_h, plon = waypoint_position(f[3], f[4])
            self.list3.append((f[2] + "\t" + lat_h + plat + "\t" + lon_h + plon).replace(",", "."))
            if self.is_pmdg:
                self.list1.append(pos_text)
            self.list5.append(
                "waypoint." + str(self.waypoint_number) + "=" + f[2] + ", "
                + ident_type(f[2]) + format_fs9_coordinates(pos_text[:-2], "0")
                + ", " + airway
            )
            self.waypoint_number += 1
            if self.is_pmdg:
                self.list1 += ZEROS_21 + (["0"] if self.is747 else []) + [""]
                self.fmc_count += 1
            self.list8.append(f[3] + " " + f[4])

    # ------------------------------------------------------- calculate
    def run(self, route):
        text = route.upper()
        dep, dest = text.strip(" ")[:4], text.strip(" ")[-4:]
        assert airport_exists(dep) and airport_exists(dest)
        self.list4 += [
            "[flightplan]",
            "title=" + dep + " to " + dest,
            "description=" + dep + ", " + dest,
            "type=IFR",
            "routetype=3",
            "cruising_altitude=" + CRUISE,
        ]
        text = text.strip(" ") + " "
        for word in ("SID ", "STAR ", "DCT "):
            text = text.replace(word, "")
        while "  " in text:
            text = text.replace("  ", " ")
        self.words = text.split(" ")
        u = len(self.words) - 1
        dep_lat, dep_lon = find_airport_coordinates(self.words[0])
        dest_lat, dest_lon = find_airport_coordinates(self.words[u - 1])
        self.list8.append(dep_lat + " " + dep_lon)
        dep_elev = find_airport_elevation(self.words[0])
        dep_pos = find_airport_position(self.words[0])
        if self.aircraft == LEVELD767:
            self.list1 += [";LevelD 767 Flightplan - Computed with Skyloom", "", "", "", ""]
            self.list1.append("H," + self.words[0] + "," + self.words[u - 1] + ", ,")
        elif self.aircraft == PSS777:
            self.list1 += [
                "Origin=" + self.words[0],
                "Destination=" + self.words[u - 1],
                "waypoints_number=#",
            ]
        else:
            self.list1 += ["PMDG737NGFMC *2.1* - Computed with Skyloom", "", "#", ""]
            self.list1 += [self.words[0], "1", "DIRECT", dep_pos + " " + dep_elev, "-----"]
            self.list1 += ["1", "0", "", "1", dep_elev, "-", "-1000000", "-1000000"]
            self.list1 += ZEROS_18 + (["0"] if self.is747 else []) + [""]
        dep_plan = format_fs9_coordinates(dep_pos, dep_elev)
        self.list5.append(
            "waypoint." + str(self.waypoint_number) + "=" + dep + ", A, " + dep_plan + ","
        )
        self.waypoint_number += 1
        self.list4.append("departure_id=" + dep + ", " + dep_plan)
        self.fmc_count = 1
        for i in range(1, u - 2 + 1):
            if is_airway(self.words[i]):
                self.add_airway_legs(self.words[i], i)
            else:
                neighbour = self.words[2] if i == 1 else self.words[i - 1]
                self.add_direct_leg(self.words[i], i, neighbour)
        dest_elev = find_airport_elevation(self.words[u - 1])
        dest_pos = find_airport_position(self.words[u - 1])
        if self.is_pmdg:
            self.list1 += [self.words[u - 1], "1", "-", dest_pos + " " + dest_elev, "-----"]
            self.list1 += ["0", "0", "", "1", dest_elev, "-", "-1000000", "-1000000"]
            self.list1 += ZEROS_18 + (["0"] if self.is747 else []) + [""]
            self.list1 += ["-----"] * (6 if self.is747 else 5)
            self.list1 += ["-1e+006"] + (["0"] if self.is747 else [])
            self.list1[2] = str(self.fmc_count + 1)
        if self.aircraft == PSS777:
            self.list1[2] = "waypoints_number=" + str(self.waypoint_number - 1)
        final = text.strip(" ")
        dep_code, dest_code = final[:4], final[-4:]
        dest_plan = format_fs9_coordinates(dest_pos, dest_elev)
        self.list5.append(
            "waypoint." + str(self.waypoint_number) + "=" + dest_code + ", A, " + dest_plan + ","
        )
        self.waypoint_number += 1
        self.list4.append("destination_id=" + dest_code + ", " + dest_plan)
        self.list4 += ["departure_name =" + dep_code, "destination_name =" + dest_code]
        if self.aircraft == LEVELD767:
            self.list1 += ["", "", "End of FlightPlan"]
        self.list4 += self.list5
        self.list8.append(dest_lat.replace(",", ".") + " " + dest_lon.replace(",", "."))
        return total_route_distance(self.list8)


def write(name, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    with open(os.path.join(EXPECTED, name), "wb") as f:
        f.write(data)


def hand_checks(pmdg737, pmdg747, leveld, pss, plan):
    header = ["PMDG737NGFMC *2.1* - Computed with Skyloom", "", "41", "", "EDDF", "1", "DIRECT",
              "1 N 50.033333 E 8.570556 364", "-----", "1", "0", "", "1", "364", "-",
              "-1000000", "-1000000"]
    assert pmdg737[:17] == header and pmdg737[17:36] == ["0"] * 18 + [""]
    assert pmdg747[:17] == header and pmdg747[17:37] == ["0"] * 19 + [""]
    # KRL (position 1) follows the header directly, then NOSAK from the UL610 walk
    krl = ["KRL", "2", "UL610", "1 N 50.045492 E 8.406600 0"] + ["0"] * 21
    nosak = ["NOSAK", "5", "UL610", "1 N 50.244559 E 7.717546 0"] + ["0"] * 21 + [""]
    assert pmdg737[36:61] == krl and pmdg737[61:87] == nosak
    talyo = ["TALYO", "2", "UL610", "1 N 52.920303 W 4.178246 0"] + ["0"] * 21
    at = pmdg737.index("TALYO")
    assert pmdg737[at : at + 25] == talyo and pmdg737[at + 25] == "DUNAR"
    assert pmdg737[pmdg737.index("DEP") + 2] == "-"
    assert pmdg737[pmdg737.index("HLF") + 2] == "Q812"
    tail = ["KJFK", "1", "-", "1 N 40.639722 W 73.778889 13", "-----", "0", "0", "", "1", "13",
            "-", "-1000000", "-1000000"] + ["0"] * 19 + [""] + ["-----"] * 6 + ["-1e+006", "0"]
    assert pmdg747[-len(tail):] == tail
    assert len(pmdg747) == len(pmdg737) + 39 + 4
    assert plan[6] == "departure_id=EDDF, N50* 2.0', E8* 34.14', 364"
    assert plan[7] == "destination_id=KJFK, N40* 38.23', W73* 46.44', 13"
    assert plan[10] == "waypoint.0=EDDF, A, N50* 2.0', E8* 34.14', 364,"
    assert plan[12] == "waypoint.2=NOSAK, I, N50* 14.40', E7* 43.3', 0, UL610"
    assert plan[26] == "waypoint.16=TALYO, I, N52* 55.13', W4* 10.42', 0,UL610"
    assert plan[-1] == "waypoint.40=KJFK, A, N40* 38.23', W73* 46.44', 13,"
    assert leveld[5] == "H,EDDF,KJFK, ,"
    assert leveld[6] == "W,KRL,,0,50.045492,8.406600,0.000000,0.000000,0,0,0"
    assert "W,TALYO,UL610,30,52.920303,-4.178246,0.000000,0.000000,0,0,0" in leveld
    assert leveld[-3:] == ["", "", "End of FlightPlan"] and len(leveld) == 6 + 39 + 3
    assert pss[2] == "waypoints_number=39" and len(pss) == 3 + 39 * 22
    assert pss[3:6] == ["wp0.Type=2", "wp0.VIA=", "wp0.Name=KRL"]
    assert pss[3 + 15 * 22 : 3 + 15 * 22 + 3] == ["wp15.Type=3", "wp15.VIA=UL610", "wp15.Name=TALYO"]


def main():
    os.makedirs(EXPECTED, exist_ok=True)
    results = {}
    distances = set()
    for aircraft in (PMDG737, PMDG747, LEVELD767, PSS777):
        calc = Calculation(aircraft)
        distances.add(calc.run(ROUTE))
        results[aircraft] = calc
    assert len(distances) == 1, "the distance does not depend on the aircraft"
    plans = {tuple(c.list4) for c in results.values()}
    assert len(plans) == 1, "the plan does not depend on the aircraft"
    hand_checks(results[PMDG737].list1, results[PMDG747].list1, results[LEVELD767].list1,
                results[PSS777].list1, results[PMDG737].list4)
    write("737-EDDF-KJFK.rte", results[PMDG737].list1)
    write("747-EDDF-KJFK.rte", results[PMDG747].list1)
    write("leveld-EDDF-KJFK.rte", results[LEVELD767].list1)
    write("EDDF-KJFK.b2r", results[PSS777].list1)
    write("EDDF-KJFK.pln", results[PMDG737].list4)
    distance = distances.pop()
    with open(os.path.join(EXPECTED, "distance.txt"), "wb") as f:
        f.write(f"{distance}\n".encode("ascii"))
    print(f"expected files written to {EXPECTED}; distance {distance} nm")


if __name__ == "__main__":
    main()
