#!/usr/bin/env python3
"""Draft rows for data/ferien/<code>.tsv from an OpenHolidays school-holiday CSV.

    git -C <openholidaysapi.data> show HEAD:src/de/holidays/holidays.school.by.csv \
        | tools/ferien/openholidays_rows.py 2026-07-01 2028-09-30 [--group MV-ABS]

The data set is one source (openpotato/openholidaysapi.data, ODbL 1.0): every
row it prints is a draft until a second published source confirms it; see
data/ferien/README.md. Exceptions (islands, single schools) are left out.
"""
import argparse
import csv
import datetime
import sys

# Our names are the columns of the KMK table; the states' own names map onto them.
NAMES = {
    "Winterferien": "Winterferien", "Halbjahresferien": "Winterferien", "Halbjahrespause": "Winterferien",
    "Fastnachtsferien": "Winterferien", "Osterferien": "Osterferien", "Gründonnerstag": "Osterferien",
    "Pfingstferien": "Pfingstferien", "Sommerferien": "Sommerferien", "Herbstferien": "Herbstferien",
    "Reformationsfest": "Herbstferien", "Weihnachtsferien": "Weihnachtsferien",
}
# Bayern's Frühjahrsferien stand in the KMK's winter column, Hamburg's in its Easter column.
SPRING = {"BY": "Winterferien", "HH": "Osterferien"}
SINGLE_DAY = "bewegliche Ferientage"


def german_name(field):
    for part in field.split(","):
        if part.startswith("DE "):
            return part[3:]
    return field


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("first")
    parser.add_argument("last")
    parser.add_argument("--group", help="only rows of this group, e.g. MV-ABS")
    args = parser.parse_args()
    rows = []
    for row in csv.DictReader(sys.stdin, delimiter=";"):
        row = {k.lstrip("\ufeff"): v for k, v in row.items()}
        start, end = row["StartDate"], row["EndDate"] or row["StartDate"]
        if not (args.first <= start <= args.last) or "Exception" in (row.get("Tags") or ""):
            continue
        if args.group and args.group not in (row.get("Groups") or ""):
            continue
        state = (row.get("Subdivisions") or row.get("Groups") or "")[:2]
        name = german_name(row["Name"])
        name = SPRING.get(state, name) if name == "Frühjahrsferien" else NAMES.get(name, SINGLE_DAY)
        rows.append([start, end, name])
    rows.sort()
    merged = []
    for start, end, name in rows:
        next_day = lambda d: (datetime.date.fromisoformat(d) + datetime.timedelta(days=1)).isoformat()
        if merged and merged[-1][2] == name and name != SINGLE_DAY and start <= next_day(merged[-1][1]):
            merged[-1][1] = max(merged[-1][1], end)
        else:
            merged.append([start, end, name])
    for start, end, name in merged:
        print(f"{start}\t{end}\t{name}")


if __name__ == "__main__":
    main()
