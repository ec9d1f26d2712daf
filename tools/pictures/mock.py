#!/usr/bin/env python3
"""Composes PNG mock-ups of the dressed windows from app/res: each picture on
a grey desktop with stand-ins for its controls at their run-time rectangles
(white edit boxes and lists, pure blue text bars, the button pictures), so a
redraw can be judged by eye before it is committed.

Usage: mock.py OUTDIR [hover]   (hover: buttons shown in their hover pictures)
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.join(HERE, "..", "..", "app", "res")
CONVERT = "/usr/bin/convert"
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"


def res(name):
    return os.path.join(RES, name)


def window(picture, w, h):
    # Magenta is outside the window: let the desktop show through.
    return ["-gravity", "NorthWest", "-size", f"{w + 40}x{h + 40}", "xc:#808890",
            "(", res(picture), "-transparent", "#ff00ff", ")",
            "-geometry", "+20+20", "-composite"]


def box(x, y, w, h, content=""):
    x, y = x + 20, y + 20
    args = ["-fill", "white", "-stroke", "black", "-strokewidth", 1,
            "-draw", f"rectangle {x},{y} {x + w - 1},{y + h - 1}",
            "-stroke", "none"]
    if content:
        args += ["-fill", "black", "-font", FONT, "-pointsize", 11,
                 "-draw", f"text {x + 4},{y + (h - 13) // 2} '{content}'"]
    return args


def combo(x, y, w, content):
    h = 21
    args = box(x, y, w, h, content)
    ax = x + 20 + w - 17
    args += ["-fill", "#d4d0c8", "-stroke", "#404040",
             "-draw", f"rectangle {ax},{y + 22} {ax + 15},{y + 20 + h - 2}",
             "-fill", "black", "-stroke", "none",
             "-draw", f"polygon {ax + 4},{y + 29} {ax + 11},{y + 29} {ax + 7},{y + 33}"]
    return args


def bar(x, y, w, h, content):
    x, y = x + 20, y + 20
    return ["-fill", "#0000ff", "-stroke", "none",
            "-draw", f"rectangle {x},{y} {x + w - 1},{y + h - 1}",
            "-fill", "white", "-font", FONT, "-pointsize", 11,
            "-draw", f"text {x + w / 2 - 3.2 * len(content)},{y + (h - 13) // 2} '{content}'"]


def button(name, state, x, y):
    return [res(f"{name}_{state}.bmp"), "-geometry", f"+{x + 20}+{y + 20}",
            "-composite"]


def main():
    out = sys.argv[1]
    state = "hover" if "hover" in sys.argv[2:] else "normal"
    os.makedirs(out, exist_ok=True)
    calc = window("calc_background.bmp", 350, 450)
    for x, text in ((110, "172"), (150, "16"), (190, "5"), (230, "4")):
        calc += box(x, 126, 40, 25, text)
    calc += bar(5, 150, 325, 25, "Enter the first octet")
    for x, w, text in ((2, 65, "20"), (66, 119, "255.255.240.0"),
                       (185, 75, "16"), (260, 88, "4094")):
        calc += combo(x, 230, w, text)
    calc += bar(140, 280, 200, 25, "Class B Address")
    calc += bar(140, 310, 200, 25, "172.16.0.0")
    calc += bar(140, 340, 200, 25, "172.16.15.255")
    for name, x, y in (("about", 200, 1), ("hide", 250, 1), ("exit", 300, 1),
                       ("reset", 275, 120), ("display", 100, 375)):
        calc += button(name, state, x, y)
    subprocess.run([CONVERT, *map(str, calc), os.path.join(out, f"calc_{state}.png")],
                   check=True)

    table = window("table_background.bmp", 600, 350)
    table += box(40, 40, 520, 240)
    table += ["-fill", "#e0e0e0", "-stroke", "#808080",
              "-draw", "rectangle 61,61 578,78", "-stroke", "none",
              "-fill", "black", "-font", FONT, "-pointsize", 11,
              "-draw", "text 66,63 'Number   Network          Mask             Broadcast'"]
    table += button("save", state, 40, 280) + button("close", state, 485, 280)
    subprocess.run([CONVERT, *map(str, table), os.path.join(out, f"table_{state}.png")],
                   check=True)

    about = window("about_background.bmp", 250, 150)
    subprocess.run([CONVERT, *map(str, about), os.path.join(out, "about.png")],
                   check=True)
    for k, size in enumerate((32, 16)):
        subprocess.run([CONVERT, f"{res('velkaro.ico')}[{k}]", "-background",
                        "#808890", "-flatten", "-filter", "point", "-resize",
                        f"{128 // size * 100}%",
                        os.path.join(out, f"icon{size}.png")], check=True)


if __name__ == "__main__":
    main()
