# Sourced by start-services.sh and stop-services.sh. Sets the services'
# folders after the XDG base directories:
#   data   $XDG_DATA_HOME/quillet-services   (~/.local/share/quillet-services)
#   state  $XDG_STATE_HOME/quillet-services  (~/.local/state/quillet-services):
#          the log (services.log, rotated at 1 MiB into services.log.1), the
#          start-up output (services.out) and the pid file (services.pid)
# and legacy_data, the folder used before (~/.local/share/quillet-services),
# which also held the log and the pid file.
quillet_xdg() { # variable fallback
  local value="${!1:-}"
  case "$value" in /*) printf '%s' "$value" ;; *) printf '%s' "$HOME/$2" ;; esac
}
data="$(quillet_xdg XDG_DATA_HOME .local/share)/quillet-services"
state="$(quillet_xdg XDG_STATE_HOME .local/state)/quillet-services"
legacy_data="$HOME/.local/share/quillet-services"
log="$state/services.log"
out="$state/services.out"
pid_file="$state/services.pid"
