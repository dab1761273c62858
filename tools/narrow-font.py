#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the face Velluna.exe carries from a Liberation Sans 2 file: every
# glyph and every kerning distance narrowed to 88 % of its width, as the
# Linux window narrows Liberation Sans, so that Windows' own font engine
# draws the window's text with the same advances; the characters of the
# Latin alphabets and their punctuation only; the hinting, written for the
# unnarrowed outlines, left out. A modified version of a font under the SIL
# Open Font License 1.1 may not use its Reserved Font Name ("Liberation"):
# the result is named FAMILY, and keeps the copyright and the licence.
# Usage: narrow-font.py IN.ttf OUT.ttf FAMILY
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

NARROWING = 0.88
KEPT = [*range(0x20, 0x7F), *range(0xA0, 0x250), *range(0x2000, 0x2070), 0x20AC, 0x2122]

source, target, family = sys.argv[1:4]
font = TTFont(source, lazy=False)
options = subset.Options()
options.hinting = False
options.name_IDs = ["*"]
options.name_languages = ["*"]
options.layout_features = ["*"]
subsetter = subset.Subsetter(options)
subsetter.populate(unicodes=KEPT)
subsetter.subset(font)


def narrow(x):
    return round(x * NARROWING)


glyf, hmtx = font["glyf"], font["hmtx"]
for name in font.getGlyphOrder():
    glyph = glyf[name]
    if glyph.isComposite():
        for component in glyph.components:
            component.x = narrow(component.x)
    elif glyph.numberOfContours > 0:
        glyph.coordinates.scale((NARROWING, 1))
        glyph.coordinates.toInt()
for name in font.getGlyphOrder():
    glyph = glyf[name]
    glyph.recalcBounds(glyf)
    advance, _ = hmtx[name]
    hmtx[name] = (narrow(advance), glyph.xMin if glyph.numberOfContours else 0)

# Kerning and mark positions, wherever the layout tables hold a distance
# along the line.
seen = set()


def narrow_layout(value):
    if id(value) in seen:
        return
    seen.add(id(value))
    if isinstance(value, list):
        for item in value:
            narrow_layout(item)
    elif hasattr(value, "__dict__"):
        for key, item in vars(value).items():
            if key in ("XAdvance", "XPlacement", "XCoordinate") and isinstance(item, int):
                setattr(value, key, narrow(item))
            elif isinstance(item, list) or hasattr(item, "__dict__"):
                narrow_layout(item)


if "GPOS" in font:
    narrow_layout(font["GPOS"].table)
if "kern" in font:
    for table in font["kern"].kernTables:
        table.kernTable = {pair: narrow(v) for pair, v in table.kernTable.items()}
font["OS/2"].recalcAvgCharWidth(font)

for tag in ("hdmx", "VDMX", "LTSH"):  # widths per size, of the unnarrowed glyphs
    if tag in font:
        del font[tag]

names = font["name"]
style = names.getDebugName(2)
names.removeNames(nameID=7)  # the trademark of the original name
for record in list(names.names):
    where = (record.platformID, record.platEncID, record.langID)
    if record.nameID in (1, 16):
        names.setName(family, record.nameID, *where)
    elif record.nameID in (3, 4):
        names.setName(f"{family} {style}", record.nameID, *where)
    elif record.nameID == 6:
        names.setName(f"{family}-{style}".replace(" ", ""), 6, *where)
names.setName(f"{family}: Liberation Sans narrowed to 88 % for Velluna", 10, 3, 1, 0x409)
font.save(target)
