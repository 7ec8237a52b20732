"""Release tools: NEWS.md to a Debian changelog, and the README's fenced blocks."""
import gzip
import pathlib
import subprocess
import sys
import tempfile
import unittest

WERKZEUGE = pathlib.Path(__file__).resolve().parents[2] / "tools"
sys.path.insert(0, str(WERKZEUGE))

import gen_debian_changelog as changelog  # noqa: E402
import readme_beispiele  # noqa: E402

NEWS = """# Changes

Intro text, not part of any release.

## 2.0.0 (2026-12-06)

- First change of the newer release, long enough to need wrapping at seventy-eight
  columns, with its continuation line joined.
- Second change.

## 1.0.0 (2024-02-29)

- Leap day.
"""


class Changelog(unittest.TestCase):
    def test_ein_eintrag_je_ausgabe_neueste_zuerst(self):
        text = changelog.changelog(changelog.lies_abschnitte(NEWS), "paket", "1",
                                   "Name <a@b.example>")
        zeilen = text.splitlines()
        self.assertEqual(zeilen[0], "paket (2.0.0-1) unstable; urgency=medium")
        self.assertIn("paket (1.0.0-1) unstable; urgency=medium", zeilen)
        # Weekdays by calendar: 6 Dec 2026 is a Sunday, 29 Feb 2024 a Thursday.
        self.assertIn(" -- Name <a@b.example>  Sun, 06 Dec 2026 12:00:00 +0000", zeilen)
        self.assertIn(" -- Name <a@b.example>  Thu, 29 Feb 2024 12:00:00 +0000", zeilen)
        self.assertEqual(sum(z.startswith("  * ") for z in zeilen), 3)
        self.assertIn("continuation line joined.", text.replace("\n    ", " "))
        self.assertLessEqual(max(map(len, zeilen)), 80)

    def test_fehlerhafte_news_werden_abgelehnt(self):
        for news in ("# nothing\n", "## 1.0 (soon)\n- x\n", "## 1.0.0 (2026-01-01)\n\ntext\n"):
            with self.subTest(news=news), self.assertRaises(ValueError):
                changelog.changelog(changelog.lies_abschnitte(news), "p", "1", "N <a@b>")

    def test_gleiche_eingabe_gleiche_bytes(self):
        with tempfile.TemporaryDirectory() as tmp:
            news = pathlib.Path(tmp, "NEWS.md")
            news.write_text(NEWS, encoding="utf-8")
            ausgaben = []
            for nummer in (1, 2):
                aus = pathlib.Path(tmp, f"changelog{nummer}.gz")
                subprocess.run([sys.executable, str(WERKZEUGE / "gen_debian_changelog.py"),
                                "--news", str(news), "--paket", "p", "--betreuer", "N <a@b>",
                                "--out", str(aus)], check=True)
                ausgaben.append(aus.read_bytes())
            self.assertEqual(ausgaben[0], ausgaben[1])
            self.assertEqual(ausgaben[0][4:8], b"\0\0\0\0")  # no time stamp in the header
            self.assertTrue(gzip.decompress(ausgaben[0]).startswith(b"p (2.0.0-1) "))


class ReadmeBloecke(unittest.TestCase):
    def test_sprache_zeile_und_text(self):
        text = "a\n```sh\necho 1\n```\n```\nplain\n```\n```cpp\nint main() {}\n```\n"
        self.assertEqual(readme_beispiele.bloecke(text),
                         [("sh", 3, "echo 1\n"), ("", 6, "plain\n"),
                          ("cpp", 9, "int main() {}\n")])

    def test_markierter_block_wird_nicht_ausgefuehrt(self):
        # Only the block right after the marker line is left out, not the next one.
        text = ("<!-- readme_beispiele: nicht ausführen (Download) -->\n```sh\nfalse\n```\n"
                "```sh\ntrue\n```\n")
        self.assertEqual(readme_beispiele.bloecke(text), [("", 3, "false\n"), ("sh", 6, "true\n")])

    def test_offener_block_ist_ein_fehler(self):
        with self.assertRaises(ValueError):
            readme_beispiele.bloecke("```sh\necho 1\n")


if __name__ == "__main__":
    unittest.main()
