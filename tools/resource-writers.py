#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""File writers for tools/render-resources (python3 standard library only).

Subcommands:
  frame SRC.svg OUT.svg W H [crop-aspect]
      Copy SRC.svg with its root element set to a W x H pixel size that the
      whole canvas is stretched to (preserveAspectRatio="none").  With
      crop-aspect (width/height), only the centred full-height part of the
      canvas with that aspect ratio is kept, at uniform scale.
  bmp IN.png OUT.bmp
      24-bit uncompressed BMP (BITMAPINFOHEADER), composed over white.
  cur IN.png OUT.cur HOTX HOTY
      Windows cursor, 16 colours (4 bits per pixel) with an AND mask.
  rgba IN.png OUT.rgba
      Raw pixels, 8 bits each of red, green, blue and alpha, top row first:
      what the program's icon is built from without a decoder.
  ico IN.png OUT.ico [MORE.png ...]
      Windows icon: IN.png in 256 colours (8 bits per pixel) with an AND
      mask, then each MORE.png in true colour with alpha (32 bits per pixel;
      256 pixels and more as PNG, as Windows reads them).

Pixels are read with ImageMagick's /usr/bin/convert ("rgba:-").
"""
import re
import struct
import subprocess
import sys

CONVERT = "/usr/bin/convert"


def png_size(path):
    with open(path, "rb") as fh:
        head = fh.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise SystemExit(f"{path}: not a PNG file")
    return struct.unpack(">II", head[16:24])


def read_rgba(path):
    """(width, height, rows) with rows[y][x] = (r, g, b, a), top row first."""
    w, h = png_size(path)
    raw = subprocess.run([CONVERT, path, "-depth", "8", "rgba:-"],
                         check=True, stdout=subprocess.PIPE).stdout
    if len(raw) != w * h * 4:
        raise SystemExit(f"{path}: expected {w * h * 4} bytes of pixels, got {len(raw)}")
    rows = []
    for y in range(h):
        line = raw[y * w * 4:(y + 1) * w * 4]
        rows.append([tuple(line[x * 4:x * 4 + 4]) for x in range(w)])
    return w, h, rows


def _num(v):
    return f"{v:.4f}".rstrip("0").rstrip(".")


def frame(src, out, width, height, crop_aspect=None):
    text = open(src, encoding="utf-8").read()
    m = re.search(r"<svg\b[^>]*>", text)
    if not m:
        raise SystemExit(f"{src}: no <svg> element")
    tag = m.group(0)
    vb = re.search(r'viewBox="([^"]+)"', tag)
    if not vb:
        raise SystemExit(f"{src}: the <svg> element needs a viewBox")
    x, y, w, h = (float(v) for v in vb.group(1).replace(",", " ").split())
    if crop_aspect:
        cw = h * float(crop_aspect)
        x, w = x + (w - cw) / 2, cw
    for attr in ("width", "height", "viewBox", "preserveAspectRatio"):
        tag = re.sub(rf'\s{attr}="[^"]*"', "", tag)
    new = (tag[:-1].rstrip("/").rstrip() +
           f' width="{width}" height="{height}" viewBox="{_num(x)} {_num(y)} {_num(w)} {_num(h)}"'
           f' preserveAspectRatio="none">')
    with open(out, "w", encoding="utf-8") as fh:
        fh.write(text[:m.start()] + new + text[m.end():])


def over_white(p):
    r, g, b, a = p
    return tuple((c * a + 255 * (255 - a) + 127) // 255 for c in (r, g, b))


def bmp(src, out):
    w, h, rows = read_rgba(src)
    stride = (w * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for p in row:
            r, g, b = over_white(p)
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        pixels += line
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(out, "wb") as fh:
        fh.write(head + info + pixels)


def _palette_image(rows, max_colours):
    """Palette (list of rgb) and index rows; transparent pixels get index 0."""
    opaque = [[p[3] >= 128 for p in row] for row in rows]
    colours = []
    seen = {}
    # index 0 is black: the colour of the transparent pixels (XOR 0, AND 1)
    seen[(0, 0, 0)] = 0
    colours.append((0, 0, 0))
    for y, row in enumerate(rows):
        for x, p in enumerate(row):
            if opaque[y][x]:
                c = tuple(p[:3])
                if c not in seen:
                    seen[c] = len(colours)
                    colours.append(c)
    if len(colours) > max_colours:
        raise SystemExit(f"{len(colours)} colours, at most {max_colours} fit")
    index = [[seen[tuple(p[:3])] if opaque[y][x] else 0 for x, p in enumerate(row)]
             for y, row in enumerate(rows)]
    colours += [(0, 0, 0)] * (max_colours - len(colours))
    return colours, index, opaque


def _quantise(path, max_colours):
    """Read an RGBA PNG, reducing its opaque colours to max_colours - 1 if needed."""
    w, h, rows = read_rgba(path)
    colours = {tuple(p[:3]) for row in rows for p in row if p[3] >= 128}
    if len(colours) < max_colours:
        return w, h, rows
    # Let ImageMagick pick the palette of the opaque pixels, then map exactly.
    flat = subprocess.run([CONVERT, path, "-background", "black", "-alpha", "remove",
                           "-alpha", "off", "+dither", "-colors", str(max_colours - 1),
                           "-depth", "8", "rgb:-"],
                          check=True, stdout=subprocess.PIPE).stdout
    out = []
    for y in range(h):
        out.append([tuple(flat[(y * w + x) * 3:(y * w + x) * 3 + 3]) + (rows[y][x][3],)
                    for x in range(w)])
    return w, h, out


def _icon_image(w, h, rows, bits):
    """BITMAPINFOHEADER (doubled height), palette, XOR bits and AND mask."""
    ncol = 1 << bits
    colours, index, opaque = _palette_image(rows, ncol)
    xor_stride = ((w * bits + 31) // 32) * 4
    and_stride = ((w + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(h)):
        line = bytearray(xor_stride)
        mline = bytearray(and_stride)
        for x in range(w):
            i = index[y][x]
            if bits == 8:
                line[x] = i
            else:  # 4 bits: high nibble first
                line[x // 2] |= i << (4 if x % 2 == 0 else 0)
            if not opaque[y][x]:
                mline[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += mline
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bits, 0, len(xor) + len(mask), 0, 0, ncol, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    return info + palette + bytes(xor) + bytes(mask)


def _icon_file(kind, images):
    """ICONDIR + one ICONDIRENTRY per image + the images. kind 1 = icon,
    2 = cursor; images are (w, h, data, colour_count, field1, field2)."""
    head = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for w, h, data, colour_count, field1, field2 in images:
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, colour_count % 256, 0,
                               field1, field2, len(data), offset)
        offset += len(data)
    return head + entries + b"".join(image[2] for image in images)


def _true_colour_image(path):
    """A 32-bit icon image: BGRA rows bottom-up and an AND mask of the
    transparent pixels, or the PNG file itself from 256 pixels up."""
    w, h, rows = read_rgba(path)
    if w >= 256:
        with open(path, "rb") as fh:
            return w, h, fh.read()
    and_stride = ((w + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(h)):
        mline = bytearray(and_stride)
        for x, (r, g, b, a) in enumerate(rows[y]):
            xor += bytes((b, g, r, a))
            if a == 0:
                mline[x // 8] |= 0x80 >> (x % 8)
        mask += mline
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return w, h, info + bytes(xor) + bytes(mask)


def cur(src, out, hot_x, hot_y):
    w, h, rows = _quantise(src, 16)
    if not (0 <= hot_x < w and 0 <= hot_y < h):
        raise SystemExit("hot spot outside the cursor")
    if rows[hot_y][hot_x][3] < 128:
        raise SystemExit(f"{src}: the hot spot ({hot_x},{hot_y}) is a transparent pixel")
    image = _icon_image(w, h, rows, 4)
    # for a cursor, the planes and bit-count fields hold the hot spot
    with open(out, "wb") as fh:
        fh.write(_icon_file(2, [(w, h, image, 16, hot_x, hot_y)]))


def ico(src, out, *more):
    w, h, rows = _quantise(src, 256)
    images = [(w, h, _icon_image(w, h, rows, 8), 0, 1, 8)]
    images += [_true_colour_image(path) + (0, 1, 32) for path in more]
    with open(out, "wb") as fh:
        fh.write(_icon_file(1, images))


def rgba(src, out):
    _, _, rows = read_rgba(src)
    with open(out, "wb") as fh:
        fh.write(bytes(c for row in rows for pixel in row for c in pixel))


def main(argv):
    if len(argv) < 2:
        raise SystemExit(__doc__)
    cmd, args = argv[1], argv[2:]
    if cmd == "frame" and len(args) in (4, 5):
        frame(args[0], args[1], int(args[2]), int(args[3]), args[4] if len(args) == 5 else None)
    elif cmd == "bmp" and len(args) == 2:
        bmp(*args)
    elif cmd == "cur" and len(args) == 4:
        cur(args[0], args[1], int(args[2]), int(args[3]))
    elif cmd == "ico" and len(args) >= 2:
        ico(*args)
    elif cmd == "rgba" and len(args) == 2:
        rgba(*args)
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
