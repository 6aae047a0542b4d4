#!/usr/bin/env python3
"""The window's start-up against a bare Qt window, side by side.

    bench/compare_with_bare_window.py RELEASE_BUILD [pairs]

Runs vespera_startup_time (the window as ui/main.cpp builds it) and
vespera_bare_window (a QCalendarWidget beside a QTextEdit) alternately,
offscreen, each with an empty settings folder, and times each whole process
from exec to exit from outside. Prints the medians and the median of the
pairs' ratios (window / bare). With VESPERA_BEFORE set to another build
folder, its vespera_startup_time runs in each round too, for the ratio
before a change.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def timed(program, env):
    with tempfile.TemporaryDirectory() as config:
        started = time.perf_counter()
        subprocess.run([program], env=dict(env, VESPERA_CONFIG_DIR=config), capture_output=True, check=True)
        return (time.perf_counter() - started) * 1000


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    build = sys.argv[1]
    pairs = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    programs = {"window": build + "/vespera_startup_time", "bare": build + "/bench/vespera_bare_window"}
    if os.environ.get("VESPERA_BEFORE"):
        programs["before"] = os.environ["VESPERA_BEFORE"] + "/vespera_startup_time"
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=tempfile.mkdtemp(), TZ="Europe/Berlin")
    for program in programs.values():  # the page cache warm for both
        timed(program, env)
    whole = {name: [] for name in programs}
    ratios = {name: [] for name in programs if name != "bare"}
    names = list(programs)
    for i in range(pairs):
        order = names[i % len(names):] + names[:i % len(names)]
        if i % 2:
            order.reverse()
        pair = {name: timed(programs[name], env) for name in order}
        for name, ms in pair.items():
            whole[name].append(ms)
        for name in ratios:
            ratios[name].append(pair[name] / pair["bare"])
    print("load average:", open("/proc/loadavg").read().split()[:3])
    for name, times in whole.items():
        quartiles = statistics.quantiles(times, n=4)
        print(f"{name}: median {statistics.median(times):.1f} ms, quartiles {quartiles[0]:.1f}-{quartiles[2]:.1f} ms, "
              f"minimum {min(times):.1f} ms")
    for name, values in ratios.items():
        quartiles = statistics.quantiles(values, n=4)
        print(f"{name}/bare over {pairs} rounds: median {statistics.median(values):.3f} "
              f"(quartiles {quartiles[0]:.3f}-{quartiles[2]:.3f}); ratio of medians "
              f"{statistics.median(whole[name]) / statistics.median(whole['bare']):.3f}")


if __name__ == "__main__":
    main()
