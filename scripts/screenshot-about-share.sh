#!/usr/bin/env bash
# Drives the real program under a virtual X server (1280 x 800): signs up,
# opens "About Quillet" from the menu, reviews a
# short essay and uses the report's share control and the title bar's share
# button, then runs the update check in the settings. Saves
#   docs/about.png         the about window over the main window
#   docs/report-share.png  the report with its share control
# and the other steps' screenshots in build/about-share/ (or $2).
# The browser is not there under Xvfb: the program's log shows the addresses
# it asked for, and the script checks them.
# Usage: scripts/screenshot-about-share.sh [build folder] [screenshot folder]
#        (needs xvfb, xdotool, imagemagick, xclip: scripts/packages/tests/walkthrough.txt)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shots="${2:-$here/build/about-share}"
. "$here/scripts/lib/gui-session.sh"

config="$work/config/Quillet"
mkdir -p "$config" "$work/tmp" "$shots"
cat >"$config/setting.ini" <<XML
<?xml version="1.0" encoding="utf-8"?>
<config>
 <user_guide default="True">False</user_guide>
</config>
XML
python3 - "$work/essay.txt" <<'PY'
import sys
s = ["Last summer I has a chance to visit my grandparents in the countryside.",
     "Their going to the market every morning to buy fresh vegetables and bread.",
     "I recieved a letter from my friend who lives in a big city far away.",
     "My grandmother told me many storys about her childhood and the old days.",
     "We was happy to spend time together after such a long time apart."]
open(sys.argv[1], "w").write(" ".join(s * 3) + "\n" + " ".join(s[::-1] * 2) + "\n")
PY

export XDG_CONFIG_HOME="$work/config" TMPDIR="$work/tmp" SHOTS="$shots" ESSAY="$work/essay.txt" DOCS="$here/docs"
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
export QUILLET_BIN="$build/bin/quillet-main"
export EMAIL="about.$RANDOM$RANDOM@example.com"

xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  fail() { echo "about-share: $*" >&2; exit 1; }
  shot() { import -window root "$SHOTS/$1.png"; echo "  shot $1"; }
  geometry() { X=0; Y=0; WIDTH=0; HEIGHT=0; eval "$(xdotool getwindowgeometry --shell "$1")"; }
  click_at() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click 1; sleep 0.5; }
  key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }
  window_named() { xdotool search --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -1 || true; }
  log_has() { grep -qF "$1" "$TMPDIR/quillet.log"; }

  "$QUILLET_BIN" >"$TMPDIR/quillet.log" 2>&1 &
  pid=$!
  dialog=""
  for _ in $(seq 150); do dialog="$(window_named "^Quillet\$")"; [ -n "$dialog" ] && break; sleep 0.2; done
  [ -n "$dialog" ] || fail "no sign-in dialog appeared"
  sleep 3
  dialog="$(window_named "^Quillet\$")"
  geometry "$dialog"
  echo "1. sign up"
  click_at $((X + WIDTH / 2)) $((Y + 250))
  xdotool type --delay 20 "$EMAIL"; key Tab
  xdotool type --delay 20 "walk-pass1"; key Tab
  xdotool type --delay 20 "walk-pass1"; key Return
  main=""
  for _ in $(seq 150); do
    for w in $(xdotool search --onlyvisible --pid "$pid" --name "^Quillet\$" 2>/dev/null); do
      geometry "$w"; if [ "$WIDTH" -gt 700 ]; then main="$w"; break 2; fi
    done
    sleep 0.2
  done
  [ -n "$main" ] || fail "the main window did not appear after signing up"
  sleep 2
  geometry "$main"; WX=$X; WY=$Y; WW=$WIDTH; WH=$HEIGHT
  echo "main window at ${WX},${WY} ${WW}x${WH}"
  for _ in 1 2 3 4; do click_at $((WX + WW / 2 + 154)) $((WY + 376)); done
  crop() { convert "$SHOTS/$1.png" -crop "${WW}x${WH}+${WX}+${WY}" +repage "$2"; }

  echo "2. About Quillet"
  menu_x=$((WX + WW - 118)); menu_y=$((WY + 28))
  click_at "$menu_x" "$menu_y"
  xdotool mousemove $((menu_x + 37)) $((WY + 185)); sleep 0.8
  xdotool mousemove $((menu_x + 200)) $((WY + 185)); sleep 0.3
  click_at $((menu_x + 228)) $((WY + 229))
  sleep 1
  about="$(window_named "^About Quillet\$")"
  [ -n "$about" ] || { shot no-about; fail "no about window"; }
  shot about
  crop about "$DOCS/about.png"
  # OK is the default button: Return presses it wherever the window sits.
  for _ in 1 2 3; do
    xdotool windowactivate --sync "$about" 2>/dev/null || xdotool windowfocus "$about" 2>/dev/null || true
    xdotool key --window "$about" Return
    sleep 1
    [ -z "$(window_named "^About Quillet\$")" ] && break
  done
  [ -z "$(window_named "^About Quillet\$")" ] || fail "the about window stayed"

  echo "3. review, and the report share control"
  xclip -selection clipboard -i "$ESSAY" &
  sleep 0.5
  click_at $((WX + WW / 3)) $((WY + WH / 2))
  key ctrl+v
  sleep 1
  click_at $((WX + 116)) $((WY + 69))
  sleep 25
  shot report-share
  crop report-share "$DOCS/report-share.png"
  click_at $((WX + 105)) $((WY + 116))
  sleep 1
  log_has "facebook.com/dialog/feed?app_id=402913865571304" || fail "the report share control opened nothing"
  echo "4. the title bar share button"
  click_at $((WX + WW - 29 - 260 - 12 + 0)) $((WY + 116))   # close the report
  sleep 1
  shared_before="$(grep -c "dialog/feed" "$TMPDIR/quillet.log" || true)"
  click_at $((WX + WW - 148)) $((WY + 28))
  sleep 1
  [ "$(grep -c "dialog/feed" "$TMPDIR/quillet.log")" -gt "$shared_before" ] || fail "the title bar share button opened nothing"
  shot title-share

  echo "5. the update check in the settings"
  click_at "$menu_x" "$menu_y"
  click_at $((menu_x + 37)) $((WY + 163))
  sleep 1
  shot settings
  click_at $((WX + 430)) $((WY + 477))
  import -window root "$SHOTS/update-checking-1.png"
  import -window root "$SHOTS/update-checking-2.png"
  sleep 2
  shot update-checked
  kill $pid 2>/dev/null || true
  echo "about-share done"
'
echo "screenshots in $shots; docs/about.png and docs/report-share.png"
