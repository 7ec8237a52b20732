#!/usr/bin/env python3
"""Runs the fenced examples of README.md exactly as printed, in the order they appear.

  ```sh      run with bash -euo pipefail from the repository root
  ```cpp     a complete program: g++ -std=c++17 with the host headers and DV_MODUL, then run
  ```c       a complete program: cc -std=c11 with the flags of pkg-config's dividevira, run
  ```python  run with python3
Other fences (cmake, plain), and a block after a comment line "<!-- readme_beispiele: nicht
ausführen ...", are read, not run. Compilers and interpreters see the block's
text unchanged; the flags come from the options. As root on a machine without sudo, a
block's `sudo` runs the command itself. Exit status 1 names the first block that failed.
"""
import argparse
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

ZAUN = re.compile(r"^```(\w*)\s*$")
AUSFUEHRBAR = {"sh", "cpp", "c", "python"}
NICHT_AUSFUEHREN = "<!-- readme_beispiele: nicht ausführen"


def bloecke(text):
    """[(language, first line number, text), ...] of the fenced blocks. A block right after a
    line starting with NICHT_AUSFUEHREN (one that needs a file the reader downloads) gets the
    language "" and is read, not run."""
    gefunden, sprache, anfang, zeilen, vorige = [], None, 0, [], ""
    for nummer, zeile in enumerate(text.splitlines(), 1):
        treffer = ZAUN.match(zeile)
        if sprache is None and treffer:
            sprache, anfang, zeilen = treffer.group(1), nummer + 1, []
            if vorige.startswith(NICHT_AUSFUEHREN):
                sprache = ""
        elif sprache is not None and zeile.rstrip() == "```":
            gefunden.append((sprache, anfang, "\n".join(zeilen) + "\n"))
            sprache = None
        elif sprache is not None:
            zeilen.append(zeile)
        vorige = zeile
    if sprache is not None:
        raise ValueError(f"block from line {anfang} is not closed")
    return gefunden


def befehle(sprache, quelle, ordner, args):
    """The commands that compile and run one block whose text is in quelle."""
    programm = str(ordner / "beispiel")
    if sprache == "sh":
        return [["bash", "-euo", "pipefail", str(quelle)]]
    if sprache == "python":
        return [[sys.executable, str(quelle)]]
    if sprache == "cpp":
        return [["g++", "-std=c++17", "-Wall", "-Wextra", "-Werror", "-I", args.include,
                 f'-DDV_MODUL="{args.modul}"', str(quelle), "-o", programm, "-ldl"],
                [programm]]
    def pkg_config(*frage):
        return subprocess.run(["pkg-config", *frage, "dividevira"], check=True,
                              capture_output=True, text=True).stdout.split()
    # The library is found where pkg-config says it is, also in a prefix off the loader's path.
    rpath = [f"-Wl,-rpath,{d}" for d in pkg_config("--variable=libdir")]
    return [["cc", "-std=c11", "-Wall", "-Wextra", "-Werror", *pkg_config("--cflags"),
             str(quelle), "-o", programm, *pkg_config("--libs"), *rpath], [programm]]


def main():
    wurzel = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--readme", default=str(wurzel / "README.md"))
    parser.add_argument("--nur", nargs="+", choices=sorted(AUSFUEHRBAR),
                        default=sorted(AUSFUEHRBAR), help="run only blocks of these languages")
    parser.add_argument("--include", default=str(wurzel / "include"))
    parser.add_argument("--modul", default=str(wurzel / "build/plugin/libdivideVira.so.21"))
    args = parser.parse_args()

    umgebung = dict(os.environ)
    with tempfile.TemporaryDirectory() as tmp:
        ordner = pathlib.Path(tmp)
        if os.geteuid() == 0 and shutil.which("sudo") is None:
            (ordner / "bin").mkdir()
            (ordner / "bin/sudo").write_text('#!/bin/sh\nexec "$@"\n')
            (ordner / "bin/sudo").chmod(0o755)
            umgebung["PATH"] = f"{ordner / 'bin'}:{umgebung['PATH']}"
        endung = {"sh": "sh", "cpp": "cpp", "c": "c", "python": "py"}
        gelaufen = 0
        for sprache, zeile, text in bloecke(pathlib.Path(args.readme).read_text("utf-8")):
            if sprache not in args.nur:
                continue
            quelle = ordner / f"zeile{zeile}.{endung[sprache]}"
            quelle.write_text(text, encoding="utf-8")
            print(f"readme_beispiele: {sprache} block at line {zeile}", flush=True)
            try:
                schritte = befehle(sprache, quelle, ordner, args)
            except subprocess.CalledProcessError as fehler:
                print(f"readme_beispiele: {sprache} block at line {zeile}: "
                      f"{' '.join(fehler.cmd)} failed: {fehler.stderr.strip()}", file=sys.stderr)
                return 1
            for befehl in schritte:
                if subprocess.run(befehl, cwd=wurzel, env=umgebung).returncode != 0:
                    print(f"readme_beispiele: {sprache} block at line {zeile} failed: "
                          f"{' '.join(befehl)}", file=sys.stderr)
                    return 1
            gelaufen += 1
        print(f"readme_beispiele: {gelaufen} blocks ran")
    return 0


if __name__ == "__main__":
    sys.exit(main())
