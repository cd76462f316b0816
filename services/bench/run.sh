#!/usr/bin/env bash
# Starts the services under /usr/bin/time -v on a free port with a scratch
# data folder, runs bench/load.mjs against them from a second process, stops
# them and prints the peak memory.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
data="$(mktemp -d)"
out="$data/stdout"
cd "$here"
/usr/bin/time -v node src/server.mjs --port 0 --data "$data/db" >"$out" 2>"$data/stderr" &
timepid=$!
for _ in $(seq 1 600); do
  grep -q '^listening ' "$out" 2>/dev/null && break
  sleep 0.1
done
port="$(sed -n 's/^listening \([0-9]*\)$/\1/p' "$out")"
[ -n "$port" ] || { cat "$data/stderr"; exit 1; }
node bench/load.mjs "$port" "${1:-2000}" "${2:-8}"
kill -TERM "$(pgrep -P "$timepid" node)"
wait "$timepid" || true
grep -E 'Maximum resident set size|Elapsed' "$data/stderr"
rm -rf "$data"
