#!/usr/bin/env python3
"""Builds a module's resources from its resource list.

Reads a list of bitmap and wave entries (see module_a/resources/korvan_instr.list for the
format), draws each bitmap as a 24-bit BMP file, and writes what the build links into the
module: for Windows a resource script for windres (BITMAP and WAVE resources by id, and a
VERSIONINFO), natively a C++ source holding the resource bytes in a table that registers itself
with the platform layer when the module loads. A native bitmap resource holds the BMP without its
14-byte file header, as windres stores it, so both builds hand the same bytes to the host.

Bad input stops with the file, line and value at fault, and nothing is written.
"""

import argparse
import os
import shlex
import sys

from generated_files import write_atomically

FILE_HEADER_SIZE = 14
INFO_HEADER_SIZE = 40

# Three by five pixel glyphs, "#" for ink.
FONT = {
    "A": [".#.", "#.#", "###", "#.#", "#.#"], "B": ["##.", "#.#", "##.", "#.#", "##."],
    "C": [".##", "#..", "#..", "#..", ".##"], "D": ["##.", "#.#", "#.#", "#.#", "##."],
    "E": ["###", "#..", "##.", "#..", "###"], "F": ["###", "#..", "##.", "#..", "#.."],
    "G": [".##", "#..", "#.#", "#.#", ".##"], "H": ["#.#", "#.#", "###", "#.#", "#.#"],
    "I": ["###", ".#.", ".#.", ".#.", "###"], "J": ["..#", "..#", "..#", "#.#", ".#."],
    "K": ["#.#", "#.#", "##.", "#.#", "#.#"], "L": ["#..", "#..", "#..", "#..", "###"],
    "M": ["#.#", "###", "###", "#.#", "#.#"], "N": ["##.", "#.#", "#.#", "#.#", "#.#"],
    "O": [".#.", "#.#", "#.#", "#.#", ".#."], "P": ["##.", "#.#", "##.", "#..", "#.."],
    "Q": [".#.", "#.#", "#.#", "##.", ".##"], "R": ["##.", "#.#", "##.", "#.#", "#.#"],
    "S": [".##", "#..", ".#.", "..#", "##."], "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "U": ["#.#", "#.#", "#.#", "#.#", "###"], "V": ["#.#", "#.#", "#.#", "#.#", ".#."],
    "W": ["#.#", "#.#", "###", "###", "#.#"], "X": ["#.#", "#.#", ".#.", "#.#", "#.#"],
    "Y": ["#.#", "#.#", ".#.", ".#.", ".#."], "Z": ["###", "..#", ".#.", "#..", "###"],
    "0": ["###", "#.#", "#.#", "#.#", "###"], "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", ".#.", "#..", "###"], "3": ["##.", "..#", ".#.", "..#", "##."],
    "4": ["#.#", "#.#", "###", "..#", "..#"], "5": ["###", "#..", "##.", "..#", "##."],
    "6": [".##", "#..", "###", "#.#", "###"], "7": ["###", "..#", ".#.", ".#.", ".#."],
    "8": ["###", "#.#", "###", "#.#", "###"], "9": ["###", "#.#", "###", "..#", "##."],
    "-": ["...", "...", "###", "...", "..."], "+": ["...", ".#.", "###", ".#.", "..."],
    "/": ["..#", "..#", ".#.", "#..", "#.."], ".": ["...", "...", "...", "...", ".#."],
}
GLYPH_WIDTH = 3
GLYPH_HEIGHT = 5


class ListError(Exception):
    pass


class Bitmap:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def bmp_bytes(self):
        row_size = (self.width * 3 + 3) // 4 * 4
        image_size = row_size * self.height
        offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE
        out = bytearray(b"BM")
        out += (offset + image_size).to_bytes(4, "little")
        out += bytes(4)
        out += offset.to_bytes(4, "little")
        for value, size in ((INFO_HEADER_SIZE, 4), (self.width, 4), (self.height, 4), (1, 2),
                            (24, 2), (0, 4), (image_size, 4), (2835, 4), (2835, 4), (0, 4),
                            (0, 4)):
            out += value.to_bytes(size, "little", signed=True)
        for row in reversed(self.pixels):  # bottom-up, blue-green-red
            line = bytearray()
            for red, green, blue in row:
                line += bytes((blue, green, red))
            out += line + bytes(row_size - len(line))
        return bytes(out)


def draw_border(bitmap, ink, background):
    tone = tuple((a + b) // 2 for a, b in zip(ink, background))
    for x in range(bitmap.width):
        bitmap.put(x, 0, tone)
        bitmap.put(x, bitmap.height - 1, tone)
    for y in range(bitmap.height):
        bitmap.put(0, y, tone)
        bitmap.put(bitmap.width - 1, y, tone)


def draw_cross(bitmap, ink):
    margin = max(1, min(bitmap.width, bitmap.height) // 4)
    span = min(bitmap.width, bitmap.height) - 2 * margin
    for i in range(span):
        for thick in (0, 1):
            bitmap.put(margin + i + thick, margin + i, ink)
            bitmap.put(bitmap.width - 1 - margin - i - thick, margin + i, ink)


def draw_checker(bitmap, ink):
    for y in range(bitmap.height):
        for x in range(y % 2, bitmap.width, 2):
            bitmap.put(x, y, ink)


def draw_text(bitmap, ink, word, where):
    for letter in word:
        if letter not in FONT:
            raise ListError(f"{where}: no glyph for {letter!r} in text:{word}")
    usable_w, usable_h = bitmap.width - 4, bitmap.height - 4
    scale = 1
    while (scale + 1) * (len(word) * (GLYPH_WIDTH + 1) - 1) <= usable_w and \
            (scale + 1) * GLYPH_HEIGHT <= usable_h:
        scale += 1
    text_w = scale * (len(word) * (GLYPH_WIDTH + 1) - 1)
    text_h = scale * GLYPH_HEIGHT
    if text_w > usable_w or text_h > usable_h:
        raise ListError(f"{where}: text:{word} does not fit in {bitmap.width}x{bitmap.height}")
    left = (bitmap.width - text_w) // 2
    top = (bitmap.height - text_h) // 2
    for n, letter in enumerate(word):
        for gy, line in enumerate(FONT[letter]):
            for gx, cell in enumerate(line):
                if cell != "#":
                    continue
                for sy in range(scale):
                    for sx in range(scale):
                        x = left + scale * (n * (GLYPH_WIDTH + 1) + gx) + sx
                        bitmap.put(x, top + scale * gy + sy, ink)


def parse_int(text, what, where, low, high):
    try:
        value = int(text, 10)
    except ValueError:
        raise ListError(f"{where}: {what} {text!r} is not a whole number") from None
    if not low <= value <= high:
        raise ListError(f"{where}: {what} {value} is outside {low} to {high}")
    return value


def parse_colour(text, where):
    if len(text) != 7 or text[0] != "#":
        raise ListError(f"{where}: colour {text!r} is not #RRGGBB")
    try:
        return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))
    except ValueError:
        raise ListError(f"{where}: colour {text!r} is not #RRGGBB") from None


def parse_bitmap(words, where):
    if len(words) < 6:
        raise ListError(f"{where}: bitmap needs ID WIDTH HEIGHT BACKGROUND INK [DRAWING...]")
    ident = parse_int(words[1], "id", where, 1, 0xFFFF)
    width = parse_int(words[2], "width", where, 1, 4096)
    height = parse_int(words[3], "height", where, 1, 4096)
    background = parse_colour(words[4], where)
    ink = parse_colour(words[5], where)
    bitmap = Bitmap(width, height, background)
    for drawing in words[6:]:
        if drawing == "border":
            draw_border(bitmap, ink, background)
        elif drawing == "cross":
            draw_cross(bitmap, ink)
        elif drawing == "checker":
            draw_checker(bitmap, ink)
        elif drawing.startswith("text:") and len(drawing) > 5:
            draw_text(bitmap, ink, drawing[5:], where)
        else:
            raise ListError(f"{where}: unknown drawing {drawing!r}")
    return ident, bitmap.bmp_bytes()


def parse_wave(words, where, list_dir):
    if len(words) != 3:
        raise ListError(f"{where}: wave needs ID FILE")
    ident = parse_int(words[1], "id", where, 1, 0xFFFF)
    path = os.path.join(list_dir, words[2])
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as e:
        raise ListError(f"{where}: cannot read wave file {path}: {e.strerror}") from None
    if len(data) < 12 or data[0:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ListError(f"{where}: {path} is not a RIFF WAVE file")
    return ident, path, data


def read_list(path):
    """Returns (module, bitmaps {id: bmp bytes}, waves {id: (path, bytes)})."""
    module = None
    bitmaps, waves = {}, {}
    list_dir = os.path.dirname(os.path.abspath(path))
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    for number, line in enumerate(lines, 1):
        where = f"{path}:{number}"
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        try:
            words = shlex.split(line)
        except ValueError as e:
            raise ListError(f"{where}: {e}") from None
        if words[0] == "module":
            if len(words) != 4 or module is not None:
                raise ListError(f"{where}: one line 'module NAME \"DESCRIPTION\" VERSION' expected")
            parts = words[3].split(".")
            if len(parts) != 4:
                raise ListError(f"{where}: version {words[3]!r} is not four numbers A.B.C.D")
            version = [parse_int(p, "version part", where, 0, 0xFFFF) for p in parts]
            module = {"name": words[1], "description": words[2], "version": version}
        elif words[0] == "bitmap":
            ident, data = parse_bitmap(words, where)
            if ident in bitmaps:
                raise ListError(f"{where}: bitmap {ident} is listed twice")
            bitmaps[ident] = data
        elif words[0] == "wave":
            ident, wave_path, data = parse_wave(words, where, list_dir)
            if ident in waves:
                raise ListError(f"{where}: wave {ident} is listed twice")
            waves[ident] = (wave_path, data)
        else:
            raise ListError(f"{where}: unknown entry {words[0]!r}")
    if module is None:
        raise ListError(f"{path}: no 'module' line")
    return module, bitmaps, waves


def rc_string(text):
    return '"' + text.replace("\\", "/").replace('"', '""') + '"'


def resource_script(module, bitmap_paths, waves):
    version = ",".join(str(v) for v in module["version"])
    dotted = ".".join(str(v) for v in module["version"])
    lines = [f"// Resources of {module['name']}, generated by tools/gen_bitmaps.py."]
    lines += [f"{ident} BITMAP {rc_string(path)}" for ident, path in sorted(bitmap_paths.items())]
    lines += [f"{ident} WAVE {rc_string(path)}" for ident, (path, _) in sorted(waves.items())]
    strings = [("FileDescription", module["description"]), ("FileVersion", dotted),
               ("InternalName", module["name"]), ("OriginalFilename", module["name"] + ".gau"),
               ("ProductName", module["name"]), ("ProductVersion", dotted)]
    lines += [
        "1 VERSIONINFO",
        f"FILEVERSION {version}",
        f"PRODUCTVERSION {version}",
        "FILEFLAGSMASK 0x3F",
        "FILEFLAGS 0",
        "FILEOS 0x40004",  # Windows NT, 32-bit
        "FILETYPE 0x2",  # a dynamic library
        "FILESUBTYPE 0",
        "BEGIN",
        '  BLOCK "StringFileInfo"',
        "  BEGIN",
        '    BLOCK "040904B0"',
        "    BEGIN",
    ]
    lines += [f"      VALUE {rc_string(key)}, {rc_string(value)}" for key, value in strings]
    lines += ["    END", "  END", '  BLOCK "VarFileInfo"', "  BEGIN",
              '    VALUE "Translation", 0x409, 1200', "  END", "END", ""]
    return "\n".join(lines)


def byte_array(name, data):
    rows = [", ".join(f"0x{b:02x}" for b in data[i:i + 16]) for i in range(0, len(data), 16)]
    body = ",\n    ".join(rows)
    return f"const unsigned char {name}[] = {{\n    {body}}};\n"


def native_source(module, bitmaps, waves):
    out = [f"// Resources of {module['name']}, generated by tools/gen_bitmaps.py.\n",
           "#include <iterator>\n\n#include \"platform/windows_api.h\"\n\nnamespace {\n\n"]
    rows = []
    for ident, data in sorted(bitmaps.items()):
        out.append(byte_array(f"bitmap_{ident}", data[FILE_HEADER_SIZE:]))
        rows.append(f"    {{{ident}, RT_BITMAP, bitmap_{ident}, sizeof bitmap_{ident}}},\n")
    for ident, (_, data) in sorted(waves.items()):
        out.append(byte_array(f"wave_{ident}", data))
        rows.append(f"    {{{ident}, \"WAVE\", wave_{ident}, sizeof wave_{ident}}},\n")
    out.append("\nconst NativeResource resources[] = {\n" + "".join(rows) + "};\n\n")
    out.append("// Registered when the module loads, as Windows finds a module's resources.\n"
               "struct Registration {\n"
               "  Registration() {\n"
               "    platform::register_module_resources(resources, resources, std::size(resources));\n"
               "  }\n"
               "  ~Registration() { platform::unregister_module_resources(resources); }\n"
               "} registration;\n\n}  // namespace\n")
    return "".join(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", required=True, help="the module's resource list")
    parser.add_argument("--out-dir", required=True, help="where the BMP files go")
    output = parser.add_mutually_exclusive_group(required=True)
    output.add_argument("--rc", help="write a resource script for windres")
    output.add_argument("--cpp", help="write a C++ resource table for the native build")
    parser.add_argument("--depfile", help="write the files the output depends on (Makefile form)")
    args = parser.parse_args()

    try:
        module, bitmaps, waves = read_list(args.list)
    except (ListError, OSError, UnicodeDecodeError) as e:
        print(f"gen_bitmaps: {e}", file=sys.stderr)
        return 1

    bitmap_dir = os.path.join(os.path.abspath(args.out_dir), "bitmaps")
    bitmap_paths = {ident: os.path.join(bitmap_dir, f"{ident}.bmp") for ident in bitmaps}
    for ident, data in bitmaps.items():
        write_atomically(bitmap_paths[ident], data)
    target = args.rc or args.cpp
    text = resource_script(module, bitmap_paths, waves) if args.rc else native_source(
        module, bitmaps, waves)
    write_atomically(target, text.encode("utf-8"))
    if args.depfile:
        deps = [os.path.abspath(args.list)] + [path for path, _ in waves.values()]
        escaped = " ".join(d.replace(" ", "\\ ") for d in deps)
        write_atomically(args.depfile, f"{target}: {escaped}\n".encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
