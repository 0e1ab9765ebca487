#!/usr/bin/env python3
"""Draws the program's pictures: the faces of the skinned windows in their
normal, hover and pressed looks, the icons, and the images under skins\\Menu
and skins\\macro. Button shapes are drawn at the rectangles of
ui/SkinLayout.h, the same rectangles the windows place their buttons at.

usage: generate.py SKIN_LAYOUT_HEADER OUTPUT_FOLDER
"""

import os
import re
import sys

from raster import Canvas, rgb, mix, write_bmp, write_ico, write_png

# One palette for every picture.
BODY_TOP = rgb(0xEEEFF1)
BODY_BOTTOM = rgb(0xDCDEE1)
BODY_EDGE = rgb(0x5E636B)
STRIP_TOP = rgb(0xB4BAC2)
STRIP_BOTTOM = rgb(0xA3AAB3)
DARK_STRIP_TOP = rgb(0x3A3F47)
DARK_STRIP_BOTTOM = rgb(0x2B2F35)
ORANGE = rgb(0xE8782F)
ORANGE_LIGHT = rgb(0xF6A867)
ORANGE_DARK = rgb(0xC65F1C)
SLATE = rgb(0x5B636E)
SLATE_DARK = rgb(0x474E58)
BUTTON_FACE_TOP = rgb(0xFBFBFC)
BUTTON_FACE_BOTTOM = rgb(0xE9EBEE)
BUTTON_BORDER = rgb(0xA7ADB5)
PRESSED_FACE_TOP = rgb(0xC3C8CF)
PRESSED_FACE_BOTTOM = rgb(0xCFD3D9)
PRESSED_BORDER = rgb(0x858C96)
GLYPH_DARK = rgb(0x3C4048)
GLYPH_LIGHT = rgb(0xE9EBEE)
WHITE = rgb(0xFFFFFF)
RED = rgb(0xD83B32)
RED_DARK = rgb(0x9E231C)
PANEL_GREY = rgb(0xE4E6E9)
GROOVE = rgb(0xC3C7CD)

NORMAL, HOVER, PRESSED = "normal", "hover", "pressed"


def read_layout(path):
    text = open(path, encoding="utf-8").read()
    quad = r"\{\s*(-?\d+),\s*(-?\d+),\s*(-?\d+),\s*(-?\d+)\s*\}"
    layout = {}
    for m in re.finditer(r"constexpr Rect (k\w+)" + quad, text):
        layout[m.group(1)] = tuple(int(v) for v in m.groups()[1:])
    for m in re.finditer(r"constexpr Size (k\w+)\{\s*(\d+),\s*(\d+)\s*\}", text):
        layout[m.group(1)] = (int(m.group(2)), int(m.group(3)))
    for m in re.finditer(r"constexpr std::array<Rect, \d+> (k\w+)\{\{(.*?)\}\};", text, re.S):
        layout[m.group(1)] = [tuple(int(v) for v in q) for q in re.findall(quad, m.group(2))]
    return layout


def body(size):
    c = Canvas(size[0], size[1])
    c.gradient_rect(0, 0, size[0], size[1], BODY_TOP, BODY_BOTTOM)
    return c


def button_shape(c, rect, look, radius=3):
    """A push button: light face at rest, slate glow on hover, orange when pressed."""
    l, t, r, b = rect
    if look == NORMAL:
        c.round_rect(l, t, r, b, radius, BUTTON_BORDER)
        c.round_gradient(l + 1, t + 1, r - 1, b - 1, radius - 1, BUTTON_FACE_TOP, BUTTON_FACE_BOTTOM)
    elif look == HOVER:
        c.round_rect(l, t, r, b, radius, SLATE_DARK)
        c.round_gradient(l + 1, t + 1, r - 1, b - 1, radius - 1, mix(SLATE, WHITE, 0.12), SLATE)
    else:
        c.round_rect(l, t, r, b, radius, ORANGE_DARK)
        c.round_gradient(l + 1, t + 1, r - 1, b - 1, radius - 1, ORANGE, mix(ORANGE, ORANGE_LIGHT, 0.5))


def slot_shape(c, rect, look):
    """A gesture slot: light at rest, orange highlight, darkened when pressed."""
    l, t, r, b = rect
    if look == NORMAL:
        c.round_rect(l, t, r, b, 3, BUTTON_BORDER)
        c.round_gradient(l + 1, t + 1, r - 1, b - 1, 2, BUTTON_FACE_TOP, BUTTON_FACE_BOTTOM)
    elif look == HOVER:
        c.round_rect(l, t, r, b, 3, ORANGE)
        c.round_gradient(l + 1, t + 1, r - 1, b - 1, 2, mix(ORANGE_LIGHT, WHITE, 0.35), ORANGE_LIGHT)
    else:
        c.round_rect(l, t, r, b, 3, PRESSED_BORDER)
        c.round_gradient(l + 1, t + 1, r - 1, b - 1, 2, PRESSED_FACE_TOP, PRESSED_FACE_BOTTOM)


def cross(c, rect, color, inset=3, width=2.0):
    l, t, r, b = rect
    size = min(r - l, b - t) - 2 * inset
    cx, cy = (l + r) / 2.0, (t + b) / 2.0
    h = size / 2.0
    c.line(cx - h, cy - h, cx + h, cy + h, width, color)
    c.line(cx - h, cy + h, cx + h, cy - h, width, color)


def warning_sign(c, rect):
    l, t, r, b = rect
    cx = (l + r) / 2.0
    c.polygon([(cx, t), (r, b), (l, b)], RED_DARK)
    c.polygon([(cx, t + 3), (r - 3, b - 2), (l + 3, b - 2)], RED)
    c.fill_rect(int(cx) - 2, t + 14, int(cx) + 2, b - 14, WHITE)
    c.fill_rect(int(cx) - 2, b - 10, int(cx) + 2, b - 6, WHITE)


def info_face(lay, look):
    size = lay["kInfoFaceSize"]
    c = body(size)
    l, t, r, b = lay["kInfoTitleStrip"]
    c.gradient_rect(l, t, r, b, STRIP_TOP, STRIP_BOTTOM)
    c.fill_rect(l, b - 2, r, b, ORANGE)
    c.frame_rect(0, 0, size[0], size[1], BODY_EDGE)
    warning_sign(c, lay["kInfoWarningSign"])
    # A quiet well behind the buttons.
    c.fill_rect(1, 114, size[0] - 1, 115, GROOVE)
    c.fill_rect(1, 115, size[0] - 1, size[1] - 1, mix(BODY_BOTTOM, WHITE, 0.25))
    for key in ("kInfoOkButton", "kInfoCancelButton"):
        button_shape(c, lay[key], look)
    close = lay["kInfoCloseButton"]
    if look == NORMAL:
        cross(c, close, GLYPH_DARK)
    elif look == HOVER:
        c.round_rect(*close, 2, SLATE)
        cross(c, close, WHITE)
    else:
        c.round_rect(*close, 2, mix(ORANGE, WHITE, 0.7))
        cross(c, close, ORANGE_DARK)
    return c


def editor_face(lay, prefix, look, extra_buttons, lists):
    size = lay[prefix + "FaceSize"]
    c = body(size)
    c.gradient_rect(0, 0, size[0], 26, STRIP_TOP, STRIP_BOTTOM)
    c.fill_rect(0, 24, size[0], 26, ORANGE)
    c.frame_rect(0, 0, size[0], size[1], BODY_EDGE)
    for key in lists:
        l, t, r, b = lay[key]
        c.frame_rect(l - 1, t - 1, r + 1, b + 1, GROOVE)
    for key in [prefix + "OkButton", prefix + "CancelButton"] + extra_buttons:
        button_shape(c, lay[key], look, radius=2)
    close = lay[prefix + "CloseButton"]
    glyph = {NORMAL: GLYPH_DARK, HOVER: WHITE, PRESSED: ORANGE_DARK}[look]
    if look != NORMAL:
        c.round_rect(*close, 2, SLATE if look == HOVER else mix(ORANGE, WHITE, 0.7))
    cross(c, close, glyph, inset=max((min(close[2] - close[0], close[3] - close[1]) - 10) // 2, 2))
    return c


def chevron(c, rect, color, pointing_left):
    l, t, r, b = rect
    cx, cy = (l + r) / 2.0, (t + b) / 2.0
    d = -1 if pointing_left else 1
    c.line(cx - 2 * d, cy - 6, cx + 2 * d, cy, 2.0, color)
    c.line(cx + 2 * d, cy, cx - 2 * d, cy + 6, 2.0, color)


def main_face(lay, look):
    size = lay["kMainSkinSize"]
    c = body(size)
    l, t, r, b = lay["kMainTitleStrip"]
    c.gradient_rect(l, t, r, b, DARK_STRIP_TOP, DARK_STRIP_BOTTOM)
    c.fill_rect(l, b - 2, r, b, ORANGE)
    c.frame_rect(0, 0, size[0], size[1], BODY_EDGE)
    # Product mark at the left of the strip.
    c.round_rect(12, 8, 32, 28, 4, ORANGE)
    c.ellipse(22, 18, 5, 7, WHITE)
    c.fill_rect(21, 12, 23, 17, ORANGE)
    # Areas: mouse picture, slot grid, picture panel, status line.
    ml, mt, mr, mb = lay["kMainMousePicture"]
    c.frame_rect(ml - 2, mt - 2, mr + 2, mb + 2, GROOVE)
    first, last = lay["kMainSlotButtons"][0], lay["kMainSlotButtons"][-1]
    c.round_frame(first[0] - 10, first[1] - 12, lay["kMainSlotButtons"][2][2] + 10, last[3] + 10, 4,
                  GROOVE, mix(BODY_TOP, WHITE, 0.4))
    pl, pt, pr, pb = lay["kMainPanel"]
    c.fill_rect(pl - 1, pt - 1, pr + 1, pb + 1, GROOVE)
    c.fill_rect(pl, pt, pr, pb, PANEL_GREY)
    c.fill_rect(1, 432, size[0] - 1, 433, GROOVE)
    for key in ("kMainApplyButton", "kMainResetButton", "kMainFunctionButton", "kMainRestoreButton"):
        slot_or_button = button_shape if look != PRESSED else slot_shape
        if look == HOVER:
            slot_shape(c, lay[key], HOVER)
        else:
            slot_or_button(c, lay[key], look)
    for key, left in (("kMainPageLeftButton", True), ("kMainPageRightButton", False)):
        rect = lay[key]
        slot_shape(c, rect, look)
        chevron(c, rect, GLYPH_DARK if look != HOVER else WHITE, left)
    for rect in lay["kMainSlotButtons"]:
        slot_shape(c, rect, look)
    minimise, close = lay["kMainMinimiseButton"], lay["kMainCloseButton"]
    if look != NORMAL:
        tint = ORANGE if look == HOVER else ORANGE_DARK
        c.fill_rect(*minimise, tint)
        c.fill_rect(*close, tint)
    ml, mt, mr, mb = minimise
    c.fill_rect(ml + 8, mb - 8, mr - 8, mb - 6, GLYPH_LIGHT)
    cross(c, (close[0], close[1], close[2], close[1] + 21), GLYPH_LIGHT, inset=6)
    return c

HAND = rgb(0xDCD3CA)
HAND_EDGE = rgb(0x9A8F86)
MOUSE_TOP = rgb(0x5C636D)
MOUSE_BODY = rgb(0x3F454E)

# The gesture of each slot: (fingers, mark) with mark one of tap, double-tap,
# up, down, left, right, edge-right, edge-left.
GESTURES = [(1, "tap-left"), (1, "tap-right"), (1, "double-tap-right"), (1, "up"), (1, "down"),
            (1, "left"), (1, "right"), (1, "edge-right"), (1, "edge-left"), (2, "up"), (2, "down"),
            (2, "left"), (2, "right")]


def arrow(c, x0, y0, x1, y1, color):
    c.line(x0, y0, x1, y1, 3.0, color)
    dx, dy = x1 - x0, y1 - y0
    length = (dx * dx + dy * dy) ** 0.5
    ux, uy = dx / length, dy / length
    c.polygon([(x1 + ux * 5, y1 + uy * 5), (x1 - uy * 6, y1 + ux * 6), (x1 + uy * 6, y1 - ux * 6)],
              color)


def tap_ring(c, cx, cy, radius, color):
    c.ellipse(cx, cy, radius, radius, color)
    c.ellipse(cx, cy, radius - 2, radius - 2, MOUSE_TOP)


def hand_on_mouse(c, rect, slot, marks):
    l, t, r, b = rect
    cx = (l + r) / 2.0
    top = t + 8
    # The mouse from above.
    c.ellipse(cx, top + 46, 25, 44, MOUSE_BODY)
    c.ellipse(cx, top + 38, 21, 34, MOUSE_TOP)
    c.fill_rect(int(cx), top + 4, int(cx) + 1, top + 34, MOUSE_BODY)
    fingers, mark = GESTURES[slot]
    # The hand: palm over the back of the mouse, the thumb at the left, the
    # pointing fingers on the touch surface.
    c.ellipse(cx + 3, top + 80, 24, 18, HAND_EDGE)
    c.ellipse(cx + 3, top + 80, 23, 17, HAND)
    c.ellipse(cx - 22, top + 66, 6, 12, HAND_EDGE)
    c.ellipse(cx - 22, top + 66, 5, 11, HAND)
    tips = []
    for i in range(fingers):
        fx = int(cx) - 9 + i * 11
        c.round_rect(fx - 1, top + 25, fx + 9, top + 74, 5, HAND_EDGE)
        c.round_rect(fx, top + 26, fx + 8, top + 74, 4, HAND)
        tips.append((fx + 4, top + 24))
    # The other fingers curled under the palm's edge: knuckles only.
    for i in range(fingers, 4):
        fx = int(cx) - 9 + i * 9
        c.round_rect(fx - 1, top + 63, fx + 8, top + 76, 4, HAND_EDGE)
        c.round_rect(fx, top + 64, fx + 7, top + 76, 3, HAND)
    if not marks:
        return
    tx = sum(p[0] for p in tips) / len(tips)
    ty = tips[0][1]
    if mark.startswith("tap") or mark.startswith("double"):
        side = -9 if mark.endswith("left") else 9
        tap_ring(c, cx + side, top + 16, 7, ORANGE)
        if mark.startswith("double"):
            tap_ring(c, cx + side, top + 16, 4, ORANGE)
    elif mark in ("up", "down"):
        for x, _ in tips:
            y0, y1 = (ty + 2, ty - 16) if mark == "up" else (ty - 16, ty + 2)
            arrow(c, x, y0, x, y1, ORANGE)
    elif mark in ("left", "right"):
        d = 1 if mark == "right" else -1
        for i in range(fingers):
            y = ty - 4 - i * 9
            arrow(c, tx - 10 * d, y, tx + 10 * d, y, ORANGE)
    else:
        d = 1 if mark == "edge-right" else -1
        edge = cx - 23 * d
        c.fill_rect(int(edge) - 1, top + 6, int(edge) + 2, top + 40, ORANGE)
        arrow(c, edge + 4 * d, top + 22, edge + 24 * d, top + 22, ORANGE)


def gesture_strip(lay, page, look):
    """look: plain, marks, framed or faded."""
    w, h = lay["kPanelStripSize"]
    c = Canvas(w, h, PANEL_GREY)
    slots = range(0, 7) if page == 0 else range(7, 13)
    pictures = lay["kPanelPictureButtons"]
    for slot in slots:
        l, t, r, b = pictures[slot]
        c.round_rect(l + 2, t + 1, r - 2, b - 1, 5, mix(PANEL_GREY, WHITE, 0.55))
        hand_on_mouse(c, pictures[slot], slot, look in ("marks", "framed"))
        if look == "framed":
            c.round_rect(l + 1, t, r - 1, t + 2, 1, ORANGE)
            c.fill_rect(l + 1, b - 2, r - 1, b, ORANGE)
            c.fill_rect(l + 1, t, l + 3, b, ORANGE)
            c.fill_rect(r - 3, t, r - 1, b, ORANGE)
    if look == "faded":
        for slot in slots:
            l, t, r, b = pictures[slot]
            for y in range(t, b):
                for x in range(l, r):
                    c.put(x, y, mix(c.get(x, y), PANEL_GREY, 0.6))
    return c


def panel_background(lay):
    w, h = lay["kMainPanel"][2] - lay["kMainPanel"][0], lay["kPanelStripSize"][1]
    c = Canvas(w, h, PANEL_GREY)
    c.fill_rect(0, 34, w, 35, GROOVE)
    return c


def mouse_picture(lay):
    """The mouse from above with the right hand resting on it."""
    w, h = lay["kMousePictureSize"]
    c = Canvas(w, h)
    c.gradient_rect(0, 0, w, h, mix(BODY_TOP, WHITE, 0.5), BODY_BOTTOM)
    cx, cy = w / 2.0, h / 2.0 - 4
    c.ellipse(cx + 4, cy + 6, 56, 80, mix(BODY_BOTTOM, BODY_EDGE, 0.35))
    c.ellipse(cx, cy, 56, 80, MOUSE_BODY)
    c.ellipse(cx, cy - 10, 48, 66, MOUSE_TOP)
    c.fill_rect(int(cx) - 1, int(cy) - 76, int(cx) + 1, int(cy) - 24, MOUSE_BODY)
    # Touch marks on the surface.
    for dy in (-58, -46):
        c.line(cx - 30, cy + dy, cx - 16, cy + dy, 3.0, ORANGE)
        c.line(cx + 16, cy + dy, cx + 30, cy + dy, 3.0, ORANGE)
    # The hand: palm over the back, thumb at the left side, two fingers on
    # the surface and two curled.
    c.ellipse(cx + 8, cy + 84, 44, 30, HAND_EDGE)
    c.ellipse(cx + 8, cy + 84, 42, 28, HAND)
    c.ellipse(cx - 44, cy + 44, 8, 20, HAND_EDGE)
    c.ellipse(cx - 44, cy + 44, 7, 19, HAND)
    for length, x in ((60, -20), (64, -5), (30, 10), (24, 24)):
        fx = int(cx) + x
        top = int(cy) + 64 - length
        c.round_rect(fx - 1, top - 1, fx + 14, int(cy) + 70, 7, HAND_EDGE)
        c.round_rect(fx, top, fx + 13, int(cy) + 70, 6, HAND)
        c.round_rect(fx + 3, top + 2, fx + 10, top + 10, 3, mix(HAND, WHITE, 0.45))
    c.ellipse(cx + 8, cy + 88, 40, 26, HAND)
    return c


def icon(size, draw):
    factor = 4
    big = Canvas(size * factor, size * factor)
    draw(big, size * factor)
    return big.downsample(factor)


def app_icon_art(c, s):
    c.round_rect(int(s * 0.06), int(s * 0.06), int(s * 0.94), int(s * 0.94), int(s * 0.2), ORANGE)
    c.ellipse(s / 2, s * 0.55, s * 0.24, s * 0.33, WHITE)
    c.fill_rect(int(s * 0.485), int(s * 0.22), int(s * 0.515), int(s * 0.45), ORANGE)
    c.line(s * 0.34, s * 0.45, s * 0.66, s * 0.45, s * 0.035, ORANGE)


def config_art(color):
    def draw(c, s):
        c.round_rect(int(s * 0.08), int(s * 0.14), int(s * 0.92), int(s * 0.86), int(s * 0.1), color)
        c.fill_rect(int(s * 0.16), int(s * 0.32), int(s * 0.84), int(s * 0.78), WHITE)
        c.fill_rect(int(s * 0.24), int(s * 0.42), int(s * 0.56), int(s * 0.5), color)
        c.fill_rect(int(s * 0.24), int(s * 0.58), int(s * 0.72), int(s * 0.66), color)
    return draw


def info_art(c, s):
    c.ellipse(s / 2, s / 2, s * 0.45, s * 0.45, SLATE)
    c.fill_rect(int(s * 0.44), int(s * 0.42), int(s * 0.56), int(s * 0.78), WHITE)
    c.fill_rect(int(s * 0.44), int(s * 0.22), int(s * 0.56), int(s * 0.34), WHITE)


def ring(color):
    def draw(c, s):
        for y in range(s):
            for x in range(s):
                dx, dy = x + 0.5 - s / 2, y + 0.5 - s * 0.56
                d = (dx * dx + dy * dy) ** 0.5
                top_gap = y < s * 0.5 and abs(dx) < s * 0.13
                if s * 0.25 <= d <= s * 0.39 and not top_gap:
                    c.px[y * s + x] = list(color)
        c.fill_rect(int(s * 0.44), int(s * 0.06), int(s * 0.56), int(s * 0.56), color)
    return draw


def menu_image(width, height, look, has_sub):
    c = Canvas(width, height)
    if look == NORMAL:
        c.gradient_rect(0, 0, width, height, rgb(0xF7F8F9), rgb(0xECEEF0))
    elif look == HOVER:
        c.gradient_rect(0, 0, width, height, ORANGE_LIGHT, ORANGE)
    else:
        c.gradient_rect(0, 0, width, height, ORANGE, ORANGE_DARK)
    c.fill_rect(0, height - 1, width, height, GROOVE if look == NORMAL else ORANGE_DARK)
    if has_sub:
        glyph = GLYPH_DARK if look == NORMAL else WHITE
        cy = height // 2
        c.polygon([(width - 12, cy - 4), (width - 7, cy), (width - 12, cy + 4)], glyph)
    return c


def list_icon(kind, selected):
    color = ORANGE if selected else SLATE

    def draw(c, s):
        if kind == "delay":
            c.ellipse(s / 2, s / 2, s * 0.42, s * 0.42, color)
            c.ellipse(s / 2, s / 2, s * 0.3, s * 0.3, WHITE)
            c.line(s / 2, s / 2, s / 2, s * 0.28, s * 0.08, color)
            c.line(s / 2, s / 2, s * 0.68, s / 2, s * 0.08, color)
            return
        down = kind == "down"
        c.round_rect(int(s * 0.12), int(s * 0.12), int(s * 0.88), int(s * 0.88), int(s * 0.14), color)
        tip, base = (s * 0.74, s * 0.3) if down else (s * 0.26, s * 0.7)
        c.polygon([(s * 0.28, base), (s * 0.72, base), (s / 2, tip)], WHITE)
    return icon(16, draw)


def main(argv):
    layout_path, out = argv[1], argv[2]
    lay = read_layout(layout_path)
    os.makedirs(os.path.join(out, "skins", "Menu"), exist_ok=True)
    os.makedirs(os.path.join(out, "skins", "macro"), exist_ok=True)

    for rid, look in ((163, NORMAL), (161, HOVER), (162, PRESSED)):
        write_bmp(info_face(lay, look), os.path.join(out, "bitmap%d.bmp" % rid))
    for rid, look in ((127, NORMAL), (129, HOVER), (130, PRESSED)):
        write_bmp(main_face(lay, look), os.path.join(out, "bitmap%d.bmp" % rid))
    for rid, look in ((160, NORMAL), (158, HOVER), (159, PRESSED)):
        write_bmp(editor_face(lay, "kCombo", look, [], ["kComboKeysText"]),
                  os.path.join(out, "bitmap%d.bmp" % rid))
    macro_buttons = ["kMacroNewButton", "kMacroDeleteButton", "kMacroRecordButton", "kMacroLoopBox",
                     "kMacroDelayBox"]
    for rid, look in ((157, NORMAL), (155, HOVER), (156, PRESSED)):
        write_bmp(editor_face(lay, "kMacro", look, macro_buttons, ["kMacroNameList", "kMacroEventList"]),
                  os.path.join(out, "bitmap%d.bmp" % rid))
    write_bmp(mouse_picture(lay), os.path.join(out, "bitmap151.bmp"))
    for rid, page, look in ((136, 0, "plain"), (137, 0, "marks"), (133, 0, "framed"),
                            (139, 0, "faded"), (135, 1, "plain"), (138, 1, "marks"),
                            (134, 1, "framed"), (132, 1, "faded")):
        write_bmp(gesture_strip(lay, page, look), os.path.join(out, "bitmap%d.bmp" % rid))
    write_bmp(panel_background(lay), os.path.join(out, "bitmap150.bmp"))

    write_ico([icon(s, app_icon_art) for s in (16, 32, 48)], os.path.join(out, "icon128.ico"))
    for rid, draw in ((143, config_art(SLATE)), (145, config_art(ORANGE)), (146, ring(SLATE)),
                      (142, ring(ORANGE)), (144, info_art)):
        write_ico([icon(16, draw)], os.path.join(out, "icon%d.ico" % rid))

    for name, look, sub in (("MenuNor", NORMAL, False), ("MenuOver", HOVER, False),
                            ("MenuDown", PRESSED, False), ("MenuNorHaveSub", NORMAL, True),
                            ("MenuOverHaveSub", HOVER, True), ("MenuDownHaveSub", PRESSED, True)):
        write_bmp(menu_image(160, 24, look, sub), os.path.join(out, "skins", "Menu", name + ".BMP"))
    for kind in ("up", "down", "delay"):
        for selected in (False, True):
            name = "%s_%s.png" % (kind, "select" if selected else "normal")
            write_png(list_icon(kind, selected), os.path.join(out, "skins", "macro", name))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
