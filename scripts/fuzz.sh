#!/usr/bin/env bash
# Runs every libFuzzer target of a build for a bounded time on a scratch copy
# of its seed corpus. A crash leaves its input in fuzz/findings/ and fails.
set -uo pipefail
build="$1"
sekunden="$2"
status=0
mkdir -p fuzz/findings
for ziel in "$build"/fuzz/fuzz_*; do
  [ -x "$ziel" ] || continue
  name="${ziel##*/fuzz_}"
  arbeit=$(mktemp -d)
  # Further seed directories, relative to the repository, one per line.
  samen=()
  [ -f "fuzz/corpus/$name.samen" ] && mapfile -t samen <"fuzz/corpus/$name.samen"
  echo "== fuzz_$name (${sekunden}s)"
  if ! "$ziel" "$arbeit" "fuzz/corpus/$name" "${samen[@]}" -max_total_time="$sekunden" -timeout=10 \
      -rss_limit_mb=2048 -artifact_prefix="fuzz/findings/${name}-" -print_final_stats=1 \
      >"$arbeit.log" 2>&1; then
    tail -40 "$arbeit.log"
    echo "fuzz_$name: FINDING (input kept in fuzz/findings/)"
    status=1
  else
    grep -E 'stat::number_of_executed_units|Done' "$arbeit.log" | tail -2
  fi
  rm -rf "$arbeit" "$arbeit.log"
done
exit $status
