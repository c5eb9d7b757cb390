"""Draws the saturation pressure-temperature chart of R-11.

    python3 assets/tools/draw_saturation_chart.py
        (writes assets/pictures/saturation_chart.svg)

The drawing is in twips (1440 per inch), 6883 x 5433 of them. The curve runs
from -10 to 70 degC through 100 points of a cubic spline in ln p that passes
through the bench's tabulated readings.
"""

import math
import os

from svg import document, el, num, path, polyline_d, text

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pictures",
                   "saturation_chart.svg")

READINGS = [(-10, 0.0257), (0, 0.0402), (10, 0.0607), (20, 0.0888), (23.8, 0.1019),
            (30, 0.1264), (40, 0.1749), (50, 0.2366), (60, 0.3135), (70, 0.4084)]

WIDTH, HEIGHT = 6883, 5433
PLOT = (1000, 700, 6650, 4620)          # left, top, right, bottom
T_RANGE, P_RANGE = (-20.0, 80.0), (0.0, 0.45)
TITLE_BASELINE_X = 440                  # the vertical axis title, written upwards


def spline(xs, ys):
    """Natural cubic spline through (xs, ys); returns a function."""
    n = len(xs) - 1
    h = [xs[i + 1] - xs[i] for i in range(n)]
    alpha = [0.0] + [3 / h[i] * (ys[i + 1] - ys[i]) - 3 / h[i - 1] * (ys[i] - ys[i - 1])
                     for i in range(1, n)]
    lo, mu, z = [1.0] + [0.0] * n, [0.0] * (n + 1), [0.0] * (n + 1)
    for i in range(1, n):
        lo[i] = 2 * (xs[i + 1] - xs[i - 1]) - h[i - 1] * mu[i - 1]
        mu[i] = h[i] / lo[i]
        z[i] = (alpha[i] - h[i - 1] * z[i - 1]) / lo[i]
    c, b, d = [0.0] * (n + 1), [0.0] * n, [0.0] * n
    for j in range(n - 1, -1, -1):
        c[j] = z[j] - mu[j] * c[j + 1]
        b[j] = (ys[j + 1] - ys[j]) / h[j] - h[j] * (c[j + 1] + 2 * c[j]) / 3
        d[j] = (c[j + 1] - c[j]) / (3 * h[j])

    def f(x):
        j = max(0, min(n - 1, next((i for i in range(n) if x < xs[i + 1]), n - 1)))
        dx = x - xs[j]
        return ys[j] + b[j] * dx + c[j] * dx * dx + d[j] * dx ** 3
    return f


def page(t, p):
    left, top, right, bottom = PLOT
    x = left + (t - T_RANGE[0]) / (T_RANGE[1] - T_RANGE[0]) * (right - left)
    y = bottom - (p - P_RANGE[0]) / (P_RANGE[1] - P_RANGE[0]) * (bottom - top)
    return x, y


def main():
    ln_p = spline([t for t, _ in READINGS], [math.log(p) for _, p in READINGS])
    samples = [-10 + 80 * k / 99 for k in range(100)]
    curve = [page(t, math.exp(ln_p(t))) for t in samples]

    left, top, right, bottom = PLOT
    font = dict(font_family="Arial", fill="#000000")
    body = [el("rect", x="0", y="0", width=num(WIDTH), height=num(HEIGHT), fill="#ffffff")]
    body.append(text(WIDTH / 2, 430, "R - 11", text_anchor="middle", font_size="260",
                     font_weight="bold", **font))
    body.append('<g id="plot-area">')
    body.append(el("rect", x=num(left), y=num(top), width=num(right - left),
                   height=num(bottom - top), fill="#ffffff", stroke="#000000",
                   stroke_width="15"))
    grid = []
    for t in range(-10, 80, 10):
        x, _ = page(t, 0)
        grid.append(f"M{num(x)},{top}V{bottom}")
    for k in range(1, 9):
        _, y = page(0, 0.05 * k)
        grid.append(f"M{left},{num(y)}H{right}")
    body.append(path("".join(grid), fill="none", stroke="#a0a0a0", stroke_width="9"))
    ticks = []
    for k in range(19):
        _, y = page(0, 0.025 * k)
        ticks.append(f"M{left - (70 if k % 2 == 0 else 40)},{num(y)}H{left}")
    for t in range(-20, 81, 10):
        x, _ = page(t, 0)
        ticks.append(f"M{num(x)},{bottom}V{bottom + 70}")
    body.append(path("".join(ticks), fill="none", stroke="#000000", stroke_width="15"))
    body.append("</g>")

    for k in range(10):
        _, y = page(0, 0.05 * k)
        body.append(text(left - 110, y + 60, f"{0.05 * k:.2f}", text_anchor="end",
                         font_size="170", **font))
    for t in range(-20, 81, 10):
        x, _ = page(t, 0)
        body.append(text(x, bottom + 260, str(t), text_anchor="middle", font_size="170",
                         **font))
    # The window shows this picture from 132 twips (about 180 units) in, past
    # the tab's border: the title's baseline stands far enough right that its
    # capitals and accents, which point left, are drawn whole.
    body.append(text(0, 0, "Presión de saturación( Mpa abs)", text_anchor="middle",
                     font_size="190", font_weight="bold",
                     transform=f"translate({TITLE_BASELINE_X},{num((top + bottom) / 2)}) "
                               "rotate(-90)",
                     **font))
    body.append(text((left + right) / 2, bottom + 560, "Temperatura de saturación (ºC)",
                     text_anchor="middle", font_size="190", font_weight="bold", **font))
    body.append(path(polyline_d(curve), id="saturation-curve", fill="none", stroke="#000080",
                     stroke_width="32", stroke_linejoin="round"))
    with open(OUT, "w", encoding="utf-8") as f:
        f.write(document(459, 362, body, view_box=(0, 0, WIDTH, HEIGHT), comment=(
            "Saturation pressure of R-11 against temperature. Drawn in twips (1440 per inch); "
            "459 x 362 pixels at 96 dpi. Axes: -20..80 degC, 0..0.45 MPa abs.")))


if __name__ == "__main__":
    main()
