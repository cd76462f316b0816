#!/usr/bin/env bash
# Stops the local services that scripts/start-services.sh started (the pid
# file in $XDG_STATE_HOME/quillet-services, or in the data folder where older
# copies of the script put it): asks them to stop (SIGTERM), waits up to 10 s,
# then ends them. Does nothing, successfully, when none run.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=lib/service-folders.sh
source "$here/scripts/lib/service-folders.sh"

# True when the process is the services' server (a pid may have been reused).
is_services() {
  local cmdline
  cmdline="$(tr '\0' ' ' <"/proc/$1/cmdline" 2>/dev/null)" || return 1
  case "$cmdline" in *src/server.mjs*) return 0 ;; *) return 1 ;; esac
}

stopped=0
for file in "$pid_file" "$data/services.pid" "$legacy_data/services.pid"; do
  [ -f "$file" ] || continue
  pid="$(head -n1 "$file" | tr -cd '0-9')"
  rm -f "$file"
  [ -n "$pid" ] && is_services "$pid" || continue
  kill -TERM "$pid" 2>/dev/null || continue
  for _ in $(seq 1 100); do
    is_services "$pid" || break
    sleep 0.1
  done
  if is_services "$pid"; then
    echo "stop-services: pid $pid did not stop within 10 s; ending it" >&2
    kill -KILL "$pid" 2>/dev/null || true
  fi
  echo "stop-services: stopped the services (pid $pid)" >&2
  stopped=1
done
[ "$stopped" -eq 1 ] || echo "stop-services: no services started by start-services.sh are running" >&2
