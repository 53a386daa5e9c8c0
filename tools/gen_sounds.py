#!/usr/bin/env python3
"""Makes the aircraft's sound files from a sound list.

Each line of the list names one WAV file to write, relative to the output folder, the kind of
sound, and optional settings:

    # comment
    sound Sound/qrn/click.wav click
    sound Sound/qrn/warning.wav warble low=700 high=950 period=0.25 seconds=1.0
    sound Sound/qrn/hum.wav tone freq=120 seconds=1.0 loop=1 bits=8 rate=11025

Kinds: click (a short tick), tone (freq=Hz), warble (alternates low= and high= Hz every
period=/2 seconds), launch (a roar rising in pitch and loudness). Every kind takes seconds=,
rate= (samples per second), bits= (8 or 16), channels= (1 or 2) and volume= (0 to 1). loop=1 on a
tone or warble leaves out the fades and keeps whole cycles, so the sound loops without a click.
The files are plain PCM RIFF WAVE files and the same every run.

Bad input stops with the file, line and value at fault, and nothing is written.
"""

import argparse
import math
import os
import random
import shlex
import struct
import sys

from generated_files import write_atomically

KINDS = {
    "click": {"seconds": 0.03},
    "tone": {"seconds": 0.5, "freq": 440.0, "loop": 0},
    "warble": {"seconds": 1.0, "low": 700.0, "high": 950.0, "period": 0.25, "loop": 0},
    "launch": {"seconds": 2.5},
}
COMMON = {"rate": 22050, "bits": 16, "channels": 1, "volume": 0.6}
LIMITS = {
    "seconds": (0.001, 60.0), "freq": (1.0, 20000.0), "low": (1.0, 20000.0),
    "high": (1.0, 20000.0), "period": (0.001, 60.0), "loop": (0, 1), "rate": (1000, 192000),
    "bits": (8, 16), "channels": (1, 2), "volume": (0.0, 1.0),
}
INTEGER_SETTINGS = {"loop", "rate", "bits", "channels"}
FADE_SECONDS = 0.005


class ListError(Exception):
    pass


def parse_setting(word, allowed, where):
    name, equals, text = word.partition("=")
    if not equals or name not in allowed:
        raise ListError(f"{where}: unknown setting {word!r} (allowed: {', '.join(sorted(allowed))})")
    try:
        value = int(text) if name in INTEGER_SETTINGS else float(text)
    except ValueError:
        raise ListError(f"{where}: {name} needs a number, not {text!r}") from None
    low, high = LIMITS[name]
    if not low <= value <= high or (name == "bits" and value not in (8, 16)):
        raise ListError(f"{where}: {name}={text} is out of range")
    return name, value


def safe_relative_path(text, where):
    parts = text.replace("\\", "/").split("/")
    if not text or text.startswith(("/", "\\")) or ":" in text or ".." in parts or "" in parts:
        raise ListError(f"{where}: the path {text!r} must stay inside the output folder")
    return os.path.join(*parts)


def split_words(line):
    """Blank-separated words, "quoted" words kept whole, # to the end of the line ignored.
    Backslashes are plain characters: list paths may use Windows separators."""
    lexer = shlex.shlex(line, posix=True)
    lexer.whitespace_split = True
    lexer.escape = ""
    return list(lexer)


def read_list(path):
    """Returns [(relative path, kind, settings)] in list order."""
    sounds, seen = [], set()
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            where = f"{path}:{number}"
            try:
                words = split_words(line)
            except ValueError as e:
                raise ListError(f"{where}: {e}") from None
            if not words:
                continue
            if words[0] != "sound" or len(words) < 3:
                raise ListError(f"{where}: expected 'sound PATH KIND [setting=value ...]', "
                                f"got {line.strip()!r}")
            relative, kind = safe_relative_path(words[1], where), words[2]
            if kind not in KINDS:
                raise ListError(f"{where}: unknown kind {kind!r} (known: {', '.join(KINDS)})")
            if relative.lower() in seen:
                raise ListError(f"{where}: {words[1]} is listed twice")
            seen.add(relative.lower())
            settings = dict(COMMON, **KINDS[kind])
            for word in words[3:]:
                name, value = parse_setting(word, settings.keys(), where)
                settings[name] = value
            sounds.append((relative, kind, settings))
    return sounds


def whole_cycles(freq, seconds):
    """The nearest frequency that fits a whole number of cycles into the sound."""
    return max(1, round(freq * seconds)) / seconds


def samples(kind, s):
    """The sound as floats from -1 to 1, one per sample frame."""
    rate, count = s["rate"], max(1, round(s["seconds"] * s["rate"]))
    noise = random.Random(7)
    if kind == "click":
        decay = count / 5
        return [math.exp(-i / decay) * (0.6 * math.sin(2 * math.pi * 2000 * i / rate) +
                                        0.4 * noise.uniform(-1, 1)) for i in range(count)]
    if kind == "tone":
        freq = whole_cycles(s["freq"], s["seconds"]) if s["loop"] else s["freq"]
        return [math.sin(2 * math.pi * freq * i / rate) for i in range(count)]
    if kind == "warble":
        low, high, period = s["low"], s["high"], s["period"]
        if s["loop"]:
            low, high = (whole_cycles(f, period / 2) for f in (low, high))
        out, phase = [], 0.0
        for i in range(count):
            freq = low if (i / rate) % period < period / 2 else high
            phase += 2 * math.pi * freq / rate
            out.append(math.sin(phase))
        return out
    # launch: low-passed noise whose cut-off rises, over a tone sweeping up an octave and a half.
    out, smooth, phase = [], 0.0, 0.0
    for i in range(count):
        t = i / count
        cutoff = 200 + 3000 * t
        smooth += (1 - math.exp(-2 * math.pi * cutoff / rate)) * (noise.uniform(-1, 1) - smooth)
        phase += 2 * math.pi * (90 * 2 ** (1.5 * t)) / rate
        loudness = min(1.0, t / 0.15) * min(1.0, (1 - t) / 0.1)
        out.append(loudness * (1.6 * smooth + 0.35 * math.sin(phase)))
    return out


def apply_fades(values, s):
    fade = min(len(values) // 2, round(FADE_SECONDS * s["rate"]))
    for i in range(fade):
        values[i] *= i / fade
        values[-1 - i] *= i / fade


def wave_bytes(kind, s):
    values = samples(kind, s)
    if kind in ("tone", "warble") and not s["loop"]:
        apply_fades(values, s)
    frames = bytearray()
    for value in values:
        level = max(-1.0, min(1.0, value * s["volume"]))
        sample = (struct.pack("<B", round(128 + 127 * level)) if s["bits"] == 8
                  else struct.pack("<h", round(32767 * level)))
        frames += sample * s["channels"]
    block_align = s["channels"] * s["bits"] // 8
    fmt = struct.pack("<HHIIHH", 1, s["channels"], s["rate"], s["rate"] * block_align,
                      block_align, s["bits"])
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(frames)) + frames + (b"\0" if len(frames) % 2 else b"")
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", required=True, help="the sound list")
    parser.add_argument("--out-dir", required=True, help="the folder the paths are relative to")
    parser.add_argument("--stamp", help="a file to touch once every sound is written")
    args = parser.parse_args()

    try:
        sounds = read_list(args.list)
    except (ListError, OSError, UnicodeDecodeError) as e:
        print(f"gen_sounds: {e}", file=sys.stderr)
        return 1
    # Everything is made before anything is written, so a bad list leaves no file behind.
    made = [(os.path.join(args.out_dir, relative), wave_bytes(kind, settings))
            for relative, kind, settings in sounds]
    for path, data in made:
        write_atomically(path, data)
    if args.stamp:
        write_atomically(args.stamp, b"")
    return 0


if __name__ == "__main__":
    sys.exit(main())
