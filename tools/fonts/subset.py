#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes a smaller copy of a bundled font for the browser build: only the letters Spanish text uses
(Latin-1 and the common typographic marks), with the hinting and layout kept so that text sets as
with the whole font, under a family name of its own, as the font's licence (SIL OFL 1.1) asks of a
modified version. The same input gives the same bytes.

    subset.py INPUT OUTPUT FAMILY
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Basic Latin, Latin-1, the euro, dashes, quotation marks and the ellipsis.
LETTERS = [*range(0x20, 0x7F), *range(0xA0, 0x100), 0x20AC, 0x2013, 0x2014, *range(0x2018, 0x201F),
           0x2022, 0x2026]


def rename(font, family):
    style = font["name"].getDebugName(2) or "Regular"
    full = family if style == "Regular" else f"{family} {style}"
    postscript = f"{family}-{style}".replace(" ", "")
    names = font["name"]
    # The original's typographic family and unique names would still carry its name.
    names.names = [record for record in names.names if record.nameID not in (3, 16, 17, 18, 21, 22)]
    for record in names.names:
        if record.nameID in (1, 4, 6):
            record.string = {1: family, 4: full, 6: postscript}[record.nameID]
    names.setName(f"{postscript};subset", 3, 3, 1, 0x409)
    names.setName(f"{postscript};subset", 3, 1, 0, 0)


def main(source, target, family):
    options = subset.Options()
    options.hinting = True
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    font = TTFont(source, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=LETTERS)
    subsetter.subset(font)
    rename(font, family)
    font.save(target)


if __name__ == "__main__":
    main(*sys.argv[1:])
