#!/usr/bin/env bash
# Saves a note to the local note service and opens the note list in the real
# program window under Xvfb, and saves three pictures into docs/ (or $1):
# evernote-authorise.png, evernote-progress.png and evernote-notes.png.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$here/docs}"
"$here/scripts/build.sh" "$here/build" >/dev/null
mkdir -p "$out"
# The embedded browser refuses its sandbox for root.
if [ "$(id -u)" = 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1100x720x24" "$here/build/bin/shot-evernote" "$out"
