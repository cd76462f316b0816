# Sourced inside the X session of the scripts that drive the real program
# (xvfb-run ... bash -c '. "$WINDOW_STEPS"; ...'). Expects $SHOTS (the
# screenshot folder), $QUILLET_BIN and $TMPDIR; $STEPS_NAME names the script
# in its messages and $KEY_PAUSE is the pause after a key (default 0.3 s).

fail() { echo "${STEPS_NAME:-window steps}: $*" >&2; exit 1; }
step=0
shot() { step=$((step + 1)); import -window root "$SHOTS/$(printf %02d $step)-$1.png"; echo "  shot $(printf %02d $step)-$1"; }
windows_of() { xdotool search --onlyvisible --pid "$1" --name "^Quillet\$" 2>/dev/null || true; }
geometry() { X=0; Y=0; WIDTH=0; HEIGHT=0; eval "$(xdotool getwindowgeometry --shell "$1")"; }
key() { xdotool key --clearmodifiers "$@"; sleep "${KEY_PAUSE:-0.3}"; }

# Starts the program and waits for its sign-in dialog, focused: $pid, $dialog.
start_at_sign_in() {
  "$QUILLET_BIN" >"$TMPDIR/quillet.log" 2>&1 &
  pid=$!
  dialog=""
  for _ in $(seq 150); do dialog="$(windows_of $pid | head -1)"; [ -n "$dialog" ] && break; sleep 0.2; done
  [ -n "$dialog" ] || fail "no sign-in dialog appeared"
  sleep 3
  dialog="$(windows_of $pid | head -1)"
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
}

# After the sign-up was sent: waits for the main window and focuses it: $main.
wait_for_main_window() {
  main=""
  for _ in $(seq 150); do
    for w in $(windows_of $pid); do
      geometry "$w"
      if [ "$WIDTH" -gt 700 ]; then main="$w"; break 2; fi
    done
    sleep 0.2
  done
  [ -n "$main" ] || { shot signup-failed; fail "the main window did not appear after signing up"; }
  sleep 2
  xdotool windowfocus --sync "$main" 2>/dev/null || true
}
