#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser build's download and start-up, against a floor built the same way: a bare Qt window
with the same menu bar (bench/floor.cpp), on a page of its own. bench/web.sh builds all three pages
and runs this.

    web.py SITE GAME_PAGE FLOOR_PAGE [PAIRS]

Serves every page compressed as a web server does (gzip -9). Prints what a first visit to each page
downloads, and the time from navigation to the first frame drawn in the page, in headless Chromium
over loopback, in pairs whose order alternates:
  cold     a first visit, in a new browser with an empty cache;
  warm     a second visit, in a new browser with what the first left behind;
  offline  a third, with the network cut off;
  slow     a first visit over a slow network (1.6 Mbit/s down, 150 ms each way).
What the server sent during the warm visits is printed too."""
import functools
import gzip
import http.server
import io
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
import chromium  # noqa: E402

SLOW = {"offline": False, "latency": 150, "downloadThroughput": 1_600_000 / 8,
        "uploadThroughput": 750_000 / 8}
OFFLINE = {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}


class CountingHandler(chromium.QuietHandler):
    """Serves files compressed as a web server does (gzip -9, where the browser accepts it), and
    notes each one it sends, with the bytes sent, in the server's `sent`."""

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if not os.path.isfile(path) or "gzip" not in self.headers.get("Accept-Encoding", ""):
            head = super().send_head()
            if head:
                self.server.sent.append((self.path, os.fstat(head.fileno()).st_size))
            return head
        modified = self.date_time_string(int(os.path.getmtime(path)))
        if self.headers.get("If-Modified-Since") == modified:
            self.send_response(304)
            self.end_headers()
            return None
        with open(path, "rb") as data:
            body = gzip.compress(data.read(), compresslevel=9, mtime=0)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Last-Modified", modified)
        self.end_headers()
        self.server.sent.append((self.path, len(body)))
        return io.BytesIO(body)


def serve(folder):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(CountingHandler, directory=folder))
    server.sent = []
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def visit(url, profile, network=None):
    """The first frame of a visit, in ms after navigation, in a browser on the given profile."""
    driver = chromium.start(profile)
    try:
        if network:
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.emulateNetworkConditions", network)
        driver.get(url)
        deadline = time.monotonic() + 180
        while time.monotonic() < deadline:
            for entry in driver.get_log("browser"):
                if "first_frame_ms=" in entry["message"]:
                    return float(entry["message"].split("first_frame_ms=")[1].split()[0].strip('"'))
            time.sleep(0.05)
        raise RuntimeError(f"no first frame from {url}")
    finally:
        driver.quit()


# Resolves once the page has started its program and, where it registers a service worker, the
# worker is active, so that all a first visit fetches has been fetched.
SETTLED = """
const done = arguments[arguments.length - 1];
const started = Date.now();
function settle() {
    if (!('serviceWorker' in navigator) || !window.isSecureContext)
        return done();
    navigator.serviceWorker.getRegistration().then((registration) => {
        if (registration)
            navigator.serviceWorker.ready.then(() => done());
        else if (Date.now() - started > 5000)
            done();
        else
            setTimeout(settle, 100);
    });
}
(function wait() {
    const status = document.getElementById('status');
    status && status.hidden ? settle() : setTimeout(wait, 50);
})();
"""


def look(url, profile):
    """Visits the page once, until it has settled."""
    driver = chromium.start(profile)
    try:
        driver.set_script_timeout(180)
        driver.get(url)
        driver.execute_async_script(SETTLED)
    finally:
        driver.quit()


def quartiles(values):
    if len(values) < 2:
        return values[0], values[0]
    q = statistics.quantiles(values, n=4, method="inclusive")
    return q[0], q[2]


def first_visit_bytes(folder, sent, prefix):
    """What a first visit fetched, compressed: {file: gzip -9 bytes}."""
    sizes = {}
    for path, _ in sent:
        name = path.split("?")[0][len(prefix):] or "index.html"
        if name.endswith("/"):
            name += "index.html"
        with open(os.path.join(folder, name), "rb") as data:
            sizes[name] = len(gzip.compress(data.read(), compresslevel=9))
    return sizes


def main():
    site, game, floor = sys.argv[1:4]
    pairs = int(sys.argv[4]) if len(sys.argv) > 4 else 5
    cpu = next((line.split(":", 1)[1].strip() for line in open("/proc/cpuinfo")
                if line.startswith("model name")), platform.processor())
    version = subprocess.run(["chromium", "--version"], capture_output=True, text=True).stdout
    load = open("/proc/loadavg").read().split()[:3]
    print(f"machine: {os.cpu_count()} cores, {cpu}, {version.strip()}, load: {' '.join(load)}")

    root = tempfile.mkdtemp()
    server = serve(root)
    pages = {"game": game, "floor": floor}
    for name, folder in {"site": site, **pages}.items():
        os.symlink(os.path.abspath(folder), os.path.join(root, name))
    base = f"http://127.0.0.1:{server.server_address[1]}"

    # One visit each first, to see what a first visit fetches: every file once, and all the server
    # sent, the worker's own fetches included.
    for name, folder in {"site": site, "floor": floor}.items():
        server.sent.clear()
        look(f"{base}/{name}/", os.path.join(root, f"look-{name}"))
        sizes = first_visit_bytes(folder, server.sent, f"/{name}/")
        print(f"\n{name}: a first visit downloads, gzip -9 (bytes)")
        for file, size in sorted(sizes.items()):
            print(f"  {file:28} {size:>10,}")
        print(f"  {'all':28} {sum(sizes.values()):>10,}"
              f"   ({len(server.sent)} requests, {sum(n for _, n in server.sent):,} bytes sent)")

    kinds = ("cold", "warm", "offline", "slow")
    times = {(name, kind): [] for name in pages for kind in kinds}
    warm_sent = {name: [] for name in pages}
    for pair in range(pairs):
        order = ("game", "floor") if pair % 2 == 0 else ("floor", "game")
        for name in order:
            url, profile = f"{base}/{name}/", os.path.join(root, f"profile-{pair}-{name}")
            times[name, "cold"].append(visit(url, profile))
            server.sent.clear()
            times[name, "warm"].append(visit(url, profile))
            warm_sent[name].append(sum(size for _, size in server.sent))
            times[name, "offline"].append(visit(url, profile, OFFLINE))
            shutil.rmtree(profile, ignore_errors=True)
            times[name, "slow"].append(visit(url, profile + "-slow", SLOW))
            shutil.rmtree(profile + "-slow", ignore_errors=True)
    server.shutdown()

    print(f"\nfirst frame after navigation, ms, {pairs} pairs (medians [quartiles])")
    for kind in kinds:
        line = []
        for name in pages:
            values = times[name, kind]
            low, high = quartiles(values)
            line.append(f"{name} {statistics.median(values):8.1f} [{low:.0f}, {high:.0f}]")
        ratios = [g / f for g, f in zip(times["game", kind], times["floor", kind])]
        print(f"  {kind:8} {'   '.join(line)}   game / floor × {statistics.median(ratios):.2f}")
    for name in pages:
        ratios = [w / c for w, c in zip(times[name, "warm"], times[name, "cold"])]
        print(f"  {name}: warm / cold × {statistics.median(ratios):.2f}; the server sent "
              f"{max(warm_sent[name]):,} bytes at most during a warm visit")
    print(f"load at the end: {' '.join(open('/proc/loadavg').read().split()[:3])}")


if __name__ == "__main__":
    main()
