#!/usr/bin/env bash
# Installs what is missing, builds the program, starts the local services
# (unless they already run) and starts Quillet.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" "$here/build"
if [ -x "$here/scripts/start-services.sh" ]; then
  "$here/scripts/start-services.sh"
fi
cd "$here/build/bin"
exec ./quillet-main "$@"
