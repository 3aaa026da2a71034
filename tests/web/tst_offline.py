#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser build's page as an installed app, in Debian's Chromium: installable, played with the
network off and its server's folder gone, and replaced by a changed site. Exits 77 (skipped) like
tst_mirror.py.   tst_offline.py --site SITE --places PLACES --fonts FONTS [--shots FOLDER]"""
import contextlib
import os
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


def play(driver, what):
    """Reloads the page and waits for the game; the page may start again once on its own."""
    def running():
        with contextlib.suppress(WebDriverException):
            return driver.execute_script(
                "return document.getElementById('status').hidden && "
                "document.querySelectorAll('#mirror input[type=text]').length === 64")
    print(what)
    driver.refresh()
    wait_until("the game and its 64 fields", running)


def main():
    arguments = parser().parse_args()
    letter = site_places(arguments)["letters"][0]
    if chromium.missing():
        skip(chromium.missing())
    with contextlib.ExitStack() as stack:
        root = stack.enter_context(tempfile.TemporaryDirectory())
        site = os.path.join(root, "juego")
        shutil.copytree(arguments.site, site)
        server = chromium.serve(root)
        stack.callback(server.shutdown)
        driver = chromium.start(os.path.join(root, "profile"), fonts=arguments.fonts)
        stack.callback(driver.quit)
        script, cdp = driver.execute_script, driver.execute_cdp_cmd
        driver.get(f"http://127.0.0.1:{server.server_address[1]}/juego/")
        play(driver, "online: the game, installable, its service worker in control")
        errors = cdp("Page.getInstallabilityErrors", {})["installabilityErrors"]
        assert not errors, errors
        wait_until("the worker", lambda: script("return !!navigator.serviceWorker.controller"))
        assert not [e for e in driver.get_log("browser") if e["level"] == "SEVERE"]

        cdp("Network.enable", {})
        conditions = {"latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}
        cdp("Network.emulateNetworkConditions", {"offline": True, **conditions})
        os.rename(site, site + ".away")
        play(driver, "offline, the server's folder gone: the game starts and takes a letter")
        script("document.querySelector('#mirror input[type=text]').focus()")
        ActionChains(driver).send_keys(letter).perform()
        wait_until(f"{letter} in cell 1", lambda: script(
            "return document.querySelector('#mirror input[type=text]').value") == letter)
        if arguments.shots:
            driver.save_screenshot(os.path.join(arguments.shots, "offline.png"))

        os.rename(site + ".away", site)
        cdp("Network.emulateNetworkConditions", {"offline": False, **conditions})
        with open(os.path.join(site, "worker.js"), "r+", encoding="utf-8") as worker:
            changed = worker.read().replace("const digest = '", "const digest = 'changed-")
            worker.seek(0)
            worker.write(changed)
        with open(os.path.join(site, "index.html"), "r+", encoding="utf-8") as page:
            changed = page.read().replace('<html lang="es">', '<html lang="es" data-changed="1">')
            page.seek(0)
            page.write(changed)
        play(driver, "a changed site: its worker replaces the old one and its cache")
        kept = "return caches.keys().then(keys => keys.map(key => key.split(' ')[2]))"
        wait_until("only the changed site's cache", lambda: [
            key.startswith("changed-") for key in script(kept)] == [True])
        play(driver, "the page then is the changed site's")
        assert script("return document.documentElement.dataset.changed") == "1"
    print("passed")


if __name__ == "__main__":
    main()
