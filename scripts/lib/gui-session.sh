# Sourced by the scripts that drive the real program under a virtual X
# server. Expects $here (the checkout) and $build (a build folder: configured
# and built here when needed).
# Gives: $work, a temporary folder removed on exit, and the local services
# listening on the program's compiled-in port (started here, and stopped on
# exit, unless something already answers there) in $port.

# The program, built first where it is missing or out of date.
[ -f "$build/CMakeCache.txt" ] || "$here/scripts/build.sh" "$build"
cmake --build "$build" --target quillet-main >/dev/null

# shellcheck source=node-env.sh
source "$here/scripts/lib/node-env.sh"
. "$here/scripts/lib/work-folder.sh"

port="$(grep -m1 '^QUILLET_SERVICE_PORT' "$build/CMakeCache.txt" | cut -d= -f2)"
port="${port:-47880}"
if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
  mkdir -p "$work/data"
  node "$here/services/src/server.mjs" --port "$port" --data "$work/data" >"$work/services.log" 2>&1 &
  services_pid=$!
  for _ in $(seq 150); do
    grep -q '^listening' "$work/services.log" 2>/dev/null && break
    sleep 0.2
  done
fi
