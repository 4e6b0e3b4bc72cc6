#!/usr/bin/env bash
# Throughput of `korvel-check --quiet` on the real-script corpus concatenated
# into one file of about 9 MB. Prints figures; it passes or fails nothing.
#
#   bench/run-korvel-check.sh [path/to/korvel-check]
#
# The corpus is $KORVEL_CORPUS, or ../shared/corpus beside the checkout.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
checker="${1:-$root/build/bin/korvel-check}"
corpus="${KORVEL_CORPUS:-$root/../shared/corpus}"
runs=5

if [ ! -x "$checker" ]; then
    echo "korvel-check not found at $checker (build the korvel-check target first)" >&2
    exit 2
fi
if [ ! -d "$corpus" ]; then
    echo "no corpus at $corpus (set KORVEL_CORPUS)" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
script="$work/corpus.mrc"
# Every file once, in a fixed order, each followed by a line end so that no
# file's last line runs into the next file's first.
find "$corpus" -maxdepth 1 -type f \( -iname '*.mrc' -o -iname '*.ini' \) -print0 | sort -z |
    while IFS= read -r -d '' file; do
        cat "$file"
        printf '\r\n'
    done > "$script"

bytes=$(stat -c %s "$script")
lines=$(wc -l < "$script")
# The machine may be shared: besides the wall-clock time, the processor time
# of korvel-check itself (user + system) is measured, which others' load
# disturbs far less. The best of a few runs is reported for each.
best_wall=""
best_cpu=""
for _ in $(seq "$runs"); do
    TIMEFORMAT='%R %U %S'
    { time "$checker" --quiet "$script" > "$work/summary" 2>&1 || true; } 2> "$work/time"
    read -r wall user sys < "$work/time"
    best_wall=$(awk -v t="$wall" -v b="$best_wall" 'BEGIN { print (b == "" || t < b) ? t : b }')
    best_cpu=$(awk -v t="$user" -v s="$sys" -v b="$best_cpu" 'BEGIN { t += s; print (b == "" || t < b) ? t : b }')
done

echo "corpus:        $(awk -v b="$bytes" 'BEGIN { printf "%.2f MB", b / 1e6 }'), $lines lines"
echo "summary:       $(cat "$work/summary")"
for kind in wall cpu; do
    if [ "$kind" = wall ]; then t=$best_wall; label="wall clock"; else t=$best_cpu; label="processor "; fi
    awk -v b="$bytes" -v l="$lines" -v t="$t" -v label="$label" -v runs="$runs" \
        'BEGIN { printf "%s:   %.3f s (best of %d) = %.1f MB/s, %.0f lines/s\n", label, t, runs, b / 1e6 / t, l / t }'
done
echo "target:        at least 20 MB/s"
