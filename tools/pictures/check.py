#!/usr/bin/env python3
"""Checks the drawn resources in app/res against what the program relies on:
sizes, 8-bit pictures with a full 256-entry colour table, window outlines the
shape scan turns into one rectangle per row, opaque buttons without the green
see-through key, and an icon of two 4-bit images.

Usage: check.py [RESDIR]   (default: app/res beside this tools folder)
Exits non-zero and lists every fault found.
"""
import os
import struct
import sys

MAGENTA = (255, 0, 255)
GREEN = (0, 255, 0)

# name: (width, height, rows with content, first such row)
WINDOWS = {
    "calc_background.bmp": (350, 450, 450, 0),
    "about_background.bmp": (250, 150, 126, 12),
    "table_background.bmp": (600, 350, 324, 13),
}
BUTTONS = {}
for _name, _w in (("hide", 50), ("exit", 50), ("about", 50), ("reset", 50),
                  ("display", 150), ("save", 50), ("close", 75)):
    for _state in ("normal", "hover"):
        BUTTONS[f"{_name}_{_state}.bmp"] = (_w, 25)
ICON = "velkaro.ico"


class Faults(list):
    def add(self, name, what):
        self.append(f"{name}: {what}")


def read_bmp8(path, name, faults):
    """Returns (width, height, rows of RGB tuples, top row first) or None."""
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < 54 or data[:2] != b"BM":
        faults.add(name, "not a BMP file")
        return None
    _, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    (hsize, w, h, planes, bpp, comp, _, _, _, used,
     _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    if size != len(data):
        faults.add(name, f"file size field {size}, file has {len(data)} bytes")
    if hsize != 40:
        faults.add(name, f"header size {hsize}, want a v3 header (40)")
    if planes != 1 or bpp != 8:
        faults.add(name, f"{planes} planes x {bpp} bpp, want 1 x 8")
        return None
    if comp != 0:
        faults.add(name, f"compression {comp}, want BI_RGB (0)")
        return None
    if h <= 0:
        faults.add(name, "rows stored top-down, want bottom-up")
        return None
    entries = used or 256
    if entries != 256:
        faults.add(name, f"colour table of {entries} entries, want 256")
    table_end = 14 + hsize + 4 * entries
    if offset < table_end:
        faults.add(name, f"pixels at {offset} overlap the colour table")
        return None
    table = [(data[p + 2], data[p + 1], data[p])
             for p in range(14 + hsize, table_end, 4)]
    stride = (w + 3) & ~3
    if offset + stride * h > len(data):
        faults.add(name, "pixel data truncated")
        return None
    rows = []
    for y in range(h):
        start = offset + (h - 1 - y) * stride
        rows.append([table[i] if i < entries else None
                     for i in data[start:start + w]])
    if any(p is None for row in rows for p in row):
        faults.add(name, "pixel index beyond the colour table")
        return None
    return w, h, rows


def check_window(path, name, faults):
    want_w, want_h, want_rows, first = WINDOWS[name]
    got = read_bmp8(path, name, faults)
    if not got:
        return
    w, h, rows = got
    if (w, h) != (want_w, want_h):
        faults.add(name, f"{w}x{h}, want {want_w}x{want_h}")
        return
    content = []
    for y, row in enumerate(rows):
        runs, inside = [], False
        for x, p in enumerate(row):
            if p != MAGENTA and not inside:
                runs.append(x)
            inside = p != MAGENTA
        if len(runs) > 1:
            faults.add(name, f"row {y} holds {len(runs)} runs, want one")
        if runs:
            content.append(y)
    if len(content) != want_rows:
        faults.add(name, f"{len(content)} rows with content, want {want_rows}")
    elif content != list(range(first, first + want_rows)):
        faults.add(name, f"content rows {content[0]}..{content[-1]}, want "
                         f"{first}..{first + want_rows - 1}")
    if not any(p == MAGENTA for row in rows for p in row) and want_rows < h:
        faults.add(name, "no magenta outside the outline")
    return rows


def check_calc_controls(rows, faults):
    """The top buttons must lie wholly inside the outline: the corner
    there is square, so rows 1..25 reach the right edge from x 200."""
    name = "calc_background.bmp"
    for y in range(1, 26):
        if any(p == MAGENTA for p in rows[y][200:350]):
            faults.add(name, f"row {y} cut by the outline under the top buttons")
            return


def check_button(path, name, faults):
    want = BUTTONS[name]
    got = read_bmp8(path, name, faults)
    if not got:
        return None
    w, h, rows = got
    if (w, h) != want:
        faults.add(name, f"{w}x{h}, want {want[0]}x{want[1]}")
    pixels = [p for row in rows for p in row]
    if GREEN in pixels:
        faults.add(name, "holds pure green, which would show see-through")
    if MAGENTA in pixels:
        faults.add(name, "holds magenta; buttons are opaque")
    return pixels


def check_icon(path, faults):
    name = ICON
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < 6:
        faults.add(name, "truncated")
        return
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        faults.add(name, "not an icon file")
        return
    if count != 2:
        faults.add(name, f"{count} images, want 2")
    sizes = []
    for k in range(count):
        (bw, bh, colours, _, planes, bits, length,
         offset) = struct.unpack_from("<BBBBHHII", data, 6 + 16 * k)
        w, h = bw or 256, bh or 256
        sizes.append(w)
        label = f"image {k} ({w}x{h})"
        blob = data[offset:offset + length]
        if len(blob) != length:
            faults.add(name, f"{label} truncated")
            continue
        if blob[:4] == b"\x89PNG":
            faults.add(name, f"{label} is PNG, want a BMP-format image")
            continue
        if colours != 16 or bits != 4:
            faults.add(name, f"{label} directory says {colours} colours, "
                             f"{bits} bpp, want 16 and 4")
        (hsize, iw, ih, iplanes, ibits, comp, _, _, _, used,
         _) = struct.unpack_from("<IiiHHIIiiII", blob, 0)
        if (hsize, iw, ih, iplanes, ibits, comp) != (40, w, 2 * h, 1, 4, 0):
            faults.add(name, f"{label} header {hsize},{iw}x{ih},{iplanes} "
                             f"planes,{ibits} bpp,comp {comp}")
            continue
        if used not in (0, 16):
            faults.add(name, f"{label} uses {used} colours, want 16")
        xor = ((w * 4 + 31) // 32) * 4 * h
        mask = ((w + 31) // 32) * 4 * h
        if length != 40 + 64 + xor + mask:
            faults.add(name, f"{label} is {length} bytes, want "
                             f"{40 + 64 + xor + mask} with its AND mask")
        opaque = sum(8 - bin(b).count("1") for b in blob[40 + 64 + xor:])
        if opaque < w * h // 2:
            faults.add(name, f"{label} mask leaves only {opaque} pixels shown")
    if sorted(sizes) != [16, 32]:
        faults.add(name, f"image sizes {sizes}, want 32 and 16")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    res = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "app", "res")
    faults = Faults()
    expected = set(WINDOWS) | set(BUTTONS) | {ICON}
    present = set(os.listdir(res)) if os.path.isdir(res) else set()
    for name in sorted(expected - present):
        faults.add(name, "missing")
    for name in sorted(present - expected):
        faults.add(name, "not a known resource")
    for name in sorted(WINDOWS):
        if name in present:
            rows = check_window(os.path.join(res, name), name, faults)
            if rows and name == "calc_background.bmp":
                check_calc_controls(rows, faults)
    pictures = {}
    for name in sorted(BUTTONS):
        if name in present:
            pictures[name] = check_button(os.path.join(res, name), name, faults)
    for name in sorted(BUTTONS):
        if name.endswith("_hover.bmp"):
            normal = name.replace("_hover", "_normal")
            a, b = pictures.get(name), pictures.get(normal)
            if a and b and len(a) == len(b):
                differ = sum(p != q for p, q in zip(a, b))
                if differ < len(a) // 3:
                    faults.add(name, f"differs from {normal} in only "
                                     f"{differ} of {len(a)} pixels")
    if ICON in present:
        check_icon(os.path.join(res, ICON), faults)
    for fault in faults:
        print(fault)
    checked = len(expected & present)
    print(f"{checked} files checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
