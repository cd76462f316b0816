#!/usr/bin/env bash
# Crash recovery with the real program under a virtual X server:
#   1. log in (remembered account), type a text, wait for the 5-second copy;
#   2. kill the program with SIGKILL;
#   3. start it again and log in: the text is back, with the notice.
# Saves a picture of the recovered window to docs/crash-recovery.png (or $2).
# Usage: scripts/check-crash-recovery.sh [build folder] [picture]
#        (needs xvfb, xdotool, imagemagick, curl)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shot="${2:-$here/docs/crash-recovery.png}"
. "$here/scripts/lib/gui-session.sh"

# An account, remembered by the sign-in dialog, and no first-run tutorial.
email="crash.$RANDOM$RANDOM@example.com"
digest="$(printf '%s' 'crash-pass1' | md5sum | cut -d' ' -f1 | tr a-f A-F)"
curl -s -o /dev/null --data "e=$email&p=$digest&from=ostrel" "http://127.0.0.1:$port/register/register.ashx"
config="$work/config/Quillet"
mkdir -p "$config" "$work/tmp" "$(dirname "$shot")"
cat >"$config/preference.ini" <<XML
<?xml version="1.0" encoding="utf-8"?>
<config>
 <str_user default="">$email</str_user>
 <str_pwd default="">$digest</str_pwd>
 <rem_me default="False">True</rem_me>
</config>
XML
cat >"$config/setting.ini" <<XML
<?xml version="1.0" encoding="utf-8"?>
<config>
 <user_guide default="True">False</user_guide>
</config>
XML
export XDG_CONFIG_HOME="$work/config" TMPDIR="$work/tmp" CONFIG="$config" SHOT="$shot"
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
export QUILLET_BIN="$build/bin/quillet-main"

xvfb-run -a -s "-screen 0 1100x760x24" bash -euo pipefail -c '
  windows_of() { xdotool search --onlyvisible --pid "$1" --name "^Quillet\$" 2>/dev/null || true; }
  # Starts the program, logs in with the remembered account and prints the
  # main window (the wide one).
  start_and_log_in() {
    "$QUILLET_BIN" >/dev/null 2>&1 &
    pid=$!
    local dialog=""
    for _ in $(seq 150); do dialog="$(windows_of $pid | head -1)"; [ -n "$dialog" ] && break; sleep 0.2; done
    [ -n "$dialog" ] || { echo "no sign-in dialog appeared" >&2; exit 1; }
    sleep 4
    dialog="$(windows_of $pid | head -1)"
    # The remembered account is filled in: press "Log in".
    WIDTH=0; HEIGHT=0; eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove --window "$dialog" $((WIDTH / 2)) $((HEIGHT * 384 / 505)) click 1
    for _ in $(seq 150); do
      for w in $(windows_of $pid); do
        WIDTH=0; eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null || true)"
        if [ "$WIDTH" -gt 700 ]; then main="$w"; return 0; fi
      done
      sleep 0.2
    done
    import -window root "${SHOT%.png}-failed.png"; echo "logging in did not open the main window" >&2; exit 1
  }

  start_and_log_in
  grep -q "<is_crash default=\"\">True</is_crash>" "$CONFIG/preference.ini" || { echo "is_crash was not set" >&2; exit 1; }
  xdotool mousemove --window "$main" 300 300 click 1
  xdotool type --delay 15 "Words that must survive a crash."
  sleep 7
  grep -q "Words that must survive a crash." "$CONFIG/backup.ini" || { echo "no crash copy was written" >&2; exit 1; }
  kill -9 "$pid"; wait "$pid" 2>/dev/null || true
  echo "typed, copied and killed"

  start_and_log_in
  sleep 1.5
  import -window root "$SHOT"
  grep -q "<is_crash default=\"\">True</is_crash>" "$CONFIG/preference.ini" || { echo "is_crash changed" >&2; exit 1; }
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "restarted after the crash; picture saved"
'
echo "saved $shot"
