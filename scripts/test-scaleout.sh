#!/usr/bin/env bash
# The services as an institution runs them: PostgreSQL, two service processes
# and HAProxy in front, all started privately here and stopped at the end
# (also on failure). Checks:
#   1. the same requests give the same answers through the proxy as from one
#      SQLite-backed process (accounts, glossary, usage, account page, check);
#   2. a session made on one process is valid on the other, a log-out on one
#      ends it on both, failed log-ins count on both;
#   3. the simulated users of services/bench/users.mjs run through the proxy
#      with 0 errors, and every write they were answered "ok" for is in the
#      database (no write lost).
# Prints the load figures of both set-ups. Exit 77 (skipped) when PostgreSQL
# or HAProxy is not installed (scripts/install-deps.sh --tests installs them).
#
#   scripts/test-scaleout.sh [--users N] [--seconds S] [--words W]
#
# As root (CI), the PostgreSQL server runs as Debian's "postgres" user, which
# PostgreSQL requires; it listens only on a socket in the scratch folder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=lib/node-env.sh
source "$here/scripts/lib/node-env.sh"
services="$here/services"

users=20
seconds=20
words=150
while [ $# -gt 0 ]; do
  case "$1" in
    --users) users="$2"; shift 2 ;;
    --seconds) seconds="$2"; shift 2 ;;
    --words) words="$2"; shift 2 ;;
    -h|--help) sed -n '2,19p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "test-scaleout: unknown option $1" >&2; exit 2 ;;
  esac
done

say() { echo "test-scaleout: [$(( $(date +%s) - started ))s] $*" >&2; }
started=$(date +%s)
skip() { say "skipped: $*"; exit 77; }

pgbin="$(find /usr/lib/postgresql -mindepth 2 -maxdepth 2 -name bin 2>/dev/null | sort -V | tail -n 1 || true)"
if [ -z "$pgbin" ] || [ ! -x "$pgbin/initdb" ]; then skip "PostgreSQL's server is not installed (package postgresql)"; fi
# Debian puts HAProxy in /usr/sbin, which is not on a normal user's PATH.
haproxy="$(PATH="$PATH:/usr/sbin:/sbin" command -v haproxy || true)"
[ -n "$haproxy" ] || skip "HAProxy is not installed (package haproxy)"
command -v psql >/dev/null || skip "psql is not installed (package postgresql-client)"
[ -d "$services/node_modules/pg" ] || skip "the services' npm packages are not installed (scripts/install-deps.sh)"

as_pg=()
if [ "$(id -u)" -eq 0 ]; then
  id postgres >/dev/null 2>&1 || skip "running as root, and there is no postgres user to run PostgreSQL as"
  as_pg=(runuser -u postgres --)
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/quillet-scaleout.XXXXXX")"
chmod 755 "$work"
pgdir="$work/pg"
mkdir -p "$pgdir"
[ ${#as_pg[@]} -gt 0 ] && chown postgres: "$pgdir"
pids=()
pg_started=0

cleanup() {
  local status=$?
  trap - EXIT INT TERM
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  if [ "$pg_started" -eq 1 ]; then
    "${as_pg[@]}" "$pgbin/pg_ctl" -D "$pgdir/data" -m fast -w stop >/dev/null 2>&1 || true
  fi
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    for log in "$work"/*.log "$pgdir/server.log"; do
      [ -f "$log" ] || continue
      say "--- last lines of $(basename "$log")"
      tail -n 20 "$log" >&2
    done
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

free_port() {
  node -e "const s=require('net').createServer().listen(0,'127.0.0.1',()=>{console.log(s.address().port);s.close()})"
}

# Starts a service process in the background; sets $started_port, $started_pid.
start_service() {
  local name="$1"; shift
  (cd "$services" && exec node src/server.mjs --port 0 "$@") >"$work/$name.out" 2>"$work/$name.log" &
  started_pid=$!
  pids+=("$started_pid")
}

# Waits for "listening <port>" of a started service; prints the port.
wait_listening() {
  local name="$1" pid="$2" i
  for ((i = 0; i < 600; i++)); do
    if grep -q '^listening ' "$work/$name.out" 2>/dev/null; then
      sed -n 's/^listening \([0-9]*\)$/\1/p' "$work/$name.out"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || { say "$name ended before it listened"; return 1; }
    sleep 0.5
  done
  say "$name did not listen within 300 s"
  return 1
}

load() {
  local port="$1" pidlist="$2" out="$3"
  (cd "$services" && node bench/users.mjs --port "$port" --pid "$pidlist" --users "$users" --seconds "$seconds" --words "$words" --json) >"$out"
}

# --- PostgreSQL ---------------------------------------------------------------
say "PostgreSQL cluster in $pgdir"
"${as_pg[@]}" "$pgbin/initdb" -D "$pgdir/data" -A trust -U quillet -E UTF8 --locale=C.UTF-8 --no-sync >"$work/initdb.log" 2>&1
pg_started=1
"${as_pg[@]}" "$pgbin/pg_ctl" -D "$pgdir/data" -l "$pgdir/server.log" -w -t 60 \
  -o "-k $pgdir -c listen_addresses= -p 5432 -c max_connections=50" start >/dev/null
psql_q() { psql "host=$pgdir port=5432 user=quillet dbname=quillet" -v ON_ERROR_STOP=1 -Atc "$1"; }
psql "host=$pgdir port=5432 user=quillet dbname=postgres" -v ON_ERROR_STOP=1 -qc 'CREATE DATABASE quillet' >/dev/null
database="postgres://quillet@localhost/quillet?host=$pgdir&port=5432"

# The three processes load and warm their engines together; the two on
# PostgreSQL stay idle while the SQLite one is measured.
say "one service process on SQLite and two on PostgreSQL"
start_service sqlite --data "$work/sqlite" --workers 2
sqlite_pid=$started_pid
start_service one --data "$work/one" --workers 1 --database "$database" --trust-proxy 127.0.0.1
one_pid=$started_pid
start_service two --data "$work/two" --workers 1 --database "$database" --trust-proxy 127.0.0.1
two_pid=$started_pid
sqlite_port="$(wait_listening sqlite "$sqlite_pid")"
one_port="$(wait_listening one "$one_pid")"
two_port="$(wait_listening two "$two_pid")"

# --- one SQLite process: the reference answers and figures ------------------
(cd "$services" && node test/scaleout/flows.mjs --port "$sqlite_port") >"$work/sqlite.json"
say "load on the SQLite process: $users users for $seconds s, $words words a check"
load "$sqlite_port" "$sqlite_pid" "$work/sqlite-load.json" || { say "errors under load on SQLite"; cat "$work/sqlite-load.json" >&2; exit 1; }
kill -TERM "$sqlite_pid"
wait "$sqlite_pid" || true

# --- two processes on PostgreSQL behind HAProxy -------------------------------
proxy_port="$(free_port)"
cat >"$work/haproxy.cfg" <<EOF
global
  maxconn 2000
defaults
  mode http
  option forwardfor
  timeout connect 5s
  timeout client 120s
  timeout server 120s
frontend quillet
  bind 127.0.0.1:$proxy_port
  default_backend services
backend services
  balance roundrobin
  server one 127.0.0.1:$one_port check
  server two 127.0.0.1:$two_port check
EOF
"$haproxy" -c -q -f "$work/haproxy.cfg"
"$haproxy" -db -f "$work/haproxy.cfg" >"$work/haproxy.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 100; i++)); do
  (exec 3<>"/dev/tcp/127.0.0.1/$proxy_port") 2>/dev/null && break
  sleep 0.1
done
say "HAProxy on 127.0.0.1:$proxy_port in front of ports $one_port and $two_port"

(cd "$services" && node test/scaleout/flows.mjs --port "$proxy_port") >"$work/postgres.json"
if ! diff -u "$work/sqlite.json" "$work/postgres.json" >"$work/answers.diff"; then
  say "answers through the proxy differ from one SQLite process:"
  head -n 60 "$work/answers.diff" >&2
  exit 1
fi
say "the same answers through the proxy as from one SQLite process ($(grep -c '^ \[' "$work/sqlite.json") requests)"
(cd "$services" && node test/scaleout/flows.mjs --across "$one_port,$two_port") >&2

say "load through the proxy: $users users for $seconds s, $words words a check"
checks_before_one=$(grep -c 'checked ' "$work/one.log" || true)
checks_before_two=$(grep -c 'checked ' "$work/two.log" || true)
load "$proxy_port" "$one_pid,$two_pid" "$work/postgres-load.json" || { say "errors under load through the proxy"; cat "$work/postgres-load.json" >&2; exit 1; }
checks_one=$(( $(grep -c 'checked ' "$work/one.log" || true) - checks_before_one ))
checks_two=$(( $(grep -c 'checked ' "$work/two.log" || true) - checks_before_two ))

# Every write answered "ok" is there: one glossary word, one correction record
# and QL_Main_Apply:2 per round of every simulated user.
rounds=$(node -e "const r=JSON.parse(require('fs').readFileSync(process.argv[1],'utf8'));console.log(r.routes['glossary add'].requests)" "$work/postgres-load.json")
load_users="SELECT id FROM users WHERE email LIKE 'load-%'"
words=$(psql_q "SELECT COUNT(*) FROM glossary WHERE user_id IN ($load_users)")
corrections=$(psql_q "SELECT COUNT(*) FROM corrections WHERE user_id IN ($load_users)")
applied=$(psql_q "SELECT COALESCE(SUM(count), 0) FROM usage_events WHERE name = 'QL_Main_Apply' AND user_id IN ($load_users)")
accounts=$(psql_q "SELECT COUNT(*) FROM users WHERE email LIKE 'load-%'")
if [ "$words" != "$rounds" ] || [ "$corrections" != "$rounds" ] || [ "$applied" != "$((2 * rounds))" ] || [ "$accounts" != "$users" ]; then
  say "writes lost: $rounds rounds answered, but $words glossary words, $corrections corrections, $applied applied, $accounts of $users accounts stored"
  exit 1
fi
say "no write lost: $rounds rounds, $words glossary words, $corrections corrections, $accounts accounts in PostgreSQL"

node - "$work/sqlite-load.json" "$work/postgres-load.json" "$checks_one" "$checks_two" <<'EOF'
const fs = require('fs');
const [a, b, one, two] = process.argv.slice(2);
const runs = [['one process, SQLite, 2 workers', JSON.parse(fs.readFileSync(a, 'utf8'))],
  ['2 processes x 1 worker, PostgreSQL, HAProxy', JSON.parse(fs.readFileSync(b, 'utf8'))]];
const mb = (r) => Object.values(r.peakMemory).map((v) => (v / 1048576).toFixed(0)).join(' + ');
console.log(`| set-up | users | requests/s | errors | check p50 / p99 ms | log-in p50 / p99 ms | glossary add p50 / p99 ms | peak memory MB |`);
console.log('|---|---|---|---|---|---|---|---|');
for (const [name, r] of runs) {
  const q = (route) => (r.routes[route] ? `${r.routes[route].p50.toFixed(0)} / ${r.routes[route].p99.toFixed(0)}` : '-');
  console.log(`| ${name} | ${r.users} | ${r.perSecond.toFixed(1)} | ${r.errors} | ${q('check')} | ${q('log-in')} | ${q('glossary add')} | ${mb(r)} |`);
}
console.log(`check requests served by each process behind the proxy: ${one} and ${two}`);
EOF
say "passed"
