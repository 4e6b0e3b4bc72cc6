#!/bin/sh
# Builds the installable extension, korvel-mirc-<version>.vsix, with
# @vscode/vsce from the npm registry. Needs Node.js 20 or newer and npm.
#   editors/vscode/package.sh [OUTPUT-FOLDER]
set -e
cd "$(dirname "$0")"
out=${1:-.}
mkdir -p "$out"
npm install --no-audit --no-fund
npx vsce package --out "$out"
