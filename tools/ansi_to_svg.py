#!/usr/bin/env python3
"""Turns a terminal capture with colour escapes (tmux capture-pane -e -p) into an SVG
picture of the screen: one cell per column, Hangul and other wide characters two cells.

Usage: ansi_to_svg.py CAPTURE SVG [TITLE]
"""
import html
import re
import sys
import unicodedata

CELL_WIDTH = 9.6
CELL_HEIGHT = 20
FONT_SIZE = 16
PADDING = 12
DEFAULT_FG = "#d0d0d0"
DEFAULT_BG = "#000000"
# xterm's palette: the eight colours, then their bright forms.
PALETTE = [
    "#000000", "#cd0000", "#00cd00", "#cdcd00", "#0000ee", "#cd00cd", "#00cdcd", "#e5e5e5",
    "#7f7f7f", "#ff0000", "#00ff00", "#ffff00", "#5c5cff", "#ff00ff", "#00ffff", "#ffffff",
]
SGR = re.compile(r"\x1b\[([0-9;]*)m")


def palette_color(offset):
    """The colour of SGR code base + offset: 0-7 the normal eight, 60-67 the bright ones."""
    return PALETTE[offset - 60 + 8] if offset >= 60 else PALETTE[offset]


def apply_sgr(params, fg, bg):
    codes = [int(c) for c in params.split(";") if c] or [0]
    for code in codes:
        if code == 0:
            fg, bg = DEFAULT_FG, DEFAULT_BG
        elif code == 39:
            fg = DEFAULT_FG
        elif code == 49:
            bg = DEFAULT_BG
        elif 30 <= code <= 37 or 90 <= code <= 97:
            fg = palette_color(code - 30)
        elif 40 <= code <= 47 or 100 <= code <= 107:
            bg = palette_color(code - 40)
    return fg, bg


def cells_of(line, fg, bg):
    """The line as (column, width, character, fg, bg) cells, and the colours at its end."""
    cells = []
    column = 0
    # split() alternates text with the parameters of the escapes between the texts.
    pieces = SGR.split(line)
    for index, piece in enumerate(pieces):
        if index % 2 == 1:
            fg, bg = apply_sgr(piece, fg, bg)
            continue
        for ch in piece:
            width = 2 if unicodedata.east_asian_width(ch) in ("W", "F") else 1
            cells.append((column, width, ch, fg, bg))
            column += width
    return cells, fg, bg


def main():
    capture, target = sys.argv[1], sys.argv[2]
    title = sys.argv[3] if len(sys.argv) > 3 else "lotto"
    with open(capture, encoding="utf-8") as f:
        lines = f.read().rstrip("\n").split("\n")
    while lines and not SGR.sub("", lines[-1]).strip():
        lines.pop()

    rows = []
    fg, bg = DEFAULT_FG, DEFAULT_BG
    for line in lines:
        cells, fg, bg = cells_of(line, fg, bg)
        rows.append(cells)
    columns = max((c[0] + c[1] for row in rows for c in row), default=1)
    width = columns * CELL_WIDTH + 2 * PADDING
    height = len(rows) * CELL_HEIGHT + 2 * PADDING

    out = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width:.0f}" height="{height:.0f}" '
        f'viewBox="0 0 {width:.0f} {height:.0f}" role="img" aria-label="{html.escape(title)}">',
        f"<title>{html.escape(title)}</title>",
        f'<rect width="100%" height="100%" rx="6" fill="{DEFAULT_BG}"/>',
        f'<g font-family="DejaVu Sans Mono, Consolas, NanumGothicCoding, D2Coding, monospace" font-size="{FONT_SIZE}" '
        'xml:space="preserve">',
    ]
    for index, row in enumerate(rows):
        top = PADDING + index * CELL_HEIGHT
        baseline = top + CELL_HEIGHT * 0.78
        # One rectangle per run of a background colour, so no seams show between cells.
        run_start, run_bg, run_end = 0, DEFAULT_BG, 0
        for column, span, _, _, cell_bg in row + [(columns, 0, " ", DEFAULT_FG, DEFAULT_BG)]:
            if cell_bg != run_bg or column != run_end:
                if run_bg != DEFAULT_BG:
                    out.append(f'<rect x="{PADDING + run_start * CELL_WIDTH:.1f}" y="{top}" '
                               f'width="{(run_end - run_start) * CELL_WIDTH:.1f}" '
                               f'height="{CELL_HEIGHT}" fill="{run_bg}"/>')
                run_start, run_bg = column, cell_bg
            run_end = column + span
        for column, span, ch, cell_fg, cell_bg in row:
            x = PADDING + column * CELL_WIDTH
            if ch != " ":
                out.append(f'<text x="{x:.1f}" y="{baseline:.1f}" fill="{cell_fg}" '
                           f'textLength="{span * CELL_WIDTH:.1f}" lengthAdjust="spacingAndGlyphs">'
                           f"{html.escape(ch)}</text>")
    out.append("</g>")
    out.append("</svg>")
    with open(target, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
