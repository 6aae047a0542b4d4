#!/usr/bin/env python3
"""Start-up and idle memory of two builds of the window, side by side.

    bench/compare_startup.py BEFORE_BUILD AFTER_BUILD [runs]

Each build folder holds vespera and vespera_startup_time (Release). The two
are run alternately, so that a change of the machine's load meets both:
vespera_startup_time for the time from main() to the first painted window
and, timed from outside, for the whole process from exec to exit; vespera
itself, left idle for 3 s, for its resident memory (VmRSS). Offscreen, with
an empty settings folder each time.
"""
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    builds = {"before": sys.argv[1], "after": sys.argv[2]}
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 60
    runtime = tempfile.mkdtemp()
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=runtime, TZ="UTC")
    first_paint = {k: [] for k in builds}
    whole = {k: [] for k in builds}
    resident = {k: [] for k in builds}
    for build in builds.values():  # the page cache warm for both
        subprocess.run([build + "/vespera_startup_time"], env=env, capture_output=True)
    for i in range(runs):
        for name in (["before", "after"] if i % 2 == 0 else ["after", "before"]):
            with tempfile.TemporaryDirectory() as config:
                started = time.perf_counter()
                out = subprocess.run([builds[name] + "/vespera_startup_time"], env=dict(env, VESPERA_CONFIG_DIR=config),
                                     capture_output=True, text=True, check=True).stdout
                whole[name].append((time.perf_counter() - started) * 1000)
            first_paint[name].append(float(re.search(r"=([\d.]+)", out).group(1)))
    for i in range(5):
        for name in (["before", "after"] if i % 2 == 0 else ["after", "before"]):
            with tempfile.TemporaryDirectory() as config:
                window = subprocess.Popen([builds[name] + "/vespera"], env=dict(env, VESPERA_CONFIG_DIR=config),
                                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                time.sleep(3)
                with open(f"/proc/{window.pid}/status") as status:
                    resident[name].append(int(re.search(r"VmRSS:\s+(\d+)", status.read()).group(1)) / 1024)
                window.terminate()
                window.wait()
    print("load average:", open("/proc/loadavg").read().split()[:3])
    for name in builds:
        print(f"{name}: first paint {statistics.median(first_paint[name]):.2f} ms, "
              f"whole process {statistics.median(whole[name]):.1f} ms, "
              f"idle resident {statistics.median(resident[name]):.1f} MB (medians)")
    print(f"after/before: first paint {statistics.median(first_paint['after']) / statistics.median(first_paint['before']):.3f}, "
          f"whole process {statistics.median(whole['after']) / statistics.median(whole['before']):.3f}, "
          f"resident {statistics.median(resident['after']) - statistics.median(resident['before']):+.1f} MB")


main()
