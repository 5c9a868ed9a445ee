# SPDX-License-Identifier: GPL-3.0-or-later
"""Cuts each font to the characters the program and its translations show, as WOFF2, and
writes fonts.css with a @font-face for each, under the family the font names itself; any
other character falls back to the system's fonts.

    fonts.py OUT_DIR FONT...
"""
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Latin with the accented letters of German, French, Spanish and Dutch (Latin-1, Œ œ Ÿ Ĳ ĳ),
# their quotation marks and dashes, and the signs the messages and the working use:
# × ÷ ¶ (in Latin-1), − √ → ◌ … and €.
RANGES = [(0x20, 0x7E), (0xA0, 0xFF), (0x132, 0x133), (0x152, 0x153), (0x178, 0x178),
          (0x2013, 0x2014), (0x2018, 0x201E), (0x2026, 0x2026), (0x20AC, 0x20AC),
          (0x2192, 0x2192), (0x2212, 0x2212), (0x221A, 0x221A), (0x25CC, 0x25CC)]

out, fonts = pathlib.Path(sys.argv[1]), sys.argv[2:]
options = subset.Options()
options.flavor = "woff2"
options.hinting = False  # the page is drawn at many sizes; the browser's own smoothing is better
options.desubroutinize = True  # compresses better
options.layout_features = ["kern"]
unicodes = [c for first, last in RANGES for c in range(first, last + 1)]
unicode_range = ", ".join(f"U+{a:X}" if a == b else f"U+{a:X}-{b:X}" for a, b in RANGES)
css = ["/* Written by web/fonts.py from the fonts it was given. */"]
for path in map(pathlib.Path, fonts):
    font = TTFont(path)
    family, weight = font["name"].getDebugName(1), font["OS/2"].usWeightClass
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=unicodes)
    subsetter.subset(font)
    font.flavor = "woff2"
    font.save(out / f"{path.stem}.woff2")
    css.append(f'@font-face {{\n  font-family: "{family}";\n  font-weight: {weight};\n'
               f'  src: url({path.stem}.woff2) format("woff2");\n  unicode-range: {unicode_range};\n}}')
(out / "fonts.css").write_text("\n".join(css) + "\n")
