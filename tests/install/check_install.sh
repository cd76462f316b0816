#!/usr/bin/env bash
# Usage: check_install.sh <build folder> [node]
# Installs the build into a temporary prefix, then, from an unrelated working
# folder, checks that the installed program finds its data, translations and
# icon under that prefix, that the desktop entry, icons and launcher are in
# place, and that the installed services start and answer.
set -euo pipefail
build="$1"
node="${2:-}"
work="$(mktemp -d)"
services_pid=""
cleanup() {
  if [ -n "$services_pid" ] && kill "$services_pid" 2>/dev/null; then
    # The services close their database and log on the way out: wait for
    # that (bounded) before the folder goes.
    for _ in $(seq 1 100); do kill -0 "$services_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$services_pid" 2>/dev/null || true
    wait "$services_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }

libdir="$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")"
private="$prefix/${libdir:-lib}/quillet"
for file in "$prefix/bin/quillet" "$private/quillet-main" "$private/update" "$private/ver.dat" \
            "$prefix/share/applications/quillet.desktop" \
            "$prefix/share/icons/hicolor/scalable/apps/quillet.svg" \
            "$prefix/share/icons/hicolor/48x48/apps/quillet.png" \
            "$prefix/share/icons/hicolor/256x256/apps/quillet.png" \
            "$private/services/src/server.mjs" "$private/scripts/start-services.sh"; do
  [ -e "$file" ] || fail "not installed: ${file#"$prefix"/}"
done
grep -qx 'Exec=quillet' "$prefix/share/applications/quillet.desktop" || fail "desktop entry does not start the launcher"
grep -qx 'Icon=quillet' "$prefix/share/applications/quillet.desktop" || fail "desktop entry names another icon"
# Nothing is installed straight into the prefix.
leftovers="$(find "$prefix" -maxdepth 1 -type f)"
[ -z "$leftovers" ] || fail "files in the prefix root: $leftovers"

# From an unrelated folder, through the launcher.
mkdir "$work/elsewhere"
cd "$work/elsewhere"
report="$("$prefix/bin/quillet" --check-install)" || { echo "$report"; fail "--check-install reports missing files"; }
echo "$report"
for what in "data voc.dat" "data cden.dat" "data cdzh-CN.dat" "translation zh-CN" "translation es" \
            "translation ja" "icon"; do
  path="$(printf '%s\n' "$report" | sed -n "s/^$what //p")"
  case "$path" in
    "$prefix"/share/quillet/*) ;;
    *) fail "$what found at '$path', not under $prefix/share/quillet" ;;
  esac
done
printf '%s\n' "$report" | grep -qx "program $private" || fail "program folder is not $private"
# The build tree's copy must not be what was found.
if printf '%s\n' "$report" | grep -q "$build"; then fail "the installed program uses files of the build tree"; fi

# The installed services start from their own folder and answer.
if [ -z "$node" ]; then
  echo "node not found: the installed services are not started" >&2
  exit 0
fi
[ -x "$private/node/bin/node" ] && node="$private/node/bin/node"
[ -d "$private/services/node_modules" ] || fail "services/node_modules is not installed"
cd "$private/services"
# Made here, not by the background start's redirection, which may come after
# the first look at it.
: >"$work/services.out"
"$node" src/server.mjs --port 0 --note-port 0 --workers 1 --data "$work/data" --log "$work/services.log" \
  >"$work/services.out" 2>&1 &
services_pid=$!
port=""
for _ in $(seq 1 1200); do
  port="$(sed -n 's/^listening \([0-9]*\)$/\1/p' "$work/services.out")"
  [ -n "$port" ] && break
  kill -0 "$services_pid" 2>/dev/null || break
  sleep 0.1
done
[ -n "$port" ] || { cat "$work/services.out" "$work/services.log" >&2 || true; fail "the installed services did not start"; }
exec 3<>"/dev/tcp/127.0.0.1/$port"
printf 'GET / HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n' >&3
head -n1 <&3 | grep -q ' 200 ' || fail "the installed services do not answer"
exec 3<&-
echo "installed services answered on port $port"
