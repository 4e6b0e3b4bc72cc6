#!/usr/bin/env bash
# Runs the checker fuzzer (built by the sanitize preset) for a given time and
# prints executions, coverage and corpus size. Seeded from the real-script
# corpus ($KORVEL_CORPUS, or ../shared/corpus beside the checkout) when it is
# there; the corpus folder itself is only read. Inputs that crash are kept in
# the output folder (printed at the end), the grown fuzz corpus too.
#
#   bench/run-fuzz-checker.sh SECONDS [OUTPUT-DIR] [path/to/fuzz-checker]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:?usage: run-fuzz-checker.sh SECONDS [OUTPUT-DIR] [FUZZER]}"
out="${2:-$(mktemp -d)}"
fuzzer="${3:-$root/build-sanitize/bin/fuzz-checker}"
if [ -z "${KORVEL_CORPUS:-}" ] && [ -d "$root/../shared/corpus" ]; then
    export KORVEL_CORPUS="$(cd "$root/../shared/corpus" && pwd)"
fi
if [ ! -x "$fuzzer" ]; then
    echo "fuzz-checker not found at $fuzzer (cmake --preset sanitize, then build fuzz-checker)" >&2
    exit 2
fi

mkdir -p "$out/corpus" "$out/crashes"
seeds=$("$root/scripts/make-fuzz-seeds.sh" "$out/corpus")
log="$out/fuzz.log"
status=0
"$fuzzer" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$out/crashes/" "$out/corpus" > "$log" 2>&1 || status=$?

# The last status line ("#N DONE cov: C ft: F corp: U/Sb ...") and the
# final statistics carry the figures.
last=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
field() { sed -n "s/.* $1: \([^ ]*\).*/\1/p" <<< "$last"; }
execs=$(sed -n 's/^stat::number_of_executed_units: //p' "$log" | tail -n 1)
crashes=$(find "$out/crashes" -type f | wc -l)
echo "fuzz time (s):        $seconds"
echo "seeds from corpus:    $seeds"
echo "executions:           ${execs:-?}"
echo "coverage (edges):     $(field cov)"
echo "features:             $(field ft)"
echo "corpus (units/size):  $(field corp)"
echo "corpus files now:     $(find "$out/corpus" -type f | wc -l)"
echo "crashing inputs:      $crashes"
echo "fuzzer exit status:   $status"
echo "log and findings in:  $out"
