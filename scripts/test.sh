#!/usr/bin/env bash
# Installs what the program and the tests need (scripts/install-deps.sh
# --tests: sudo only for missing Debian packages), builds everything and runs
# every test (C++ and the local services' own tests) through CTest.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh" --tests
"$here/scripts/build.sh" "$here/build"
# shellcheck source=lib/node-env.sh
source "$here/scripts/lib/node-env.sh"
cd "$here/build"
ctest --output-on-failure --timeout 600 -j2
