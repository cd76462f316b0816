#!/usr/bin/env bash
# Reviews a sample essay in the real program window under Xvfb and saves the
# screen to docs/review.png (or $1).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$here/docs/review.png}"
"$here/scripts/build.sh" "$here/build" >/dev/null
mkdir -p "$(dirname "$out")"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1100x720x24" "$here/build/bin/shot-review" "$out"
echo "saved $out"
