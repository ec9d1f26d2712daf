#!/usr/bin/env python3
"""Draws Velkaro's window pictures, button pictures and icon with ImageMagick.

Usage: draw.py OUTDIR WORKDIR   (draw.sh passes app/res and a temporary dir)

Everything is drawn in full colour first; pack.py then keys the outline,
and the quantiser folds each picture into one 256-entry table.
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
CONVERT = "/usr/bin/convert"
FONTS = "/usr/share/fonts/truetype/dejavu/"
SANS = FONTS + "DejaVuSans.ttf"
BOLD = FONTS + "DejaVuSans-Bold.ttf"

# One palette for everything: a deep blue body that lets the program's
# pure blue text bars read as lit display panels.
BODY_TOP = "#2d5db6"
BODY_BOTTOM = "#112d6b"
HEADER_TOP = "#0c2257"
HEADER_BOTTOM = "#1b4290"
WELL = "#071433"             # recesses around controls
WELL_EDGE = "rgba(150,190,255,0.45)"
RIM_OUTER = "#040c24"        # one-pixel outline of each window
RIM_INNER = "#6f97e0"        # and the soft highlight inside it
LABEL = "#e6eeff"
SOFT = "#a8c3f0"
DIM = "#7d9ad0"
TAB = "rgba(6,20,56,0.55)"
MOTIF = "rgba(255,255,255,0.14)"

BUTTON = {
    # state: gradient top, gradient bottom, outline, inner highlight, text
    "normal": ("#3d6fd0", "#1c3f8f", "#081a46", "rgba(255,255,255,0.30)", "#f2f6ff"),
    "hover": ("#6aa6ff", "#2d66d2", "#e3f2ff", "rgba(190,228,255,0.95)", "#ffffff"),
}

OUT = WORK = None


def run(*args):
    subprocess.run([CONVERT, *map(str, args)], check=True)


def pack(*args):
    subprocess.run([sys.executable, os.path.join(HERE, "pack.py"),
                    *map(str, args)], check=True)


def work(name):
    return os.path.join(WORK, name)


def text(s, x, y, size, fill, font=BOLD, anchor="c", width=None, height=None,
         shadow=None):
    """ImageMagick arguments writing s with its vertical centre at y and its
    centre ('c'), left edge ('w') or right edge ('e') at x."""
    gravity = {"c": "Center", "w": "West", "e": "East"}[anchor]

    def at(dx, dy):
        if anchor == "c":
            gx, gy = x + dx - width / 2, y + dy - height / 2
        elif anchor == "w":
            gx, gy = x + dx, y + dy - height / 2
        else:
            gx, gy = width - x - dx, y + dy - height / 2
        return f"{round(gx):+d}{round(gy):+d}"

    args = ["-gravity", gravity, "-font", font, "-pointsize", size,
            "-stroke", "none"]
    if shadow:
        args += ["-fill", shadow, "-annotate", at(0, 1), s]
    args += ["-fill", fill, "-annotate", at(0, 0), s, "-gravity", "NorthWest"]
    return args


def texts(w, h, items):
    args = []
    for item in items:
        s, x, y, size, fill, *rest = item
        opts = rest[0] if rest else {}
        args += text(s, x, y, size, fill, width=w, height=h, **opts)
    return args


def draw(fill, primitive, stroke="none", width=1):
    return ["-fill", fill, "-stroke", stroke, "-strokewidth", width,
            "-draw", primitive]


def well(x0, y0, x1, y1, r=3):
    """A recess: dark fill with a faint lit edge, inclusive pixel corners."""
    return draw(WELL, f"roundrectangle {x0},{y0} {x1},{y1} {r},{r}") + \
        draw("none", f"roundrectangle {x0 + .5},{y0 + .5} {x1 - .5},{y1 - .5} {r},{r}",
             WELL_EDGE)


# ---------------------------------------------------------------- emblem
# On a 16-unit grid: a network box feeding a bus that splits into three
# subnets, on a rounded blue tile.
EMBLEM_WHITE = [(5, 2, 10, 5), (7, 6, 8, 7), (2, 8, 13, 8),
                (2, 9, 2, 10), (7, 9, 8, 10), (13, 9, 13, 10)]
EMBLEM_CYAN = [(1, 11, 4, 13), (6, 11, 9, 13), (11, 11, 14, 13)]


def emblem(size, out):
    s = size / 16
    alias = "+antialias" if size <= 32 else "-antialias"

    def rect(x0, y0, x1, y1):
        return (f"rectangle {round(s * x0)},{round(s * y0)} "
                f"{round(s * (x1 + 1)) - 1},{round(s * (y1 + 1)) - 1}")

    r = max(2, round(3 * s))
    # Small sizes stay crisp; the large one gets smooth corners.
    tile = ["-size", f"{size}x{size}", "gradient:#5797f5-#173a8c", alias]
    for box in EMBLEM_WHITE:
        tile += draw("#ffffff", rect(*box))
    for box in EMBLEM_CYAN:
        tile += draw("#a9dcff", rect(*box))
    if size <= 32:
        edge = f"roundrectangle 0,0 {size - 1},{size - 1} {r},{r}"
    else:
        edge = f"roundrectangle 0.5,0.5 {size - 1.5},{size - 1.5} {r},{r}"
    run(*tile, "-fill", "none", "-stroke", "#0a1f55", "-strokewidth", 1,
        "-draw", edge,
        "(", "-size", f"{size}x{size}", "xc:black", alias, "-fill", "white",
        "-draw", f"roundrectangle 0,0 {size - 1},{size - 1} {r},{r}", ")",
        "-alpha", "off", "-compose", "CopyOpacity", "-composite", out)


def icon():
    pairs = []
    for size in (32, 16):
        png = work(f"emblem{size}.png")
        emblem(size, png)
        # The see-through area takes the outline colour so that the
        # quantiser spends no entry on it; the AND mask hides it.
        run(png, "-background", "#0a1f55", "-alpha", "remove", "+dither",
            "-colors", 15, "-depth", 8, f"ppm:{work(f'icon{size}.ppm')}")
        run(png, "-alpha", "extract", "-threshold", "50%", "-depth", 8,
            f"pgm:{work(f'icon{size}.pgm')}")
        pairs += [work(f"icon{size}.ppm"), work(f"icon{size}.pgm")]
    pack("ico", os.path.join(OUT, "velkaro.ico"), *pairs)


# ---------------------------------------------------------------- windows
def outline(name, w, h, shape, insets=(0, 1, 2)):
    """Masks of the window's outline and of the two rims inside it."""
    masks = []
    for d in insets:
        path = work(f"{name}_mask{d}.pgm")
        run("-size", f"{w}x{h}", "xc:black", "+antialias", "-fill", "white",
            "-stroke", "none", *sum((["-draw", p] for p in shape(d)), []),
            "-depth", 8, f"pgm:{path}")
        masks.append(path)
    return masks


def finish(name, w, h, shape, base):
    """Rims the picture, folds it into 256 colours and keys the outside."""
    masks = outline(name, w, h, shape)
    framed = work(f"{name}_framed.ppm")
    pack("frame", base, framed, *masks, "--", RIM_OUTER, RIM_INNER)
    quant = work(f"{name}_quant.ppm")
    run(framed, "+dither", "-colors", 250, "-depth", 8, f"ppm:{quant}")
    pack("bmp8", quant, os.path.join(OUT, f"{name}_background.bmp"), masks[0])
    return framed


def calc_shape(d):
    # Rounded except the top right, where the exit button meets the edge.
    r = 18 - d
    return [f"roundrectangle {d},{d} {349 - d},{449 - d} {r},{r}",
            f"rectangle 200,{d} {349 - d},{40}"]


def calculator():
    w, h = 350, 450
    e48 = work("emblem48.png")
    emblem(48, e48)
    base = work("calc_base.ppm")
    args = ["-size", f"{w}x{h}", f"gradient:{BODY_TOP}-{BODY_BOTTOM}",
            "(", "-size", f"{w}x104", f"gradient:{HEADER_TOP}-{HEADER_BOTTOM}", ")",
            "-geometry", "+0+0", "-composite",
            "-antialias"]
    args += draw("rgba(150,190,255,0.55)", "line 0,104 349,104", "rgba(150,190,255,0.55)")
    args += draw("rgba(2,8,28,0.5)", "line 0,105 349,105", "rgba(2,8,28,0.5)")
    # A faint subnet tree under the top buttons, echoing the emblem.
    for prim in ["rectangle 296,36 318,47", "rectangle 306,48 308,57",
                 "rectangle 276,58 338,60", "rectangle 276,61 278,67",
                 "rectangle 306,61 308,67", "rectangle 336,61 338,67",
                 "rectangle 270,68 284,78", "rectangle 300,68 314,78",
                 "rectangle 330,68 344,78"]:
        args += draw(MOTIF, prim)
    args += [e48, "-geometry", "+16+24", "-composite"]

    # Octet row and its status line below it.
    args += well(107, 123, 272, 153)
    args += well(2, 147, 332, 178)
    # Column headings over the four lists, two lines each.
    for x0, x1 in ((2, 65), (67, 184), (186, 259), (261, 347)):
        args += draw(TAB, f"roundrectangle {x0},196 {x1},233 4,4")
        args += draw("rgba(160,200,255,0.35)", f"line {x0 + 3},196 {x1 - 3},196",
                     "rgba(160,200,255,0.35)")
    args += well(1, 228, 348, 254, 2)
    # The three result bars sit in one display well.
    args += well(133, 273, 346, 371, 6)
    args += draw("rgba(150,190,255,0.30)", "line 40,417 309,417", "rgba(150,190,255,0.30)")

    label = dict(shadow="#06112e")
    args += texts(w, h, [
        ("Velkaro", 74, 39, 30, "#ffffff", label | dict(anchor="w")),
        ("Classful IPv4 subnet calculator", 75, 68, 12, SOFT,
         dict(anchor="w", font=SANS)),
        ("IP address", 101, 138, 12, LABEL, label | dict(anchor="e")),
        ("Bits in", 34, 207, 11, LABEL, label),
        ("mask", 34, 221, 11, LABEL, label),
        ("Subnet", 125, 207, 11, LABEL, label),
        ("mask", 125, 221, 11, LABEL, label),
        ("Number of", 222, 207, 11, LABEL, label),
        ("subnets", 222, 221, 11, LABEL, label),
        ("Hosts per", 304, 207, 11, LABEL, label),
        ("subnet", 304, 221, 11, LABEL, label),
        ("Address class", 127, 293, 11, LABEL, label | dict(anchor="e")),
        ("Subnet address", 127, 323, 11, LABEL, label | dict(anchor="e")),
        ("Broadcast address", 127, 353, 11, LABEL, label | dict(anchor="e")),
        ("Drag anywhere to move the calculator", 175, 430, 10, DIM,
         dict(font=SANS)),
    ])
    run(*args, "-depth", 8, f"ppm:{base}")
    return finish("calc", w, h, calc_shape, base)


def about_shape(d):
    r = 14 - d
    return [f"roundrectangle {d},{12 + d} {249 - d},{137 - d} {r},{r}"]


def about():
    w, h = 250, 150
    e32 = work("emblem32.png")
    emblem(32, e32)
    base = work("about_base.ppm")
    args = ["-size", f"{w}x{h}", f"gradient:{HEADER_TOP}-{BODY_BOTTOM}",
            "-antialias", e32, "-geometry", "+50+24", "-composite"]
    args += draw("rgba(150,190,255,0.35)", "line 30,105 219,105", "rgba(150,190,255,0.35)")
    args += texts(w, h, [
        ("Velkaro", 92, 40, 26, "#ffffff", dict(anchor="w", shadow="#06112e")),
        ("Classful IPv4 subnet calculator", 125, 73, 12, LABEL, dict(font=SANS)),
        ("Version 1.0.0.2", 125, 91, 11, SOFT, dict(font=SANS)),
        ("Click anywhere to close", 125, 120, 10, DIM, dict(font=SANS)),
    ])
    run(*args, "-depth", 8, f"ppm:{base}")
    return finish("about", w, h, about_shape, base)


def table_shape(d):
    r = 18 - d
    return [f"roundrectangle {d},{13 + d} {599 - d},{336 - d} {r},{r}"]


def table():
    w, h = 600, 350
    e16 = work("emblem16.png")
    emblem(16, e16)
    base = work("table_base.ppm")
    args = ["-size", f"{w}x{h}", f"gradient:{BODY_TOP}-{BODY_BOTTOM}",
            "(", "-size", f"{w}x24", f"gradient:{HEADER_TOP}-{HEADER_BOTTOM}", ")",
            "-geometry", "+0+13", "-composite", "-antialias"]
    args += draw("rgba(150,190,255,0.55)", "line 0,37 599,37", "rgba(150,190,255,0.55)")
    args += [e16, "-geometry", "+40+17", "-composite"]
    args += well(37, 38, 562, 282, 3)
    args += texts(w, h, [
        ("Velkaro - subnets", 63, 25, 14, "#ffffff", dict(anchor="w", shadow="#06112e")),
        ("Every subnet of the classful network", 559, 25, 11, SOFT,
         dict(anchor="e", font=SANS)),
        ("Save writes tab-aligned text (.txt) or comma-separated values (.csv)",
         300, 319, 10, DIM, dict(font=SANS)),
    ])
    run(*args, "-depth", 8, f"ppm:{base}")
    return finish("table", w, h, table_shape, base)


# ---------------------------------------------------------------- buttons
def button(name, label, backdrop, x, y, w, h):
    """Both pictures of a button, drawn over the window picture at its place
    so the rounded corners blend into what lies around them."""
    for state, (top, bottom, edge, shine, ink) in BUTTON.items():
        out = work(f"{name}_{state}.ppm")
        args = [backdrop, "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                "(", "-size", f"{w}x{h}", f"gradient:{top}-{bottom}",
                "(", "-size", f"{w}x{h}", "xc:black", "-antialias", "-fill", "white",
                "-draw", f"roundrectangle 0,0 {w - 1},{h - 1} 5,5", ")",
                "-alpha", "off", "-compose", "CopyOpacity", "-composite", ")",
                "-compose", "Over", "-composite", "-antialias"]
        args += draw("none", f"roundrectangle 0.5,0.5 {w - 1.5},{h - 1.5} 5,5", edge)
        args += draw("none", f"line 4,1.5 {w - 5},1.5", shine)
        if state == "hover":
            args += draw("none", f"roundrectangle 1.5,1.5 {w - 2.5},{h - 2.5} 4,4",
                         "rgba(200,232,255,0.55)")
        args += texts(w, h, [(label, w / 2, h / 2 - 0.5, 11, ink,
                              dict(shadow="rgba(4,14,44,0.85)"))])
        run(*args, "+dither", "-colors", 250, "-depth", 8, f"ppm:{out}")
        pack("bmp8", out, os.path.join(OUT, f"{name}_{state}.bmp"))


def main():
    global OUT, WORK
    OUT, WORK = sys.argv[1], sys.argv[2]
    os.makedirs(OUT, exist_ok=True)
    icon()
    calc = calculator()
    about()
    tab = table()
    for name, label, x, y, w in (("about", "about", 200, 1, 50),
                                 ("hide", "hide", 250, 1, 50),
                                 ("exit", "exit", 300, 1, 50),
                                 ("reset", "reset", 275, 120, 50),
                                 ("display", "Display subnets", 100, 375, 150)):
        button(name, label, calc, x, y, w, 25)
    button("save", "Save", tab, 40, 280, 50, 25)
    button("close", "Close", tab, 485, 280, 75, 25)


if __name__ == "__main__":
    main()
