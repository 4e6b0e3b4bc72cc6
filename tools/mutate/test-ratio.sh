#!/bin/sh
# Non-blank C++ lines under tests/ against those of the program (src/, tools/
# and bench/), and their ratio. Run from anywhere inside the repository.
cd "$(git rev-parse --show-toplevel)" || exit 1
count() {
    find "$@" -name '*.cpp' -o -name '*.h' | xargs grep -cv '^[[:space:]]*$' | awk -F: '{ s += $2 } END { print s + 0 }'
}
tests=$(count tests)
code=$(count src tools bench)
echo "tests $tests, code $code, ratio $(echo "scale=3; $tests / $code" | bc)"
