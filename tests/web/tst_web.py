#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser build played in Debian's Chromium, headless, as a player plays it.

The site is served from a sub-folder of a server on 127.0.0.1; clicks and keys come from
Selenium, and what the page shows is read back from screenshots. Exits 77 (skipped) where the
site has not been built (bash tools/setup.sh web builds it) or Chromium, its driver, Selenium or
Pillow is missing; fails on a site built from other sources than these (SourceDigest.cmake says).

    tst_web.py --site SITE --places PLACES --references GOLDEN_REFERENCES --fonts FONTS
               --cmake CMAKE --source-digest SOURCE_DIGEST_CMAKE [--shots FOLDER]

With --shots, the page as seen at each step is kept in FOLDER, to look at.
"""
import contextlib
import io
import os
import shutil
import sys
import tempfile
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(here, "..", "..", "tools"), os.path.join(here, "..", "support")]
from sitetest import parser, site_places, skip, wait_until  # noqa: E402
try:
    import chromium
    from PIL import Image
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.actions.action_builder import ActionBuilder
    from selenium.webdriver.common.keys import Keys
except ImportError as error:
    skip(f"Selenium and Pillow for this Python (python3-selenium, python3-pil): {error}")


def find(shot, picture):
    """Where the picture stands in the screenshot, pixel for pixel, or None."""
    width, height = shot.size
    pw, ph = picture.size
    shot_bytes, picture_bytes = shot.tobytes(), picture.tobytes()
    first_row = picture_bytes[: pw * 3]

    def matches(x, y):
        for row in range(ph):
            start = ((y + row) * width + x) * 3
            if shot_bytes[start : start + pw * 3] != picture_bytes[row * pw * 3 : (row + 1) * pw * 3]:
                return False
        return True

    for y in range(height - ph + 1):
        line = shot_bytes[y * width * 3 : (y + 1) * width * 3]
        x = line.find(first_row)
        while x != -1:
            if x % 3 == 0 and x // 3 + pw <= width and matches(x // 3, y):
                return (x // 3, y)
            x = line.find(first_row, x + 1)
    return None


def part(image, box, at=(0, 0)):
    """The pixels of a box (left, top, width, height) of a window standing at `at` in the image."""
    left, top = box[0] + at[0], box[1] + at[1]
    return image.crop((left, top, left + box[2], top + box[3])).tobytes()


def around(point, radius):
    return (point[0] - radius, point[1] - radius, 2 * radius, 2 * radius)


class Page:
    def __init__(self, driver, places, shots):
        self.driver = driver
        self.places = places
        self.shots = shots
        self.at = None  # where the crossword window stands in the page
        self.last = None  # the last screenshot taken

    def shot(self):
        self.last = Image.open(io.BytesIO(self.driver.get_screenshot_as_png())).convert("RGB")
        return self.last

    def keep(self, name):
        if self.shots:
            self.shot().save(os.path.join(self.shots, f"{name}.png"))

    def click(self, point):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(self.at[0] + point[0], self.at[1] + point[1])
        actions.pointer_action.click()
        actions.perform()

    def type(self, keys):
        ActionChains(self.driver).send_keys(keys).perform()

    def script(self, code):
        return self.driver.execute_script(code)

    def cell(self, number):
        return self.places["cells"][number - 1]


def play(page, references):
    places = page.places
    fresh = references["crossword-fresh"]
    credits = references["credits"]
    solved = references["crossword-solved"]
    label1 = tuple(places["label1"])
    label2 = tuple(places["label2"])
    # The verdicts overlap by a row; "MUY BIEN" is told by the rows above "MUY MAL".
    label1 = (label1[0], label1[1], label1[2], min(label1[3], label2[1] - label1[1]))

    def verdict(shot):
        shown1 = part(shot, label1, page.at) == part(solved, label1)
        hidden1 = part(shot, label1, page.at) == part(fresh, label1)
        hidden2 = part(shot, label2, page.at) == part(fresh, label2)
        if shown1 and hidden2:
            return "MUY BIEN"
        if hidden1 and not hidden2:
            return "MUY MAL"
        return None

    print("the page: titled like the crossword window")
    assert page.driver.title == places["title"], page.driver.title
    wait_until("the game has started", lambda: page.script(
        "return document.getElementById('status').hidden"))

    print("the fresh crossword is its golden reference, pixel for pixel")
    # Taken again until the caret of the first cell is in the blink's visible half.
    page.at = wait_until("the fresh crossword", lambda: find(page.shot(), fresh))
    print(f"  at {page.at} in a page of {page.shot().size}")
    page.keep("1-fresh")

    print("word 1 typed right and ticked: MUY BIEN")
    for cell in places["words"][0]:
        page.click(page.cell(cell))
        page.type(places["letters"][cell - 1])
    page.click(places["boxes"][0])
    wait_until("MUY BIEN", lambda: verdict(page.shot()) == "MUY BIEN")
    page.keep("2-right")

    print("word 2 typed wrong and ticked: MUY MAL")
    page.click(page.cell(places["words"][1][0]))
    wrong = "Z" if places["letters"][places["words"][1][0] - 1] != "Z" else "Y"
    page.type(wrong)
    page.click(places["boxes"][1])
    wait_until("MUY MAL", lambda: verdict(page.shot()) == "MUY MAL")
    page.keep("3-wrong")

    print("every cell typed at once from the first, Enter after each; words 1 to 11 ticked")
    page.click(page.cell(1))
    page.type("".join(Keys.END + Keys.BACKSPACE + letter + Keys.ENTER
                      for letter in places["letters"]))
    for box in places["boxes"][:11]:
        page.click(box)
    wait_until("MUY BIEN after word 11", lambda: verdict(page.shot()) == "MUY BIEN")
    before = page.shot()
    centre = around((places["size"][0] // 2, places["size"][1] // 2), 20)
    blocked = around(page.cell(64), 4)

    print("word 12 ticked: the GANASTES box; the crossword takes no click or key while it is up")
    page.click(places["boxes"][11])
    wait_until("the box over the crossword",
               lambda: part(page.shot(), centre, page.at) != part(before, centre, page.at))
    page.keep("4-ganastes")
    page.click(page.cell(64))
    page.type("Q")
    print("Return dismisses it")
    page.type(Keys.ENTER)
    wait_until("the box gone",
               lambda: part(page.shot(), centre, page.at) == part(before, centre, page.at))
    after = page.last
    page.keep("5-dismissed")
    assert part(after, blocked, page.at) == part(before, blocked, page.at), \
        "the crossword took a click or a key while the box was up"
    assert verdict(after) == "MUY BIEN"
    # Every word's picture says it is right: each key typed ahead went to its own cell.
    for word, indicator in enumerate(places["indicators"], start=1):
        assert part(after, indicator, page.at) == part(solved, indicator), f"word {word} is wrong"

    print("AUTOR: the credits for five seconds, then a fresh crossword that takes keys at once")
    clicked = time.monotonic()
    page.click(places["menu"]["AUTOR"])
    credits_at = wait_until("the credits", lambda: find(page.shot(), credits))
    # The middles of the lists' last clues look alike however far the game has gone (only one of
    # them can have the focus's outline), and lie below where the credits stand.
    still = [fresh.crop((x - 60, y - 5, x + 60, y + 5)) for x, y in places["boxes"][-2:]]
    assert all(find(page.last, piece) is None for piece in still), "a crossword with the credits"
    page.keep("6-credits")
    page.type(Keys.ESCAPE)
    wait_until("the crossword back", lambda: find(page.shot(), fresh))
    back = time.monotonic()
    assert back - clicked >= 5.0, f"the credits went after {back - clicked:.2f} s"
    print(f"  credits at {credits_at}, crossword back {back - clicked:.2f} s after the click")
    # Its letter, then Enter and the up arrow back to the cell, which select it as the solved
    # crossword shows it.
    first = around(page.cell(1), 8)
    page.type(places["letters"][0] + Keys.ENTER + Keys.ARROW_UP)
    wait_until("the first cell's letter",
               lambda: part(page.shot(), first, page.at) == part(solved, first))
    page.keep("7-fresh-again")

    print("SALIR from the keyboard, Alt and Enter: the windows go and the page says that the game "
          "has ended")
    ActionChains(page.driver).key_down(Keys.ALT).key_up(Keys.ALT).send_keys(Keys.ENTER).perform()
    said = wait_until("the ended page", lambda: page.script(
        "return document.getElementById('screen').hidden && "
        "!document.getElementById('status').hidden && "
        "document.getElementById('message').textContent"))
    print(f"  the page says: {said}")
    page.keep("8-ended")


def main():
    command_line = parser()
    command_line.add_argument("--references", required=True)
    arguments = command_line.parse_args()
    places = site_places(arguments)
    if chromium.missing():
        skip(chromium.missing())
    references = {name: Image.open(os.path.join(arguments.references, f"{name}.png")).convert("RGB")
                  for name in ("crossword-fresh", "crossword-solved", "credits")}

    with contextlib.ExitStack() as stack:
        # The site from a sub-folder, as many hosts serve it.
        root = stack.enter_context(tempfile.TemporaryDirectory())
        shutil.copytree(arguments.site, os.path.join(root, "juego"))
        server = chromium.serve(root)
        stack.callback(server.shutdown)
        # The page's own lines in the game's bundled sans serif, whatever the machine has installed.
        driver = chromium.start(os.path.join(root, "profile"), fonts=arguments.fonts)
        stack.callback(driver.quit)
        driver.get(f"http://127.0.0.1:{server.server_address[1]}/juego/")
        page = Page(driver, places, arguments.shots)
        try:
            play(page, references)
        except AssertionError:
            if page.last:
                shot = os.path.join(tempfile.gettempdir(), "web-page-failed.png")
                page.last.save(shot)
                print(f"the page as last seen: {shot}")
            raise
        finally:
            errors = [entry["message"] for entry in driver.get_log("browser")
                      if entry["level"] == "SEVERE"]
        assert not errors, f"errors in the page: {errors}"
    print("passed")


if __name__ == "__main__":
    main()
