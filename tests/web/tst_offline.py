#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page as an installed app in Chromium: installable, played offline, replaced by a changed
site. Takes tst_mirror.py's arguments and skips (77) where it does."""
import contextlib
import os
import pathlib
import shutil
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(here, "..", "..", "tools"), os.path.join(here, "..", "support")]
from sitetest import parser, site_places, skip, wait_until  # noqa: E402
try:
    import chromium
    from selenium.common.exceptions import WebDriverException
    from selenium.webdriver.common.action_chains import ActionChains
except ImportError as error:
    skip(f"Selenium for this Python (python3-selenium): {error}")
FIELD = "document.querySelector('#mirror input[type=text]')"
GAME = ("return document.getElementById('status').hidden && "
        "document.querySelectorAll('#mirror input[type=text]').length === 64")


def edit(path, old, new):
    path.write_text(path.read_text(encoding="utf-8").replace(old, new), encoding="utf-8")


def main():
    arguments = parser().parse_args()
    letter = site_places(arguments)["letters"][0]
    if chromium.missing():
        skip(chromium.missing())
    with contextlib.ExitStack() as stack:
        root = stack.enter_context(tempfile.TemporaryDirectory())
        site = shutil.copytree(arguments.site, os.path.join(root, "juego"))
        server = chromium.serve(root)
        stack.callback(server.shutdown)
        driver = chromium.start(os.path.join(root, "profile"), fonts=arguments.fonts)
        stack.callback(driver.quit)
        script, cdp = driver.execute_script, driver.execute_cdp_cmd

        def running():
            with contextlib.suppress(WebDriverException):  # the page starting itself again
                return script(GAME)

        def play(what):
            print(what)
            driver.refresh()
            wait_until("the game and its 64 fields", running)
        driver.get(f"http://127.0.0.1:{server.server_address[1]}/juego/")
        play("online: the game, installable, with its worker")
        assert not cdp("Page.getInstallabilityErrors", {})["installabilityErrors"]
        wait_until("the worker", lambda: script("return navigator.serviceWorker.getRegistration()"
                                                ".then(r => r?.active?.state === 'activated')"))
        play("the page once more, from the worker")
        assert script("return !!navigator.serviceWorker.controller")
        assert not [e for e in driver.get_log("browser") if e["level"] == "SEVERE"]

        conditions = {"latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}
        cdp("Network.enable", {})
        cdp("Network.emulateNetworkConditions", {"offline": True, **conditions})
        os.rename(site, site + ".away")
        play("offline, the server's folder gone: the game starts and takes a letter")
        script(f"{FIELD}.focus()")
        ActionChains(driver).send_keys(letter).perform()
        wait_until(f"{letter} in cell 1", lambda: script(f"return {FIELD}.value") == letter)
        if arguments.shots:
            driver.save_screenshot(os.path.join(arguments.shots, "offline.png"))

        os.rename(site + ".away", site)
        cdp("Network.emulateNetworkConditions", {"offline": False, **conditions})
        edit(pathlib.Path(site, "worker.js"), "digest = '", "digest = 'changed-")
        edit(pathlib.Path(site, "index.html"), '<html lang="es">', '<html lang="es" data-new="1">')
        play("a changed site: its worker replaces the old one and its cache")
        kept = "return caches.keys().then(keys => keys.map(key => key.split(' ')[2]))"
        wait_until("the changed site's cache alone",
                   lambda: [key.startswith("changed-") for key in script(kept)] == [True])
        play("the page then is the changed site's")
        assert script("return document.documentElement.dataset.new") == "1"
    print("passed")


if __name__ == "__main__":
    main()
