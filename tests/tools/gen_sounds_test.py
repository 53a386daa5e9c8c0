#!/usr/bin/env python3
"""tools/gen_sounds.py: the files it writes are PCM WAVE files of the asked format and length,
looped sounds join without a step, and a bad list names its line and writes nothing."""

import math
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import wave

GENERATOR = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "gen_sounds.py")


def generate(folder, list_text):
    list_path = os.path.join(folder, "sounds.list")
    with open(list_path, "w", encoding="utf-8") as f:
        f.write(list_text)
    out_dir = os.path.join(folder, "out")
    result = subprocess.run([sys.executable, GENERATOR, "--list", list_path, "--out-dir", out_dir],
                            capture_output=True, text=True)
    return result, out_dir


class GoodLists(unittest.TestCase):
    def test_each_kind_has_the_asked_format_and_length(self):
        cases = [  # line, channels, bytes per sample, rate, frames
            ("sound a/click.wav click", 1, 2, 22050, round(0.03 * 22050)),
            ("sound a/tone.wav tone freq=1000 seconds=0.2 bits=8 channels=2 rate=11025",
             2, 1, 11025, 2205),
            ("sound b\\warble.wav warble seconds=0.5", 1, 2, 22050, 11025),
            ("sound launch.wav launch seconds=1.0 rate=8000", 1, 2, 8000, 8000),
            ("sound odd.wav tone seconds=0.001 bits=8 rate=11025", 1, 1, 11025, 11),
        ]
        with tempfile.TemporaryDirectory() as folder:
            result, out_dir = generate(folder, "# sounds\n" + "\n".join(c[0] for c in cases))
            self.assertEqual(result.returncode, 0, result.stderr)
            for line, channels, width, rate, frames in cases:
                path = os.path.join(out_dir, line.split()[1].replace("\\", "/"))
                with self.subTest(line=line), wave.open(path, "rb") as w:
                    self.assertEqual((w.getnchannels(), w.getsampwidth(), w.getframerate(),
                                      w.getnframes()), (channels, width, rate, frames))
                    self.assertGreater(max(w.readframes(frames)), 0)  # not silence
                with open(path, "rb") as f:
                    data = f.read()
                self.assertEqual(struct.unpack("<I", data[4:8])[0], len(data) - 8)

    def test_a_looped_tone_ends_one_step_before_its_start(self):
        with tempfile.TemporaryDirectory() as folder:
            result, out_dir = generate(folder, "sound hum.wav tone freq=124 seconds=0.5 loop=1 "
                                       "volume=1\n")
            self.assertEqual(result.returncode, 0, result.stderr)
            with wave.open(os.path.join(out_dir, "hum.wav"), "rb") as w:
                data = w.readframes(w.getnframes())
            values = struct.unpack(f"<{len(data) // 2}h", data)
            step = 32767 * math.sin(2 * math.pi * 124 / 22050)  # 124 Hz fits 0.5 s whole
            self.assertEqual(values[0], 0)
            self.assertAlmostEqual(values[-1], -step, delta=2)

    def test_the_same_list_gives_the_same_bytes(self):
        contents = []
        for _ in range(2):
            with tempfile.TemporaryDirectory() as folder:
                result, out_dir = generate(folder, "sound l.wav launch seconds=0.2\n")
                self.assertEqual(result.returncode, 0, result.stderr)
                with open(os.path.join(out_dir, "l.wav"), "rb") as f:
                    contents.append(f.read())
        self.assertEqual(contents[0], contents[1])


class BadLists(unittest.TestCase):
    CASES = [
        ("sound x.wav buzz", ":2: unknown kind 'buzz'"),
        ("sound x.wav tone freq=abc", ":2: freq needs a number, not 'abc'"),
        ("sound x.wav tone bits=12", ":2: bits=12 is out of range"),
        ("sound x.wav click freq=100", ":2: unknown setting 'freq=100'"),
        ("sound ../x.wav click", ":2: the path '../x.wav' must stay inside"),
        ("sound /tmp/x.wav click", ":2: the path '/tmp/x.wav' must stay inside"),
        ("sound GOOD.WAV click", ":2: GOOD.WAV is listed twice"),
        ("noise x.wav", ":2: expected 'sound PATH KIND"),
        ('sound "x.wav click', ":2: No closing quotation"),
    ]

    def test_a_bad_line_is_named_and_nothing_is_written(self):
        for line, message in self.CASES:
            with self.subTest(line=line), tempfile.TemporaryDirectory() as folder:
                result, out_dir = generate(folder, f"sound good.wav click\n{line}\n")
                self.assertEqual(result.returncode, 1)
                self.assertIn("sounds.list" + message, result.stderr)
                self.assertFalse(os.path.exists(out_dir))


if __name__ == "__main__":
    unittest.main()
