#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/
from the built-in skin, pictures and layouts, plus a few small hand-made
inputs that reach each branch (every image notation, a pack with a JPEG
entry, an empty pack). Crash inputs found later are added to the same
folders by hand (named crash-<what>) and are kept when this is run again."""
import os
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "fuzz", "corpus")


def read(*parts):
    with open(os.path.join(ROOT, *parts), "rb") as f:
        return f.read()


def write(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def pack(files):
    out = b"ASzf" + struct.pack("<I", len(files))
    for name, data in files:
        raw = name.encode("latin-1")
        out += struct.pack("<I", len(raw)) + raw + struct.pack("<I", len(data)) + zlib.compress(data)
    return out


birch_options = read("resources", "skin", "Birch", "Options.dat")
river = read("resources", "pictures", "river.jpg")

# Small skins that reach each notation of the options file.
notations = {
    "glyph": b"[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nCHECK=@0008@0000@0012@0002@2@0\r\n",
    "border": b"[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n[BUTTON]\r\nCOLOR=255\r\n"
              b"BORDERSMASK=^0000^0000^0008^0004^0001^0001^0001^0001^2^0^1^0\r\n",
    "texture": b"[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n[FORM]\r\nPATTERN=~0110~0036~0113~0042~10~1\r\n",
    "old": b"[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n[EDIT]\r\nBORDERSMASK=#0 (1,2,30,20) (3,1,2,1)\r\n",
    "own": b"[BUTTON]\r\nBORDERSMASK=!BUTTONHUGE.BMP!3!1!0!0048!0048!0047!0047\r\nIMGTOPLEFT=!TL.BMP!1!1!2\r\n",
    "plainfile": b"[PANEL]\r\nPATTERN=TL.BMP\r\nHOTPATTERN=river.jpg\r\n",
    "general": b"[GLOBALINFO]\r\nVERSION=3.5\r\nCOLOR=15660020\r\n[BUTTON]\r\nCOLOR=255\r\nTRANSPARENCY=40\r\n"
               b"GRADIENT=255;65280;50;1;16711680;0;50;1\r\nPARENTCLASS=FORM\r\n",
}

# Options loaders: first byte 0 = pictures from the built-in pack, 1 = from a folder.
for mode in (0, 1):
    write("skin_options_fuzz", "birch-%d" % mode, bytes([mode]) + birch_options)
    write("skinpack_preview_fuzz", "birch-%d" % mode, bytes([mode]) + birch_options)
    for name, text in notations.items():
        write("skin_options_fuzz", "%s-%d" % (name, mode), bytes([mode]) + text)
        write("skinpack_preview_fuzz", "%s-%d" % (name, mode), bytes([mode]) + text)

write("skin_pack_fuzz", "birch.asz", read("resources", "skins", "Birch.asz"))
write("skin_pack_fuzz", "empty.asz", b"ASzf" + struct.pack("<I", 0))
write("skin_pack_fuzz", "options-only.asz", pack([("OPTIONS.DAT", notations["general"])]))
write("skin_pack_fuzz", "with-jpeg.asz", pack([("Options.dat", notations["plainfile"]), ("river.jpg", river[:4096])]))
write("skin_pack_fuzz", "tiny-master.asz",
      pack([("Options.dat", notations["border"]), ("Master.bmp", read("resources", "pictures", "cabbage.bmp"))]))

for picture in ("cabbage.bmp", "goat.bmp", "oldman.bmp", "wolf.bmp"):
    write("bmp_fuzz", picture, read("resources", "pictures", picture))
write("bmp_fuzz", "buttonhuge.bmp", read("resources", "skin", "Birch", "ButtonHuge.bmp"))

write("jpeg_fuzz", "river.jpg", river)

for layout in sorted(os.listdir(os.path.join(ROOT, "resources", "layouts"))):
    write("layout_fuzz", layout, read("resources", "layouts", layout))
