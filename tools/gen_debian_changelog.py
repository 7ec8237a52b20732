#!/usr/bin/env python3
"""Writes a Debian changelog (gzip-compressed, reproducible) from NEWS.md.

NEWS.md holds one section per release, `## VERSION (YYYY-MM-DD)`, with `- ` items whose
continuation lines are indented; everything else is ignored. Every release becomes one entry
VERSION-REVISION of the source package.
"""
import argparse
import datetime
import gzip
import re
import sys
import textwrap

UEBERSCHRIFT = re.compile(r"^## (\d+(?:\.\d+)+) \((\d{4})-(\d{2})-(\d{2})\)\s*$")


def lies_abschnitte(text):
    """[(version, date, [item, ...]), ...] in the order of the file."""
    abschnitte = []
    for zeile in text.splitlines():
        treffer = UEBERSCHRIFT.match(zeile)
        if treffer:
            datum = datetime.date(*map(int, treffer.group(2, 3, 4)))
            abschnitte.append((treffer.group(1), datum, []))
        elif zeile.startswith("## "):
            raise ValueError(f"heading without VERSION (YYYY-MM-DD): {zeile}")
        elif abschnitte and zeile.startswith("- "):
            abschnitte[-1][2].append(zeile[2:].strip())
        elif abschnitte and abschnitte[-1][2] and zeile.startswith("  ") and zeile.strip():
            abschnitte[-1][2][-1] += " " + zeile.strip()
    if not abschnitte:
        raise ValueError("no release section found")
    return abschnitte


def changelog(abschnitte, paket, revision, betreuer):
    eintraege = []
    for version, datum, punkte in abschnitte:
        if not punkte:
            raise ValueError(f"release {version} lists no change")
        zeilen = [f"{paket} ({version}-{revision}) unstable; urgency=medium", ""]
        for punkt in punkte:
            zeilen += textwrap.wrap(punkt, 78, initial_indent="  * ",
                                    subsequent_indent="    ", break_on_hyphens=False)
        zeit = datetime.datetime.combine(datum, datetime.time(12), datetime.timezone.utc)
        zeilen += ["", f" -- {betreuer}  {zeit.strftime('%a, %d %b %Y %H:%M:%S +0000')}", ""]
        eintraege.append("\n".join(zeilen))
    return "\n".join(eintraege)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--news", required=True)
    parser.add_argument("--paket", required=True, help="source package name")
    parser.add_argument("--revision", default="1")
    parser.add_argument("--betreuer", required=True, help="Name <address>")
    parser.add_argument("--out", required=True, help="changelog.Debian.gz to write")
    args = parser.parse_args()
    with open(args.news, encoding="utf-8") as f:
        text = changelog(lies_abschnitte(f.read()), args.paket, args.revision, args.betreuer)
    # No name and no time stamp in the gzip header, so that equal input gives equal bytes.
    with open(args.out, "wb") as roh, gzip.GzipFile(filename="", mode="wb", fileobj=roh,
                                                     compresslevel=9, mtime=0) as aus:
        aus.write(text.encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
