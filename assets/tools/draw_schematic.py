"""Draws the cycle schematic of the tab "Esquema" (189 x 113 pixels).

    python3 assets/tools/draw_schematic.py      (writes assets/pictures/schematic.svg)

The pipes carry the letters and colours of the cycle drawn over the P-h chart:
B red, C dark red, D green, A blue.
"""

import os

from svg import (BLACK, BLUE, GREEN, GREY, MAROON, RED, WHITE, YELLOW, document, el, hatch,
                 num, path, rect_points, text)

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pictures", "schematic.svg")

FONT = dict(font_family="Arial", font_size="8", fill=BLACK)
LETTER = dict(font_family="Arial", font_size="9", font_weight="bold")


def pipe(d, colour):
    return path(d, fill="none", stroke=colour, stroke_width="2", stroke_linejoin="round")


def coil_box(x0, y0, x1, y1):
    """A heat exchanger: a box with a coil of refrigerant tube in it."""
    cx = (x0 + x1) / 2
    loops = [f"M{num(cx)},{num(y0)}V{num(y0 + 6)}"]
    y = y0 + 6
    half = (x1 - x0) / 2 - 5
    for _ in range(5):
        loops.append(f"C{num(cx + half * 1.4)},{num(y)} {num(cx + half * 1.4)},{num(y + 7)}"
                     f" {num(cx)},{num(y + 7)}C{num(cx - half * 1.4)},{num(y + 7)}"
                     f" {num(cx - half * 1.4)},{num(y)} {num(cx)},{num(y + 1.5)}")
        y += 6.5
    loops.append(f"L{num(cx)},{num(y1)}")
    return [el("rect", x=num(x0), y=num(y0), width=num(x1 - x0), height=num(y1 - y0),
               fill=WHITE, stroke=BLACK),
            path("".join(loops), fill="none", stroke=BLACK, stroke_width="1.2")]


def leader(x0, y0, x1, y1):
    return el("line", x1=num(x0), y1=num(y0), x2=num(x1), y2=num(y1), stroke=BLACK,
              stroke_width="0.6")


def main():
    body = [el("rect", x="0", y="0", width="189", height="113", fill=WHITE),
            path(hatch(rect_points(0, 0, 189, 113), 2.2), stroke=YELLOW, stroke_width="0.9",
                 fill="none"),
            el("rect", x="0.5", y="0.5", width="188", height="112", fill="none", stroke=GREY)]

    body.append("<!-- the four pipes of the cycle and their letters -->")
    body += [
        pipe("M84,13V6H28V36", RED),                       # B: discharge to the condenser
        pipe("M28,82V97H79", MAROON),                       # C: liquid to the valve
        pipe("M99,97H160V82", GREEN),                       # D: wet vapour to the evaporator
        pipe("M160,36V43H94V33", BLUE),                     # A: vapour back to the compressor
        text(52, 15, "B", fill=RED, **LETTER),
        text(50, 94, "C", fill=MAROON, **LETTER),
        text(128, 94, "D", fill=GREEN, **LETTER),
        text(125, 52, "A", fill=BLUE, **LETTER),
    ]
    body.append("<!-- condenser and evaporator -->")
    body += coil_box(13.5, 36.5, 42.5, 82.5) + coil_box(145.5, 36.5, 174.5, 82.5)
    body.append("<!-- float control of the valve from the condenser's liquid -->")
    body.append(path("M42.5,74L84,93", fill="none", stroke=BLACK, stroke_width="0.8",
                     stroke_dasharray="1.2,1.6"))
    body.append("<!-- compressor, shaft and motor -->")
    body += [
        path("M77,33L81,13H97L101,33Z", fill=RED, stroke=BLACK),
        el("line", x1="101", y1="23", x2="116", y2="23", stroke=BLACK, stroke_width="2"),
        el("rect", x="116.5", y="15.5", width="20", height="15", fill=MAROON, stroke=BLACK),
    ]
    body.append("<!-- expansion valve -->")
    body.append(path("M79,92L89,97L79,102ZM99,92L89,97L99,102Z", fill=GREEN, stroke=BLACK,
                     stroke_width="0.8"))
    body.append("<!-- labels -->")
    body += [
        text(69, 28, "Compresor", text_anchor="end", **FONT), leader(70, 26, 79, 24),
        text(146, 11, "Motor", **FONT), leader(145, 10, 134, 15),
        text(48, 63, "Cond.", **FONT), leader(47, 61, 42, 58),
        text(140, 63, "Evapor.", text_anchor="end", **FONT), leader(141, 61, 146, 58),
        text(89, 110, "Válvula de exp.", text_anchor="middle", **FONT),
        leader(89, 103, 89, 99),
    ]
    with open(OUT, "w", encoding="utf-8") as f:
        f.write(document(189, 113, body, comment=(
            "Schematic of the refrigeration cycle: compressor and motor, condenser, expansion "
            "valve, evaporator; pipes B, C, D, A.")))


if __name__ == "__main__":
    main()
