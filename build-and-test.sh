#!/bin/sh
# Set-up and test on a fresh Debian 12 machine: installs what is missing
# (make included), builds, and runs the whole test suite.
set -e
cd "$(dirname "$0")"
./scripts/install-deps.sh
exec make test
