#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser build's page controls, mirrored from the game, played as a phone, a tablet, a
screen reader and Safari's engine play them: an emulated phone and tablet in Debian's Chromium
(touch, a phone's keyboard through the DevTools protocol), Chromium's accessibility tree of the
desktop page, and the desktop page in WebKitGTK. Exits 77 (skipped) where the site has not been
built, or Chromium, WebKitGTK, Selenium or Pillow is missing.

    tst_mirror.py --site SITE --places PLACES --fonts FONTS [--shots FOLDER]
"""
import contextlib
import os
import shutil
import sys
import tempfile
import time

ANDROID = ("Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) "
           "Chrome/120.0.0.0 Mobile Safari/537.36")


here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(here, "..", "..", "tools"), os.path.join(here, "..", "support")]
from sitetest import parser, site_places, skip, wait_until  # noqa: E402
try:
    import chromium
    import webkitgtk
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.keys import Keys
except ImportError as error:
    skip(f"Selenium for this Python (python3-selenium): {error}")


class Page:
    """The game's page, read through its mirrored controls."""

    def __init__(self, driver, url, shots):
        self.driver = driver
        self.shots = shots
        driver.get(url)
        wait_until("the game and its 64 fields", lambda: self.script(
            "return document.getElementById('status').hidden && "
            "document.querySelectorAll('#mirror input[type=text]').length === 64"))

    def script(self, code, *arguments):
        return self.driver.execute_script(code, *arguments)

    def control(self, kind, number):
        """The JavaScript that finds the numbered cell's field ("text"), clue's box ("checkbox")
        or the button of a menu entry."""
        if kind == "button":
            return f"[...document.querySelectorAll('#mirror button')].find(b => b.textContent === '{number}')"
        return f"document.querySelectorAll('#mirror input[type={kind}]')[{number - 1}]"

    def focused(self):
        return self.script("const e = document.activeElement; "
                           "return e.closest('#mirror') && e.getAttribute('aria-label')") or ""

    def value(self, cell):
        return self.script(f"return {self.control('text', cell)}.value")

    def said(self):
        return self.script("return document.getElementById('said').textContent")

    def check_log(self):
        errors = [entry["message"] for entry in self.driver.get_log("browser")
                  if entry["level"] == "SEVERE"]
        assert not errors, f"errors in the page: {errors}"

    def keep(self, name):
        if self.shots:
            self.driver.save_screenshot(os.path.join(self.shots, f"{name}.png"))


def cell_name(cell):
    return f"Casilla {cell}:"


class Device:
    """An emulated phone or tablet: touch, and a phone keyboard's text through the protocol."""

    def __init__(self, page):
        self.page = page

    def cdp(self, command, **parameters):
        return self.page.driver.execute_cdp_cmd(command, parameters)

    def tap(self, control):
        # The protocol's touches are in the page's pixels, as the fields are.
        x, y = self.page.script(f"const r = {control}.getBoundingClientRect(); "
                                "return [r.left + r.width / 2, r.top + r.height / 2]")
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.cdp("Input.dispatchTouchEvent", type=kind, touchPoints=points)

    def enter(self):
        for kind in ("keyDown", "keyUp"):
            self.cdp("Input.dispatchKeyEvent", type=kind, key="Enter", code="Enter",
                     windowsVirtualKeyCode=13, **({"text": "\r"} if kind == "keyDown" else {}))


def emulate(driver, width, height, scale):
    for command, parameters in (
            ("Emulation.setDeviceMetricsOverride",
             {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": True}),
            ("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5}),
            ("Emulation.setUserAgentOverride", {"userAgent": ANDROID})):
        driver.execute_cdp_cmd(command, parameters)


def fits(page, places):
    """The crossword window stands whole in the screen, at the browser's own zoom."""
    return page.script(
        "const g = document.querySelector('#mirror [role=group]'); if (!g) return false; "
        "const r = g.getBoundingClientRect(), v = visualViewport; "
        "return r.left >= 0 && r.top >= 0 && r.left + arguments[0] <= v.width + 1 && "
        "r.top + arguments[1] <= v.height + 1 && v.offsetLeft === 0 && v.offsetTop === 0",
        places["size"][0], places["size"][1])


def play_by_touch(page, places, name):
    device = Device(page)
    word = places["words"][0]
    letters = places["letters"]
    print(f"{name}: the whole window shows without zooming")
    wait_until("the window fitted", lambda: fits(page, places))

    first = word[0]
    print(f"{name}: a tap on cell {first} focuses its field; a letter and Enter move on, field kept")
    device.tap(page.control("text", first))
    wait_until(f"cell {first}'s field focused", lambda: page.focused().startswith(cell_name(first)))
    device.cdp("Input.insertText", text=letters[first - 1])
    wait_until(f"{letters[first - 1]} in cell {first}",
               lambda: page.value(first) == letters[first - 1])
    device.enter()
    wait_until(f"cell {first + 1}'s field focused",
               lambda: page.focused().startswith(cell_name(first + 1)))

    print(f"{name}: the rest of word 1 tapped and composed, one letter in each cell")
    for cell in word[1:]:
        device.tap(page.control("text", cell))
        wait_until(f"cell {cell}'s field", lambda: page.focused().startswith(cell_name(cell)))
        device.cdp("Input.imeSetComposition", text=letters[cell - 1].lower(),
                   selectionStart=1, selectionEnd=1)
        device.cdp("Input.insertText", text=letters[cell - 1])
        wait_until(f"{letters[cell - 1]} in cell {cell}", lambda: page.value(cell) == letters[cell - 1])
    assert all(page.value(cell) == letters[cell - 1] for cell in word)
    page.keep(f"{name}-letters")

    print(f"{name}: clue box 1 by tap: MUY BIEN")
    device.tap(page.control("checkbox", 1))
    wait_until("MUY BIEN", lambda: page.said() == "MUY BIEN")

    print(f"{name}: AUTOR by tap: the credits, which go by themselves")
    tapped = time.monotonic()
    device.tap(page.control("button", "AUTOR"))
    wait_until("the credits read out", lambda: page.script(
        "return !document.querySelector('#mirror input')") and len(page.said()) > 40)
    wait_until("the crossword back", lambda: page.script(
        "return document.querySelectorAll('#mirror input[type=text]').length === 64"))
    assert time.monotonic() - tapped >= 5.0


def desktop_chromium(url, profile, places, shots, fonts):
    driver = chromium.start(profile, fonts=fonts)
    try:
        page = Page(driver, url, shots)
        print("desktop: the accessibility tree holds 64 named text fields and 12 named check boxes")
        driver.execute_cdp_cmd("Accessibility.enable", {})
        nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]

        def named(role):
            return [node["name"]["value"] for node in nodes if not node.get("ignored")
                    and node.get("role", {}).get("value") == role and node.get("name", {}).get("value")]
        fields, boxes = named("textbox"), named("checkbox")
        for line in fields[:2] + boxes[:2]:
            print(f"  {line}")
        assert [f.split(":")[0] for f in fields] == [cell_name(c)[:-1] for c in range(1, 65)], fields
        assert len(boxes) == 12 and not named("application"), boxes

        print("desktop: Tab from the game takes the page to cell 2's field, Shift+Tab back to cell "
              "1's; typed letters reach the game, Enter moves on")
        ActionChains(page.driver).send_keys(Keys.TAB).perform()
        wait_until("cell 2 focused", lambda: page.focused().startswith(cell_name(2)))
        ActionChains(page.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
        wait_until("cell 1 focused", lambda: page.focused().startswith(cell_name(1)))
        word = places["words"][0]
        ActionChains(page.driver).send_keys(places["letters"][0] + Keys.ENTER).perform()
        wait_until("cell 2 focused", lambda: page.focused().startswith(cell_name(2)))
        assert page.value(1) == places["letters"][0], page.value(1)
        for cell in word[1:]:
            page.script(f"{page.control('text', cell)}.focus()")
            ActionChains(page.driver).send_keys(places["letters"][cell - 1]).perform()
            wait_until(f"cell {cell}", lambda: page.value(cell) == places["letters"][cell - 1])
        print("desktop: Space on clue box 1: the verdict in a live region")
        page.script(f"{page.control('checkbox', 1)}.focus()")
        ActionChains(page.driver).send_keys(Keys.SPACE).perform()
        wait_until("MUY BIEN", lambda: page.said() == "MUY BIEN")
        assert page.script("return document.getElementById('said').getAttribute('aria-live')")
        page.check_log()
    finally:
        driver.quit()


def on_device(url, profile, places, shots, name, size, fonts):
    driver = chromium.start(profile, fonts=fonts)
    try:
        emulate(driver, *size, 2 if name == "tablet" else 3)
        page = Page(driver, url, shots)
        if size[0] > size[1]:
            print(f"{name}: the whole window shows, and a tapped cell takes a letter")
            wait_until("the window fitted", lambda: fits(page, places))
            device = Device(page)
            device.tap(page.control("text", 2))
            device.cdp("Input.insertText", text=places["letters"][1])
            wait_until("the letter in cell 2", lambda: page.value(2) == places["letters"][1])
            page.keep(name)
        else:
            play_by_touch(page, places, name)
        page.check_log()
    finally:
        driver.quit()


def webkit(url, places):
    with contextlib.ExitStack() as stack:
        page = Page(webkitgtk.start(stack), url, None)
        print("WebKitGTK: letters typed into the focused field reach the game, Enter moves on")
        page.script(f"{page.control('text', 1)}.focus()")
        ActionChains(page.driver).send_keys(places["letters"][0]).perform()
        wait_until("the letter in cell 1", lambda: page.value(1) == places["letters"][0])
        ActionChains(page.driver).send_keys(Keys.ENTER).perform()
        wait_until("cell 2 focused", lambda: page.focused().startswith(cell_name(2)))


def main():
    arguments = parser().parse_args()
    places = site_places(arguments)
    for missing in (chromium.missing(), webkitgtk.missing()):
        if missing:
            skip(missing)

    with contextlib.ExitStack() as stack:
        root = stack.enter_context(tempfile.TemporaryDirectory())
        shutil.copytree(arguments.site, os.path.join(root, "juego"))
        server = chromium.serve(root)
        stack.callback(server.shutdown)
        url = f"http://127.0.0.1:{server.server_address[1]}/juego/"
        # The page's fields in the game's bundled fonts, whatever the machine has installed.
        shown = (arguments.shots, arguments.fonts)
        desktop_chromium(url, os.path.join(root, "desktop"), places, *shown)
        on_device(url, os.path.join(root, "phone"), places, arguments.shots, "phone", (390, 844),
                  arguments.fonts)
        on_device(url, os.path.join(root, "landscape"), places, arguments.shots, "phone-landscape",
                  (844, 390), arguments.fonts)
        on_device(url, os.path.join(root, "tablet"), places, arguments.shots, "tablet", (820, 1180),
                  arguments.fonts)
        webkit(url, places)
    print("passed")


if __name__ == "__main__":
    main()
