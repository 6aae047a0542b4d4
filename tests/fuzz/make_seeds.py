#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into tests/fuzz/corpus/.

The engine and eclipse seeds follow the byte layout of fuzz_input.h (a kind
byte before each number; kind 2 is a raw 32-bit or 16-bit integer, kind 3 a
raw double, kind 8 NaN, kind 12 infinity); the zone seeds put a length byte
and the zone's name in front. Run it again after changing that
layout.

    make_seeds.py --limits TARGET FOLDER

writes inputs at and just past the target's input limits into FOLDER
instead (scripts/fuzz does, for every run).
"""
import base64
import math
import pathlib
import struct
import sys

HERE = pathlib.Path(__file__).resolve().parent / "corpus"

NAN = b"\x08"
NAN_VALUE = float("nan")
INF = b"\x0c"


def i32(v):
    return b"\x02" + struct.pack("<i", v)


def i16(v):
    return b"\x02" + struct.pack("<h", v)


def real(v):
    if isinstance(v, float) and math.isnan(v):
        return NAN
    return b"\x03" + struct.pack("<d", v)


def op(code, *args):
    return bytes([code]) + b"".join(args)


def engine_start(year, month, day):
    return i32(year) + i32(month) + i32(day)


ENGINE_DAY_REPORT = engine_start(2024, 5, 3) + b"".join(
    [op(31, bytes([i])) for i in range(9)]
    + [op(17, i32(k), i32(0)) for k in range(1, 11)]
    + [op(17, i32(5), i32(e)) for e in (4, 5, 6, 7, 8)]
    + [op(24), op(25, i32(2460403)), op(26), op(35, b"\x01"), op(35, b"\x00")]
    + [op(20, i32(i)) for i in (0, 36, 72)]
    + [op(38, i32(i), bytes([w])) for i in (0, 14) for w in range(5)]
    + [op(41, i32(51 + i), bytes([w])) for i in range(4) for w in range(3)]
    + [op(40), op(42, b"\x00"), op(42, b"\x01"), op(42, b"\x02"), op(42, b"\x03", real(12.5))]
    + [op(43, bytes([w])) for w in range(8)]
    + [op(6), op(7, i32(2)), op(9, i32(0)), op(9, i32(1)), op(9, i32(2)), op(12), op(14)]
    + [op(15, i32(f)) for f in range(3)]
)

ENGINE_YEAR_EDGES = engine_start(27968, 12, 31) + b"".join([
    op(1, i32(13)), op(15, i32(1)), op(2, i32(27969)), op(1, i32(0)), op(2, i32(-27969)),
    op(2, i32(-27968)), op(13, i32(-400)), op(12), op(14), op(31, b"\x00"), op(38, i32(0), b"\x03"),
    op(2, i32(-2147483648)), op(2, i32(2147483647)), op(17, i32(9), i32(0)), op(17, i32(3), i32(0)),
])

ENGINE_NAN_PLACE = engine_start(2024, 6, 21) + b"".join([
    op(28, NAN), op(29, INF), op(31, b"\x00"), op(31, b"\x06"), op(31, b"\x05"), op(31, b"\x08"),
    op(27, NAN), op(35, b"\x01"), op(18), op(2, i32(2025)), op(17, i32(10), i32(0)),
    op(43, b"\x00"), op(43, b"\x03"), op(40), op(38, i32(3), b"\x03"),
])

ENGINE_INDICES = engine_start(2000, 2, 29) + b"".join([
    op(20, i32(73)), op(20, i32(-1)), op(21, i32(73)), op(21, i32(5)), op(23, i32(0)), op(23, i32(367)),
    op(23, i32(366)), op(38, i32(15), b"\x00"), op(41, i32(55), b"\x02"), op(41, i32(50), b"\x01"),
    op(17, i32(5), i32(99)), op(17, i32(7), i32(0)), op(7, i32(0)), op(7, i32(13)), op(8, i32(13)),
    op(9, i32(3)), op(10, i32(7)), op(15, i32(3)),
])

ENGINE_EVENTS = engine_start(2024, 1, 1) + b"".join([
    op(32, i16(2024), i16(13), i16(0), real(1.0), real(13.0), real(52.0), i16(0)),
    op(32, i16(2024), i16(6), i16(21), real(1.0), real(13.0), real(89.9), i16(10)),
    op(32, i16(-32768), i16(-32768), i16(-32768), real(1e300), real(-1e300), real(1e300), i16(11)),
    op(33, i16(2024), i16(5), i16(3), real(1.0), real(13.0), real(52.0), i16(-1)),
    op(33, i16(32767), i16(32767), i16(32767), real(-24.0), real(180.0), real(-90.0), i16(5)),
    op(34, real(2451545.0)), op(34, INF),
    op(36, i32(2147483647), i32(13), i32(99), i32(-2147483648)),
    op(36, i32(2024), i32(0), i32(0), i32(0)),
])

ENGINE_DAY_NUMBERS = engine_start(1582, 10, 4) + b"".join([
    op(0, i32(5)), op(0, i32(15)), op(5, real(2147483647.5)), op(5, real(-1e15)), op(5, real(2299160.5)),
    op(13, i32(2147483647)), op(13, i32(-2147483648)), op(0, i32(2147483647)), op(0, i32(99)),
    op(16, i32(-2147483648), i32(2147483647), i32(3), b"\x01"),
    op(16, i32(0), i32(4), i32(1), b"\x01"), op(3, i32(2)), op(4),
    op(11, i16(32767), b"\x0d", b"\xff"), op(3, i32(1)), op(18),
])

# Regions: Bayern with Augsburg, a code the engine refuses, none again; the
# table and the school holidays read after each.
def region(pick):
    return op(47, bytes([pick]), b"\x01")


def place(name):
    return op(47, b"\x01", b"\x00", bytes([len(name)]), name)


ENGINE_REGIONS = engine_start(2025, 6, 19) + b"".join([
    region(1), place(b"Augsburg"), op(19), op(20, i32(75)), op(22, i32(2460896)), op(23, i32(160)),
    region(255) + bytes([5]) + b"US-NY", op(19), region(3), op(18), op(2, i32(1995)), op(22, i32(2450041)),
    region(4), op(21, i32(78)), region(0), op(19), op(23, i32(366)),
])

# A call is a selector byte (0 entry points, 1 detail routines, 2 eclipse
# geometry) and its numbers.
ASTRO = [
    # 20 March 2015 in Berlin and on the Greenwich meridian at 68.65 N, 9 March 2016 in
    # Jakarta, 20 May 2012 in Tokyo and in San Francisco (zone -8).
    b"".join(b"\x00" + real(20) + real(3) + real(2015) + real(0) + real(1) + real(13.2975) + real(52.5222)
             + bytes([w]) for w in range(5)),
    b"".join(b"\x00" + real(20) + real(3) + real(2015) + real(0) + real(0) + real(0) + real(68.65) + bytes([w])
             for w in range(5)),
    b"".join(b"\x00" + real(9) + real(3) + real(2016) + real(0) + real(7) + real(106.8) + real(-6.2) + bytes([w])
             for w in range(5)),
    b"".join(b"\x00" + real(20) + real(5) + real(2012) + real(0) + real(9) + real(139.7) + real(35.7) + bytes([w])
             for w in range(5)),
    b"".join(b"\x00" + real(20) + real(5) + real(2012) + real(1) + real(-8) + real(-122.4) + real(37.8)
             + bytes([w]) for w in range(5)),
    b"".join(b"\x00" + NAN + INF + real(-1e300) + real(1e300) + NAN + real(-0.0) + real(90) + bytes([w])
             for w in range(5)),
    b"".join(b"\x01" + real(11) + real(8) + real(1999) + real(12.5) + real(1) + real(13.3)
             + real(52.5) + real(0.3) + bytes([w]) for w in range(6)),
    b"".join(b"\x01" + NAN * 8 + bytes([w]) for w in range(6)),
    # New moons of 8 April 2024 (New York, Sydney) and 11 August 1999 (München),
    # the full moon of 7 September 2025 (Berlin), and instants far out.
    b"".join(b"\x02" + real(2460409.25) + real(40.71) + real(-74.0) + bytes([w]) for w in range(3)),
    b"".join(b"\x02" + real(2460409.25) + real(-33.87) + real(151.21) + bytes([w]) for w in range(3)),
    b"".join(b"\x02" + real(2451401.96) + real(48.14) + real(11.58) + bytes([w]) for w in range(3)),
    b"".join(b"\x02" + real(2460926.26) + real(52.52) + real(13.30) + bytes([w]) for w in range(3)),
    b"".join(b"\x02" + real(jd) + real(89.9) + real(-180.0) + bytes([w])
             for jd in (-8500000.0, 12500000.0, 1e9, -1e300) for w in range(3)),
]

# Actions, two bytes each: 0-3 cmdAendern, 4-11 cmdDaten, 12 cmdDiff, 13 cmdHeute,
# 14 Berechnen, 15-21 keys, 22 a day of the grid, 23 the wheel, 24 the scroll
# bar, 25 the city list.
WINDOW_TEXT = [
    b"2024\n3.5.2024\n24.12.2024\n",
    b"2024\n3.5.2024\n3.5.2024\n",
    b"99999999999\n1..2024\n3.5\n",
    b"-\n31.2.2024\n1.1.-27968\n",
    b"27968\n1.1.27968\n31.12.-27968\n\x01\x00\x03\x00\x01\x00",
    b"-27968\n3.5.2024\n3.5.2024\n\x00\x00\x02\x00\x04\x00\x05\x00\x06\x00\x07\x00\x08\x00\x09\x00",
    b"abc\n \n.\n",
    b"+2024\n 03 . 05 . 2024 \n0x10.1.2024\n\x0c\x00\x0c\x01\x0e\x00",
    b"\xd9\xa2\xd9\xa0\xd9\xa2\xd9\xa4\n3.5.\xd9\xa2\xd9\xa0\xd9\xa2\xd9\xa4\n\xff\xfe\n",
    b"1582\n4.10.1582\n15.10.1582\n\x0a\x00\x0b\x00\x0d\x00",
    b"27968\n\n\n\x10\x00\x12\x00\x13\x00\x14\x00\x0f\x00\x11\x00\x15\x00",
    b"-27968\n\n\n\x07\x00\x18\x30\x17\x01\x17\xff\x16\x1f\x16\x00\x19\x5e\x19\x00",
]

SETTINGS = [
    b"[Settings]\nlon=13,3769798278809\nlat=52,5160713195801\nort=Berlin\n",
    b"[Settings]\nlon=-0.127140000462532\nlat=51.5063209533691\nort=London (GB)\nzz=0\n",
    b"[Settings]\nlon=12,5\nlat=-33,9\nzz=2\nort=Atlantis\n",
    b"[Settings]\nlon=abc\nlat=\nzz=,\nort=\n",
    b"[Settings]\nlon=1e300\nlat=1e400\nzz=1e300\nort=Nirgendwo\n",
    b"[Settings]\nlon=nan\nlat=inf\nzz=-inf\nort=Berlin\n",
    b"[Settings]\nlon=13,37\nlat=\"52,5\"\nzz=3e38\nort=\"Madrid (E) \"\n",
    b"[Settings]\nlon=@Variant(\\0\\0\\0\\x6\\0\\x7f\\xf8\\0\\0\\0\\0\\0\\0)\nort=@ByteArray(Wien)\nlat=@Invalid()\n",
    b"[Settings\nlon=13\n[Settings]]\nort=K\\xf6ln\n",
    b"",
    bytes((i * 131 + 7) % 256 for i in range(512)),
    # A typed value that claims about 100 GB; QSettings once asked for it.
    b"[Settings]\nlat=@Variant(\0\0\0\x0b\xff\xff\xff\xfe)",
    # The whole place, and what else the file may hold around it.
    "; Kommentar\n[General]\nx=1\n[Fenster]\ngeometry=@ByteArray(\\x1\\xd9)\n\n[Settings]\nlon=\"12,1618\"\n"
    "lat=\"48,5296\"\nort=Landshut\nzone=Europe/Berlin\nregion=DE-BY\nort=@String(Landshut)\n".encode(),
    # Quotes and escapes that run on past their line.
    b"[Settings]\nort=\"Bonn\nlon=7\n[Andere]\nk=\\\n[Settings]\nlat=50\\x41\\101\\\"",
    "[Sett%69ngs]\nort=Prag (Cs)\nzone=Europe/Prague\nregion=CZ\n[%General]\nk=v\n".encode(),
    # The region of the holidays: chosen, none, damaged, typed.
    "[Settings]\nort=M\u00fcnchen\nregion=DE-BY\nfeiertagsregion=DE-BE\n".encode(),
    b"[Settings]\nort=Berlin\nfeiertagsregion=keine\n",
    b"[Settings]\nort=New York (USA)\nfeiertagsregion=DE-XX\nfeiertagsregion=\"CH-ZH\"\n",
    b"[Settings]\nfeiertagsregion=@Variant(\\0\\0\\0\\x6)\nregion=AT-9\n",
    # The window's size, position, divider and last report: stored, damaged.
    b"[Settings]\nort=Berlin\ngeometry=AdnQywADAAAAAAAUAAAAHgAAAtsAAAHhAAAAFAAAAB4AAALbAAAB4QAAAAAAAAAABVY=\n"
    b"teilung=AAAA/wAAAAEAAAACAAABXgAAAOoB/////wEAAAABAA==\nbericht=4\n",
    b"[Settings]\ngeometry=!!!\nteilung=@ByteArray(x)\nbericht=99\n",
    b"[Settings]\nbericht=-1\ngeometry=\nteilung=AAAA\n",
    # QWidget::saveGeometry's 66 bytes for an 800-pixel screen with a frame
    # some 2^31 pixels high; and more sections of other programs than are kept.
    b"[Settings]\ngeometry=" + base64.b64encode(
        struct.pack(">IHH4i4iiBBi4i", 0x1D9D0CB, 3, 0, 20, 40, 719, 489, 20, 40, 719, 489, 0, 0, 0, 800,
                    20, 40, 700, 2147483600)) + b"\n",
    b"[Settings]\nort=Bonn\n" + b"".join(b"[s%d]\nk=%d\n" % (i, i) for i in range(40)),
]

# Place dialog: name, latitude, longitude and zone, one per line.
PLACE_DIALOG = [
    "Gartenhaus\n48,5372\n12,1517\nEurope/Berlin".encode(),
    "H\u00fctte am Hang\n33,92 S\n18.42 O\nAfrica/Johannesburg".encode(),
    b"Berlin\n52,5\n13,4\nEurope/Berlin",
    b"x\n91\n-180,5\nEurope/Berlin",
    b"x\n1e300\nnan\nMars/Olympus",
    "\u00b0\n-48 S\n,\n\n".encode(),
    b"\xc3\n+90\n-180\nAmerica/Argentina/Buenos_Aires",
    ("a" * 61 + "\n0\n0\nUTC").encode(),
]

# Gazetteer: a flags byte (bit 0 puts the present header in front, bits 1..6
# give the query's length), a limit byte, the file, then the query. The rows
# of the first format (7 fields) bring their own header.
def gazetteer(file, query, header=False, limit=10):
    query = query.encode() if isinstance(query, str) else query
    return bytes([(len(query) << 1) | int(header), limit]) + file + query


GAZETTEER_TABLES = (b"@land\tDE\tDeutschland\n@land\tAT\t\xc3\x96sterreich\n@land\tUS\tVereinigte Staaten\n"
                    b"@zone\tEurope/Berlin\n@zone\tEurope/Vienna\n@zone\tAmerica/Chicago\n")
GAZETTEER_ROWS = ("M\u00fcnchen\tDE\tDE-BY\t1260391\t48.1374\t11.5755\t0\n"
                  "Frankfurt am Main\tDE\tDE-HE\t650000\t50.1155\t8.6842\t0\n"
                  "Frankfurt (Oder)\tDE\tDE-BB\t51691\t52.3471\t14.5506\t0\n"
                  "Berg\tDE\tDE-BY\t300\t47.97\t11.36\t0\nBerg\tDE\tDE-BY\t8000\t49.3\t11.2\t0\n"
                  "Bernkastel-Kues\tDE\tDE-RP\t6880\t49.9160\t7.0766\t0\n"
                  "Sankt P\u00f6lten\tAT\tAT-3\t55044\t48.2049\t15.6256\t1\n"
                  "Paris\tUS\t\t24782\t33.6609\t-95.5555\t2\n").encode()
GAZETTEER_HOSTILE = (b"Nu\x00ll\tDE\tDE-BY\t1\t48\t12\t0\nBig\tDE\tDE-BY\t99999999999\t48\t12\t0\n"
                     b"Far\tDE\tDE-BY\t1\t1e308\t12\t0\nShort\tDE\tDE-BY\t1\n@zone\t../../etc/passwd\n"
                     b"Evil\tDE\tDE-BY\t1\t48\t12\t3\nBad\xc3\tDE\tDE-BY\t1\t48\t12\t0\r\nHalb\tDE\tDE-B")
GAZETTEER_1 = b"# vespera-gazetteer 1\n"
GAZETTEER_TABLES_2 = (b"@land\tLI\tLiechtenstein\n@land\tLU\tLuxemburg\n@land\tIT\tItalien\n@land\tCH\tSchweiz\n"
                      b"@land\tUS\tVereinigte Staaten\n@zone\tEurope/Vaduz\n@zone\tEurope/Luxembourg\n"
                      b"@zone\tEurope/Rome\n@zone\tEurope/Zurich\n@zone\tAmerica/Chicago\n")
GAZETTEER_ROWS_2 = ("Vaduz\tLI\tLI\t5197\t47.1415\t9.5215\t0\t\t\n"
                    "Luxemburg\tLU\tLU\t76684\t49.6117\t6.1300\t1\t\tLuxembourg\n"
                    "Bozen\tIT\tIT-32-BZ\t107436\t46.4907\t11.3398\t2\t021008\tBolzano\n"
                    "Mailand\tIT\t\t1236837\t45.4643\t9.1895\t2\t\tMilan|Milano\n"
                    "Genf\tCH\tCH-GE\t183981\t46.2022\t6.1457\t3\t6621\tGen\u00e8ve|Geneva\n"
                    "Geneva\tUS\t\t21806\t41.8875\t-88.3054\t4\t\t\n").encode()
GAZETTEER_HOSTILE_2 = (b"Wrong\tIT\tLI\t1\t46\t11\t2\t\t\nKey\tCH\tCH-ZH\t1\t47\t8\t3\t12a\t\n"
                       b"Bar\tCH\tCH-ZH\t1\t47\t8\t3\t\ta||b\nBad\tCH\tCH-ZH\t1\t47\t8\t3\t\tx\xc3\n"
                       b"Many\tCH\tCH-ZH\t1\t47\t8\t3\t1\t" + b"|".join([b"a"] * 70) + b"\n"
                       b"Alt\tCH\tCH-ZH\t1\t47\t8\t3\n")
REAL_GAZETTEER = (HERE.parent.parent.parent / "data" / "gazetteer.tsv").read_bytes()
REAL_GAZETTEER_HEAD = b"\n".join(REAL_GAZETTEER.split(b"\n")[:600]) + b"\n"

GAZETTEER = [
    gazetteer(GAZETTEER_1 + GAZETTEER_TABLES + GAZETTEER_ROWS, "berg"),
    gazetteer(GAZETTEER_1 + GAZETTEER_TABLES + GAZETTEER_ROWS + GAZETTEER_HOSTILE, "muenchen", limit=3),
    gazetteer(GAZETTEER_1 + GAZETTEER_TABLES + GAZETTEER_ROWS, "St. P\u00f6lten"),
    gazetteer(GAZETTEER_1 + GAZETTEER_TABLES + GAZETTEER_ROWS, "Frankfurt (Oder)", limit=1),
    gazetteer(REAL_GAZETTEER_HEAD, "A"),
    gazetteer(GAZETTEER_1 + GAZETTEER_HOSTILE, b"K\xc3"),
    gazetteer(b"", ""),
    gazetteer(bytes((i * 131 + 7) % 256 for i in range(512)), "x", header=True),
    gazetteer(GAZETTEER_TABLES_2 + GAZETTEER_ROWS_2, "geneva", header=True),
    gazetteer(GAZETTEER_TABLES_2 + GAZETTEER_ROWS_2 + GAZETTEER_HOSTILE_2, "Bolz", header=True, limit=2),
    gazetteer(GAZETTEER_TABLES_2 + GAZETTEER_HOSTILE_2 + GAZETTEER_ROWS_2, "mil", header=True),
    # Typos guessed one edit away: a letter missing, two swapped.
    gazetteer(GAZETTEER_1 + GAZETTEER_TABLES + GAZETTEER_ROWS, "Muenchn"),
    gazetteer(GAZETTEER_TABLES_2 + GAZETTEER_ROWS_2, "Genfe", header=True),
]


def jd_ut(year, month, day, hour=0.0):
    """Julian Day (Gregorian date, UT) by Meeus, ch. 7."""
    if month <= 2:
        year, month = year - 1, month + 12
    a = year // 100
    b = 2 - a + a // 4
    return int(365.25 * (year + 4716)) + int(30.6001 * (month + 1)) + day + b - 1524.5 + hour / 24


def zone_instant(jd):
    return b"\x00" + real(jd)


def zone_year(year):
    return b"\x02" + b"\x00" + i32(year)


def zone_year64(year):
    return b"\x02" + b"\x02" + struct.pack("<q", year)


def zone_copy(jd):
    return b"\x03" + real(jd)


def zone_calls(calls):
    """Exactly twelve calls, so that the German rules' bytes start where meant."""
    calls = list(calls)[:12]
    calls += [zone_instant(2451545.0)] * (12 - len(calls))
    return b"".join(calls)


def zone_seed(name, calls, offset, german_calls):
    raw = name.encode() if isinstance(name, str) else name
    named = zone_calls(calls) if calls else b""
    return bytes([len(raw)]) + raw + named + real(offset) + zone_calls(german_calls)


AROUND_2024 = [zone_instant(jd_ut(2024, 3, 31, 1.0)), zone_instant(jd_ut(2024, 3, 31, 0.99)),
               zone_instant(jd_ut(2024, 10, 27, 1.0)), zone_year(2024), zone_year(1947),
               zone_year(2040), zone_year(2100), zone_copy(jd_ut(2024, 7, 1)), zone_instant(NAN_VALUE),
               zone_year(27968), zone_year(-27968), zone_instant(jd_ut(1850, 1, 1))]

ZONE = [
    zone_seed("Europe/Berlin", AROUND_2024, 1.0, AROUND_2024),
    zone_seed("Australia/Sydney", [zone_year(2024), zone_year(2050), zone_instant(jd_ut(2024, 4, 6, 16.0)),
                                   zone_instant(jd_ut(2024, 10, 5, 16.0))], 10.0, [zone_year(1916)]),
    zone_seed("Europe/Dublin", [zone_year(1970), zone_year(1972), zone_year(2040), zone_year(2037)], 0.0, []),
    zone_seed("Africa/Casablanca", [zone_year(2019), zone_year(2026), zone_year(2030)], 0.0, []),
    zone_seed("Asia/Gaza", [zone_year(2086), zone_year(2087), zone_year(2200)], 2.0, []),
    zone_seed("Africa/Cairo", [zone_year(2023), zone_year(2040)], 2.0, [zone_year(1945), zone_year(1980)]),
    zone_seed("America/Nuuk", [zone_year(2023), zone_year(2024), zone_year(2040)], -3.0, []),
    zone_seed("Etc/UTC", [zone_year64(-(2 ** 63)), zone_year64(2 ** 63 - 1), zone_instant(1e300)],
              float("inf"), [zone_instant(-1e300), zone_year(27969)]),
    zone_seed("Africa/Johannesburg", [zone_year(1943), zone_year(2040)], 1e300, [zone_year(2024)]),
    zone_seed("../../etc/passwd", [], NAN_VALUE, [zone_year(2024)]),
    zone_seed("localtime", [], -1e300, [zone_instant(jd_ut(2024, 10, 27, 1.0))]),
    zone_seed(b"Europe/Berlin\x00", [], 1.0, [zone_year(1996)]),
    zone_seed("", [], 5.75, [zone_year(2024), zone_instant(jd_ut(2024, 3, 31, 1.0))]),
]


# Compiled zone files (RFC 8536): a version-1 block with 32-bit times, the
# same data again with 64-bit times, then the footer's rule.
def tzif(times, indices, types, chars=b"LMT\0CET\0CEST\0", version=b"2", footer=b"\nCET-1CEST,M3.5.0,M10.5.0/3\n",
         timecnt=None, typecnt=None):
    def block(size):
        counts = [0, 0, 0, len(times) if timecnt is None else timecnt, len(types) if typecnt is None else typecnt,
                  len(chars)]
        head = b"TZif" + version + bytes(15) + struct.pack(">6i", *counts)
        body = b"".join(struct.pack(">q", t) if size == 8 else struct.pack(">i", max(t, -2 ** 31)) for t in times)
        body += bytes(indices)
        body += b"".join(struct.pack(">iBB", offset, dst, at) for offset, dst, at in types)
        return head + body + chars
    return block(4) + (block(8) + footer if version >= b"2" else b"")


BERLIN_TYPES = [(3208, 0, 0), (3600, 0, 4), (7200, 1, 8)]
BERLIN_TIMES = [-2422054408, -1693706400, -1680483600]
DAMAGED_TZIF = {
    "seed-version1": tzif(BERLIN_TIMES, [1, 2, 1], BERLIN_TYPES, version=b"\0"),
    "seed-type-index-200": tzif([0], [200], [(3600, 0, 4)]),
    "seed-count-7fffffff": tzif([0], [0], [(3600, 0, 4)], timecnt=0x7FFFFFFF),
    "seed-no-type": tzif([0], [0], [], typecnt=0),
    "seed-abbreviation-outside": tzif([0], [0], [(3600, 0, 200)]),
    "seed-times-backwards": tzif([100, 50], [0, 0], [(3600, 0, 4)]),
    "seed-small-berlin": tzif(BERLIN_TIMES, [1, 2, 1], BERLIN_TYPES),
}


def zone_file_seed(file, calls):
    return b"\xff" + struct.pack(">I", len(file))[1:] + file + zone_calls(calls) + real(1.0)


def add(folder, name, seed):
    (HERE / folder / name).write_bytes(seed)


def write(folder, seeds):
    target = HERE / folder
    target.mkdir(parents=True, exist_ok=True)
    for old in target.iterdir():
        old.unlink()
    for number, seed in enumerate(seeds):
        (target / f"seed-{number:02d}").write_bytes(seed)


def ics_event(number, first="20251027", end="20251101", summary="Herbstferien"):
    return (f"BEGIN:VEVENT\r\nUID:{number}@schule\r\nDTSTART;VALUE=DATE:{first}\r\n"
            f"DTEND;VALUE=DATE:{end}\r\nSUMMARY:{summary}\r\nEND:VEVENT\r\n").encode()


def ics(events, extra=b""):
    return b"BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + extra + b"".join(events) + b"END:VCALENDAR\r\n"


MIB = 1 << 20


def limit_seeds(target):
    """Inputs at and just past a target's input limits: too large for the
    repository, so scripts/fuzz writes them into the run's corpus."""
    if target == "ics_import":
        many = [ics_event(i) for i in range(5001)]
        padding = b"X-FUELLUNG:" + b"x" * (2 * MIB) + b"\r\n"
        return {
            "events-5001": ics(many),
            "line-64k": ics([ics_event(1, summary="S" * (64 * 1024))]),
            "folded-64k": ics([ics_event(1, summary="\r\n ".join(["F" * 70] * 940))]),
            "bytes-2m-plus-1": ics([ics_event(1)], padding)[: 2 * MIB + 1],
            "bytes-2m": ics([ics_event(1)], padding[: 2 * MIB - 400] + b"\r\n"),
        }
    if target == "gazetteer":
        rows = REAL_GAZETTEER.split(b"\n", 20)[-1]
        body = REAL_GAZETTEER
        while len(body) + len(rows) < 8 * MIB:
            body += rows
        body += rows[: rows.rfind(b"\n", 0, 8 * MIB - 64 - len(body)) + 1]
        return {"bytes-under-8m": gazetteer(body, "Berlin"),
                "bytes-8m-plus-1": gazetteer((body + rows)[: 8 * MIB + 1], "Berlin")}
    if target == "settings":
        # Not 28,000 sections: the unit test times them, and with the
        # sanitizers the window's start and the saves take some 0.5 s on them.
        base = b"[Settings]\nort=Bonn\n"
        return {"bytes-256k": (base + b"; " + b"x" * (256 * 1024))[: 256 * 1024],
                "bytes-256k-plus-1": (base + b"; " + b"x" * (256 * 1024))[: 256 * 1024 + 1]}
    if target == "school_holidays":
        head = b"Zeitraum\t2000-01-01\t2099-12-31\n"
        rows = b"".join(b"%04d-01-%02d\t%04d-01-%02d\tFerien\n" % (2000 + i // 28, 1 + i % 28, 2000 + i // 28, 1 + i % 28)
                        for i in range(4097))
        return {"rows-4097": head + rows, "bytes-256k-plus-1": (head + rows * 3)[: 256 * 1024 + 1]}
    if target in ("tzif", "zone"):
        count = 70000
        times = [1000 * i for i in range(count)]
        files = {"transitions-70000": tzif(times, [1 + i % 2 for i in range(count)], BERLIN_TYPES),
                 "bytes-1m-plus-1": (tzif(BERLIN_TIMES, [1, 2, 1], BERLIN_TYPES) + b"\0" * MIB)[: MIB + 1]}
        if target == "tzif":
            return files
        return {name: zone_file_seed(file, AROUND_2024) for name, file in files.items()}
    if target == "cli_args":
        return {"argument-128k": b"\0" + b"\0".join([b"tag", b"--ort", b"x" * (128 * 1024)]),
                "arguments-64": b"\0" + b"\0".join([b"liste", b"feiertage"] + [b"--region", b"DE-BY"] * 31)}
    return {}


if len(sys.argv) == 4 and sys.argv[1] == "--limits":
    folder = pathlib.Path(sys.argv[3])
    folder.mkdir(parents=True, exist_ok=True)
    for name, seed in limit_seeds(sys.argv[2]).items():
        (folder / f"limit-{name}").write_bytes(seed)
    sys.exit(0)

write("engine", [ENGINE_DAY_REPORT, ENGINE_YEAR_EDGES, ENGINE_NAN_PLACE, ENGINE_INDICES, ENGINE_EVENTS,
                 ENGINE_DAY_NUMBERS, ENGINE_REGIONS])
write("astro", ASTRO)
write("gazetteer", GAZETTEER)
write("window_text", WINDOW_TEXT)
write("settings", SETTINGS)
write("zone", ZONE + [zone_file_seed(file, AROUND_2024) for file in DAMAGED_TZIF.values()])
for name, file in DAMAGED_TZIF.items():
    add("tzif", name, file)
write("place_dialog", PLACE_DIALOG)
