#!/usr/bin/env bash
# Installs what the program needs (scripts/install-deps.sh: sudo only for
# missing Debian packages), builds the program, starts the local services
# (unless they already run; scripts/stop-services.sh stops them) and starts
# Quillet. Arguments go to the program.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" "$here/build" quillet-main update quillet_translations vocabulary_data
"$here/scripts/start-services.sh"
cd "$here/build/bin"
exec ./quillet-main "$@"
