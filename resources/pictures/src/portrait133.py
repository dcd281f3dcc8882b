#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws portrait133.svg, the engraved bust shown beside the rules menu.

The picture is built like a copper engraving: a tone (darkness) is defined
for every region of the bust (background, hair, face, neck, shirt, coat),
and families of hatching lines are laid over each region.  Every line swells
where the tone is dark and thins out where it is light; darker tones get a
second and third crossing layer.  Contours and the facial features are drawn
last as tapered strokes.

Only the standard library is used.  Usage:
    python3 portrait133.py > portrait133.svg
The drawing is laid out on a 284 x 364 grid (the @2x size); the SVG's
nominal size is 142 x 182.
"""
import math
import random

W, H = 284, 364
CX = 142.0
random.seed(133)


# ---------------------------------------------------------------- geometry
def catmull(points, closed=True, steps=10):
    """Smooth curve through the points (Catmull-Rom), returned as a polyline."""
    pts = list(points)
    n = len(pts)
    out = []
    rng = range(n) if closed else range(n - 1)
    for i in rng:
        p0 = pts[(i - 1) % n] if closed or i > 0 else pts[0]
        p1 = pts[i]
        p2 = pts[(i + 1) % n]
        p3 = pts[(i + 2) % n] if closed or i + 2 < n else pts[-1]
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            x = 0.5 * ((2 * p1[0]) + (-p0[0] + p2[0]) * t
                       + (2 * p0[0] - 5 * p1[0] + 4 * p2[0] - p3[0]) * t2
                       + (-p0[0] + 3 * p1[0] - 3 * p2[0] + p3[0]) * t3)
            y = 0.5 * ((2 * p1[1]) + (-p0[1] + p2[1]) * t
                       + (2 * p0[1] - 5 * p1[1] + 4 * p2[1] - p3[1]) * t2
                       + (-p0[1] + 3 * p1[1] - 3 * p2[1] + p3[1]) * t3)
            out.append((x, y))
    if not closed:
        out.append(pts[-1])
    return out


def mirror(points):
    return [(2 * CX - x, y) for (x, y) in points]


def scan_mask(poly):
    """Rasterises a closed polygon on the 1-unit grid (cell centres)."""
    mask = [[False] * W for _ in range(H)]
    n = len(poly)
    for row in range(H):
        yc = row + 0.5
        xs = []
        for i in range(n):
            x1, y1 = poly[i]
            x2, y2 = poly[(i + 1) % n]
            if (y1 <= yc < y2) or (y2 <= yc < y1):
                xs.append(x1 + (yc - y1) * (x2 - x1) / (y2 - y1))
        xs.sort()
        for a, b in zip(xs[0::2], xs[1::2]):
            for col in range(max(0, int(math.ceil(a - 0.5))), min(W, int(math.floor(b - 0.5)) + 1)):
                mask[row][col] = True
    return mask


def inside(mask, x, y):
    c, r = int(x), int(y)
    return 0 <= r < H and 0 <= c < W and mask[r][c]


# ------------------------------------------------------------------ shapes
# Oval plate.
OX, OY, ORX, ORY = CX, 182.0, 131.0, 171.0


def in_oval(x, y, shrink=0.0):
    return ((x - OX) / (ORX - shrink)) ** 2 + ((y - OY) / (ORY - shrink)) ** 2 <= 1.0


# Face (visible skin): hairline on top, then jaw and chin.
FACE_R = [(142, 80), (160, 82), (176, 92), (184, 112), (187, 132), (184, 152),
          (176, 170), (162, 185), (142, 193)]
FACE = catmull(FACE_R + mirror(FACE_R[1:-1])[::-1])
# Hair: full mass around the head, down over the ears.
HAIR_R = [(142, 44), (170, 48), (193, 64), (204, 92), (205, 122), (200, 148),
          (190, 166), (180, 160)]
HAIR = catmull(HAIR_R + mirror(HAIR_R[1:])[::-1])
# Neck.
NECK = catmull([(124, 176), (160, 176), (166, 214), (142, 222), (118, 214)])
# Shirt collar and cravat.
SHIRT_R = [(142, 226), (160, 212), (172, 200), (182, 214), (176, 244), (160, 276), (142, 306)]
SHIRT = catmull(SHIRT_R + mirror(SHIRT_R[1:-1])[::-1])
# Coat, from shoulder to shoulder, open in front.
COAT_R = [(142, 312), (160, 276), (174, 236), (186, 214), (214, 224), (244, 240),
          (264, 262), (278, 300), (284, 364)]
COAT = catmull(COAT_R + [(142, 372)] + mirror(COAT_R[1:])[::-1], closed=True)

M_FACE = scan_mask(FACE)
M_HAIR = scan_mask(HAIR)
M_NECK = scan_mask(NECK)
M_SHIRT = scan_mask(SHIRT)
M_COAT = scan_mask(COAT)


def region(x, y):
    if not in_oval(x, y, 2.5):
        return None
    if inside(M_FACE, x, y):
        return "face"
    if inside(M_HAIR, x, y):
        return "hair"
    if inside(M_SHIRT, x, y):
        return "shirt"
    if inside(M_NECK, x, y):
        return "neck"
    if inside(M_COAT, x, y):
        return "coat"
    return "bg"


# ------------------------------------------------------------------- tones
LIGHT = (-0.55, -0.45, 0.70)
_l = math.sqrt(sum(c * c for c in LIGHT))
LIGHT = tuple(c / _l for c in LIGHT)


FACE_LIGHT = (-0.62, -0.18, 0.76)
_l = math.sqrt(sum(c * c for c in FACE_LIGHT))
FACE_LIGHT = tuple(c / _l for c in FACE_LIGHT)


def lambert(x, y, cx, cy, rx, ry, light=LIGHT):
    u, v = (x - cx) / rx, (y - cy) / ry
    r2 = u * u + v * v
    if r2 >= 1.0:
        u, v, w = u / math.sqrt(r2), v / math.sqrt(r2), 0.0
    else:
        w = math.sqrt(1.0 - r2)
    return max(0.0, u * light[0] + v * light[1] + w * light[2])


def gauss(x, y, gx, gy, sx, sy, amp):
    return amp * math.exp(-(((x - gx) / sx) ** 2 + ((y - gy) / sy) ** 2) / 2)


def tone(reg, x, y):
    """Darkness 0 (paper) .. 1 (black) of a region at a point."""
    if reg == "bg":
        # Plate background: lighter behind the lit side of the head.
        d = 0.30 + 0.28 * (x / W) + 0.10 * (y / H)
        return d
    if reg == "face":
        d = 0.66 * (1.0 - lambert(x, y, 138, 124, 54, 90, FACE_LIGHT)) - 0.12
        d += gauss(x, y, 124, 123, 8, 5, 0.16) + gauss(x, y, 160, 123, 8, 5, 0.24)
        d += gauss(x, y, 152, 142, 3.0, 9, 0.28)           # shadow side of the nose
        d += gauss(x, y, 147, 161, 6, 2.5, 0.22)           # under the nose
        d += gauss(x, y, 143, 181, 8, 3.0, 0.22)           # under the lower lip
        d += gauss(x, y, 180, 145, 6, 22, 0.18)            # cheek turning away
        return max(0.0, min(1.0, d))
    if reg == "hair":
        d = 0.92 - 0.42 * lambert(x, y, 142, 100, 64, 70)
        return max(0.0, min(1.0, d))
    if reg == "neck":
        d = 0.42 + 0.30 * (x - 118) / 48 - 0.25 * (y - 176) / 46
        return max(0.0, min(1.0, d))
    if reg == "shirt":
        d = 0.06 + 0.22 * max(0.0, (x - 142) / 40)
        d += gauss(x, y, 142, 232, 6, 8, 0.25)
        return max(0.0, min(1.0, d))
    if reg == "coat":
        d = 0.80 - 0.42 * lambert(x, y, 142, 330, 140, 120)
        d += gauss(x, y, 150, 228, 26, 10, 0.15)           # shadow under the chin
        return max(0.0, min(1.0, d))
    return 0.0


# ------------------------------------------------------------- drawing out
paths = []


def ribbon(pts, widths):
    """A tapered stroke: polygon of the given widths around the polyline."""
    if len(pts) < 2:
        return
    left, right = [], []
    n = len(pts)
    for i in range(n):
        a = pts[max(0, i - 1)]
        b = pts[min(n - 1, i + 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / ln, dx / ln
        h = widths[i] / 2
        left.append((pts[i][0] + nx * h, pts[i][1] + ny * h))
        right.append((pts[i][0] - nx * h, pts[i][1] - ny * h))
    poly = left + right[::-1]
    paths.append("M" + " L".join("%.1f,%.1f" % p for p in poly) + "Z")


def dot(x, y, r):
    paths.append("M%.2f,%.2f a%.2f,%.2f 0 1,0 %.2f,0 a%.2f,%.2f 0 1,0 %.2f,0Z"
                 % (x - r, y, r, r, 2 * r, r, r, -2 * r))


def hatch_line(pts, regions, spacing, lo, hi, wmax=0.62, jitter=0.0):
    """Lays one hatching line along pts: it is drawn where the point lies in
    one of the regions and its darkness exceeds lo; its width grows up to
    wmax*spacing at darkness hi."""
    run, ws = [], []
    for (x, y) in pts:
        reg = region(x, y)
        w = 0.0
        if reg in regions:
            d = tone(reg, x, y) + (random.uniform(-jitter, jitter) if jitter else 0.0)
            f = (d - lo) / (hi - lo)
            if f > 0:
                w = min(1.0, f) * wmax * spacing
        if w >= 0.35:
            run.append((x, y))
            ws.append(w)
        else:
            if len(run) > 2:
                ribbon(run, taper(ws))
            run, ws = [], []
    if len(run) > 2:
        ribbon(run, taper(ws))


def taper(ws):
    n = len(ws)
    out = list(ws)
    k = min(4, n // 2)
    for i in range(k):
        f = (i + 1) / (k + 1)
        out[i] *= f
        out[n - 1 - i] *= f
    return out


def line_pts(x0, y0, x1, y1, step=1.0):
    n = max(2, int(math.hypot(x1 - x0, y1 - y0) / step))
    return [(x0 + (x1 - x0) * i / n, y0 + (y1 - y0) * i / n) for i in range(n + 1)]


# Background: horizontal lines, a second diagonal layer where it is darker.
SP = 4.0
y = 1.0
while y < H:
    hatch_line(line_pts(0, y, W, y), {"bg"}, SP, 0.05, 0.75, wmax=0.55)
    y += SP
for k in range(-80, 80):
    c = k * SP * 1.6
    hatch_line(line_pts(c, 0, c + H * 0.5, H), {"bg"}, SP * 1.6, 0.50, 1.1, wmax=0.28)

# Face: arcs running round the head (like meridians), and a crossing layer of
# curved lines on the shadow side.
FS = 3.6
for k in range(-16, 17):
    s = k * FS / 50.0
    pts = []
    for i in range(0, 141):
        yy = 72 + i
        v = (yy - 132) / 68.0
        if abs(v) >= 1:
            continue
        pts.append((142 + 50 * s * math.sqrt(1 - v * v) * 1.0, yy))
    hatch_line(pts, {"face"}, FS, 0.20, 0.85, wmax=0.45)
for k in range(0, 40):
    yy0 = 76 + k * FS
    pts = []
    for i in range(0, 121):
        xx = 82 + i
        u = (xx - 142) / 60.0
        pts.append((xx, yy0 + 10 * (1 - u * u)))
    hatch_line(pts, {"face"}, FS, 0.50, 1.0, wmax=0.40)

# Face: fine stipple in the half-tones between the lit side and the hatching.
for row in range(0, 60):
    yy = 76 + row * 2.4
    for col in range(0, 50):
        xx = 96 + col * 2.8 + (1.4 if row % 2 else 0.0)
        if region(xx, yy) != "face":
            continue
        d = tone("face", xx, yy)
        if 0.10 < d < 0.40:
            r = 0.22 + 0.9 * (d - 0.10)
            dot(xx + random.uniform(-0.4, 0.4), yy + random.uniform(-0.4, 0.4), min(r, 0.5))

# Neck: curves round the cylinder, then a crossing layer.
for k in range(0, 16):
    yy0 = 170 + k * FS
    pts = [(xx, yy0 + 5 * (1 - ((xx - 142) / 26.0) ** 2)) for xx in range(112, 173)]
    hatch_line(pts, {"neck"}, FS, 0.10, 0.80, wmax=0.55)
for k in range(-12, 14):
    x0 = 110 + k * FS * 1.2
    hatch_line(line_pts(x0, 170, x0 + 24, 226), {"neck"}, FS, 0.55, 1.0, wmax=0.4)

# Shirt: a few soft folds.
for k in range(-9, 10):
    x0 = 142 + k * 4.2
    pts = [(x0 + 0.10 * (yy - 200) * (1 if k > 0 else -1) * abs(k) / 9.0, yy) for yy in range(196, 312)]
    hatch_line(pts, {"shirt"}, 4.2, 0.12, 0.60, wmax=0.45)

# Coat: lines following the slope of the shoulders, then two crossing layers.
CS = 4.2
for k in range(-30, 40):
    yy0 = 200 + k * CS
    pts = [(xx, yy0 + 0.0042 * (xx - 142) ** 2 + 18) for xx in range(0, W + 1)]
    hatch_line(pts, {"coat"}, CS, 0.05, 0.70, wmax=0.55)
for k in range(-60, 80):
    c = k * CS
    hatch_line(line_pts(c, 190, c - 180, H), {"coat"}, CS, 0.50, 0.98, wmax=0.42)
for k in range(-40, 90):
    c = k * CS * 1.3
    hatch_line(line_pts(c, 190, c + 120, H), {"coat"}, CS * 1.3, 0.72, 1.05, wmax=0.35)

# Hair: strands laid between the hairline and the outer edge of the hair,
# from the parting down to the ends over the ears.
def resample(poly, n):
    acc = [0.0]
    for i in range(1, len(poly)):
        acc.append(acc[-1] + math.hypot(poly[i][0] - poly[i - 1][0], poly[i][1] - poly[i - 1][1]))
    out, j = [], 0
    for k in range(n):
        s = acc[-1] * k / (n - 1)
        while j < len(acc) - 2 and acc[j + 1] < s:
            j += 1
        f = (s - acc[j]) / ((acc[j + 1] - acc[j]) or 1.0)
        out.append((poly[j][0] + f * (poly[j + 1][0] - poly[j][0]),
                    poly[j][1] + f * (poly[j + 1][1] - poly[j][1])))
    return out


HAIR_INNER = [(142, 79), (124, 82), (110, 92), (100, 110), (97, 132), (99, 152), (103, 168)]
HAIR_OUTER = [(142, 43), (113, 47), (90, 64), (79, 92), (78, 122), (83, 148), (95, 172)]
NS = 160
for side in (1, -1):
    inner = resample(catmull(HAIR_INNER, closed=False), NS)
    outer = resample(catmull(HAIR_OUTER, closed=False), NS)
    if side < 0:
        inner, outer = mirror(inner), mirror(outer)
    for j in range(34):
        f0 = (j + 0.5) / 34 + random.uniform(-0.01, 0.01)
        phase = random.uniform(0, 2 * math.pi)
        t0 = random.randint(0, 30)
        t1 = random.randint(int(NS * 0.65), NS)
        pts = []
        for i in range(t0, t1):
            t = i / (NS - 1)
            f = f0 + 0.02 * math.sin(9 * t + phase)
            (xi, yi), (xo, yo) = inner[i], outer[i]
            pts.append((xi + f * (xo - xi), yi + f * (yo - yi)))
        hatch_line(pts, {"hair"}, 2.2, 0.05, 0.75, wmax=0.75)

# --------------------------------------------------------------- contours
def stroke(ctrl, w0, w1=None, closed=False, steps=8, taper_ends=True):
    pts = catmull(ctrl, closed=closed, steps=steps)
    n = len(pts)
    if w1 is None:
        w1 = w0
    ws = []
    for i in range(n):
        t = i / max(1, n - 1)
        w = w0 + (w1 - w0) * t
        if taper_ends:
            w *= min(1.0, 0.25 + 3 * min(t, 1 - t))
        ws.append(w)
    ribbon(pts, ws)


# Jaw and chin (heavier on the shadow side).
stroke([(97, 116), (96, 136), (100, 154), (108, 171), (122, 186), (142, 193)], 1.2, 1.6)
stroke([(142, 193), (162, 185), (176, 170), (184, 152), (187, 132), (186, 114)], 1.6, 2.4)
# Hair outline and a few strong strands.
stroke(HAIR_R[:-1] + [(186, 168)], 1.6, 2.2, taper_ends=True)
stroke(mirror(HAIR_R[:-1] + [(186, 168)]), 1.6, 1.4, taper_ends=True)
stroke([(142, 52), (128, 56), (112, 68), (100, 90), (96, 112)], 1.4, 1.0)
stroke([(142, 52), (158, 56), (176, 68), (186, 90), (188, 112)], 1.4, 1.6)
stroke([(140, 80), (124, 82), (110, 92), (102, 108)], 1.3, 1.0)
stroke([(144, 80), (162, 82), (176, 92), (184, 108)], 1.3, 1.3)

# Eyebrows.
stroke([(110, 116), (118, 111), (128, 111), (136, 115)], 2.6, 1.4)
stroke([(148, 115), (156, 111), (166, 111), (175, 116)], 1.6, 2.8)
# Eyes: upper lids, lower lids, irises with a spark of light.
for ex, heavy in ((124, 1.0), (160, 1.25)):
    stroke([(ex - 10, 126), (ex - 4, 121.5), (ex + 4, 121.5), (ex + 10, 126)], 2.0 * heavy, 1.6 * heavy)
    stroke([(ex - 8, 127.5), (ex, 130.5), (ex + 8, 127.5)], 0.8, 0.8)
    dot(ex + 0.5, 125.5, 3.6)
    paths.append(None)  # marker: next dot is white
    dot(ex - 0.6, 124.4, 0.9)
    # fold above the lid
    stroke([(ex - 8, 119), (ex, 117.5), (ex + 8, 119)], 0.6, 0.6)
# Nose: bridge on the shadow side, tip and nostrils.
stroke([(148, 122), (149.5, 134), (151, 146), (152, 153)], 0.9, 1.8)
stroke([(134, 155), (138, 158.5), (142, 159.5), (146, 158.5), (151, 154.5)], 1.2, 1.6)
stroke([(133, 151), (132, 154.5), (135, 156.5)], 1.2, 1.0)
stroke([(152, 150), (154, 154), (151, 157)], 1.6, 1.3)
# Mouth.
stroke([(127, 170.5), (134, 169), (142, 170), (150, 169), (158, 170.5)], 1.3, 1.6)
stroke([(133, 166.5), (138, 165.5), (142, 166.5), (146, 165.5), (151, 166.5)], 0.7, 0.7)
stroke([(134, 177), (142, 178.5), (151, 177)], 0.8, 1.0)
# Chin dimple line.
stroke([(137, 186.5), (142, 187.5), (148, 186.5)], 0.6, 0.7)
# Neck sides.
stroke([(124, 178), (122, 196), (120, 212)], 1.0, 1.2)
stroke([(160, 178), (162, 196), (165, 212)], 1.6, 1.8)
# Shirt collar, cravat knot and folds.
stroke([(118, 214), (112, 204), (104, 218), (108, 244), (124, 268), (142, 306)], 1.2, 1.4)
stroke([(166, 214), (172, 204), (180, 218), (176, 244), (160, 268), (142, 306)], 1.6, 1.6)
stroke([(112, 204), (126, 224), (142, 228), (158, 224), (172, 204)], 1.0, 1.3)
stroke([(132, 230), (142, 236), (152, 230), (148, 244), (136, 244), (132, 230)], 1.0, 1.0)
stroke([(136, 244), (130, 262), (134, 282)], 0.8, 0.6)
stroke([(148, 244), (154, 262), (150, 282)], 0.9, 0.7)
# Coat: outline of the shoulders and the lapels.
stroke([(186, 214), (214, 224), (244, 240), (264, 262), (278, 300), (283, 340)], 2.2, 2.4)
stroke(mirror([(186, 214), (214, 224), (244, 240), (264, 262), (278, 300), (283, 340)]), 1.6, 1.8)
stroke([(174, 236), (160, 276), (142, 312)], 1.6, 1.6)
stroke(mirror([(174, 236), (160, 276), (142, 312)]), 1.4, 1.4)
stroke([(186, 214), (196, 246), (186, 262), (178, 300), (160, 350)], 1.6, 1.6)
stroke(mirror([(186, 214), (196, 246), (186, 262), (178, 300), (160, 350)]), 1.3, 1.3)
# Buttons.
for by in (318, 346):
    dot(158, by, 2.6)


# ------------------------------------------------------------------ output
def emit():
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<!-- SPDX-FileCopyrightText: 2026 Tessaro-Team -->',
           '<!-- SPDX-License-Identifier: GPL-3.0-or-later -->',
           '<!-- Engraved bust for the rules menu of Tessaro. Drawn for the project;'
           ' generated by portrait133.py. -->',
           '<svg xmlns="http://www.w3.org/2000/svg" width="142" height="182" viewBox="0 0 %d %d">' % (W, H),
           '<rect width="%d" height="%d" fill="#ffffff"/>' % (W, H)]
    black, white, nxt_white = [], [], False
    for p in paths:
        if p is None:
            nxt_white = True
            continue
        (white if nxt_white else black).append(p)
        nxt_white = False
    out.append('<clipPath id="plate"><ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f"/></clipPath>'
               % (OX, OY, ORX, ORY))
    out.append('<g clip-path="url(#plate)">')
    out.append('<path fill="#141414" d="%s"/>' % " ".join(black))
    out.append('<path fill="#ffffff" d="%s"/>' % " ".join(white))
    out.append('</g>')
    # Double rule round the oval plate.
    out.append('<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="none" stroke="#141414" stroke-width="2.2"/>'
               % (OX, OY, ORX + 4.5, ORY + 4.5))
    out.append('<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="none" stroke="#141414" stroke-width="1"/>'
               % (OX, OY, ORX, ORY))
    out.append('</svg>')
    print("\n".join(out))


emit()
