#!/usr/bin/env bash
# Pictures of the translated interface under a virtual X server, each against
# freshly started local services: the main window with its marks and the
# report in Chinese, the sign-in dialog in Japanese and the settings in
# Spanish. Saved into docs/ (or the folder given as $1).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$here/docs}"
build="${BUILD_DIR:-$here/build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  "$here/scripts/build.sh" "$build" >/dev/null
fi
cmake --build "$build" --target shot-review quillet_translations vocabulary_data >/dev/null
mkdir -p "$out"
# The embedded browser of the sign-in dialog refuses to run as root with its sandbox on.
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
shot() {
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1100x720x24" "$build/bin/shot-review" "$@"
  echo "saved $1"
}
shot "$out/review-zh-CN.png" review zh-CN
shot "$out/report-zh-CN.png" report zh-CN
shot "$out/signin-ja.png" signin ja
shot "$out/settings-es.png" settings es
