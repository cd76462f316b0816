#!/usr/bin/env bash
# Kills the updater with SIGKILL at random moments of an update and checks
# that the program folder is always the whole old release or the whole new
# one once the next updater (or program start) has settled what was left.
#   - the local services serve release 2190 (five files, two of them large,
#     three in subdirectories, one new) to a copy of the old release 2170;
#   - each trial starts `update "2190|0"` without a listener and kills it
#     either at a random time after start or a random time after the install
#     began (its journal appeared);
#   - then `update bad` (which settles an interrupted install and ends) runs,
#     and the folder must match the old or the new release byte for byte,
#     with no ".old", ".update-new" or journal file left;
#   - every tenth trial the next real update then brings the new release.
# Usage: scripts/check-update-kill.sh [build folder] [trials]   (default 60)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
trials="${2:-60}"
[ -f "$build/CMakeCache.txt" ] || "$here/scripts/build.sh" "$build"
cmake --build "$build" --target update >/dev/null
updater="$build/bin/update"

. "$here/scripts/lib/work-folder.sh"
export TMPDIR="$work/tmp" XDG_CONFIG_HOME="$work/config"
mkdir -p "$TMPDIR" "$XDG_CONFIG_HOME"

node "$here/services/src/server.mjs" --port 0 --data "$work/data" >"$work/services.out" 2>"$work/services.log" &
services_pid=$!
for _ in $(seq 600); do
  grep -q '^listening' "$work/services.out" 2>/dev/null && break
  sleep 0.2
done
port="$(sed -n 's/^listening \([0-9]*\)$/\1/p' "$work/services.out")"
[ -n "$port" ] || { echo "services did not start"; cat "$work/services.log"; exit 1; }
host="127.0.0.1:$port"

# Release 2190 on the services.
rel="$work/data/releases/2190"
mkdir -p "$rel/files/translations" "$rel/files/data" "$rel/files/plugins"
head -c 12000000 /dev/urandom >"$rel/files/quillet-main"
head -c 6000000 /dev/urandom >"$rel/files/data/voc.dat"
echo "new qm" >"$rel/files/translations/quillet_es.qm"
echo "new notes" >"$rel/files/notes.txt"
head -c 300000 /dev/urandom >"$rel/files/plugins/libnew.so"
cat >"$rel/manifest.json" <<'JSON'
{"version":2190,"text":"2.1.9.0","reset":false,"date":"","notes":"","files":[
 {"name":"quillet-main","version":2190},
 {"name":"voc.dat","version":2190,"subdir":"data"},
 {"name":"quillet_es.qm","version":3,"subdir":"translations"},
 {"name":"notes.txt","version":2190},
 {"name":"libnew.so","version":1,"subdir":"plugins"}]}
JSON

# The old release 2170.
old="$work/old"
mkdir -p "$old/translations" "$old/data"
cp "$updater" "$old/update"
head -c 9000000 /dev/urandom >"$old/quillet-main"
chmod 755 "$old/quillet-main"
head -c 5000000 /dev/urandom >"$old/data/voc.dat"
echo "old qm" >"$old/translations/quillet_es.qm"
echo "old notes" >"$old/notes.txt"
echo "kept" >"$old/readme.txt"
cat >"$old/ver.dat" <<'XML'
<?xml version="1.0" encoding="utf-8"?>
<config>
 <VersionId default="2170">2170</VersionId>
 <File_quillet-main default="">2170</File_quillet-main>
</config>
XML

# Every file with its digest, the updater itself aside; "ver.dat" by its
# entries (their order in the file is not fixed).
state() {
  (cd "$1" && { find . -type f ! -path ./update ! -path ./ver.dat -print0 | sort -z | xargs -0 sha256sum
                sort ver.dat; } | sha256sum | cut -c1-16)
}

# The new release, from one update left alone.
ref="$work/ref"
cp -a "$old" "$ref"
"$ref/update" "2190|0" --service-host "$host"
grep -q '>2190<' "$ref/ver.dat" || { echo "reference update failed"; exit 1; }
old_state="$(state "$old")"
new_state="$(state "$ref")"
[ "$old_state" != "$new_state" ] || { echo "reference update changed nothing"; exit 1; }

prog="$work/prog"
n_old=0; n_new=0; n_bad=0; n_in_install=0
for trial in $(seq "$trials"); do
  rm -rf "$prog"
  cp -a "$old" "$prog"
  "$prog/update" "2190|0" --service-host "$host" &
  pid=$!
  if (( trial % 2 )); then
    # A random moment from the start (list, downloads or install).
    sleep "$(printf '0.%03d' $((RANDOM % 1000)))"
  else
    # A random moment once the install has begun.
    while [ ! -e "$prog/update.journal" ] && kill -0 "$pid" 2>/dev/null; do :; done
    sleep "$(printf '0.%03d' $((RANDOM % 40)))"
  fi
  [ -e "$prog/update.journal" ] && n_in_install=$((n_in_install + 1))
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true

  # The next updater settles what was left (here with an argument it refuses).
  timeout 20 "$prog/update" bad
  now="$(state "$prog")"
  if [ "$now" = "$old_state" ]; then
    n_old=$((n_old + 1))
  elif [ "$now" = "$new_state" ]; then
    n_new=$((n_new + 1))
  else
    n_bad=$((n_bad + 1))
    echo "trial $trial: a mixture"; (cd "$prog" && find . -type f | sort)
  fi
  if (( trial % 10 == 0 )); then
    timeout 120 "$prog/update" "2190|0" --service-host "$host" || true
    if [ "$(state "$prog")" != "$new_state" ] && [ "$now" != "$new_state" ]; then
      n_bad=$((n_bad + 1)); echo "trial $trial: the next update did not bring the new release"
    fi
  fi
done
echo "trials $trials: old $n_old, new $n_new, mixed $n_bad (killed while installing: $n_in_install)"
[ "$n_bad" -eq 0 ]
