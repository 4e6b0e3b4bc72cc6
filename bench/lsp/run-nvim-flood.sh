#!/usr/bin/env bash
# How long Neovim, with korvel-lsp attached, takes to settle after 200 quick
# edits to a 5 MB script (the real-script corpus concatenated and cut at
# 5 MB; .mrc files only, so that no INI header lands in the middle): the
# time from the last edit until the diagnostics of the last version have
# reached Neovim (target: within 0.5 s). Prints figures; it passes or fails
# nothing.
#
#   bench/lsp/run-nvim-flood.sh [path/to/korvel-lsp]
#
# The corpus is $KORVEL_CORPUS, or ../shared/corpus beside the checkout.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
server="$(realpath "${1:-$root/build/bin/korvel-lsp}")"
corpus="${KORVEL_CORPUS:-$root/../shared/corpus}"
command -v nvim >/dev/null || { echo "nvim is not installed" >&2; exit 2; }
[ -x "$server" ] || { echo "korvel-lsp not found at $server" >&2; exit 2; }
[ -d "$corpus" ] || { echo "no corpus at $corpus (set KORVEL_CORPUS)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
find "$corpus" -maxdepth 1 -type f -iname '*.mrc' -print0 | sort -z |
    while IFS= read -r -d '' file; do cat "$file"; echo; done > "$work/corpus.mrc"
head -c 5000000 "$work/corpus.mrc" > "$work/flood.mrc"
cd "$work"
SCRIPT="$work/flood.mrc" KORVEL_LSP="$server" HOME="$work" \
    nvim --headless --clean -n -c "luafile $root/bench/lsp/nvim-flood.lua"
