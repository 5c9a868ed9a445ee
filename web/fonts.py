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

# The letters of English, German, French, Spanish and Dutch, their quotation marks and spaces,
# and the signs the messages and the working write: × ÷ − √ ≤ ≥, superscript exponents, ¶ → ◌ …
# (a quoted text's marks). A first visit downloads the fonts whole: the fewer glyphs, the lighter.
SHOWN = ("\u00a0\u202f¡¿«»‘’‚“”„–—…"
         "ÀÁÂÄÆÇÈÉÊËÍÎÏÑÓÔÖÙÚÛÜŸŒĲàáâäæçèéêëíîïñóôöùúûüÿœĳß"
         "×÷−√≤≥¹²³⁰⁴⁵⁶⁷⁸⁹⁻¶→◌")


def ranges(codes):  # consecutive code points as one range
    found = []
    for code in sorted(codes):
        if found and found[-1][1] == code - 1:
            found[-1][1] = code
        else:
            found.append([code, code])
    return found


RANGES = ranges(set(range(0x20, 0x7F)) | set(map(ord, SHOWN)))

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
    font = TTFont(path, recalcTimestamp=False)  # the same fonts make the same files, and the same site version
    family, weight = font["name"].getDebugName(1), font["OS/2"].usWeightClass
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=unicodes)
    subsetter.subset(font)
    font.flavor = "woff2"
    font.save(out / f"{path.stem}.woff2")
    css.append(f'@font-face {{\n  font-family: "{family}";\n  font-weight: {weight};\n'
               f'  src: url({path.stem}.woff2) format("woff2");\n  unicode-range: {unicode_range};\n'
               # Text is drawn at once in the system's face, and in this one when it arrives: on a
               # slow link the page is asked for it only once its text is first laid out, after
               # the module, and a face that blocks would hide every caption for that latency.
               '  font-display: swap;\n}')
(out / "fonts.css").write_text("\n".join(css) + "\n")
