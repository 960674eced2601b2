#!/usr/bin/env python3
"""Builds the Windows images beside this script from the artwork in ../icons and
../pictures:

- tavrel.ico: the 32 x 32 application icon as a 16-colour image (on the
  standard 16-colour palette, drawn from ../icons/tavrel.svg with a flat sky so
  that it needs no dithering) and a 256-colour image (from tavrel-32.png), each
  with its transparency mask; then 48 x 48 in true colour with alpha and
  256 x 256 as PNG, for today's Explorer;
- airliner.bmp and airliner@2x.bmp: the About box's picture, 24-bit.

Needs ImageMagick's convert and rsvg-convert.

    python3 make_images.py
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


def true_colour(size):
    """A 32-bit image with alpha and its AND mask, from tavrel-<size>.png."""
    source = HERE.parent / "icons" / f"tavrel-{size}.png"
    rgba = convert("rgba:-", source=source)
    rows = [rgba[y * size * 4:(y + 1) * size * 4] for y in range(size)]
    xor = b"".join(bytes(c for i in range(0, len(row), 4)
                         for c in (row[i + 2], row[i + 1], row[i], row[i + 3]))
                   for row in reversed(rows))
    mask_row = (size + 31) // 32 * 4
    mask = b"".join(sum(((1 if row[x * 4 + 3] < 128 else 0) << (mask_row * 8 - 1 - x)
                         for x in range(size))).to_bytes(mask_row, "big")
                    for row in reversed(rows))
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    return header + xor + mask


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

    # (size, colours, bits, data); 0 stands for 256 pixels and for 256 or more colours.
    images = [(SIZE, 16, 4, image(colours16, VGA16, 4, opaque)[0]),
              (SIZE, 0, 8, image(colours256, palette256, 8, opaque)[0]),
              (48, 0, 32, true_colour(48)),
              (0, 0, 32, (HERE.parent / "icons" / "tavrel-256.png").read_bytes())]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, colours, bits, data in images:
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    for *_, data in images:
        out += data
    (HERE / "tavrel.ico").write_bytes(bytes(out))

    for name in ("airliner", "airliner@2x"):
        subprocess.run(["convert", str(HERE.parent / "pictures" / f"{name}.png"), "-background",
                        "white", "-alpha", "remove", "-type", "TrueColor",
                        f"BMP3:{HERE / name}.bmp"], check=True)


if __name__ == "__main__":
    main()
