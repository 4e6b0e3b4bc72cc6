#!/usr/bin/env bash
# Fills DIR with fuzz seeds cut from the real-script corpus ($KORVEL_CORPUS):
# each script in pieces of whole lines up to 1024 bytes (small inputs keep
# the executions per second high), each piece with the five header bytes of
# the fuzz target (UTF-8 text, previous state 1, the root). With "first",
# only the first piece of each script. Only DIR is written; the corpus is
# read. Does nothing without a corpus. Prints the number of seeds.
#
#   scripts/make-fuzz-seeds.sh DIR [all|first]
set -euo pipefail
dir="$1"
which="${2:-all}"
corpus="${KORVEL_CORPUS:-}"
if [ -z "$corpus" ] || [ ! -d "$corpus" ]; then
    echo 0
    exit 0
fi
mkdir -p "$dir"
pieces=$(mktemp -d)
trap 'rm -rf "$pieces"' EXIT
n=0
while IFS= read -r -d '' file; do
    n=$((n + 1))
    split -C 1024 -d -a 4 "$file" "$pieces/$n-"
done < <(find "$corpus" -maxdepth 1 -type f \( -iname '*.mrc' -o -iname '*.ini' \) -print0 | sort -z)
pattern='*'
[ "$which" = first ] && pattern='*-0000'
count=0
for piece in "$pieces"/$pattern; do
    [ -e "$piece" ] || continue
    { printf '\000\001\000\000\000'; cat "$piece"; } > "$dir/seed-${piece##*/}"
    count=$((count + 1))
done
echo "$count"
