# Sourced by the scripts that start the local services. Expects $here (the
# checkout). Sets QUILLET_SERVICE_PORT and QUILLET_NOTE_SERVICE_PORT, unless
# already set, from the place the program's service table takes them: the
# build's CMake cache (build/, or $QUILLET_BUILD), else the defaults in
# CMakeLists.txt.
quillet_cmake_value() { # name
  local cache="${QUILLET_BUILD:-$here/build}/CMakeCache.txt" value=""
  [ -f "$cache" ] && value="$(sed -n "s/^$1:[A-Z]*=//p" "$cache" | head -n1)"
  [ -n "$value" ] || value="$(sed -n "s/^set($1 \"\\([0-9]*\\)\".*/\\1/p" "$here/CMakeLists.txt" | head -n1)"
  printf '%s' "$value"
}
: "${QUILLET_SERVICE_PORT:=$(quillet_cmake_value QUILLET_SERVICE_PORT)}"
: "${QUILLET_NOTE_SERVICE_PORT:=$(quillet_cmake_value QUILLET_NOTE_SERVICE_PORT)}"
export QUILLET_SERVICE_PORT QUILLET_NOTE_SERVICE_PORT
