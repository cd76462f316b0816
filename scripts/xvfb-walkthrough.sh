#!/usr/bin/env bash
# Drives the real program under a virtual X server (1280 x 800, no window
# manager) the way a new user does, and saves a screenshot after each step:
#   sign up (with a mistyped confirmation first), paste a 1,000-word text,
#   Review, close the report by its button, apply three labels, type at the
#   start, undo twice, resize from each corner, maximise and restore, and
#   the settings in a window 560 pixels high. (The report opens by itself after the review.)
# Not part of ctest. Checks what it can see from outside (window geometry)
# and stops with a message when a step does not do what it should.
# Usage: scripts/xvfb-walkthrough.sh [build folder] [screenshot folder]
#        (needs xvfb, xdotool, imagemagick, xclip: scripts/packages/tests/walkthrough.txt)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shots="${2:-$here/build/walkthrough}"
. "$here/scripts/lib/gui-session.sh"

config="$work/config/Quillet"
mkdir -p "$config" "$work/tmp" "$shots"
rm -f "$shots"/*.png
cat >"$config/setting.ini" <<XML
<?xml version="1.0" encoding="utf-8"?>
<config>
 <user_guide default="True">False</user_guide>
</config>
XML

# A 1,000-word essay with the usual slips, in paragraphs.
python3 - "$work/essay.txt" <<'PY'
import sys
sentences = [
    "Last summer I has a chance to visit my grandparents in the countryside.",
    "Their going to the market every morning to buy fresh vegetables and bread.",
    "I recieved a letter from my friend who lives in a big city far away.",
    "The weather was very nice and we walked along the river for hours.",
    "My grandmother told me many storys about her childhood and the old days.",
    "We was happy to spend time together after such a long time apart.",
    "In the evening we played cards and listened to teh radio by the fire.",
    "I think that learning from older people is one of the best things in life.",
    "The village has a small library where children can borrow books for free.",
    "Every weekend the neighbours meet in the square to talk about the news.",
]
words, paragraphs, current = 0, [], []
i = 0
while words < 1000:
    s = sentences[i % len(sentences)]
    current.append(s)
    words += len(s.split())
    i += 1
    if len(current) == 6:
        paragraphs.append(" ".join(current)); current = []
if current:
    paragraphs.append(" ".join(current))
open(sys.argv[1], "w").write("\n".join(paragraphs) + "\n")
PY

export XDG_CONFIG_HOME="$work/config" TMPDIR="$work/tmp" SHOTS="$shots" ESSAY="$work/essay.txt"
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
export QUILLET_BIN="$build/bin/quillet-main"
export EMAIL="walk.$RANDOM$RANDOM@example.com"
export WINDOW_STEPS="$here/scripts/lib/window-steps.sh" STEPS_NAME="walkthrough"

xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  . "$WINDOW_STEPS"
  click_at() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click 1; sleep 0.5; }
  # Centre of the longest run of one colour (hex, upper case) inside a box
  # of the screen: "x y", or nothing. Finds the selected candidate label.
  find_colour() {
    local colour="$1" bx="$2" by="$3" bw="$4" bh="$5"
    import -window root "$TMPDIR/scan.png"
    convert "$TMPDIR/scan.png" -crop "${bw}x${bh}+${bx}+${by}" +repage txt:- \
      | awk -v c="#$colour" -v bx="$bx" -v by="$by" "
          index(\$0, c) { split(\$1, p, /[,:]/); x = p[1]; y = p[2];
                          if (y == ly && x == lx + 1) run++; else { run = 1; start = x }
                          if (run > best) { best = run; bestx = start + run / 2; besty = y }
                          lx = x; ly = y }
          END { if (best >= 12) printf \"%d %d\n\", bestx + bx, besty + by }"
  }

  start_at_sign_in
  geometry "$dialog"
  echo "sign-in dialog at ${X},${Y} ${WIDTH}x${HEIGHT}"
  click_at $((X + WIDTH / 2)) $((Y + HEIGHT * 250 / 512))

  echo "1. sign up, the confirmation mistyped first"
  xdotool type --delay 20 "$EMAIL"; key Tab
  xdotool type --delay 20 "walk-pass1"; key Tab
  xdotool type --delay 20 "walk-pass2"; key Tab
  sleep 1
  shot signin-mismatch
  key shift+Tab; key ctrl+a; xdotool type --delay 20 "walk-pass1"
  sleep 0.5
  shot signin-matched
  key Return
  wait_for_main_window
  geometry "$main"
  echo "main window at ${X},${Y} ${WIDTH}x${HEIGHT}"
  WX=$X; WY=$Y; WW=$WIDTH; WH=$HEIGHT
  shot main-window
  # A new account first sees the four-step tutorial: "Next" until it is gone.
  for _ in 1 2 3 4; do click_at $((WX + WW / 2 + 154)) $((WY + 376)); done
  shot tutorial-done

  echo "2. paste a 1,000-word text"
  xclip -selection clipboard -i "$ESSAY" &
  sleep 0.5
  click_at $((WX + WW / 3)) $((WY + WH / 2))
  key ctrl+v
  sleep 1
  shot pasted

  echo "3. Review"
  # The tool bar runs under the title bar; Review is its second button.
  review_x=$((WX + 126)); review_y=$((WY + 69))
  [ -n "${REVIEW_AT:-}" ] && read -r review_x review_y <<<"$REVIEW_AT"
  click_at "$review_x" "$review_y"
  sleep 20
  shot reviewed-report
  # The report opens by itself after a review; its close button is at its top right.
  echo "4. close the report by its button"
  # Top right of the report, left of the side panel (260 pixels wide).
  click_at $((WX + WW - 12 - 260 - 29)) $((WY + 116))
  sleep 1
  shot report-closed

  echo "5. apply three labels"
  for n in 1 2 3; do
    at="$(find_colour F0F0F0 $((WX + 12)) $((WY + 100)) $((WW - 24)) $((WH - 140)))"
    [ -n "$at" ] || { shot no-label; fail "no selected label found for apply $n"; }
    read -r lx ly <<<"$at"
    echo "  label $n at $lx,$ly"
    click_at "$lx" "$ly"
    sleep 0.5
    shot applied-$n
  done

  echo "6. type at the start"
  key ctrl+Home
  xdotool type --delay 30 "Well, "
  sleep 0.5
  shot typed-at-start
  echo "7. undo twice"
  key ctrl+z
  sleep 0.3
  key ctrl+z
  sleep 0.5
  shot undone-twice

  echo "8. resize from each corner"
  resize_corner() {
    local name="$1" px="$2" py="$3" dx="$4" dy="$5"
    geometry "$main"; local bx=$X by=$Y bw=$WIDTH bh=$HEIGHT
    xdotool mousemove "$px" "$py"; sleep 0.3
    xdotool mousedown 1; sleep 0.2
    for k in 1 2 3 4 5; do xdotool mousemove $((px + dx * k / 5)) $((py + dy * k / 5)); sleep 0.1; done
    xdotool mouseup 1; sleep 0.5
    geometry "$main"
    echo "  $name: ${bx},${by} ${bw}x${bh} -> ${X},${Y} ${WIDTH}x${HEIGHT}"
    [ "$WIDTH" != "$bw" ] || [ "$X" != "$bx" ] || fail "$name did not resize"
    [ "$Y" -ge 0 ] || fail "$name put the title bar above the screen"
    shot "resized-$name"
  }
  geometry "$main"
  resize_corner bottom-right $((X + WIDTH - 3)) $((Y + HEIGHT - 3)) 80 50
  geometry "$main"
  resize_corner bottom-left $((X + 3)) $((Y + HEIGHT - 3)) -60 40
  geometry "$main"
  resize_corner top-left $((X + 3)) $((Y + 3)) 50 30
  geometry "$main"
  resize_corner top-right $((X + WIDTH - 3)) $((Y + 3)) -70 -20

  echo "9. maximise and restore"
  geometry "$main"; before="${X},${Y} ${WIDTH}x${HEIGHT}"
  # A double click on the title bar maximises, another restores.
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 25)); sleep 0.3; xdotool click --repeat 2 --delay 80 1; sleep 1
  geometry "$main"; echo "  maximised: ${X},${Y} ${WIDTH}x${HEIGHT}"
  shot maximised
  [ "$WIDTH" -ge 1270 ] || fail "the window did not maximise"
  xdotool mousemove 640 15; sleep 0.3; xdotool click --repeat 2 --delay 80 1; sleep 1
  geometry "$main"; after="${X},${Y} ${WIDTH}x${HEIGHT}"
  echo "  restored: $after (was $before)"
  shot restored
  [ "$after" = "$before" ] || fail "restore gave $after instead of $before"

  echo "10. the settings in a window 560 pixels high"
  xdotool windowsize "$main" "$WW" 560; sleep 1
  geometry "$main"; WX=$X; WY=$Y; WW=$WIDTH; WH=$HEIGHT
  click_at $((WX + WW - ${MENU_DX:-118})) $((WY + 25))
  sleep 0.5
  shot menu-open
  # "Settings" is the seventh entry of the menu.
  click_at $((WX + WW - ${MENU_DX:-118} + 37)) $((WY + 25 + 135))
  sleep 1
  shot settings-560
  [ "$HEIGHT" -le 560 ] || fail "the window is $HEIGHT pixels high, not 560"
  kill $pid 2>/dev/null || true
  echo "walkthrough done"
'
echo "screenshots in $shots"
