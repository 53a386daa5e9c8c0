#!/usr/bin/env python3
"""tools/gen_bitmaps.py: what it draws, how it reports a bad resource list, and that a bad list
leaves no output behind."""

import os
import subprocess
import sys
import tempfile
import unittest

GENERATOR = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "gen_bitmaps.py")
MODULE_LINE = 'module Test "Test gauges" 1.2.3.4\n'


def generate(folder, list_text, *output):
    list_path = os.path.join(folder, "test.list")
    with open(list_path, "w", encoding="utf-8") as f:
        f.write(list_text)
    out_dir = os.path.join(folder, "out")
    return subprocess.run([sys.executable, GENERATOR, "--list", list_path, "--out-dir", out_dir,
                           *output], capture_output=True, text=True), out_dir


class GoodLists(unittest.TestCase):
    def test_bitmap_rows_are_bottom_up_padded_bgr(self):
        with tempfile.TemporaryDirectory() as folder:
            result, out_dir = generate(folder, MODULE_LINE + "bitmap 7 5 3 #102030 #ffffff\n",
                                       "--rc", os.path.join(folder, "t.rc"))
            self.assertEqual(result.returncode, 0, result.stderr)
            with open(os.path.join(out_dir, "bitmaps", "7.bmp"), "rb") as f:
                data = f.read()
            row = 16  # 5 pixels of 3 bytes, padded to a multiple of four
            self.assertEqual(data[:2], b"BM")
            self.assertEqual(int.from_bytes(data[2:6], "little"), len(data))
            self.assertEqual(len(data), 14 + 40 + 3 * row)
            self.assertEqual(data[54:57], bytes((0x30, 0x20, 0x10)))
            self.assertEqual(data[54 + 15:54 + 16], b"\x00")
            with open(os.path.join(folder, "t.rc"), encoding="utf-8") as f:
                script = f.read()
            self.assertIn('7 BITMAP "' + out_dir.replace("\\", "/") + '/bitmaps/7.bmp"', script)
            self.assertIn("FILEVERSION 1,2,3,4", script)

    def test_native_table_holds_bitmaps_without_file_header_and_waves_whole(self):
        with tempfile.TemporaryDirectory() as folder:
            wave = b"RIFF\x04\x00\x00\x00WAVE"
            with open(os.path.join(folder, "click.wav"), "wb") as f:
                f.write(wave)
            result, _ = generate(folder, MODULE_LINE + "bitmap 7 1 1 #000000 #ffffff\n"
                                 "wave 10 click.wav\n", "--cpp", os.path.join(folder, "t.cpp"))
            self.assertEqual(result.returncode, 0, result.stderr)
            with open(os.path.join(folder, "t.cpp"), encoding="utf-8") as f:
                source = f.read()
            self.assertIn("bitmap_7[] = {\n    0x28, 0x00", source)  # starts at the info header
            self.assertIn('{10, "WAVE", wave_10, sizeof wave_10}', source)
            self.assertIn("0x52, 0x49, 0x46, 0x46", source)  # "RIFF"


class BadLists(unittest.TestCase):
    CASES = [
        ("bitmap 7 19 19 #12345 #ffffff\n", "colour '#12345'"),
        ("bitmap 7 19 19 #000000 #ffffff spiral\n", "unknown drawing 'spiral'"),
        ("bitmap 0 19 19 #000000 #ffffff\n", "id 0 is outside"),
        ("bitmap 7 x 19 #000000 #ffffff\n", "width 'x'"),
        ("bitmap 7 5 5 #000000 #ffffff text:ABCDEF\n", "does not fit"),
        ("bitmap 7 19 19 #000000 #ffffff text:a\n", "no glyph for 'a'"),
        ("bitmap 7 19 19 #000000 #ffffff\nbitmap 7 9 9 #000000 #ffffff\n", "listed twice"),
        ("wave 10 missing.wav\n", "cannot read wave file"),
        ("sound 10 x.wav\n", "unknown entry 'sound'"),
    ]

    def test_each_fault_names_its_line_and_writes_nothing(self):
        for body, message in self.CASES:
            with self.subTest(body=body), tempfile.TemporaryDirectory() as folder:
                target = os.path.join(folder, "t.cpp")
                result, out_dir = generate(folder, MODULE_LINE + body, "--cpp", target)
                self.assertEqual(result.returncode, 1)
                last_line = 1 + body.count("\n")  # the fault is on the body's last line
                self.assertIn(f"test.list:{last_line}:", result.stderr)
                self.assertIn(message, result.stderr)
                self.assertFalse(os.path.exists(target))
                self.assertFalse(os.path.exists(out_dir))

    def test_a_list_without_module_line_is_refused(self):
        with tempfile.TemporaryDirectory() as folder:
            result, _ = generate(folder, "bitmap 7 1 1 #000000 #ffffff\n", "--rc",
                                 os.path.join(folder, "t.rc"))
            self.assertEqual(result.returncode, 1)
            self.assertIn("no 'module' line", result.stderr)


if __name__ == "__main__":
    unittest.main()
