#!/usr/bin/env bash
# Drives the real program under a virtual X server with the keyboard only,
# in the colour scheme given (dark by default), and saves a screenshot after
# each step: sign up, the first-run tutorial with Return, type a text, F7 to
# review, Space on the focused close button of the report, F8 to the next mark, Ctrl+Return to apply it, Ctrl+plus
# three times, Tab round to the title-bar menu, F10 to open the menu, and
# Ctrl+, for the settings.
# Usage: scripts/xvfb-keyboard.sh [build folder] [screenshot folder]
#        (needs xvfb, xdotool, imagemagick: scripts/packages/tests/walkthrough.txt)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shots="${2:-$here/build/keyboard}"
. "$here/scripts/lib/gui-session.sh"

config="$work/config/Quillet"
mkdir -p "$config" "$work/tmp" "$shots"
rm -f "$shots"/*.png
export XDG_CONFIG_HOME="$work/config" TMPDIR="$work/tmp" SHOTS="$shots"
export QUILLET_COLOR_SCHEME="${QUILLET_COLOR_SCHEME:-dark}"
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
export QUILLET_BIN="$build/bin/quillet-main"
export EMAIL="keys.$RANDOM$RANDOM@example.com"
export WINDOW_STEPS="$here/scripts/lib/window-steps.sh" STEPS_NAME="keyboard walkthrough" KEY_PAUSE=0.4

xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  . "$WINDOW_STEPS"
  start_at_sign_in
  shot signin

  echo "1. sign up with the keyboard"
  xdotool type --delay 20 "$EMAIL"; key Tab
  xdotool type --delay 20 "keys-pass1"; key Tab
  xdotool type --delay 20 "keys-pass1"
  key Return
  wait_for_main_window
  shot tutorial
  for _ in 1 2 3 4; do key Return; done
  sleep 1
  shot tutorial-done

  echo "2. type a text"
  xdotool type --delay 15 "Last summer I has a chance to visit my grandparents. Their going to the market every morning. I recieved a letter from teh city."
  sleep 0.5
  shot typed

  echo "3. F7 reviews"
  key F7
  sleep 12
  shot reviewed
  echo "4. the report opens with its close button focused: Space closes it"
  key space
  sleep 1
  shot report-closed

  echo "5. F8 to the next mark, Ctrl+Return applies it"
  key F8
  shot next-mark
  key ctrl+Return
  sleep 0.5
  shot applied

  echo "6. larger text"
  key ctrl+plus; key ctrl+plus; key ctrl+plus
  sleep 0.5
  shot larger-text
  key ctrl+0

  echo "7. F10 opens the menu"
  key F10
  sleep 0.5
  shot menu
  key Escape

  echo "8. the settings"
  key ctrl+comma
  sleep 1
  shot settings
  kill $pid 2>/dev/null || true
  echo "keyboard walkthrough done"
'
echo "screenshots in $shots"
