# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's Chromium, headless, driven through Selenium, and a server on 127.0.0.1 for the pages it
loads: shared by the browser test and the browser's benchmark. Nothing is downloaded: Chromium and
its driver are Debian's, and Chromium is kept from reaching any other host."""
import functools
import http.server
import os
import shutil
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common import utils


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


def serve(folder):
    """A server of the folder on 127.0.0.1, running until shut down; its port is the second item of
    server_address."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class LoopbackService(Service):
    """The driver reached at 127.0.0.1: Selenium would look "localhost" up, and a machine need not
    have it in /etc/hosts."""

    @property
    def service_url(self):
        return f"http://127.0.0.1:{self.port}"

    def is_connectable(self):
        return utils.is_connectable(self.port, host="127.0.0.1")


def missing():
    """What is missing to run Chromium here, or None."""
    if not shutil.which("chromium") or not shutil.which("chromedriver"):
        return "Debian's chromium and chromium-driver"
    return None


def start(profile, fonts=None, scale=1):
    """Chromium with a new profile in the folder `profile`, at 1280 × 1024 pixels and the given
    scale, on software WebGL. With `fonts`, a folder of fonts, pages see those fonts only."""
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    # The driver talks to Chromium through a pipe, not a port it would reach as "localhost".
    for argument in ("--headless=new", "--no-sandbox", "--remote-debugging-pipe",
                     "--window-size=1280,1024", f"--force-device-scale-factor={scale}",
                     "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", f"--user-data-dir={profile}"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    environment = dict(os.environ)
    if fonts:
        conf = os.path.join(profile + ".fonts.conf")
        with open(conf, "w", encoding="utf-8") as out:
            out.write(f'<?xml version="1.0"?><fontconfig><dir>{os.path.abspath(fonts)}</dir>'
                      f'<cachedir>{profile}.fontconfig</cachedir></fontconfig>\n')
        environment["FONTCONFIG_FILE"] = conf
    service = LoopbackService(shutil.which("chromedriver"), env=environment)
    return webdriver.Chrome(service=service, options=options)
