"""A small raster canvas for the program's artwork: filled shapes with crisp
edges, optional supersampling for small icons, and writers for 24-bit BMP,
PNG and ICO files. Only the Python standard library is used, so the pictures
build on any machine that builds the program."""

import struct
import zlib


def rgb(value):
    """0xRRGGBB -> (r, g, b, 255)."""
    return ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF, 255)


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3)) + (255,)


class Canvas:
    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        self.px = [list(fill) for _ in range(width * height)]

    def copy(self):
        other = Canvas(0, 0)
        other.width, other.height = self.width, self.height
        other.px = [list(p) for p in self.px]
        return other

    def get(self, x, y):
        return tuple(self.px[y * self.width + x])

    def put(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            alpha = color[3] if len(color) > 3 else 255
            p = self.px[y * self.width + x]
            if alpha >= 255:
                p[:] = [color[0], color[1], color[2], 255]
            elif alpha > 0:
                a = alpha / 255.0
                out_a = a + p[3] / 255.0 * (1 - a)
                for i in range(3):
                    base = p[i] * (p[3] / 255.0) * (1 - a)
                    p[i] = int(round((color[i] * a + base) / out_a)) if out_a else 0
                p[3] = int(round(out_a * 255))

    def fill_rect(self, left, top, right, bottom, color):
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                self.put(x, y, color)

    def frame_rect(self, left, top, right, bottom, color, width=1):
        self.fill_rect(left, top, right, top + width, color)
        self.fill_rect(left, bottom - width, right, bottom, color)
        self.fill_rect(left, top, left + width, bottom, color)
        self.fill_rect(right - width, top, right, bottom, color)

    def gradient_rect(self, left, top, right, bottom, top_color, bottom_color):
        span = max(bottom - top - 1, 1)
        for y in range(top, bottom):
            c = mix(top_color, bottom_color, (y - top) / span)
            self.fill_rect(left, y, right, y + 1, c)

    def round_rect(self, left, top, right, bottom, radius, color):
        """Filled rectangle with corners cut on a circle of `radius`."""
        for y in range(top, bottom):
            for x in range(left, right):
                dx = max(left + radius - x - 0.5, x + 0.5 - (right - radius), 0)
                dy = max(top + radius - y - 0.5, y + 0.5 - (bottom - radius), 0)
                if dx * dx + dy * dy <= radius * radius:
                    self.put(x, y, color)

    def round_frame(self, left, top, right, bottom, radius, border, inside):
        self.round_rect(left, top, right, bottom, radius, border)
        self.round_rect(left + 1, top + 1, right - 1, bottom - 1, max(radius - 1, 0), inside)

    def round_gradient(self, left, top, right, bottom, radius, top_color, bottom_color):
        span = max(bottom - top - 1, 1)
        for y in range(top, bottom):
            c = mix(top_color, bottom_color, (y - top) / span)
            for x in range(left, right):
                dx = max(left + radius - x - 0.5, x + 0.5 - (right - radius), 0)
                dy = max(top + radius - y - 0.5, y + 0.5 - (bottom - radius), 0)
                if dx * dx + dy * dy <= radius * radius:
                    self.put(x, y, c)

    def ellipse(self, cx, cy, rx, ry, color):
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                u = (x + 0.5 - cx) / rx
                v = (y + 0.5 - cy) / ry
                if u * u + v * v <= 1.0:
                    self.put(x, y, color)

    def polygon(self, points, color):
        """Even-odd scanline fill, sampling pixel centres."""
        ys = [p[1] for p in points]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            sy = y + 0.5
            xs = []
            for i in range(len(points)):
                x0, y0 = points[i]
                x1, y1 = points[(i + 1) % len(points)]
                if (y0 <= sy < y1) or (y1 <= sy < y0):
                    xs.append(x0 + (sy - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(int(round(xs[i])), int(round(xs[i + 1]))):
                    self.put(x, y, color)

    def line(self, x0, y0, x1, y1, width, color):
        """A straight stroke of `width` pixels as a filled quadrilateral."""
        dx, dy = x1 - x0, y1 - y0
        length = (dx * dx + dy * dy) ** 0.5 or 1.0
        nx, ny = -dy / length * width / 2.0, dx / length * width / 2.0
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny),
                      (x0 - nx, y0 - ny)], color)

    def blit(self, other, x, y):
        for oy in range(other.height):
            for ox in range(other.width):
                self.put(x + ox, y + oy, other.get(ox, oy))

    def downsample(self, factor):
        """Average factor x factor blocks (alpha-weighted), for smooth small icons."""
        out = Canvas(self.width // factor, self.height // factor)
        n = factor * factor
        for y in range(out.height):
            for x in range(out.width):
                acc = [0.0, 0.0, 0.0, 0.0]
                for sy in range(factor):
                    for sx in range(factor):
                        p = self.px[(y * factor + sy) * self.width + x * factor + sx]
                        a = p[3]
                        acc[0] += p[0] * a
                        acc[1] += p[1] * a
                        acc[2] += p[2] * a
                        acc[3] += a
                if acc[3]:
                    out.px[y * out.width + x] = [int(round(acc[i] / acc[3])) for i in range(3)] + [
                        int(round(acc[3] / n))]
        return out


def write_bmp(canvas, path):
    """24-bit bottom-up BMP, as the resource compiler and LoadBitmap expect."""
    row = (canvas.width * 3 + 3) & ~3
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        line = bytearray()
        for x in range(canvas.width):
            r, g, b, _ = canvas.get(x, y)
            line += bytes((b, g, r))
        line += b"\0" * (row - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def png_bytes(canvas, alpha=True):
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        for x in range(canvas.width):
            p = canvas.get(x, y)
            raw += bytes(p if alpha else p[:3])

    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body))

    head = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def write_png(canvas, path, alpha=True):
    with open(path, "wb") as f:
        f.write(png_bytes(canvas, alpha))


def write_ico(canvases, path):
    """Icon file of 32-bit images (colour with alpha plus the AND mask)."""
    images = []
    for c in canvases:
        xor = bytearray()
        for y in range(c.height - 1, -1, -1):
            for x in range(c.width):
                r, g, b, a = c.get(x, y)
                xor += bytes((b, g, r, a))
        mask_row = ((c.width + 31) // 32) * 4
        mask = bytearray()
        for y in range(c.height - 1, -1, -1):
            bits = bytearray(mask_row)
            for x in range(c.width):
                if c.get(x, y)[3] == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, c.width, c.height * 2, 1, 32, 0,
                           len(xor) + len(mask), 0, 0, 0, 0)
        images.append(info + xor + mask)
    out = bytearray(struct.pack("<HHH", 0, 1, len(canvases)))
    offset = 6 + 16 * len(canvases)
    for c, img in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    for img in images:
        out += img
    with open(path, "wb") as f:
        f.write(out)
