# Sourced. Gives $work, a temporary folder removed on exit, and $services_pid,
# empty until the caller starts the local services; they are stopped on exit.
work="$(mktemp -d)"
services_pid=""
cleanup() {
  [ -n "$services_pid" ] && kill "$services_pid" 2>/dev/null || true
  # The program and the services may still be writing their last files:
  # try again for a few seconds, and never let the clean-up fail the run.
  for _ in 1 2 3 4 5; do
    rm -rf "$work" 2>/dev/null && return 0
    sleep 1
  done
  rm -rf "$work" 2>/dev/null || true
}
trap cleanup EXIT
