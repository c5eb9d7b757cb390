"""Draws the bench: the form background, its running-state pictures and the
evaporator at rest, all from one scene so that every cut-out lies exactly
over the part of the bench drawing it replaces.

    python3 assets/tools/draw_bench.py      (writes into assets/pictures/)

Coordinates are pixels of the bench drawing (382 x 264). A cut-out is the
same scene seen through a smaller viewBox placed where the window shows it.
"""

import math
import os

from svg import (AQUA, BLACK, BLUE, GREY, MAROON, OLIVE, RED, SILVER, TEAL, WHITE,
                 YELLOW, document, el, hatch, num, path, polyline_d, rect_points)

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "pictures")

# Cut-outs: file, (left, top, width, height) in pixels, what they show.
CUTOUTS = [
    ("condenser_running.svg", (58, 96, 45, 68), True,
     "The condenser in operation: condensate on the coil, drops falling, liquid at the bottom."),
    ("evaporator_running.svg", (234, 107, 53, 60), True,
     "The evaporator in operation: the liquid boils around the coil."),
    ("evaporator_rest.svg", (234, 108, 53, 60), False,
     "The evaporator at rest: liquid refrigerant and the coil, no bubbles."),
    ("sight_glass.svg", (203, 115, 28, 37), True,
     "The sight glass in the liquid line showing bubbles of wet vapour."),
]


def rect(x0, y0, x1, y1, fill, stroke=BLACK, width=1):
    return el("rect", x=num(x0), y=num(y0), width=num(x1 - x0), height=num(y1 - y0),
              fill=fill, stroke=stroke, stroke_width=num(width)) if stroke else \
        el("rect", x=num(x0), y=num(y0), width=num(x1 - x0), height=num(y1 - y0), fill=fill)


def line(x0, y0, x1, y1, colour, width=1, cap="butt"):
    return el("line", x1=num(x0), y1=num(y0), x2=num(x1), y2=num(y1), stroke=colour,
              stroke_width=num(width), stroke_linecap=cap)


def circle(cx, cy, r, fill, stroke=BLACK, width=1):
    kw = dict(cx=num(cx), cy=num(cy), r=num(r), fill=fill)
    if stroke:
        kw.update(stroke=stroke, stroke_width=num(width))
    return el("circle", **kw)


def pipe(d, core, outline=BLACK, width=4):
    """A pipe: a dark outline with a coloured core."""
    return [path(d, fill="none", stroke=outline, stroke_width=num(width),
                 stroke_linejoin="round"),
            path(d, fill="none", stroke=core, stroke_width=num(width - 2),
                 stroke_linejoin="round")]


def bolt(cx, cy):
    return [circle(cx, cy, 1.3, GREY, BLACK, 0.6)]


def cabinet():
    front = rect_points(12.5, 0.5, 345.5, 216)
    side = [(345.5, 0.5), (360.5, 9), (360.5, 221), (345.5, 216)]
    parts = [
        path(polyline_d(front, True), fill=WHITE),
        path(hatch(front, 2.8), stroke=YELLOW, stroke_width="0.8", fill="none"),
        path(polyline_d(side, True), fill=YELLOW),
        path(hatch(side, 2.6, -60), stroke=OLIVE, stroke_width="0.9", fill="none"),
        path(polyline_d(front, False) + f"L12.5,216", fill="none", stroke=BLACK),
        path(polyline_d(side, True), fill="none", stroke=BLACK),
    ]
    # Base shelf with its top, front and side faces, standing on two feet.
    top = [(12.5, 216), (345.5, 216), (352.5, 226.5), (5.5, 226.5)]
    front_face = rect_points(5.5, 226.5, 352.5, 243.5)
    side_face = [(352.5, 226.5), (345.5, 216), (360.5, 221), (366.5, 231), (366.5, 239),
                 (352.5, 243.5)]
    parts += [
        path(polyline_d(top, True), fill=SILVER, stroke=BLACK),
        path(polyline_d(side_face, True), fill=GREY, stroke=BLACK),
        path(hatch(side_face, 2.2, 60), stroke=BLACK, stroke_width="0.5", fill="none"),
        path(polyline_d(front_face, True), fill=GREY, stroke=BLACK),
        line(6, 229.5, 352, 229.5, SILVER, 1),
        rect(21.5, 243.5, 42.5, 250.5, BLACK),
        rect(303.5, 243.5, 321.5, 250.5, BLACK),
    ]
    for x, y in ((18, 6), (339, 6), (18, 210), (339, 210), (178, 6)):
        parts += bolt(x, y)
    return parts


def gauge_mount(cx, cy):
    """The bezel and the panel flange the manometer of the window sits in."""
    return [
        circle(cx, cy + 1, 19.5, GREY, BLACK, 1),
        circle(cx, cy + 1, 17.5, SILVER, None),
        path(f"M{num(cx - 17)},{num(cy + 2)}A17,17 0 0 0 {num(cx + 17)},{num(cy + 2)}",
             fill="none", stroke=WHITE, stroke_width="1.5"),
        circle(cx, cy + 1, 16, BLACK, None),
        circle(cx - 18, cy + 16, 1.1, GREY, BLACK, 0.5),
        circle(cx + 18, cy + 16, 1.1, GREY, BLACK, 0.5),
    ]


def flowmeter(x_tube_left, x_tube_right, y_top, y_bottom, scale_right):
    """A rotameter: glass tube between two fittings, a scale on its right and
    the flow adjuster's mounting plate below."""
    xl, xr = x_tube_left, x_tube_right
    cx = (xl + xr) / 2
    parts = [
        rect(xl - 3, y_top, xr + 3, y_top + 8, SILVER),
        line(xl - 2.5, y_top + 6.5, xr + 2.5, y_top + 6.5, GREY, 1),
        rect(xl, y_top + 8, xr, y_bottom - 8, WHITE),
        line(xl, y_top + 8, xl, y_bottom - 8, BLACK),
        line(xr, y_top + 8, xr, y_bottom - 8, BLACK),
        rect(xl - 3, y_bottom - 8, xr + 3, y_bottom, SILVER),
        line(xl - 2.5, y_bottom - 1.5, xr + 2.5, y_bottom - 1.5, GREY, 1),
        rect(xr + 2.5, y_top + 12, scale_right, y_bottom - 12, WHITE, BLACK, 0.8),
    ]
    ticks = []
    y = y_top + 15
    i = 0
    while y <= y_bottom - 15:
        length = (scale_right - xr - 3.5) if i % 2 == 0 else (scale_right - xr - 3.5) / 2
        ticks.append(f"M{num(xr + 3)},{num(y)}h{num(length)}")
        y += 4
        i += 1
    parts.append(path("".join(ticks), stroke=BLACK, stroke_width="0.6", fill="none"))
    # the float's seat at the bottom of the tube
    parts.append(path(f"M{num(xl)},{num(y_bottom - 8)}l{num((xr - xl) / 2)},-4"
                      f"l{num((xr - xl) / 2)},4", fill="none", stroke=GREY))
    # water in through the adjuster below
    parts += pipe(f"M{num(cx)},{num(y_bottom)}V{num(y_bottom + 7)}", TEAL, width=3.5)
    return parts


def adjuster_plate(x0, y0, x1, y1):
    return [rect(x0, y0, x1, y1, SILVER), line(x0 + 1, y1 - 1.5, x1 - 1, y1 - 1.5, GREY, 1),
            circle(x0 + 2.5, y0 + 2.5, 0.9, GREY, BLACK, 0.4),
            circle(x1 - 2.5, y1 - 4, 0.9, GREY, BLACK, 0.4)]


def helix(cx, rx, ry, y_top, pitch, turns):
    """Front and back halves of a helical coil seen from the side, a little
    from above: path data (back, front)."""
    back, front = [], []
    steps = 24
    for k in range(int(turns * 2)):
        half = front if k % 2 == 0 else back
        pts = []
        for s in range(steps + 1):
            t = math.pi * (k + s / steps)
            x = cx - rx * math.cos(t)
            y = y_top + pitch * t / (2 * math.pi) + ry * math.sin(t)
            pts.append((x, y))
        half.append(polyline_d(pts))
    return "".join(back), "".join(front)


def coil(cx, rx, y_top, pitch, turns, x_out, y_plate, core, back_core, leg_core,
         outline=BLACK):
    """A water coil with its two legs up to the top plate: the inlet leg from
    the top turn straight up from its left end, and the return leg from the
    bottom turn up the back at x_out."""
    back, front = helix(cx, rx, 2.6, y_top, pitch, turns)
    y_end = y_top + pitch * turns
    legs = f"M{num(cx - rx)},{num(y_top)}V{num(y_plate)}"
    ret = (f"M{num(cx - rx if turns % 1 == 0 else cx + rx)},{num(y_end)}"
           f"C{num(x_out)},{num(y_end)} {num(x_out)},{num(y_end - 4)} {num(x_out)},"
           f"{num(y_end - 10)}V{num(y_plate)}")
    return [
        path(ret, fill="none", stroke=outline, stroke_width="2.6"),
        path(ret, fill="none", stroke=leg_core, stroke_width="1.2"),
        path(back, fill="none", stroke=outline, stroke_width="2.2"),
        path(back, fill="none", stroke=back_core, stroke_width="0.9"),
        path(legs, fill="none", stroke=outline, stroke_width="2.8"),
        path(legs, fill="none", stroke=leg_core, stroke_width="1.3"),
        path(front, fill="none", stroke=outline, stroke_width="2.8", stroke_linecap="round"),
        path(front, fill="none", stroke=core, stroke_width="1.3", stroke_linecap="round"),
    ]


def end_plate(x0, y0, x1, y1):
    parts = [rect(x0, y0, x1, y1, SILVER), line(x0 + 1, y1 - 1.5, x1 - 1, y1 - 1.5, GREY, 1)]
    for x in (x0 + 3, x1 - 3):
        parts.append(circle(x, (y0 + y1) / 2, 1.2, GREY, BLACK, 0.5))
    return parts


def glass(x0, y0, x1, y1):
    """The glass wall of a cylinder: outline and the light on its curvature."""
    return [
        line(x0 + 3, y0, x0 + 3, y1, SILVER, 1),
        line(x1 - 3, y0, x1 - 3, y1, SILVER, 2),
        line(x0, y0, x0, y1, BLACK),
        line(x1, y0, x1, y1, BLACK),
    ]


def tie_rods(x_left, x_right, y0, y1):
    return [line(x_left, y0, x_left, y1, GREY, 2), line(x_right, y0, x_right, y1, GREY, 2)]


def thermo_well(x, y_top, y_bottom):
    """A pocket in the top plate that a thermometer of the window stands in."""
    return [rect(x - 2, y_top, x + 2, y_bottom, SILVER, BLACK, 0.7)]


def drop(x, y):
    return path(f"M{num(x)},{num(y - 2.2)}C{num(x + 1.6)},{num(y - 0.2)} {num(x + 1.3)},"
                f"{num(y + 1.2)} {num(x)},{num(y + 1.2)}C{num(x - 1.3)},{num(y + 1.2)} "
                f"{num(x - 1.6)},{num(y - 0.2)} {num(x)},{num(y - 2.2)}Z",
                fill=GREY, stroke=BLACK, stroke_width="0.4")


# Condenser: glass x 63..102, plates at y 60..66 and 164..172. Its running
# picture (x 58..103, y 96..164) takes in the glass from wall to wall down to
# the bottom plate, so everything that changes when the machine runs lies
# inside it.
C_GLASS = (63.5, 66.5, 101.5, 163.5)


def condenser(running):
    x0, y0, x1, y1 = C_GLASS
    parts = tie_rods(61, 104, 66, 164)
    parts.append(rect(x0, y0, x1, y1, WHITE, None))
    if running:
        liquid = rect_points(x0 + 0.5, 149.5, x1 - 0.5, y1)
        parts += [path(polyline_d(liquid, True), fill=WHITE),
                  path(hatch(liquid, 2.0, 30), stroke=MAROON, stroke_width="0.9", fill="none"),
                  line(x0 + 0.5, 149.5, x1 - 0.5, 149.5, MAROON, 1)]
    parts += glass(x0, y0, x1, y1)
    # thermometer pocket for the condensing temperature, down into the vapour
    parts += thermo_well(84, 50, 97)
    # the turns lie inside the running picture; only they turn white with
    # condensate, the legs up to the plate look the same either way
    parts += coil(82.5, 10.5, 102, 6.2, 7.5, 95, 60, WHITE if running else GREY,
                  SILVER if running else GREY, GREY)
    # the float valve at the outlet: a ball on a lever to the valve body
    ball_y = 148.5 if running else 155.5
    parts += [
        path(f"M86,160L{num(76)},{num(ball_y)}", stroke=BLACK, stroke_width="0.9", fill="none"),
        rect(82.5, 156.5, 89.5, 163.5, GREY, BLACK, 0.8),
        circle(75, ball_y, 4.5, MAROON, BLACK, 0.8),
        circle(73.6, ball_y - 1.5, 1.2, WHITE, None),
    ]
    if running:
        for x, y in ((89, 104), (78, 107), (96, 111), (73, 123), (87, 128), (79, 138),
                     (94, 142), (68, 140), (84, 116), (67, 112), (97, 130), (91, 120),
                     (70, 131), (82, 145)):
            parts.append(drop(x, y))
    parts += end_plate(59.5, 59.5, 105.5, 66.5)
    parts += end_plate(59.5, 163.5, 105.5, 171.5)
    # stubs of the coil's water inlet (t4) and outlet (t3) above the plate
    parts += thermo_well(72, 52, 60) + thermo_well(95, 52, 60)
    # safety valve on the top plate, between two thermometers
    parts += [rect(87.5, 54.5, 91.5, 59.5, SILVER, BLACK, 0.7),
              rect(86.5, 52.5, 92.5, 54.5, GREY, BLACK, 0.7)]
    return parts


# Evaporator: glass x 241..280, plates at y 68..76 and 168..176.
E_GLASS = (241.5, 75.5, 279.5, 167.5)
E_LEVEL = 97.5


def bubble(x, y, r):
    return [circle(x, y, r, YELLOW, OLIVE, 0.5), circle(x - r * 0.35, y - r * 0.35, r * 0.3,
                                                         WHITE, None)]


def evaporator(running):
    x0, y0, x1, y1 = E_GLASS
    parts = tie_rods(239.5, 281.5, 76, 168)
    liquid = rect_points(x0 + 0.5, E_LEVEL, x1 - 0.5, y1)
    parts += [rect(x0, y0, x1, y1, WHITE, None),
              path(polyline_d(liquid, True), fill=WHITE),
              path(hatch(liquid, 2.0, 35), stroke=OLIVE, stroke_width="1", fill="none"),
              path(f"M{num(x0 + 0.5)},{num(E_LEVEL - 1)}Q{num((x0 + x1) / 2)},{num(E_LEVEL + 1)}"
                   f" {num(x1 - 0.5)},{num(E_LEVEL - 1)}", fill="none", stroke=OLIVE,
                   stroke_width="1.2")]
    parts += glass(x0, y0, x1, y1)
    parts += thermo_well(259, 60, 92)
    parts += coil(260.5, 16.5, 88, 7.8, 8.5, 269, 68, BLACK, GREY, BLACK, BLACK)
    if running:
        # boiling: bubbles cling to the turns and rise between them; they stay
        # clear of the cut-out's edges so that any clipping of it is seamless
        for k in range(9):
            y = 88 + 7.8 * k + 3.6
            if y < 110 or y > 162:
                continue
            for j, dx in enumerate((-11, -6, -1, 4, 9)):
                r = 1.2 + 0.5 * ((k + j) % 3)
                parts += bubble(260.5 + dx + (k % 2) * 2, y - 1.5 - ((j + k) % 2) * 2.5, r)
        for x, y in ((247, 113), (252, 121), (270, 118), (266, 111), (249, 137),
                     (272, 141), (256, 150), (246, 157), (264, 160), (271, 128)):
            parts += bubble(x, y, 1.6)
    parts += end_plate(237.5, 67.5, 283.5, 75.5)
    parts += end_plate(237.5, 167.5, 283.5, 175.5)
    parts += thermo_well(244, 56, 68) + thermo_well(269, 56, 68)
    return parts


def valve(cx, cy):
    """A hand valve on a vertical pipe, seen from the front."""
    return [rect(cx - 5, cy - 4, cx + 5, cy + 4, SILVER, BLACK, 0.8),
            rect(cx - 1.5, cy - 8, cx + 1.5, cy - 4, GREY, BLACK, 0.6),
            el("ellipse", cx=num(cx), cy=num(cy - 8.5), rx="6", ry="1.6", fill=BLACK)]


SIGHT = (218, 138)


def sight_glass(running):
    cx, cy = SIGHT
    parts = [circle(cx, cy, 10, SILVER, BLACK, 1),
             path(f"M{cx - 8},{cy + 4}A9,9 0 0 0 {cx + 8},{cy + 4}", fill="none", stroke=GREY,
                  stroke_width="1.5"),
             circle(cx, cy, 6.5, BLACK, None),
             circle(cx, cy, 5.5, WHITE if not running else AQUA, None)]
    if running:
        for x, y, r in ((-2.5, 2, 1.6), (1.8, -1.5, 1.3), (2.2, 2.8, 1.0), (-1.5, -2.8, 1.0),
                        (0.2, 0.4, 0.9), (-3.6, -0.6, 0.8), (3.6, 0.6, 0.7)):
            parts += bubble(cx + x, cy + y, r)
    else:
        parts.append(path(f"M{cx - 3.5},{cy - 1}A4,4 0 0 1 {cx},{cy - 4}", fill="none",
                          stroke=AQUA, stroke_width="1.2"))
    for a in (45, 135, 225, 315):
        r = math.radians(a)
        parts.append(circle(cx + 8.2 * math.cos(r), cy + 8.2 * math.sin(r), 0.9, GREY, BLACK,
                            0.4))
    return parts


def compressor():
    parts = [
        rect(132.5, 130.5, 200.5, 205.5, SILVER),
        rect(132.5, 198.5, 200.5, 205.5, GREY),
        line(134, 132, 199, 132, WHITE, 1),
    ]
    # vents in the housing
    parts.append(path("".join(f"M188,{y}h9" for y in range(160, 196, 4)), stroke=BLACK,
                      stroke_width="1.2", fill="none"))
    parts.append(path("".join(f"M136,{y}h7" for y in range(160, 196, 4)), stroke=BLACK,
                      stroke_width="1.2", fill="none"))
    # the diaphragm head with its cooling fins, on the crankcase
    parts += [rect(145.5, 134.5, 187.5, 152.5, GREY),
              path("".join(f"M147,{y}h39" for y in (138, 141, 144, 147)), stroke=SILVER,
                   stroke_width="1", fill="none"),
              rect(150.5, 152.5, 182.5, 158.5, SILVER)]
    # the motor, coupled straight to the crank
    parts += [circle(166, 179, 19, MAROON, BLACK, 1),
              circle(166, 179, 14.5, MAROON, BLACK, 0.7),
              path("".join(f"M{num(166 + 6 * math.cos(math.radians(a)))},"
                           f"{num(179 + 6 * math.sin(math.radians(a)))}L"
                           f"{num(166 + 13 * math.cos(math.radians(a)))},"
                           f"{num(179 + 13 * math.sin(math.radians(a)))}"
                           for a in range(0, 360, 30)), stroke=BLACK, stroke_width="1.3",
                   fill="none"),
              circle(166, 179, 5, SILVER, BLACK, 0.8),
              circle(166, 179, 1.6, GREY, BLACK, 0.5),
              path("M153,169A17,17 0 0 1 166,163", fill="none", stroke=WHITE, stroke_width="1")]
    for x, y in ((136, 134), (197, 134), (136, 201), (197, 201)):
        parts += bolt(x, y)
    return parts


def pipes():
    parts = []
    # discharge (red): from the compressor head, up over the top, into the
    # condenser's top plate
    parts += pipe("M154,134V48C154,35 147,28 136,28H126C118,28 113,33 113,41V58"
                  "C113,62 110,63 105.5,63", RED)
    # suction (blue): from the evaporator's top plate over the top back to
    # the compressor head
    parts += pipe("M251.5,67.5V36C251.5,26 246,20 236,20H196C185,20 178,26 178,38V134", BLUE)
    # liquid line (black): from the condenser outlet along the bottom, up
    # through the sight glass, into the evaporator's top plate
    parts.append(path("M85,171.5V212C85,216 87,218 91,218H212C216,218 218,216 218,212V78"
                      "C218,74 220,72 224,72H237.5", fill="none", stroke=BLACK,
                      stroke_width="3", stroke_linejoin="round"))
    # charge valve line under the evaporator
    parts.append(path("M256,175.5V200", fill="none", stroke=BLACK, stroke_width="3"))
    parts.append(rect(253.5, 200, 258.5, 204, GREY, BLACK, 0.7))
    parts += valve(85, 194) + valve(256, 194)
    return parts


def scene(running):
    parts = []
    parts += cabinet()
    parts += gauge_mount(48, 32) + gauge_mount(304, 31)
    parts += pipes()
    parts += flowmeter(30.5, 42.5, 79.5, 170.5, 50)
    parts += adjuster_plate(27.5, 177.5, 50.5, 205.5)
    parts += flowmeter(295.5, 307.5, 83.5, 170.5, 315)
    parts += adjuster_plate(292.5, 174.5, 313.5, 203.5)
    parts += condenser(running)
    parts += evaporator(running)
    parts += sight_glass(running)
    parts += compressor()
    return parts


def write(name, svg_text):
    with open(os.path.join(OUT, name), "w", encoding="utf-8") as f:
        f.write(svg_text)


def main():
    write("bench.svg", document(382, 264, scene(False), comment=(
        "Front view of the refrigeration bench: condenser flowmeter, condenser, compressor, "
        "sight glass, evaporator, evaporator flowmeter. The window's instruments, switch and "
        "flow adjusters are drawn over it.")))
    for name, (x, y, w, h), running, what in CUTOUTS:
        write(name, document(w, h, scene(running), view_box=(x, y, w, h), comment=(
            f"{what} Drawn in bench-drawing pixels; shown at ({x}, {y}) over bench.svg.")))


if __name__ == "__main__":
    main()
