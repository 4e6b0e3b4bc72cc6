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
    # Seeded from the real scripts when they are there (copied, never
    # written into the corpus folder).
    scripts/make-fuzz-seeds.sh "$corpus_dir" > /dev/null
    "$fuzzer" -runs=200000 -max_len=4096 -seed=1 "$corpus_dir"
fi
