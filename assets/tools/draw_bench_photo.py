"""Draws the tab "Fotografía": the bench standing on a laboratory table, in
full colour (393 x 349 pixels).

    python3 assets/tools/draw_bench_photo.py    (writes assets/pictures/bench_photo.svg)
"""

import math
import os

from svg import document, el, num, path, polyline_d, text

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pictures",
                   "bench_photo.svg")


def gradient(gid, stops, x2=1, y2=0, x1=0, y1=0):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
    return (f'<linearGradient id="{gid}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">{s}'
            f"</linearGradient>")


DEFS = [
    gradient("wall", [(0, "#d9dcd6"), (1, "#bfc3bb")], x2=0, y2=1),
    gradient("tabletop", [(0, "#c9b89a"), (1, "#a8926c")], x2=0, y2=1),
    gradient("tableedge", [(0, "#7b6546"), (1, "#5a4830")], x2=0, y2=1),
    gradient("panel", [(0, "#f3ecd2"), (0.5, "#ece2c0"), (1, "#d9cda4")]),
    gradient("side", [(0, "#b9ad86"), (1, "#958a66")]),
    gradient("alu", [(0, "#8e959a"), (0.35, "#eef1f3"), (0.7, "#b7bdc1"), (1, "#7d8489")]),
    gradient("aluv", [(0, "#eef1f3"), (1, "#8e959a")], x2=0, y2=1),
    gradient("glass", [(0, "#a9bcc4"), (0.12, "#eef6f9"), (0.3, "#d7e6ec"), (0.8, "#cbdde4"),
                       (0.92, "#f4fafc"), (1, "#93a8b1")]),
    gradient("copper", [(0, "#7a3d12"), (0.45, "#e59a5c"), (1, "#8a4717")], x2=0, y2=1),
    gradient("motor", [(0, "#3c4a44"), (0.4, "#6f8279"), (1, "#2d3833")]),
    gradient("head", [(0, "#5b6166"), (0.45, "#b8bec2"), (1, "#4b5155")]),
    gradient("dial", [(0, "#ffffff"), (1, "#e4e4de")], x2=0, y2=1),
    gradient("orange", [(0, "#b84a00"), (0.5, "#ff9a3c"), (1, "#c25200")], x2=0, y2=1),
    gradient("blue", [(0, "#123f8a"), (0.5, "#4f8fe6"), (1, "#123f8a")], x2=0, y2=1),
    gradient("liquid", [(0, "#d8cf9a"), (1, "#b3a866")], x2=0, y2=1),
]


def rect(x, y, w, h, fill, **kw):
    return el("rect", x=num(x), y=num(y), width=num(w), height=num(h), fill=fill, **kw)


def room():
    return [
        rect(0, 0, 393, 349, "url(#wall)"),
        path("M0,250H393", stroke="#a9ada5", stroke_width="1"),
        rect(0, 250, 393, 99, "#b4b8b0"),
        # the laboratory table
        path("M0,283L393,283L393,304L0,304Z", fill="url(#tabletop)"),
        rect(0, 304, 393, 14, "url(#tableedge)"),
        path("M0,304H393", stroke="#e2d6bd", stroke_width="1"),
        rect(14, 318, 12, 31, "#4a3b27"), rect(367, 318, 12, 31, "#4a3b27"),
        el("ellipse", cx="200", cy="294", rx="175", ry="8", fill="#000000",
           fill_opacity="0.22"),
    ]


def cabinet():
    return [
        # side in perspective, then the front panel in its aluminium frame
        path("M353,36L372,46L372,284L353,290Z", fill="url(#side)", stroke="#6f6749",
             stroke_width="0.8"),
        rect(38, 34, 317, 258, "url(#alu)", rx="2"),
        rect(43, 39, 307, 248, "url(#panel)", stroke="#a89c74", stroke_width="0.8"),
        # base plinth
        rect(34, 286, 325, 8, "url(#aluv)", stroke="#6d7377", stroke_width="0.6"),
    ] + [el("circle", cx=num(x), cy=num(y), r="1.8", fill="url(#alu)", stroke="#5d6367",
            stroke_width="0.5") for x, y in ((48, 44), (345, 44), (48, 281), (345, 281))]


def gauge(cx, cy, r, reading):
    parts = [el("circle", cx=num(cx), cy=num(cy + 2), r=num(r + 3), fill="#000000",
                fill_opacity="0.25"),
             el("circle", cx=num(cx), cy=num(cy), r=num(r + 3), fill="url(#alu)",
                stroke="#3b4044", stroke_width="0.8"),
             el("circle", cx=num(cx), cy=num(cy), r=num(r), fill="url(#dial)",
                stroke="#222222", stroke_width="1")]
    ticks = []
    for k in range(21):
        a = math.radians(225 - 270 * k / 20)
        r0 = r - (5 if k % 5 == 0 else 3)
        ticks.append(f"M{num(cx + r0 * math.cos(a))},{num(cy - r0 * math.sin(a))}"
                     f"L{num(cx + (r - 1.5) * math.cos(a))},{num(cy - (r - 1.5) * math.sin(a))}")
    parts.append(path("".join(ticks), stroke="#222222", stroke_width="0.8", fill="none"))
    parts.append(path(f"M{num(cx - r * 0.55)},{num(cy + r * 0.55)}A{num(r - 6)},{num(r - 6)} 0"
                      f" 0 1 {num(cx - r * 0.12)},{num(cy - r * 0.75)}", fill="none",
                      stroke="#d21f1f", stroke_width="1.6"))
    a = math.radians(225 - 270 * reading)
    parts.append(path(f"M{num(cx - 4 * math.cos(a))},{num(cy + 4 * math.sin(a))}"
                      f"L{num(cx + (r - 4) * math.cos(a))},{num(cy - (r - 4) * math.sin(a))}",
                      stroke="#111111", stroke_width="1.4", stroke_linecap="round"))
    parts.append(el("circle", cx=num(cx), cy=num(cy), r="2", fill="#333333"))
    parts.append(text(cx, cy + r * 0.55, "kPa", font_family="Arial", font_size="5",
                      fill="#333333", text_anchor="middle"))
    parts.append(path(f"M{num(cx - r * 0.7)},{num(cy - r * 0.5)}A{num(r)},{num(r)} 0 0 1"
                      f" {num(cx + r * 0.2)},{num(cy - r * 0.85)}", fill="none",
                      stroke="#ffffff", stroke_width="2", stroke_opacity="0.7"))
    return parts


def helix(cx, rx, ry, y_top, pitch, turns):
    back, front = [], []
    for k in range(int(turns * 2)):
        pts = []
        for s in range(25):
            t = math.pi * (k + s / 24)
            pts.append((cx - rx * math.cos(t), y_top + pitch * t / (2 * math.pi)
                        + ry * math.sin(t)))
        (front if k % 2 == 0 else back).append(polyline_d(pts))
    return "".join(back), "".join(front)


def cylinder(x, y, w, h, liquid_top=None):
    """A glass cylinder between aluminium end plates, with its copper coil."""
    parts = [rect(x - 6, y - 8, w + 12, 9, "url(#alu)", stroke="#4d5357", stroke_width="0.7",
                  rx="1"),
             rect(x - 6, y + h - 1, w + 12, 10, "url(#alu)", stroke="#4d5357",
                  stroke_width="0.7", rx="1")]
    for rx in (x - 3.5, x + w + 3.5):
        parts.append(path(f"M{num(rx)},{num(y + 1)}V{num(y + h - 1)}", stroke="#7d8489",
                          stroke_width="2"))
    parts.append(rect(x, y + 1, w, h - 2, "url(#glass)", stroke="#7e939c",
                      stroke_width="0.8"))
    if liquid_top is not None:
        parts.append(rect(x + 1, liquid_top, w - 2, y + h - 2 - liquid_top, "url(#liquid)",
                          fill_opacity="0.75"))
    cx = x + w / 2
    back, front = helix(cx, w / 2 - 7, 3.2, y + 16, 10.5, 8.5)
    legs = (f"M{num(x + 9)},{num(y + 1)}V{num(y + 14)}M{num(x + w - 9)},{num(y + 1)}"
            f"V{num(y + 16 + 10.5 * 8.5)}")
    parts += [path(back, fill="none", stroke="#8a4a1c", stroke_width="2.4",
                   stroke_opacity="0.65"),
              path(legs, fill="none", stroke="url(#copper)", stroke_width="2.8"),
              path(front, fill="none", stroke="#6e3510", stroke_width="3.6",
                   stroke_linecap="round"),
              path(front, fill="none", stroke="#d98a4a", stroke_width="2.2",
                   stroke_linecap="round"),
              path(front, fill="none", stroke="#f7c89a", stroke_width="0.7",
                   stroke_linecap="round", transform="translate(0,-0.6)"),
              rect(x + 2.5, y + 2, 3, h - 6, "#ffffff", fill_opacity="0.55"),
              rect(x + w - 7, y + 2, 2, h - 6, "#ffffff", fill_opacity="0.35")]
    for bx in (x - 2, x + w / 2 - 4, x + w + 2):
        parts.append(el("circle", cx=num(bx), cy=num(y - 3.5), r="1.6", fill="#5f666b"))
    return parts


def flowmeter(x, y, h, float_at):
    parts = [rect(x - 3, y - 6, 18, 7, "url(#alu)", stroke="#4d5357", stroke_width="0.6"),
             rect(x - 3, y + h, 18, 7, "url(#alu)", stroke="#4d5357", stroke_width="0.6"),
             rect(x, y + 1, 12, h - 1, "url(#glass)", stroke="#7e939c", stroke_width="0.7"),
             rect(x + 13, y + 8, 6, h - 16, "#ffffff", stroke="#666666", stroke_width="0.5")]
    parts.append(path("".join(f"M{num(x + 13)},{num(y + 10 + 6 * k)}h{3 if k % 2 else 5}"
                              for k in range(int((h - 20) / 6) + 1)), stroke="#333333",
                      stroke_width="0.6"))
    fy = y + float_at
    parts += [path(f"M{num(x + 1.5)},{num(fy)}H{num(x + 10.5)}L{num(x + 6)},{num(fy + 9)}Z",
                   fill="#1e3fd0", stroke="#0c1f73", stroke_width="0.6"),
              rect(x + 1, fy - 2, 10, 2.5, "#d02ad0", stroke="#6d1170", stroke_width="0.4"),
              rect(x + 2.5, y + 2, 2, h - 4, "#ffffff", fill_opacity="0.6"),
              # needle valve knob below
              rect(x + 1, y + h + 9, 10, 12, "url(#alu)", stroke="#4d5357", stroke_width="0.6"),
              el("circle", cx=num(x + 6), cy=num(y + h + 27), r="6", fill="#222222"),
              el("circle", cx=num(x + 6), cy=num(y + h + 27), r="2.5", fill="#555555")]
    return parts


def compressor():
    return [
        el("ellipse", cx="196", cy="284", rx="44", ry="4", fill="#000000", fill_opacity="0.3"),
        rect(156, 270, 80, 12, "#3d3f41", rx="1"),
        # motor: a ribbed cylinder seen end-on beside the compressor body
        rect(200, 214, 40, 56, "url(#motor)", rx="5"),
        path("".join(f"M{202 + 5 * k},216V268" for k in range(8)), stroke="#26302c",
             stroke_width="1", stroke_opacity="0.6"),
        el("ellipse", cx="240", cy="242", rx="5", ry="27", fill="#55655d", stroke="#26302c",
           stroke_width="0.8"),
        rect(212, 252, 18, 10, "#d8d8d0", stroke="#555555", stroke_width="0.5"),
        text(221, 259, "230 V", font_family="Arial", font_size="4.5", fill="#333333",
             text_anchor="middle"),
        # crankcase and the diaphragm head with its fins
        rect(160, 226, 42, 44, "url(#motor)", rx="3"),
        rect(164, 200, 34, 26, "url(#head)", rx="2"),
        path("".join(f"M163,{203 + 4 * k}H199" for k in range(6)), stroke="#3b4044",
             stroke_width="1.6"),
        el("ellipse", cx="181", cy="199", rx="19", ry="4", fill="url(#head)", stroke="#3b4044",
           stroke_width="0.7"),
    ]


def hose(d, grad, width=5):
    return [path(d, fill="none", stroke="#000000", stroke_width=num(width + 1.5),
                 stroke_opacity="0.35", stroke_linecap="round"),
            path(d, fill="none", stroke=grad, stroke_width=num(width), stroke_linecap="round"),
            path(d, fill="none", stroke="#ffffff", stroke_width="1", stroke_opacity="0.45",
                 stroke_linecap="round", transform="translate(-0.8,-1)")]


def hoses():
    parts = []
    # refrigerant discharge (orange) from the head up into the condenser top
    parts += hose("M172,199C168,150 160,96 140,96C128,96 127,104 127,110", "#e8761e")
    # suction (blue) from the evaporator top down to the compressor head
    parts += hose("M263,110C263,100 258,94 246,95C222,98 196,150 190,199", "#2f6fd6")
    # liquid line from the condenser base round to the evaporator
    parts.append(path("M117,242V258C117,266 124,268 132,268H150", fill="none",
                      stroke="#6e3510", stroke_width="3"))
    parts.append(path("M236,268H254C262,268 265,262 265,254V242", fill="none",
                      stroke="#6e3510", stroke_width="3"))
    # water lines to the flowmeters, down off the table
    parts += hose("M60,258C60,275 30,280 26,300", "#2f6fd6", 4)
    parts += hose("M331,258C331,275 362,280 366,300", "#e8761e", 4)
    return parts


def sight_glass():
    return [el("circle", cx="265", cy="256", r="6.5", fill="url(#alu)", stroke="#4d5357",
               stroke_width="0.7"),
            el("circle", cx="265", cy="256", r="3.8", fill="#d9e9ee", stroke="#333333",
               stroke_width="0.6"),
            el("circle", cx="263.9", cy="254.9", r="1.2", fill="#ffffff")]


def main():
    body = [f"<defs>{''.join(DEFS)}</defs>"]
    body += room() + cabinet()
    body += gauge(112, 74, 20, 0.62) + gauge(276, 74, 20, 0.28)
    body += [text(112, 48.5, "CONDENSADOR", font_family="Arial", font_size="6",
                  font_weight="bold", fill="#4b4532", text_anchor="middle"),
             text(276, 48.5, "EVAPORADOR", font_family="Arial", font_size="6",
                  font_weight="bold", fill="#4b4532", text_anchor="middle")]
    body += flowmeter(56, 122, 112, 70) + flowmeter(318, 122, 112, 52)
    body += cylinder(93, 120, 46, 120) + cylinder(251, 120, 46, 120, liquid_top=170)
    body += hoses() + compressor() + sight_glass()
    # the mains switch
    body += [rect(128, 262, 14, 18, "#1c1c1c", rx="2"),
             rect(131, 264, 8, 7, "#c81e1e", rx="1")]
    with open(OUT, "w", encoding="utf-8") as f:
        f.write(document(393, 349, body, comment=(
            "The refrigeration bench on a laboratory table: pressure gauges at the top, the "
            "condenser and evaporator glass cylinders with copper coils, the two flowmeters at "
            "the sides, the compressor in the middle, orange and blue flexible lines.")))


if __name__ == "__main__":
    main()
