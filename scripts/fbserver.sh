#!/usr/bin/env bash
# The machine's Firebird server for the tests that need one: started with fbguard,
# listening on 127.0.0.1 only (the packaged configuration binds the loopback).
#
#   scripts/fbserver.sh start   starts it when it is not running; prints the lines
#                               ZORT_FB_SERVER=..., ZORT_FB_SYSDBA_PASSWORD=... and
#                               ZORT_FB_STARTED=1 when this call started it
#   scripts/fbserver.sh stop    stops it when this script started it
#
# The SYSDBA password is the packaged one (/etc/firebird/3.0/SYSDBA.password); when
# there is none, one is set in the security database through the embedded engine.
set -euo pipefail
PIDFILE=${ZORT_FB_PIDFILE:-/tmp/zort-fbguard.pid}
PWFILE=/etc/firebird/3.0/SYSDBA.password
SECDB=/var/lib/firebird/3.0/system/security3.fdb
PORT=3050

listening() { (exec 3<>"/dev/tcp/127.0.0.1/$PORT") 2>/dev/null; }

sysdba_password() {
  local pw=""
  if [ -r "$PWFILE" ]; then
    pw=$(sed -n 's/^ISC_PASSWORD="\{0,1\}\([^"]*\)"\{0,1\}$/\1/p' "$PWFILE" | head -n1)
  fi
  if [ -z "$pw" ]; then
    pw=masterkey
    printf "CREATE OR ALTER USER SYSDBA PASSWORD '%s' USING PLUGIN Srp;\nCOMMIT;\n" "$pw" \
      | isql-fb -q -user SYSDBA "$SECDB" >/dev/null
  fi
  printf '%s' "$pw"
}

start() {
  local pw
  pw=$(sysdba_password)
  local started=0
  if ! listening; then
    started=1
    /usr/sbin/fbguard -daemon -forever -pidfile "$PIDFILE"
    for _ in $(seq 1 100); do
      listening && break
      sleep 0.1
    done
    listening || { echo "Firebird server did not start" >&2; return 1; }
  fi
  echo "ZORT_FB_SERVER=127.0.0.1"
  echo "ZORT_FB_SYSDBA_PASSWORD=$pw"
  echo "ZORT_FB_STARTED=$started"
}

stop() {
  if [ -f "$PIDFILE" ]; then
    kill "$(cat "$PIDFILE")" 2>/dev/null || true
    rm -f "$PIDFILE"
    for _ in $(seq 1 50); do
      pgrep -x firebird >/dev/null || break
      sleep 0.1
    done
  fi
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
