#!/usr/bin/env python3
"""Builds tavrel.ico: the 32 x 32 application icon as a 16-colour image (on the
standard 16-colour palette, drawn from ../icons/tavrel.svg with a flat sky so
that it needs no dithering) and a 256-colour image (from tavrel-32.png), each
with its transparency mask. Needs ImageMagick's convert and rsvg-convert.

    python3 make_ico.py   # rewrites tavrel.ico beside this script
"""
import pathlib
import struct
import subprocess
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
SOURCE = HERE.parent / "icons" / "tavrel-32.png"
SVG = HERE.parent / "icons" / "tavrel.svg"
FLAT_SKY = "#000080"
SIZE = 32
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def convert(*args, source=SOURCE):
    return subprocess.run(["convert", str(source), *args], check=True,
                          capture_output=True).stdout


def pixels(raw):
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def image(colours, palette, bits, opaque):
    index = {colour: i for i, colour in enumerate(palette)}
    row_bytes = (SIZE * bits + 31) // 32 * 4
    xor = bytearray()
    for y in reversed(range(SIZE)):  # bottom-up rows
        row = [index[colours[y * SIZE + x]] if opaque[y * SIZE + x] else 0 for x in range(SIZE)]
        packed = bytearray()
        if bits == 4:
            for x in range(0, SIZE, 2):
                packed.append(row[x] << 4 | row[x + 1])
        else:
            packed.extend(row)
        xor += packed.ljust(row_bytes, b"\0")
    mask = bytearray()
    for y in reversed(range(SIZE)):
        bits_row = 0
        for x in range(SIZE):
            bits_row = bits_row << 1 | (0 if opaque[y * SIZE + x] else 1)
        mask += struct.pack(">I", bits_row)
    count = 1 << bits
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, bits, 0, len(xor) + len(mask),
                         0, 0, count, 0)
    rgbquads = b"".join(struct.pack("BBBB", b, g, r, 0)
                        for r, g, b in palette + [(0, 0, 0)] * (count - len(palette)))
    return header + rgbquads + bytes(xor) + bytes(mask), count


def main():
    opaque = [a >= 128 for a in convert("-alpha", "extract", "gray:-")]
    with tempfile.TemporaryDirectory() as tmp:
        vga = pathlib.Path(tmp) / "vga16.png"
        swatches = [f"xc:rgb({r},{g},{b})" for r, g, b in VGA16]
        subprocess.run(["convert", "-size", "1x1", *swatches, "+append", str(vga)], check=True)
        flat_svg = pathlib.Path(tmp) / "flat.svg"
        flat_svg.write_text(SVG.read_text().replace("url(#sky)", FLAT_SKY))
        flat = pathlib.Path(tmp) / "flat.png"
        subprocess.run(["rsvg-convert", "-w", str(SIZE), "-h", str(SIZE), str(flat_svg), "-o",
                        str(flat)], check=True)
        colours16 = pixels(convert("-background", "black", "-alpha", "remove", "-dither", "None",
                                   "-remap", str(vga), "rgb:-", source=flat))
    colours256 = pixels(convert("-background", "black", "-alpha", "remove", "-dither", "None",
                                "-colors", "256", "rgb:-"))
    palette256 = sorted(set(colours256))

    images = [image(colours16, VGA16, 4, opaque), image(colours256, palette256, 8, opaque)]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for (data, count), bits in zip(images, (4, 8)):
        out += struct.pack("<BBBBHHII", SIZE, SIZE, count if count < 256 else 0, 0, 1, bits,
                           len(data), offset)
        offset += len(data)
    for data, _ in images:
        out += data
    (HERE / "tavrel.ico").write_bytes(bytes(out))


if __name__ == "__main__":
    main()
