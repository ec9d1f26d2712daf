#!/usr/bin/env python3
"""Pixel plumbing for the drawing script: reads the binary PPM/PGM files that
ImageMagick writes, frames window pictures with their rim, and writes the
8-bit BMPs and the 4-bit icon that the resource script links in.

Standard library only, so the pictures can be redrawn on any machine that
has Python and ImageMagick.
"""
import struct
import sys

MAGENTA = (255, 0, 255)


# ---------------------------------------------------------------- netpbm
def _tokens(data, count, pos):
    out = []
    while len(out) < count:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            while data[pos:pos + 1] not in (b"\n", b""):
                pos += 1
            continue
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        out.append(int(data[start:pos]))
    return out, pos + 1  # exactly one whitespace byte ends the header


def read_pnm(path):
    """Returns (width, height, channels, bytes) of a binary P5 or P6 file."""
    with open(path, "rb") as f:
        data = f.read()
    magic = data[:2]
    if magic not in (b"P5", b"P6"):
        raise ValueError(f"{path}: not a binary PGM/PPM")
    (w, h, maxval), pos = _tokens(data, 3, 2)
    if maxval != 255:
        raise ValueError(f"{path}: expected 8-bit samples, got maxval {maxval}")
    ch = 3 if magic == b"P6" else 1
    px = data[pos:pos + w * h * ch]
    if len(px) != w * h * ch:
        raise ValueError(f"{path}: truncated")
    return w, h, ch, px


def read_rgb(path):
    w, h, ch, px = read_pnm(path)
    if ch != 3:
        raise ValueError(f"{path}: expected a PPM")
    return w, h, [tuple(px[i:i + 3]) for i in range(0, len(px), 3)]


def read_mask(path):
    w, h, ch, px = read_pnm(path)
    if ch != 1:
        raise ValueError(f"{path}: expected a PGM")
    return w, h, [v >= 128 for v in px]


def write_ppm(path, w, h, pixels):
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (w, h))
        f.write(bytes(c for p in pixels for c in p))


def hex_colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


# ---------------------------------------------------------------- frame
def frame(base, masks, rims, out):
    """Paints the window's rim: pixels inside mask k but outside mask k+1
    take rim colour k. Outside the outer mask the pixel becomes rim colour 0,
    so the quantiser spends no palette entry on it; bmp8 keys it later."""
    w, h, px = read_rgb(base)
    shapes = [read_mask(m)[2] for m in masks]
    colours = [hex_colour(c) for c in rims]
    if len(shapes) != len(colours) + 1:
        raise ValueError("frame: need one mask more than rim colours")
    for i in range(w * h):
        if not shapes[0][i]:
            px[i] = colours[0]
            continue
        for k, colour in enumerate(colours):
            if not shapes[k + 1][i]:
                px[i] = colour
                break
    write_ppm(out, w, h, px)


# ---------------------------------------------------------------- BMP
def bmp8_bytes(w, h, pixels):
    """Windows BMP v3, 8 bpp, 256-entry table, BI_RGB, bottom-up."""
    colours = sorted(set(pixels))
    if len(colours) > 256:
        raise ValueError(f"{len(colours)} colours do not fit an 8-bit table")
    index = {c: i for i, c in enumerate(colours)}
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    table += b"\0" * (4 * (256 - len(colours)))
    stride = (w + 3) & ~3
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytes(index[p] for p in pixels[y * w:(y + 1) * w])
        rows.append(row + b"\0" * (stride - w))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(image),
                       2835, 2835, 256, 0)
    offset = 14 + len(info) + len(table)
    head = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return head + info + table + image


def bmp8(src, out, mask=None):
    """Writes src as an 8-bit BMP; with a mask, every pixel outside it becomes
    pure magenta, the key of the window shape, and no pixel inside may be."""
    w, h, px = read_rgb(src)
    if mask:
        mw, mh, inside = read_mask(mask)
        if (mw, mh) != (w, h):
            raise ValueError(f"{mask}: size differs from {src}")
        for i in range(w * h):
            if not inside[i]:
                px[i] = MAGENTA
            elif px[i] == MAGENTA:
                px[i] = (254, 0, 255)
    with open(out, "wb") as f:
        f.write(bmp8_bytes(w, h, px))


# ---------------------------------------------------------------- ICO
def icon_image(src, mask):
    """One 4-bpp icon image: header, 16-entry table, colour and AND masks.
    Palette entry 0 is black so the see-through pixels XOR to nothing."""
    w, h, px = read_rgb(src)
    _, _, opaque = read_mask(mask)
    shown = sorted(set(p for p, o in zip(px, opaque) if o) - {(0, 0, 0)})
    colours = [(0, 0, 0)] + shown
    if len(colours) > 16:
        raise ValueError(f"{src}: {len(colours)} colours, a 4-bit icon has 16")
    colours += [(0, 0, 0)] * (16 - len(colours))
    index = {}
    for i, c in enumerate(colours):
        index.setdefault(c, i)
    xor_stride = ((w * 4 + 31) // 32) * 4
    and_stride = ((w + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for y in range(h - 1, -1, -1):
        nibbles = [index[px[y * w + x]] if opaque[y * w + x] else 0
                   for x in range(w)]
        if len(nibbles) % 2:
            nibbles.append(0)
        row = bytes((nibbles[i] << 4) | nibbles[i + 1]
                    for i in range(0, len(nibbles), 2))
        xor_rows.append(row + b"\0" * (xor_stride - len(row)))
        bits = bytearray(and_stride)
        for x in range(w):
            if not opaque[y * w + x]:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_rows.append(bytes(bits))
    xor_data = b"".join(xor_rows)
    and_data = b"".join(and_rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 4, 0,
                       len(xor_data) + len(and_data), 0, 0, 16, 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    return w, h, info + table + xor_data + and_data


def ico(out, pairs):
    images = [icon_image(src, mask) for src, mask in pairs]
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for w, h, blob in images:
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, 16, 0, 1, 4,
                               len(blob), offset + len(blobs))
        blobs += blob
    with open(out, "wb") as f:
        f.write(head + entries + blobs)


def main(argv):
    cmd, args = argv[1], argv[2:]
    if cmd == "frame":
        # frame BASE OUT MASK0 MASK1 .. MASKn -- RIM0 .. RIMn-1
        cut = args.index("--")
        frame(args[0], args[2:cut], args[cut + 1:], args[1])
    elif cmd == "bmp8":
        bmp8(args[0], args[1], args[2] if len(args) > 2 else None)
    elif cmd == "ico":
        ico(args[0], list(zip(args[1::2], args[2::2])))
    else:
        raise SystemExit(f"unknown command {cmd}")


if __name__ == "__main__":
    main(sys.argv)
