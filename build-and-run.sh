#!/bin/sh
# Set-up and start on a fresh Debian 12 machine: installs what is missing
# (make included), builds, and starts Korvel.
set -e
cd "$(dirname "$0")"
./scripts/install-deps.sh
exec make run
