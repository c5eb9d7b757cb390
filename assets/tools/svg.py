"""Small helpers for writing the program's SVG pictures.

The pictures are plain SVG that QtSvg renders: no patterns, clip paths or
filters, so hatching and clipping are done here, in the geometry.
"""

import math

# The standard 16-colour palette of the 16-colour pictures.
BLACK, MAROON, GREEN, OLIVE = "#000000", "#800000", "#008000", "#808000"
NAVY, PURPLE, TEAL, SILVER = "#000080", "#800080", "#008080", "#c0c0c0"
GREY, RED, LIME, YELLOW = "#808080", "#ff0000", "#00ff00", "#ffff00"
BLUE, FUCHSIA, AQUA, WHITE = "#0000ff", "#ff00ff", "#00ffff", "#ffffff"


def num(v):
    """A coordinate with at most two decimals and no trailing zeros."""
    text = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def attrs(**kw):
    return "".join(f' {k.rstrip("_").replace("_", "-")}="{v}"' for k, v in kw.items())


def el(tag, **kw):
    return f"<{tag}{attrs(**kw)}/>"


def path(d, **kw):
    return el("path", d=d, **kw)


def polyline_d(points, closed=False):
    d = "M" + " L".join(f"{num(x)},{num(y)}" for x, y in points)
    return d + ("Z" if closed else "")


def text(x, y, content, **kw):
    return f'<text{attrs(x=num(x), y=num(y), **kw)}>{content}</text>'


def document(width, height, body, view_box=None, comment=""):
    vb = view_box or (0, 0, width, height)
    head = (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"'
            f' width="{num(width)}" height="{num(height)}"'
            f' viewBox="{" ".join(num(v) for v in vb)}">\n')
    if comment:
        head += f"<!-- {comment} -->\n"
    return head + "\n".join(body) + "\n</svg>\n"


def rect_points(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def hatch(points, spacing, angle_deg=45):
    """Path data of parallel hatch lines clipped exactly to a polygon (even-odd
    rule), `spacing` apart across the lines."""
    a = math.radians(angle_deg)
    ux, uy = math.cos(a), -math.sin(a)
    nx, ny = -uy, ux
    offs = [x * nx + y * ny for x, y in points]
    parts = []
    k = math.ceil(min(offs) / spacing)
    n = len(points)
    while k * spacing <= max(offs):
        c = k * spacing
        hits = []
        for i in range(n):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
            oa, ob = ax * nx + ay * ny - c, bx * nx + by * ny - c
            if (oa < 0) != (ob < 0):
                t = oa / (oa - ob)
                hx, hy = ax + t * (bx - ax), ay + t * (by - ay)
                hits.append((hx * ux + hy * uy, hx, hy))
        hits.sort()
        for j in range(0, len(hits) - 1, 2):
            _, ax, ay = hits[j]
            _, bx, by = hits[j + 1]
            parts.append(f"M{num(ax)},{num(ay)}L{num(bx)},{num(by)}")
        k += 1
    return "".join(parts)
