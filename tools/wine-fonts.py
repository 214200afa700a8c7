#!/usr/bin/env python3
"""Gives a Wine prefix the core fonts of Windows that the course is designed in, in the metrics of Windows'
own: Arial, Times New Roman and Courier New, made from the Liberation fonts, whose metrics are theirs.

Wine's font replacements reach GDI, but Qt's DirectWrite font database lists only the families that
DirectWrite enumerates, which are the names inside the font files. So each Liberation face is copied under
the name of the family it stands for, into the prefix's Windows\\Fonts, and registered there as Windows
registers a font. The Liberation fonts are under the SIL Open Font License 1.1, whose Reserved Font Name
is "Liberation": the copies carry no Liberation name, as the licence asks of a changed font; they live in a
test prefix only and go nowhere else.

Usage: wine-fonts.py PREFIX   (writes PREFIX/drive_c/windows/Fonts/*.ttf and PREFIX/core-fonts.reg)
"""
import pathlib
import sys

from fontTools.ttLib import TTFont

LIBERATION = pathlib.Path("/usr/share/fonts/truetype/liberation")
# Windows' family, the Liberation family with its metrics, and Windows' file names of the four faces.
FAMILIES = [
    ("Arial", "LiberationSans", "arial"),
    ("Times New Roman", "LiberationSerif", "times"),
    ("Courier New", "LiberationMono", "cour"),
]
FACES = [("Regular", ""), ("Bold", "bd"), ("Italic", "i"), ("BoldItalic", "bi")]
STYLE_NAMES = {"Regular": "Regular", "Bold": "Bold", "Italic": "Italic", "BoldItalic": "Bold Italic"}


def renamed(source: pathlib.Path, family: str, face: str) -> TTFont:
    font = TTFont(source)
    style = STYLE_NAMES[face]
    full = family if face == "Regular" else f"{family} {style}"
    postscript = family.replace(" ", "") + ("" if face == "Regular" else "-" + face)
    names = font["name"]
    for record in list(names.names):
        if record.nameID in (1, 16):
            record.string = family
        elif record.nameID in (3, 4):
            record.string = full
        elif record.nameID == 6:
            record.string = postscript
        elif record.nameID in (0, 7, 17, 18, 21, 22) or "Liberation" in record.toUnicode():
            # The copyright and trademark of Liberation stay; any other name of it goes.
            if record.nameID not in (0, 7):
                names.removeNames(nameID=record.nameID)
    return font


def main() -> int:
    prefix = pathlib.Path(sys.argv[1])
    fonts = prefix / "drive_c" / "windows" / "Fonts"
    fonts.mkdir(parents=True, exist_ok=True)
    registry = ["REGEDIT4", "", r"[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]"]
    for family, liberation, file_stem in FAMILIES:
        for face, suffix in FACES:
            target = f"{file_stem}{suffix}.ttf"
            renamed(LIBERATION / f"{liberation}-{face}.ttf", family, face).save(fonts / target)
            style = "" if face == "Regular" else " " + STYLE_NAMES[face]
            registry.append(f'"{family}{style} (TrueType)"="{target}"')
    (prefix / "core-fonts.reg").write_text("\r\n".join(registry) + "\r\n", encoding="ascii")
    return 0


if __name__ == "__main__":
    sys.exit(main())
