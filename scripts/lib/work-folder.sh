# Sourced. Gives $work, a temporary folder removed on exit, and $services_pid,
# empty until the caller starts the local services; they are stopped on exit.
work="$(mktemp -d)"
services_pid=""
cleanup() {
  [ -n "$services_pid" ] && kill "$services_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
