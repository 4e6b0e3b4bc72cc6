#!/usr/bin/env bash
# Runs the whole suite: every test program of the normal build, the checker
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and a
# short, fixed-length fuzz run of the checker core.
set -euo pipefail
cd "$(dirname "$0")/.."

# The real-script corpus lies beside the checkout on development and CI
# machines; the tests that use it skip themselves when it is absent.
if [ -z "${KORVEL_CORPUS:-}" ] && [ -d ../shared/corpus ]; then
    export KORVEL_CORPUS="$(cd ../shared/corpus && pwd)"
fi

ctest --test-dir build --output-on-failure
ctest --test-dir build-sanitize --output-on-failure

fuzzer=build-sanitize/bin/fuzz-checker
if [ -x "$fuzzer" ]; then
    corpus_dir=$(mktemp -d)
    trap 'rm -rf "$corpus_dir"' EXIT
    # Seeded from the start of every real script when they are there (copied,
    # never written into the corpus folder). Seeded inputs are far longer
    # than the ones grown from nothing, so fewer runs take about as long and
    # reach more of the checker.
    runs=200000
    if [ "$(scripts/make-fuzz-seeds.sh "$corpus_dir" first)" -gt 0 ]; then
        runs=20000
    fi
    "$fuzzer" -runs=$runs -max_len=4096 -seed=1 "$corpus_dir"
fi
