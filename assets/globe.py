"""A shaded globe with continents, drawn at any size."""
import math

from raster import mix, inside_polygon

OCEAN = (40, 110, 230)
LAND = (40, 170, 60)
GRID = (200, 230, 255)
SHADOW = (0, 0, 40)

# Continents in the globe's unit disc, x to the right, y downwards.
CONTINENTS = [
    [(-0.75, -0.45), (-0.45, -0.75), (-0.05, -0.72), (0.05, -0.45), (-0.2, -0.2), (-0.3, 0.05),
     (-0.55, 0.0), (-0.8, -0.15)],
    [(-0.35, 0.15), (-0.05, 0.12), (0.0, 0.4), (-0.2, 0.85), (-0.35, 0.6)],
    [(0.25, -0.55), (0.7, -0.45), (0.85, -0.05), (0.6, 0.15), (0.55, 0.5), (0.3, 0.35),
     (0.25, 0.0), (0.35, -0.25)],
]


def draw_globe(canvas, cx, cy, radius, grid=True):
    for y in range(int(cy - radius) - 1, int(cy + radius) + 2):
        for x in range(int(cx - radius) - 1, int(cx + radius) + 2):
            u, v = (x + 0.5 - cx) / radius, (y + 0.5 - cy) / radius
            if u * u + v * v > 1:
                continue
            canvas.set(x, y, _surface(u, v, radius, grid))


def _surface(u, v, radius, grid):
    land = any(inside_polygon(c, u, v) for c in CONTINENTS)
    colour = LAND if land else OCEAN
    if grid and _on_grid(u, v, radius):
        colour = mix(colour, GRID, 0.6)
    light = math.hypot(u + 0.45, v + 0.45) / 1.45
    return mix(colour, SHADOW, max(0.0, light - 0.35) * 0.8)


def _on_grid(u, v, radius):
    """Parallels and meridians every 30 degrees, about one pixel wide."""
    half_width = 0.6 / radius
    rim = math.sqrt(max(1e-9, 1 - v * v))
    latitude = math.degrees(math.asin(max(-1.0, min(1.0, v))))
    longitude = math.degrees(math.asin(max(-1.0, min(1.0, u / rim))))
    near = lambda angle, step: abs((angle + step / 2) % step - step / 2)
    return (near(latitude, 30) * math.pi / 180 * rim < half_width * 1.5 or
            near(longitude, 30) * math.pi / 180 * rim < half_width)
