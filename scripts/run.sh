#!/usr/bin/env bash
# Installs what the program needs (scripts/install-deps.sh: sudo only for
# missing Debian packages), builds the program, starts the local services
# (unless they already run; scripts/stop-services.sh stops them) and starts
# Quillet. Arguments go to the program.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" "$here/build" quillet-main update quillet_translations vocabulary_data icon_data
"$here/scripts/start-services.sh"
# The program finds its data and translations beside itself, from any folder.
exec "$here/build/bin/quillet-main" "$@"
