#!/usr/bin/env python3
"""Builds the tables of the shared fish mesh from its profile curves.

Writes src/core/fish/FishMeshData.cpp (run from the repository root, or pass the
output path). The output is reproducible byte for byte.

The mesh frame: the body lies along x (snout at -0.5, tail fin tip at +0.5),
z is up and y is lateral. Only the -y half is modelled; the draw mirrors the
paired parts. Each part is K lines of M points; every point carries a
position, a normal and a texture coordinate into the skin layout
(src/core/fish/SkinLayout.h). Fins are sheets whose root line repeats its points so
that neighbouring free-edge points fan out from one root point.
"""

import math
import sys

SKIN_W, SKIN_H = 128, 64
HALF_S, HALF_T = 0.5 / SKIN_W, 0.5 / SKIN_H

# Skin regions (s0, t0, s1, t1), as in SkinLayout.h.
BODY_REGION = (0.0, 0.0, 0.75, 1.0)
FIN_REGION = (0.75, 0.5, 0.875, 1.0)
JAW_REGION = (0.875, 0.5, 1.0, 0.75)
EYE_REGION = (0.875, 0.75, 1.0, 1.0)
TAIL_REGION = (0.75, 0.0, 1.0, 0.5)

LIP_X = -0.5
BODY_X0, BODY_X1 = -0.384, 0.311
STATIONS = 19


# ---------------------------------------------------------------- curves

def smooth_curve(points):
    """A C1 curve through (x, v) control points (monotone cubic Hermite)."""
    xs = [p[0] for p in points]
    vs = [p[1] for p in points]
    n = len(points)
    slopes = [(vs[i + 1] - vs[i]) / (xs[i + 1] - xs[i]) for i in range(n - 1)]
    tangents = [slopes[0]]
    for i in range(1, n - 1):
        if slopes[i - 1] * slopes[i] <= 0:
            tangents.append(0.0)
        else:
            tangents.append(2.0 / (1.0 / slopes[i - 1] + 1.0 / slopes[i]))
    tangents.append(slopes[-1])

    def value(x):
        x = min(max(x, xs[0]), xs[-1])
        i = 0
        while i < n - 2 and x > xs[i + 1]:
            i += 1
        h = xs[i + 1] - xs[i]
        u = (x - xs[i]) / h
        h00 = 2 * u ** 3 - 3 * u ** 2 + 1
        h10 = u ** 3 - 2 * u ** 2 + u
        h01 = -2 * u ** 3 + 3 * u ** 2
        h11 = u ** 3 - u ** 2
        return (h00 * vs[i] + h10 * h * tangents[i] + h01 * vs[i + 1] +
                h11 * h * tangents[i + 1])

    return value


# Side profile of the dorsal ridge, the lateral line (widest line and, on the
# head, the line of the lips) and the ventral ridge; the half-width at the
# lateral line. Together they give an egg-shaped cross-section at every x.
ridge_top = smooth_curve([(-0.500, -0.046), (-0.480, -0.020), (-0.430, 0.018),
                          (-0.384, 0.047), (-0.300, 0.100), (-0.200, 0.142),
                          (-0.100, 0.157), (0.000, 0.150), (0.100, 0.123),
                          (0.200, 0.082), (0.311, 0.042)])
lateral = smooth_curve([(-0.500, -0.072), (-0.440, -0.084), (-0.384, -0.088),
                        (-0.300, -0.066), (-0.200, -0.045), (-0.100, -0.030),
                        (0.000, -0.020), (0.150, -0.008), (0.311, 0.000)])
ridge_bottom = smooth_curve([(-0.500, -0.096), (-0.470, -0.120), (-0.420, -0.141),
                             (-0.384, -0.152), (-0.300, -0.178), (-0.200, -0.196),
                             (-0.120, -0.200), (-0.040, -0.192), (0.060, -0.165),
                             (0.160, -0.118), (0.240, -0.076), (0.311, -0.042)])
half_width = smooth_curve([(-0.500, 0.018), (-0.470, 0.034), (-0.430, 0.045),
                           (-0.384, 0.057), (-0.300, 0.071), (-0.200, 0.078),
                           (-0.100, 0.077), (0.000, 0.070), (0.100, 0.056),
                           (0.200, 0.036), (0.311, 0.018)])


def shell(x, theta):
    """A point of the -y shell; theta 0 is the dorsal ridge, pi the ventral."""
    mid = lateral(x)
    c = math.cos(theta)
    radius = ridge_top(x) - mid if c >= 0 else mid - ridge_bottom(x)
    return (x, -half_width(x) * math.sin(theta), mid + radius * c)


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def normalized(v):
    length = math.sqrt(v[0] ** 2 + v[1] ** 2 + v[2] ** 2)
    return (v[0] / length, v[1] / length, v[2] / length)


def shell_normal(x, theta):
    """The outward normal of the shell, from the surface's partial derivatives.
    Theta runs from the dorsal ridge down the -y flank, so (around x along) points
    out of the body everywhere, the ridges included, where the normal has no y
    to tell its side by."""
    e = 1e-4
    along = sub(shell(x + e, theta), shell(x - e, theta))
    around = sub(shell(x, theta + e), shell(x, theta - e))
    n = normalized(cross(around, along))
    from_axis = sub(shell(x, theta), (x, 0.0, lateral(x)))
    if dot(n, from_axis) <= 0:
        raise ValueError("inward shell normal at x %.3f, theta %.3f" % (x, theta))
    return n


def shell_t(x, z):
    """0 at the ventral ridge, 1 at the dorsal ridge: the flank as seen from the side."""
    return (z - ridge_bottom(x)) / (ridge_top(x) - ridge_bottom(x))


def surface_y(x, z):
    """The shell's y at (x, z) on the -y side."""
    mid = lateral(x)
    radius = ridge_top(x) - mid if z >= mid else mid - ridge_bottom(x)
    c = max(-1.0, min(1.0, (z - mid) / radius))
    return -half_width(x) * math.sqrt(1.0 - c * c)


def region_st(region, u, v, s_wrap=0, t_wrap=0):
    """Texture coordinate at (u, v) in 0..1 of a region, kept half a texel inside
    so that linear filtering never reads a neighbouring region. The wraps add whole
    turns of the repeating skin."""
    s0, t0, s1, t1 = region
    s = s0 + HALF_S + (s1 - s0 - 2 * HALF_S) * u + s_wrap
    t = t0 + HALF_T + (t1 - t0 - 2 * HALF_T) * v + t_wrap
    return (s, t)


def point(pos, normal, st):
    return (pos[0], pos[1], pos[2], normal[0], normal[1], normal[2], st[0], st[1])


# ---------------------------------------------------------------- body and jaws

LINE_ANGLES = [math.pi * k / 6 for k in range(7)]


def body():
    lines = []
    for k in range(7):
        line = []
        for j in range(STATIONS):
            x = BODY_X0 + (BODY_X1 - BODY_X0) * j / (STATIONS - 1)
            pos = shell(x, LINE_ANGLES[k])
            u = (x - BODY_X0) / (BODY_X1 - BODY_X0)
            # The body wears its region one turn up the skin.
            st = region_st(BODY_REGION, u, shell_t(x, pos[2]), t_wrap=1)
            line.append(point(pos, shell_normal(x, LINE_ANGLES[k]), st))
        lines.append(line)
    return lines


def jaw_stations(count):
    # Denser at the lip, where the mouth opens.
    return [LIP_X + (BODY_X0 - LIP_X) * (j / (count - 1)) ** 1.1 for j in range(count)]


def jaw(angles, count, upper):
    lines = []
    for theta in angles:
        line = []
        for x in jaw_stations(count):
            pos = shell(x, theta)
            u = (x - LIP_X) / (BODY_X0 - LIP_X)
            mid = lateral(x)
            if upper:
                v = 0.5 + 0.5 * (pos[2] - mid) / (ridge_top(x) - mid)
            else:
                v = 0.5 * (pos[2] - ridge_bottom(x)) / (mid - ridge_bottom(x))
            st = region_st(JAW_REGION, u, v, s_wrap=1)
            line.append(point(pos, shell_normal(x, theta), st))
        lines.append(line)
    return lines


# ---------------------------------------------------------------- fins

def outline(legs, counts):
    """The free edge of a fin: legs of control points, each leg smoothed by a
    curve through its points and sampled evenly along its length, counts[i]
    points on leg i; the end of the last leg closes the outline."""
    samples = []
    for leg, count in zip(legs, counts):
        lengths = [0.0]
        for a, b in zip(leg, leg[1:]):
            lengths.append(lengths[-1] + math.dist(a, b))
        px = smooth_curve([(d / lengths[-1], p[0]) for d, p in zip(lengths, leg)])
        pz = smooth_curve([(d / lengths[-1], p[1]) for d, p in zip(lengths, leg)])
        samples.extend((px(i / count), pz(i / count)) for i in range(count))
    samples.append(legs[-1][-1])
    return samples


def repeated(points, pattern):
    out = []
    for p, times in zip(points, pattern):
        out.extend([p] * times)
    return out


def flat_fin(root, edge, root_is_first, texture):
    """A sheet in the y = 0 plane facing -y. texture(point, u, v) gives the
    coordinate of a point, u along the fin (0..1 by station), v 0 on the root and
    1 on the free edge."""
    normal = (0.0, -1.0, 0.0)
    m = len(edge)
    root_line = [point(root[j], normal, texture(root[j], j / (m - 1), 0.0)) for j in range(m)]
    edge_line = [point(edge[j], normal, texture(edge[j], j / (m - 1), 1.0)) for j in range(m)]
    return [root_line, edge_line] if root_is_first else [edge_line, root_line]


def fin_rays(s_wrap=0, t_wrap=0):
    """Fin membrane texture with its rays running from root to edge."""
    return lambda _p, u, v: region_st(FIN_REGION, u, v, s_wrap, t_wrap)


def dorsal():
    roots = [(x, 0.0, ridge_top(x) - 0.006)
             for x in [-0.140 + 0.325 * p / 9 for p in range(10)]]
    edge = outline([[(-0.140, ridge_top(-0.140)), (-0.118, 0.222), (-0.090, 0.266),
                     (-0.050, 0.286)],
                    [(-0.050, 0.286), (0.030, 0.278), (0.110, 0.252), (0.180, 0.215),
                     (0.236, 0.168)],
                    [(0.236, 0.168), (0.228, 0.128), (0.200, 0.098),
                     (0.185, ridge_top(0.185))]],
                   [5, 9, 5])
    edge = [(x, 0.0, z) for x, z in edge]
    return flat_fin(repeated(roots, [2] * 10), edge, True, fin_rays(s_wrap=1))


def anal():
    roots = [(x, 0.0, ridge_bottom(x) + 0.006)
             for x in [-0.061 + 0.195 * p / 5 for p in range(6)]]
    edge = outline([[(-0.061, ridge_bottom(-0.061)), (-0.048, -0.238), (-0.022, -0.274),
                     (0.012, -0.286)],
                    [(0.012, -0.286), (0.070, -0.276), (0.130, -0.250), (0.178, -0.214)],
                    [(0.178, -0.214), (0.168, -0.170), (0.134, ridge_bottom(0.134))]],
                   [5, 7, 5])
    edge = [(x, 0.0, z) for x, z in edge]
    return flat_fin(repeated(roots, [3] * 6), edge, True, fin_rays(t_wrap=1))


def tail():
    root_x = 0.282
    tops = [0.040 - 0.080 * i / 9 for i in range(10)]
    roots = [(root_x + 0.012 * (1 - abs(z) / 0.04), 0.0, z) for z in tops]
    edge = outline([[(0.290, 0.046), (0.360, 0.078), (0.430, 0.118), (0.499, 0.152)],
                    [(0.499, 0.152), (0.470, 0.100), (0.440, 0.048), (0.418, 0.000)],
                    [(0.418, 0.000), (0.440, -0.048), (0.470, -0.100), (0.499, -0.152)],
                    [(0.499, -0.152), (0.430, -0.118), (0.360, -0.078), (0.290, -0.046)]],
                   [7, 7, 7, 7])
    edge = [(x, 0.0, z) for x, z in edge]

    # The tail's region is a side view of it: root to free edge across, lower
    # lobe to upper lobe up.
    def side_view(p, _u, _v):
        across = min(max((p[0] - 0.27) / (0.499 - 0.27), 0.0), 1.0)
        return region_st(TAIL_REGION, across, (p[2] + 0.152) / 0.304, s_wrap=1)

    return flat_fin(repeated(roots, [3] * 9 + [2]), edge, False, side_view)


def area_vector(corners):
    """Twice the vector area of a polygon (Newell's method): its normal, weighted
    by its area, and well defined for slivers and twisted quads too."""
    n = [0.0, 0.0, 0.0]
    for a, b in zip(corners, corners[1:] + corners[:1]):
        n[0] += (a[1] - b[1]) * (a[2] + b[2])
        n[1] += (a[2] - b[2]) * (a[0] + b[0])
        n[2] += (a[0] - b[0]) * (a[1] + b[1])
    return tuple(n)


def paired_fin(roots, pattern, edge_xz, edge_y, texture):
    """A fin standing off the -y flank: the root follows the shell, the free edge
    splays outward by edge_y(x, z). The normal is the sheet's, facing -y: at each
    station the mean of the quads beside it, each turned to face -y. Where the
    free edge runs back to the root the strip folds over, and a normal taken from
    the edge's direction alone would flip there."""
    root = repeated(roots, pattern)
    edge = [(x, edge_y(x, z), z) for x, z in edge_xz]
    m = len(edge)
    faces = []
    for j in range(m - 1):
        f = area_vector([root[j], edge[j], edge[j + 1], root[j + 1]])
        faces.append(f if f[1] <= 0 else (-f[0], -f[1], -f[2]))
    lines = [[], []]
    for j in range(m):
        beside = faces[max(j - 1, 0):j + 1]
        total = tuple(sum(f[i] for f in beside) for i in range(3))
        n = normalized(total) if dot(total, total) > 1e-18 else (0.0, -1.0, 0.0)
        u = j / (m - 1)
        lines[0].append(point(root[j], n, texture(root[j], u, 0.0)))
        lines[1].append(point(edge[j], n, texture(edge[j], u, 1.0)))
    return lines


def pectoral():
    def on_flank(x, z):
        return (x, surface_y(x, z) - 0.003, z)

    roots = [on_flank(-0.338 + 0.006 * i / 6, -0.062 - 0.040 * i / 6) for i in range(7)]
    edge = outline([[(-0.338, -0.062), (-0.300, -0.056), (-0.262, -0.064), (-0.232, -0.082)],
                    [(-0.232, -0.082), (-0.222, -0.104), (-0.232, -0.126), (-0.256, -0.138)],
                    [(-0.256, -0.138), (-0.292, -0.132), (-0.318, -0.116),
                     (-0.332, -0.102)]],
                   [7, 6, 5])

    # The fin stands off the flank far enough that its flap toward the body
    # (the wave's amplitude, 0.05) only just brushes it.
    def splay(x, z):
        reach = min(max((x + 0.338) / 0.04, 0.0), 1.0)
        return surface_y(x, z) - 0.004 - 0.052 * reach

    return paired_fin(roots, [2, 3, 3, 3, 3, 3, 2], edge, splay, fin_rays(s_wrap=1))


def pelvic():
    roots = [(x, -0.018, ridge_bottom(x) + 0.012)
             for x in [-0.192 + 0.062 * i / 7 for i in range(8)]]
    edge = outline([[(-0.192, ridge_bottom(-0.192)), (-0.170, -0.232), (-0.135, -0.262),
                     (-0.088, -0.280)],
                    [(-0.088, -0.280), (-0.098, -0.255), (-0.112, -0.228),
                     (-0.130, ridge_bottom(-0.130) - 0.004)]],
                   [12, 10])

    def splay(x, z):
        drop = (ridge_bottom(x) - z) / 0.08
        return -0.018 - 0.030 * min(max(drop, 0.0), 1.0)

    return paired_fin(roots, [3, 3, 3, 3, 3, 3, 3, 2], edge, splay, fin_rays(s_wrap=2))


# ---------------------------------------------------------------- eyes

EYE_CENTRE = (-0.430, -0.054, -0.048)
EYE_RADIUS = 0.024
IRIS_FRACTION = 0.55


def eyes():
    cx, cy, cz = EYE_CENTRE
    if surface_y(cx, cz) - 0.002 < cy:
        raise ValueError("eye centre lies inside the head")
    centre_st = region_st(EYE_REGION, 0.5, 0.5)
    lines = [[point(EYE_CENTRE, (0.0, -1.0, 0.0), centre_st)] * 10, [], []]
    for ring, fraction in ((1, IRIS_FRACTION), (2, 1.0)):
        for m in range(10):
            a = 2 * math.pi * (m % 9) / 9
            x = cx + EYE_RADIUS * fraction * math.cos(a)
            z = cz + EYE_RADIUS * fraction * math.sin(a)
            rim = surface_y(x, z) - 0.002
            # A shallow dome from the rim up to the centre.
            y = rim + (cy - rim) * (1.0 - fraction ** 2) if ring == 1 else rim
            tilt = 0.6 * fraction
            n = normalized((tilt * math.cos(a), -1.0, tilt * math.sin(a)))
            st = region_st(EYE_REGION, 0.5 + 0.5 * fraction * math.cos(a),
                           0.5 + 0.5 * fraction * math.sin(a))
            lines[ring].append(point((x, y, z), n, st))
    return lines


# ---------------------------------------------------------------- output

PARTS = [
    ("Body", body, 7, 19),
    ("UpperJaw", lambda: jaw(LINE_ANGLES[0:4], 11, True), 4, 11),
    ("LowerJaw", lambda: jaw(LINE_ANGLES[3:7], 8, False), 4, 8),
    ("Dorsal", dorsal, 2, 20),
    ("Pectoral", pectoral, 2, 19),
    ("Pelvic", pelvic, 2, 23),
    ("Anal", anal, 2, 18),
    ("Tail", tail, 2, 29),
    ("Eye", eyes, 3, 10),
]


def number(v):
    text = "%.6f" % v
    if text == "-0.000000":
        text = "0.000000"
    return text + "f"


def render():
    out = ["// Generated by tools/generate_fish_mesh.py from the fish's profile curves; "
           "do not edit.",
           '#include "core/fish/FishMeshData.h"', "", "// clang-format off", ""]
    for name, build, lines_count, points_count in PARTS:
        lines = build()
        if len(lines) != lines_count or any(len(l) != points_count for l in lines):
            raise ValueError("%s has the wrong shape" % name)
        out.append("const FishMeshPoint kFish%s[%d][%d] = {" % (name, lines_count, points_count))
        for line in lines:
            out.append("    {")
            for p in line:
                out.append("        {" + ", ".join(number(v) for v in p) + "},")
            out.append("    },")
        out.append("};")
        out.append("")
    out.append("// clang-format on")
    return "\n".join(out) + "\n"


if __name__ == "__main__":
    path = sys.argv[1] if len(sys.argv) > 1 else "src/core/fish/FishMeshData.cpp"
    with open(path, "w") as f:
        f.write(render())
