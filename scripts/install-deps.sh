#!/usr/bin/env bash
# Installs everything the project needs on a Debian 12 machine: the Debian
# packages (as root, non-interactively) and the local services' npm packages.
# Safe to run again.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Every scripts/packages/*.txt lists Debian packages, one per line ("#" starts a comment).
mapfile -t packages < <(cat "$here"/scripts/packages/*.txt | sed 's/#.*//' | tr -s ' \t' '\n' | sed '/^$/d' | sort -u)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Node.js may come from another source than Debian's package; it only has to be there.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  missing+=(nodejs npm)
fi
want=()
for p in "${missing[@]}"; do [ -n "$p" ] && want+=("$p"); done

if [ ${#want[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: these packages are missing and need root: ${want[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${want[@]}"
fi

if [ -f "$here/services/package-lock.json" ]; then
  (cd "$here/services" && npm ci --no-audit --no-fund --loglevel=error)
fi
