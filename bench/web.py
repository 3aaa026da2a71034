#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser build's download and start-up, against a floor built the same way: a bare Qt window
with the same menu bar (bench/floor.cpp), on a page of its own. bench/web.sh builds all three pages
and runs this.

    web.py SITE GAME_PAGE FLOOR_PAGE [PAIRS]

Prints what each page downloads, compressed as a web server compresses it (gzip -9), and the time
from navigation to the first frame drawn in the page, in headless Chromium over loopback, each load
in a new browser with an empty cache, in pairs whose order alternates."""
import gzip
import os
import platform
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
import chromium  # noqa: E402


def downloads(site):
    """The files the page loads, and their sizes compressed."""
    with open(os.path.join(site, "index.html"), encoding="utf-8") as page:
        program = re.search(r'data-program="([^"]+)"', page.read()).group(1)
    names = ["index.html", "loader.js", "mirror.js", f"{program}.js", f"{program}.wasm", "favicon.ico"]
    sizes = {}
    for name in names:
        with open(os.path.join(site, name), "rb") as data:
            sizes[name] = len(gzip.compress(data.read(), compresslevel=9))
    return sizes


def first_frame(url, profile):
    driver = chromium.start(profile)
    try:
        driver.get(url)
        deadline = time.monotonic() + 120
        while time.monotonic() < deadline:
            for entry in driver.get_log("browser"):
                found = re.search(r"first_frame_ms=([0-9.]+)", entry["message"])
                if found:
                    return float(found.group(1))
            time.sleep(0.05)
        raise RuntimeError(f"no first frame from {url}")
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def quartiles(values):
    q = statistics.quantiles(values, n=4, method="inclusive")
    return q[0], q[2]


def main():
    site, game, floor = sys.argv[1:4]
    pairs = int(sys.argv[4]) if len(sys.argv) > 4 else 11
    cpu = next((line.split(":", 1)[1].strip() for line in open("/proc/cpuinfo")
                if line.startswith("model name")), platform.processor())
    version = subprocess.run(["chromium", "--version"], capture_output=True, text=True).stdout
    load = open("/proc/loadavg").read().split()[:3]
    print(f"machine: {os.cpu_count()} cores, {cpu}, {version.strip()}, load: {' '.join(load)}")

    game_sizes, floor_sizes = downloads(site), downloads(floor)
    print("\ndownload, gzip -9 (bytes)")
    for name, size in game_sizes.items():
        print(f"  game  {name:20} {size:>10,}")
    for name, size in floor_sizes.items():
        print(f"  floor {name:20} {size:>10,}")
    game_total, floor_total = sum(game_sizes.values()), sum(floor_sizes.values())
    print(f"  game {game_total:,}, floor {floor_total:,}: × {game_total / floor_total:.3f}")

    root = tempfile.mkdtemp()
    server = chromium.serve(root)
    for name, folder in (("game", game), ("floor", floor)):
        os.symlink(os.path.abspath(folder), os.path.join(root, name))
    base = f"http://127.0.0.1:{server.server_address[1]}"
    times = {"game": [], "floor": []}
    for pair in range(pairs):
        order = ("game", "floor") if pair % 2 == 0 else ("floor", "game")
        for name in order:
            times[name].append(first_frame(f"{base}/{name}/", os.path.join(root, f"profile-{pair}-{name}")))
    server.shutdown()
    ratios = [g / f for g, f in zip(times["game"], times["floor"])]
    low, high = quartiles(ratios)
    print(f"\nfirst frame after navigation, {pairs} pairs, each load in a new browser")
    print(f"  floor {statistics.median(times['floor']):.1f} ms, game {statistics.median(times['game']):.1f} ms"
          " (medians)")
    print(f"  per-pair ratio game / floor: × {statistics.median(ratios):.2f} [{low:.2f}, {high:.2f}]")
    print(f"load at the end: {' '.join(open('/proc/loadavg').read().split()[:3])}")


if __name__ == "__main__":
    main()
