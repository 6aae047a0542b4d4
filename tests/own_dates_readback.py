#!/usr/bin/python3
"""termine.ics as the store writes it, read back by python3-icalendar: every
event there, each with its UID, text, kind, start and recurrence.

    tests/own_dates_readback.py <vespera_own_dates_sample>
"""
import json
import pathlib
import subprocess
import sys
import tempfile

try:
    import icalendar
except ImportError:
    sys.exit("python3-icalendar fehlt (Debian: apt-get install python3-icalendar)")


def start_as_written(event):
    start = event["DTSTART"]
    value = start.to_ical().decode()
    tzid = start.params.get("TZID")
    return f"TZID={tzid}:{value}" if tzid else value


def categories(event):
    found = event.get("CATEGORIES", [])
    if not isinstance(found, list):
        found = [found]
    return [str(c) for entry in found for c in entry.cats]


def main():
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([sys.argv[1], folder], check=True)
        expected = json.loads(pathlib.Path(folder, "expected.json").read_text(encoding="utf-8"))
        calendar = icalendar.Calendar.from_ical(pathlib.Path(folder, "termine.ics").read_bytes())
    events = {str(e["UID"]): e for e in calendar.walk("VEVENT")}
    failures = []
    if len(events) != len(expected):
        failures.append(f"{len(events)} events, expected {len(expected)}")
    timezones = {str(z["TZID"]) for z in calendar.walk("VTIMEZONE")}
    for want in expected:
        event = events.get(want["uid"])
        if event is None:
            failures.append(f"{want['uid']}: missing")
            continue
        got = {
            "uid": want["uid"],
            "summary": str(event.get("SUMMARY", "")),
            "description": str(event.get("DESCRIPTION", "")),
            "categories": categories(event),
            "dtstart": start_as_written(event),
            "rrule": event["RRULE"].to_ical().decode() if "RRULE" in event else "",
        }
        if got != want:
            failures.append(f"{want['uid']}: read {got}, expected {want}")
        tzid = event["DTSTART"].params.get("TZID")
        if tzid and tzid not in timezones:
            failures.append(f"{want['uid']}: no VTIMEZONE for {tzid}")
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
