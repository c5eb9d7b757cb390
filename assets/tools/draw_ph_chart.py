"""Draws the schematic pressure-enthalpy chart of R-11 (264 x 226 pixels).

    python3 assets/tools/draw_ph_chart.py      (writes assets/pictures/ph_chart.svg)

The program lays the cycle over this picture along straight lines that follow
the dome's two sides, so the dome is drawn through DOME_LIQUID and
DOME_VAPOUR: (x, y) of pixels, the outline passing through their centres.
"""

import math
import os

from svg import (AQUA, BLACK, BLUE, LIME, RED, WHITE, YELLOW, document, el, hatch, num, path,
                 polyline_d, text)

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pictures", "ph_chart.svg")

AXIS_X, AXIS_Y = 12, 211          # the P axis and the h axis (pixel columns / rows)
TOP_Y, RIGHT_X = 65, 252          # the upper edge of the regions, their right end
CRITICAL = (167, 64)

# The dome's sides, from the top down. Between rows 120 and 168 a point sits a
# fraction of a pixel off the whole pixel towards the program's overlay lines.
DOME_LIQUID = [(139, 72), (119, 84), (104, 96), (92, 108), (80.6, 120), (71, 132),
               (61.4, 144), (52.4, 156), (44, 168), (35, 180), (27, 192), (20, 204), (16, 210)]
DOME_VAPOUR = [(185, 72), (185, 84), (180, 96), (175, 108), (168.6, 120), (163.6, 132),
               (158.7, 144), (154.5, 156), (150.5, 168), (148, 180), (146, 192), (145, 204),
               (144, 210)]


def px(p):
    """Pixel (x, y) to drawing coordinates: the pixel's centre."""
    return (p[0] + 0.5, p[1] + 0.5)


def extend_to_axis(points):
    """Continue a side straight from its last two points down to the h axis."""
    (x1, y1), (x2, y2) = points[-2], points[-1]
    y = AXIS_Y
    return points + [(x2 + (x2 - x1) / (y2 - y1) * (y - y2), y)]


def catmull_rom(points, samples=12):
    """Points along a Catmull-Rom spline through `points` (centripetal ends)."""
    pts = [points[0]] + points + [points[-1]]
    out = []
    for i in range(1, len(pts) - 2):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        for s in range(samples):
            t = s / samples
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * (2 * p1[k] + (-p0[k] + p2[k]) * t
                                    + (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2
                                    + (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t3)
                             for k in range(2)))
    out.append(points[-1])
    return out


def dome_outline():
    """The whole outline from the liquid side's foot over the top to the
    vapour side's foot, as a dense point list in drawing coordinates."""
    liquid = [px(p) for p in extend_to_axis(DOME_LIQUID)]
    vapour = [px(p) for p in extend_to_axis(DOME_VAPOUR)]
    through = list(reversed(liquid)) + [px(CRITICAL)] + vapour
    return catmull_rom(through)


def side_x(outline, y, vapour):
    """x of one side of the outline at drawing row y."""
    top = min(range(len(outline)), key=lambda i: outline[i][1])
    pts = outline[top:] if vapour else list(reversed(outline[:top + 1]))
    for (xa, ya), (xb, yb) in zip(pts, pts[1:]):
        if ya <= y <= yb and yb > ya:
            return xa + (xb - xa) * (y - ya) / (yb - ya)
    return pts[-1][0]


def main():
    outline = dome_outline()
    top = TOP_Y + 0.5
    bottom = AXIS_Y + 0.5
    left = AXIS_X + 0.5
    right = RIGHT_X + 0.5
    apex = min(range(len(outline)), key=lambda i: outline[i][1])
    liquid_side = list(reversed(outline[:apex + 1]))       # top down
    vapour_side = outline[apex:]                           # top down

    # compressed liquid: from the P axis to the liquid side, under the top edge
    liquid_region = ([(left, top)] + [(x, max(y, top)) for x, y in liquid_side]
                     + [(left, bottom)])
    dome_region = outline
    superheated = ([(x, max(y, top)) for x, y in vapour_side] + [(right, bottom), (right, top)])

    body = [el("rect", x="0", y="0", width="264", height="226", fill=WHITE)]
    body.append("<!-- superheated vapour: yellow hatching, isotherms, isentropes, isochores -->")
    body.append(path(hatch(superheated, 2.4, 45), stroke=YELLOW, stroke_width="1",
                     fill="none"))
    body += superheated_lines(vapour_side, outline)
    body.append("<!-- compressed liquid -->")
    body.append(path(polyline_d(liquid_region, True), fill=LIME))
    body.append("<!-- wet vapour under the dome, with lines of constant quality -->")
    body.append(path(polyline_d(dome_region, True), fill=AQUA))
    for q in (0.2, 0.4, 0.6, 0.8):
        pts = []
        y = bottom
        while y > 70:
            xl, xv = side_x(outline, y, False), side_x(outline, y, True)
            pts.append((xl + q * (xv - xl), y))
            y -= 2
        pts.append(px(CRITICAL))
        body.append(path(polyline_d(pts), fill="none", stroke=YELLOW, stroke_width="1"))
    body.append("<!-- the dome's outline: saturated liquid, critical point, saturated vapour -->")
    body.append(path(polyline_d(outline), fill="none", stroke=BLACK, stroke_width="1",
                     stroke_linejoin="round"))
    body += region_labels()
    body += axes()
    body += title_and_legend()
    with open(OUT, "w", encoding="utf-8") as f:
        f.write(document(264, 226, body, comment=(
            "Schematic pressure-enthalpy chart of R-11: compressed liquid, wet vapour under "
            "the dome, superheated vapour; no numeric scales.")))


def curve(points):
    return path(polyline_d(points), fill="none")


def clip_box(points):
    out = []
    for x, y in points:
        if x > RIGHT_X + 0.5 or y < TOP_Y + 0.5:
            break
        out.append((x, y))
    return out


def superheated_lines(vapour_side, outline):
    parts = []
    # isotherms: horizontal under the dome, they fall steeply once superheated
    for ys in (86, 104, 122, 140, 158, 176, 194):
        x0 = side_x(outline, ys + 0.5, True)
        pts = []
        for k in range(41):
            s = k / 40
            y = ys + 0.5 + s * (AXIS_Y - ys)
            x = x0 + 30 * (1 - math.exp(-5 * s)) + 12 * s
            pts.append((x, y))
        pts = clip_box(pts)
        parts.append(path(polyline_d(pts), fill="none", stroke=RED, stroke_width="1"))
    # isentropes: steep, rising to the right from the vapour side
    for ys in (150, 168, 186, 204):
        x0 = side_x(outline, ys + 0.5, True)
        pts = [(x0 + 0.95 * d + 0.0012 * d * d, ys + 0.5 - d) for d in range(0, 200, 3)]
        parts.append(path(polyline_d(clip_box(pts)), fill="none", stroke=BLUE,
                          stroke_width="1"))
    # isochores: flatter than the isentropes
    for ys in (132, 156, 180, 204):
        x0 = side_x(outline, ys + 0.5, True)
        pts = [(x0 + 1.9 * d + 0.004 * d * d, ys + 0.5 - d) for d in range(0, 200, 2)]
        parts.append(path(polyline_d(clip_box(pts)), fill="none", stroke=AQUA,
                          stroke_width="1"))
    return parts


FONT = dict(font_family="Arial", font_size="8")


def label(x, y, lines, anchor="middle", boxed=False):
    parts = []
    if boxed:
        width = max(len(s) for s in lines) * 4.3 + 4
        parts.append(el("rect", x=num(x - width / 2), y=num(y - 8), width=num(width),
                        height=num(len(lines) * 9 + 2), fill=WHITE))
    for i, s in enumerate(lines):
        parts.append(text(x, y + i * 9, s, fill=BLACK, text_anchor=anchor, **FONT))
    return parts


def region_labels():
    return (label(58, 82, ["Líquido", "comprimido"])
            + label(90, 190, ["Vapor húmedo"])
            + label(218, 186, ["Vapor", "sobrecalentado"], boxed=True))


def axes():
    ax, ay = AXIS_X + 0.5, AXIS_Y + 0.5
    parts = [
        el("line", x1=num(ax), y1=num(ay + 3), x2=num(ax), y2="10", stroke=BLACK),
        path(f"M{num(ax)},5L{num(ax - 3)},12L{num(ax + 3)},12Z", fill=BLACK),
        el("line", x1=num(ax - 3), y1=num(ay), x2="254", y2=num(ay), stroke=BLACK),
        path(f"M259,{num(ay)}L252,{num(ay - 3)}L252,{num(ay + 3)}Z", fill=BLACK),
        text(ax - 8.5, 12, "P", fill=BLACK, font_family="Arial", font_size="10",
             font_weight="bold"),
        text(253, ay + 11, "h", fill=BLACK, font_family="Arial", font_size="10",
             font_weight="bold"),
    ]
    ticks = []
    for x in range(32, 252, 20):
        ticks.append(f"M{x + 0.5},{num(ay)}v3")
    n = 10
    for k in range(n + 1):
        y = TOP_Y + (AXIS_Y - 6 - TOP_Y) * (1 - math.exp(-0.28 * k)) / (1 - math.exp(-0.28 * n))
        ticks.append(f"M{num(ax - 3)},{num(round(y) + 0.5)}h3")
    parts.append(path("".join(ticks), fill="none", stroke=BLACK))
    return parts


def title_and_legend():
    parts = [text(22, 24, "Arcton 11", fill=RED, font_family="Arial", font_size="12",
                  font_weight="bold")]
    items = [("x cte", YELLOW, 110, 18), ("T cte", RED, 160, 18),
             ("v cte", AQUA, 110, 31), ("s cte", BLUE, 160, 31)]
    for name, colour, x, y in items:
        parts.append(el("line", x1=num(x), y1=num(y - 3), x2=num(x + 14), y2=num(y - 3),
                        stroke=colour, stroke_width="2"))
        parts.append(text(x + 18, y, name, fill=BLACK, **FONT))
    return parts


if __name__ == "__main__":
    main()
