#!/usr/bin/env bash
# Starts Quillet's local product services in the background, unless something
# already answers on their port, and waits until they accept connections.
#
# The port is the program's own: QUILLET_SERVICE_PORT (and the note service's
# QUILLET_NOTE_SERVICE_PORT) from the build's CMake cache, else the defaults
# in CMakeLists.txt (scripts/lib/service-ports.sh). The data lives in
# $XDG_DATA_HOME/quillet-services, the log (rotated at 1 MiB) and the pid
# file in $XDG_STATE_HOME/quillet-services (scripts/lib/service-folders.sh);
# data in the folder used before, ~/.local/share/quillet-services, is moved
# there. scripts/stop-services.sh stops them.
#
# Arguments go to the server (for example --seed-update, which adds a newer
# release for trying "Update now"). The installed launcher runs an installed
# copy of this script with QUILLET_NODE and both ports set.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=lib/service-ports.sh
source "$here/scripts/lib/service-ports.sh"
# shellcheck source=lib/service-folders.sh
source "$here/scripts/lib/service-folders.sh"
# shellcheck source=lib/node-env.sh
source "$here/scripts/lib/node-env.sh"
port="$QUILLET_SERVICE_PORT"
services="$here/services"

answers() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }

if answers; then
  echo "start-services: something already answers on 127.0.0.1:$port" >&2
  exit 0
fi
node="${QUILLET_NODE:-$(command -v node || true)}"
if [ -z "$node" ] || [ ! -x "$node" ]; then
  echo "start-services: node is missing; run scripts/install-deps.sh" >&2
  exit 1
fi
if [ ! -d "$services/node_modules" ]; then
  echo "start-services: $services/node_modules is missing; run scripts/install-deps.sh" >&2
  exit 1
fi
# The folder holds the accounts database: owner only, and so is the log.
umask 077

mkdir -p "$state"
# Data kept where it was before XDG_DATA_HOME was set moves to the new place.
if [ "$data" != "$legacy_data" ] && [ ! -e "$data" ] && [ -d "$legacy_data" ]; then
  mkdir -p "$(dirname "$data")"
  mv "$legacy_data" "$data"
  echo "start-services: moved the services' data from $legacy_data to $data" >&2
fi
# The old unbounded log and pid file lived in the data folder.
if [ -f "$data/services.log" ]; then
  mv "$data/services.log" "$state/services.log.old"
fi
rm -f "$data/services.pid"
mkdir -p "$data"

cd "$services"
setsid "$node" src/server.mjs --port "$port" --note-port "$QUILLET_NOTE_SERVICE_PORT" \
  --data "$data" --log "$log" "$@" >"$out" 2>&1 </dev/null &
pid=$!
echo "$pid" >"$pid_file"
for _ in $(seq 1 600); do
  if answers; then
    echo "start-services: running on 127.0.0.1:$port (pid $pid, log $log)" >&2
    exit 0
  fi
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "start-services: the services stopped at start-up; see $log and $out" >&2
    tail -n 20 "$out" >&2 || true
    tail -n 5 "$log" >&2 2>/dev/null || true
    rm -f "$pid_file"
    exit 1
  fi
  sleep 0.1
done
echo "start-services: no answer on port $port after 60 s; see $log" >&2
exit 1
