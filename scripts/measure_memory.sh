#!/usr/bin/env bash
# Resident memory of the module, step by step, as a Markdown table:
#   scripts/measure_memory.sh [build-dir] [document.xml]
# Builds only the measuring program and the module (RelWithDebInfo, no sanitizer).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDV_SANITIZE=OFF -DDV_TSAN=OFF \
  -DDV_BENCH=ON >/dev/null
cmake --build "$dir" -j "${DV_JOBS:-$(nproc)}" --target dv_speicher divideVira >/dev/null
echo "Rechner: $(uname -srm), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
# The program writes ISO-8859-15 like the module; the table is for UTF-8 Markdown.
"$dir/bench/memory/dv_speicher" "$@" | iconv -f ISO-8859-15 -t UTF-8
