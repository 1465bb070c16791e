#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Write a greyed "disabled" twin beside every button glyph.

For each *.svg in app/pictures, jung/glyphs and gauss/glyphs (but not the
clips picture, the application icon, or a file that is already a
*_disabled.svg) this writes <name>_disabled.svg, in which every #rrggbb
colour is replaced by a light grey taken from the colour's luminance:
black becomes #808080 and white #e0e0e0, so the glyph reads as a faded
grey button.

The output depends only on the source glyph, so running the script again
changes nothing; a file is rewritten only when its text would differ.
Prints nothing on success.
"""

import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FOLDERS = ("app/pictures", "jung/glyphs", "gauss/glyphs")
SKIP = {"clips.svg", "icon.svg"}
SUFFIX = "_disabled"

DARKEST = 0x80
LIGHTEST = 0xE0

COLOUR = re.compile(r"#([0-9a-fA-F]{6})(?![0-9a-fA-F])")


def grey_of(match):
    value = match.group(1)
    r, g, b = (int(value[i:i + 2], 16) for i in (0, 2, 4))
    luminance = (0.299 * r + 0.587 * g + 0.114 * b) / 255.0
    level = int(round(DARKEST + luminance * (LIGHTEST - DARKEST)))
    return "#{0:02x}{0:02x}{0:02x}".format(level)


def sources():
    for folder in FOLDERS:
        directory = ROOT / folder
        if not directory.is_dir():
            continue
        for path in sorted(directory.glob("*.svg")):
            if path.name in SKIP or path.stem.endswith(SUFFIX):
                continue
            yield path


def main():
    for source in sources():
        text = source.read_text(encoding="utf-8")
        greyed = COLOUR.sub(grey_of, text)
        target = source.with_name(source.stem + SUFFIX + ".svg")
        if target.exists() and target.read_text(encoding="utf-8") == greyed:
            continue
        target.write_text(greyed, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
