#!/usr/bin/env python3
"""Draws the twelve profile-class figures of the user guide (profile-*.svg).

Run from this folder after changing a shape; the SVG files are committed."""

W, H = 240, 130
X0, X1 = 14, 206          # channel drawn between these x pixels
SCALE = 22                # pixels per depth unit

# slope: bed drop over the figure in pixels (negative rises); dn, dc: depths of
# the normal and critical depth lines (None: no line); surface: depth along x.
CLASSES = {
    "M-1": (24, 1.4, 0.8, lambda x: 1.4 + 0.5 * x ** 2),
    "M-2": (24, 1.6, 0.9, lambda x: 1.6 - 0.7 * x ** 3.5),
    "M-3": (24, 1.6, 0.9, lambda x: 0.3 + 0.55 * x ** 0.8),
    "S-1": (40, 0.7, 1.3, lambda x: 1.3 + 2.1 * x ** 0.9),
    "S-2": (40, 0.7, 1.3, lambda x: 0.7 + 0.6 * (1 - x) ** 3.5),
    "S-3": (40, 0.9, 1.5, lambda x: 0.9 - 0.6 * (1 - x) ** 3),
    "C-1": (24, 1.1, 1.1, lambda x: 1.1 + 1.1 * x),
    "C-3": (24, 1.1, 1.1, lambda x: 0.35 + 0.5 * x ** 0.8),
    "H-2": (0, None, 0.9, lambda x: 2.0 - 1.1 * x ** 3),
    "H-3": (0, None, 1.2, lambda x: 0.35 + 0.8 * x ** 0.8),
    "A-2": (-14, None, 0.9, lambda x: 2.4 - 0.7 * x - 0.8 * x ** 3),
    "A-3": (-14, None, 1.2, lambda x: 0.35 + 0.8 * x ** 0.8),
}


def bed(x, slope):
    """Bed height in pixels from the top; the lower end sits 8 pixels above the bottom edge."""
    left = H - 8 - max(slope, 0)
    return left + slope * x


def px(t):
    return X0 + (X1 - X0) * t


def line_at(depth, slope, **attrs):
    extra = " ".join(f'{k.replace("_", "-")}="{v}"' for k, v in attrs.items())
    return (f'<line x1="{X0}" y1="{bed(0, slope) - depth * SCALE:.1f}" x2="{X1}" '
            f'y2="{bed(1, slope) - depth * SCALE:.1f}" {extra}/>')


def figure(name, slope, dn, dc, surface):
    steps = [i / 40 for i in range(41)]
    top = [(px(t), bed(t, slope) - surface(t) * SCALE) for t in steps]
    bottom = [(px(t), bed(t, slope)) for t in reversed(steps)]
    water = " ".join(f"{x:.1f},{y:.1f}" for x, y in top + bottom)
    curve = " ".join(f"{x:.1f},{y:.1f}" for x, y in top)
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">',
        f'<rect x="0" y="0" width="{W}" height="{H}" fill="#ffffff"/>',
        f'<polygon points="{water}" fill="#cfe6f7"/>',
        f'<polyline points="{curve}" fill="none" stroke="#1f5fa8" stroke-width="2"/>',
    ]
    if dn is not None and dn != dc:
        parts.append(line_at(dn, slope, stroke="#555555", stroke_width="1", stroke_dasharray="6,3"))
        parts.append(f'<text x="{X1 + 3}" y="{bed(1, slope) - dn * SCALE + 4:.1f}" '
                     'font-family="sans-serif" font-size="10" fill="#555555">NDL</text>')
    parts.append(line_at(dc, slope, stroke="#c0392b", stroke_width="1", stroke_dasharray="2,2"))
    if dn == dc:
        # On a critical slope the two lines coincide: one label, on the side
        # of the lines away from the water surface.
        dy = 12 if surface(1) > dc else -6
        parts.append(f'<text x="{X1 - 4}" y="{bed(1, slope) - dc * SCALE + dy:.1f}" text-anchor="end" '
                     'font-family="sans-serif" font-size="10" fill="#c0392b">NDL = CDL</text>')
    else:
        parts.append(f'<text x="{X1 + 3}" y="{bed(1, slope) - dc * SCALE + 4:.1f}" '
                     'font-family="sans-serif" font-size="10" fill="#c0392b">CDL</text>')
    parts.append(f'<line x1="{X0}" y1="{bed(0, slope)}" x2="{X1}" y2="{bed(1, slope)}" '
                 'stroke="#3b2f23" stroke-width="3"/>')
    parts.append(f'<text x="8" y="16" font-family="sans-serif" font-size="13" font-weight="bold" '
                 f'fill="#12508a">{name}</text>')
    # Flow from left to right.
    parts.append('<line x1="150" y1="12" x2="184" y2="12" stroke="#333333" stroke-width="1.5"/>')
    parts.append('<polygon points="190,12 182,8 182,16" fill="#333333"/>')
    parts.append('<text x="120" y="16" font-family="sans-serif" font-size="10" fill="#333333">flow</text>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


for name, (slope, dn, dc, surface) in CLASSES.items():
    with open(f"profile-{name.lower()}.svg", "w", encoding="utf-8") as out:
        out.write(figure(name, slope, dn, dc, surface))
