# SPDX-License-Identifier: GPL-3.0-or-later
"""What the tests that play the browser build's site share: their skip rule, their patience, their
command line, and the refusal of a site built from other sources than these."""
import argparse
import json
import os
import subprocess
import sys
import time

SKIPPED = 77
# How long a condition may take to come about on a slow, busy machine; no check depends on it.
PATIENCE = 60


def skip(reason):
    print(f"SKIPPED: needs {reason}")
    sys.exit(SKIPPED)


def wait_until(what, condition):
    """The condition's first true value; fails once PATIENCE has gone by without one."""
    deadline = time.monotonic() + PATIENCE
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"not within {PATIENCE} s: {what}")
        time.sleep(0.1)


def parser():
    """The command line every such test takes; a test may add arguments of its own."""
    arguments = argparse.ArgumentParser()
    for name in ("--site", "--places", "--fonts", "--cmake", "--source-digest"):
        arguments.add_argument(name, required=True)
    arguments.add_argument("--shots")
    return arguments


def site_places(arguments):
    """The places of the crossword's controls, once the site is known to be there and built from
    these sources: skipped where it is not there, failed where it is built from others."""
    if not os.path.isfile(os.path.join(arguments.site, "index.html")):
        skip(f"the site in {arguments.site}: bash tools/setup.sh web builds it")
    if subprocess.run([arguments.cmake, "-P", arguments.source_digest, "check", arguments.site,
                       "bash tools/setup.sh web"]).returncode != 0:
        sys.exit(1)
    return json.loads(subprocess.run([arguments.places], check=True, capture_output=True,
                                     text=True).stdout)
