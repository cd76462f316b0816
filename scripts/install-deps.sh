#!/usr/bin/env bash
# Installs what the project needs on a Debian 12 machine. Safe to run again:
# what is already there is left alone.
#
#   scripts/install-deps.sh           what building and running the program needs
#   scripts/install-deps.sh --tests   also what the tests, benchmarks and the
#                                     window-checking scripts need
#
# 1. Debian packages: scripts/packages/*.txt (the program) and, with --tests,
#    scripts/packages/tests/*.txt. This is the only step that needs root: the
#    script names the missing packages and installs them through sudo when it
#    is not run as root. When every package is installed, apt is not run.
# 2. Node.js for the local services (20 or newer, with its C headers): when the
#    machine's Node is older (Debian 12 ships 18) or has no headers, Node 22
#    LTS comes from the npm registry (the node-linux-<arch> package, which
#    holds the official binary and headers) together with npm 10, into
#    .tools/node in the checkout. The scripts put it first on PATH
#    (scripts/lib/node-env.sh).
# 3. The services' npm packages: `npm ci` runs only when
#    services/package-lock.json or the Node version changed since the last
#    install that worked (a stamp in services/node_modules). Native modules are
#    built against the running Node's own headers (never downloaded). The
#    install is made in a scratch folder and swapped in only when it worked,
#    so a failed one (offline, say) leaves the previous packages in place.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

node_version=22.23.5   # a Node 22 LTS release
npm_version=10.9.9

tests=0
for arg in "$@"; do
  case "$arg" in
    --tests) tests=1 ;;
    -h|--help) sed -n '2,23p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "install-deps: unknown option $arg (see --help)" >&2; exit 2 ;;
  esac
done

say() { echo "install-deps: $*" >&2; }

# --- Node.js -----------------------------------------------------------------

# The folder holding include/node of the given node binary, when its headers
# are there and of the same version; empty otherwise.
node_headers_of() {
  local node="$1" dir version header
  dir="$(dirname "$(dirname "$(readlink -f "$node")")")"
  header="$dir/include/node/node_version.h"
  [ -f "$header" ] || return 0
  version="$("$node" -p 'process.versions.node' 2>/dev/null)" || return 0
  local major minor patch
  major="$(sed -n 's/^#define NODE_MAJOR_VERSION \([0-9]*\).*/\1/p' "$header")"
  minor="$(sed -n 's/^#define NODE_MINOR_VERSION \([0-9]*\).*/\1/p' "$header")"
  patch="$(sed -n 's/^#define NODE_PATCH_VERSION \([0-9]*\).*/\1/p' "$header")"
  [ "$major.$minor.$patch" = "$version" ] && printf '%s' "$dir"
  return 0
}

# True when the node binary is 20 or newer and has its headers.
node_fits() {
  local node="$1" version
  [ -x "$node" ] || return 1
  version="$("$node" -p 'process.versions.node' 2>/dev/null)" || return 1
  [ "${version%%.*}" -ge 20 ] || return 1
  [ -n "$(node_headers_of "$node")" ]
}

local_node="$here/.tools/node"
system_node="$(command -v node || true)"
[ "$system_node" = "$local_node/bin/node" ] && system_node=""
need_local_node=0
if ! node_fits "$local_node/bin/node"; then
  if [ -z "$system_node" ] || ! node_fits "$system_node"; then
    need_local_node=1
  fi
fi

# --- Debian packages ---------------------------------------------------------

lists=("$here"/scripts/packages/*.txt)
[ "$tests" -eq 1 ] && lists+=("$here"/scripts/packages/tests/*.txt)
mapfile -t packages < <(sed 's/#.*//' "${lists[@]}" | tr -s ' \t' '\n' | sed '/^$/d' | sort -u)
# Node.js may come from elsewhere than Debian; it only has to be there. Debian's
# npm is what fetches the newer Node when that one is too old.
if [ -z "$system_node" ] && [ ! -x "$local_node/bin/node" ]; then
  packages+=(nodejs)
fi
if [ "$need_local_node" -eq 1 ] && ! command -v npm >/dev/null; then
  packages+=(npm)
fi

# One dpkg query for all of them.
mapfile -t installed < <(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null \
                           | awk '$NF == "installed" && $(NF-1) == "ok" { sub(/:.*/, "", $1); print $1 }')
missing=()
for p in "${packages[@]}"; do
  case " ${installed[*]} " in *" $p "*) ;; *) missing+=("$p") ;; esac
done

if [ ${#missing[@]} -gt 0 ]; then
  say "these Debian packages will be installed: ${missing[*]}"
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      say "sudo is not installed; as root, run: apt-get install ${missing[*]}"
      exit 1
    fi
    say "installing them needs root: asking sudo"
    as_root=(sudo)
  fi
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  system_node="$(command -v node || true)"
  if [ "$need_local_node" -eq 1 ] && [ -n "$system_node" ] && node_fits "$system_node"; then
    need_local_node=0
  fi
fi

# --- the project's own Node.js -----------------------------------------------

if [ "$need_local_node" -eq 1 ]; then
  case "$(uname -m)" in
    x86_64) arch=x64 ;;
    aarch64) arch=arm64 ;;
    *) say "no Node.js package for $(uname -m); install Node.js 20 or newer"; exit 1 ;;
  esac
  have="$( [ -n "$system_node" ] && "$system_node" --version 2>/dev/null || echo none)"
  say "the machine's Node.js ($have) is older than 20 or lacks its headers:"
  say "bringing Node.js $node_version and npm $npm_version from the npm registry into .tools/node"
  mkdir -p "$here/.tools"
  scratch="$(mktemp -d "$here/.tools/.node.XXXXXX")"
  trap 'rm -rf "$scratch"' EXIT
  if ! (cd "$scratch" && npm pack --loglevel=error --no-audit --no-fund "node-linux-$arch@$node_version" "npm@$npm_version" >/dev/null); then
    say "could not fetch Node.js from the npm registry (npm's message is above); install Node.js 20 or newer and run this again"
    exit 1
  fi
  mkdir -p "$scratch/node/lib/node_modules/npm"
  tar -xzf "$scratch/node-linux-$arch-$node_version.tgz" -C "$scratch/node" --strip-components=1
  tar -xzf "$scratch/npm-$npm_version.tgz" -C "$scratch/node/lib/node_modules/npm" --strip-components=1
  for tool in npm npx; do
    cat >"$scratch/node/bin/$tool" <<EOF
#!/bin/sh
bin="\$(cd "\$(dirname "\$0")" && pwd)"
exec "\$bin/node" "\$bin/../lib/node_modules/npm/bin/$tool-cli.js" "\$@"
EOF
    chmod +x "$scratch/node/bin/$tool"
  done
  if ! node_fits "$scratch/node/bin/node"; then
    say "the downloaded Node.js does not run here"
    exit 1
  fi
  rm -rf "$local_node"
  mv "$scratch/node" "$local_node"
  rm -rf "$scratch"
  trap - EXIT
fi

# shellcheck source=lib/node-env.sh
source "$here/scripts/lib/node-env.sh"

# --- the services' npm packages ----------------------------------------------

services="$here/services"
[ -f "$services/package-lock.json" ] || exit 0
node_bin="$(command -v node)"
nodedir="$(node_headers_of "$node_bin")"
if [ -z "$nodedir" ]; then
  say "$node_bin has no C headers to build the services' native modules with"
  exit 1
fi
stamp="$(sha256sum "$services/package-lock.json" | cut -d' ' -f1) node $("$node_bin" -p 'process.version + " abi " + process.versions.modules')"
stamp_file="$services/node_modules/.quillet-stamp"
if [ -f "$stamp_file" ] && [ "$(cat "$stamp_file")" = "$stamp" ]; then
  exit 0
fi

say "installing the services' npm packages (npm ci, Node $("$node_bin" --version))"
rm -rf "$services"/.install.*
scratch="$services/.install.$$"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch"
cp "$services/package.json" "$services/package-lock.json" "$scratch/"
# Native modules are compiled against the headers beside this Node (no
# download of headers or of prebuilt binaries).
if ! (cd "$scratch" && npm_config_nodedir="$nodedir" npm_config_build_from_source=true \
        npm ci --no-audit --no-fund --loglevel=error); then
  if [ -d "$services/node_modules" ]; then
    say "npm ci failed; the services' previous packages stay in place"
  else
    say "npm ci failed"
  fi
  exit 1
fi
printf '%s\n' "$stamp" >"$scratch/node_modules/.quillet-stamp"
[ -d "$services/node_modules" ] && mv "$services/node_modules" "$scratch/previous"
mv "$scratch/node_modules" "$services/node_modules"
rm -rf "$scratch"
trap - EXIT
