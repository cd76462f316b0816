#!/usr/bin/env bash
# Starts Quillet's local product services in the background on
# 127.0.0.1:47880, unless something already answers there, and waits until
# they accept connections. Log and pid file go to the services' data folder.
# Arguments go to the server (for example --seed-update, which adds a newer
# release for trying "Update now").
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
port=47880
data="${HOME}/.local/share/quillet-services"

answers() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }

if answers; then
  echo "start-services: something already answers on 127.0.0.1:$port" >&2
  exit 0
fi
if ! command -v node >/dev/null; then
  echo "start-services: node is missing; run scripts/install-deps.sh" >&2
  exit 1
fi
if [ ! -d "$here/services/node_modules" ]; then
  echo "start-services: services/node_modules is missing; run scripts/install-deps.sh" >&2
  exit 1
fi
# The folder holds the accounts database: owner only, and so is the log.
umask 077
mkdir -p "$data"
log="$data/services.log"
cd "$here/services"
setsid node src/server.mjs --port "$port" --data "$data" "$@" >>"$log" 2>&1 </dev/null &
pid=$!
echo "$pid" >"$data/services.pid"
for _ in $(seq 1 600); do
  if answers; then
    echo "start-services: running (pid $pid, log $log)" >&2
    exit 0
  fi
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "start-services: the services stopped at start-up; see $log" >&2
    tail -n 20 "$log" >&2 || true
    exit 1
  fi
  sleep 0.1
done
echo "start-services: no answer on port $port after 60 s; see $log" >&2
exit 1
