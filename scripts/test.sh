#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (C++ and the
# local services' own tests) through CTest.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" "$here/build"
cd "$here/build"
ctest --output-on-failure --timeout 600 -j2
