#!/usr/bin/env bash
# The machine's Firebird server for the tests that need one: started with fbguard,
# listening on 127.0.0.1 only (the packaged configuration binds the loopback).
#
#   scripts/fbserver.sh start   starts it when it is not running; prints the lines
#                               ZORT_FB_SERVER=..., ZORT_FB_SYSDBA_PASSWORD=... and
#                               ZORT_FB_STARTED=1 when this call started it (0 when
#                               a server was running already); nothing else goes to
#                               standard output (test.sh evaluates it)
#   scripts/fbserver.sh stop    stops the guard and the server that start started:
#                               SIGTERM, then SIGKILL of what is left after a
#                               deadline; a server this script did not start is left
#                               alone, and a second stop only says so
#
# The guard's pid is kept in ZORT_FB_PIDFILE (/tmp/zort-fbguard.pid), the server's,
# as the guard writes it, beside it with ".server" appended. The SYSDBA password is
# the packaged one (/etc/firebird/3.0/SYSDBA.password); when there is none, one is
# set in the security database through the embedded engine.
set -euo pipefail
PIDFILE=${ZORT_FB_PIDFILE:-/tmp/zort-fbguard.pid}
SERVER_PIDFILE=$PIDFILE.server
PWFILE=/etc/firebird/3.0/SYSDBA.password
SECDB=/var/lib/firebird/3.0/system/security3.fdb
PORT=3050
START_SECONDS=${ZORT_FB_START_SECONDS:-15}
STOP_SECONDS=${ZORT_FB_STOP_SECONDS:-10}

say() { echo "fbserver.sh: $*" >&2; }

listening() { (exec 3<>"/dev/tcp/127.0.0.1/$PORT") 2>/dev/null; }

# Whether pid $1 is a live process whose command name is $2 (a pid that was reused
# by another program does not count, nor a process that ended and waits to be reaped).
is_process() {
  local pid=$1 name=$2 comm state
  [[ $pid =~ ^[0-9]+$ ]] || return 1
  comm=$(cat "/proc/$pid/comm" 2>/dev/null) || return 1
  [ "$comm" = "$name" ] || return 1
  state=$(sed -n 's/^State:[[:space:]]*\([A-Z]\).*/\1/p' "/proc/$pid/status" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != Z ] && [ "$state" != X ]
}

pid_in() { [ -f "$1" ] && tr -dc '0-9' <"$1" || true; }

# The guard this script started, when it is still running.
our_guard() {
  local pid
  pid=$(pid_in "$PIDFILE")
  is_process "$pid" fbguard && echo "$pid"
  return 0
}

# The server processes of guard $1: its children and the pid it wrote.
our_servers() {
  local guard=${1:-} pid
  {
    [ -n "$guard" ] && pgrep -P "$guard" || true
    pid_in "$SERVER_PIDFILE"
    echo
  } | sort -u | while read -r pid; do
    is_process "$pid" firebird && echo "$pid"
  done
  return 0
}

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

wait_listening() {
  local end=$((SECONDS + START_SECONDS))
  while ((SECONDS < end)); do
    listening && return 0
    sleep 0.1
  done
  listening
}

# Ends the guard and its servers: SIGTERM to the guard (it stops its server), and
# after the deadline SIGKILL to whatever is left, the guard first so that it cannot
# start the server again.
stop_processes() {
  local guard=$1 servers pid left end=$((SECONDS + STOP_SECONDS))
  servers=$(our_servers "$guard")
  kill -TERM "$guard" 2>/dev/null || true
  while ((SECONDS < end)); do
    left=0
    is_process "$guard" fbguard && left=1
    for pid in $servers; do is_process "$pid" firebird && left=1; done
    [ "$left" = 0 ] && return 0
    # A guard that is gone leaves its server to be ended here.
    if ! is_process "$guard" fbguard; then
      for pid in $servers; do kill -TERM "$pid" 2>/dev/null || true; done
    fi
    sleep 0.1
  done
  say "the server did not stop within ${STOP_SECONDS} s: killing it"
  is_process "$guard" fbguard && kill -KILL "$guard" 2>/dev/null || true
  for pid in $servers $(our_servers ""); do
    is_process "$pid" firebird && kill -KILL "$pid" 2>/dev/null || true
  done
  end=$((SECONDS + 5))
  while ((SECONDS < end)); do
    left=0
    is_process "$guard" fbguard && left=1
    for pid in $servers; do is_process "$pid" firebird && left=1; done
    [ "$left" = 0 ] && return 0
    sleep 0.1
  done
  say "processes are still running: $guard $servers"
  return 1
}

start() {
  local pw guard started=0
  pw=$(sysdba_password)
  guard=$(our_guard)
  if listening; then
    if [ -n "$guard" ]; then
      say "the Firebird server is already running (started by this script, fbguard pid $guard)"
    else
      say "the Firebird server is already running (not started by this script)"
    fi
  elif [ -n "$guard" ]; then
    # Started by an earlier call and still coming up.
    say "the Firebird server is starting (fbguard pid $guard)"
    wait_listening || { say "the Firebird server did not start"; return 1; }
  else
    started=1
    rm -f "$PIDFILE" "$SERVER_PIDFILE"
    # The guard tells its parent with SIGUSR1 that the server runs: caught here
    # (a handler, unlike an ignored signal, does not pass to the guard).
    trap ':' USR1
    # In the foreground of a session of its own, so that its pid is the guard's
    # (with -daemon it would fork away); the server's pid goes to the guard's file.
    setsid /usr/sbin/fbguard -forever -pidfile "$SERVER_PIDFILE" </dev/null >/dev/null 2>&1 &
    guard=$!
    echo "$guard" >"$PIDFILE"
    if wait_listening && ! is_process "$guard" fbguard; then
      # setsid forked after all (it does when it leads its process group): the guard
      # is the one that writes this script's pid file.
      guard=$(pgrep -n -f -- "fbguard .*-pidfile $SERVER_PIDFILE" || true)
      echo "$guard" >"$PIDFILE"
    fi
    if ! listening; then
      say "the Firebird server did not start"
      if is_process "$guard" fbguard; then stop_processes "$guard" || true; fi
      rm -f "$PIDFILE" "$SERVER_PIDFILE"
      return 1
    fi
  fi
  echo "ZORT_FB_SERVER=127.0.0.1"
  echo "ZORT_FB_SYSDBA_PASSWORD=$pw"
  echo "ZORT_FB_STARTED=$started"
}

stop() {
  local guard
  guard=$(our_guard)
  if [ -z "$guard" ]; then
    rm -f "$PIDFILE" "$SERVER_PIDFILE"
    if listening; then
      say "the Firebird server was not started by this script: left running"
    else
      say "the Firebird server is not running"
    fi
    return 0
  fi
  stop_processes "$guard" || return 1
  rm -f "$PIDFILE" "$SERVER_PIDFILE"
  say "the Firebird server stopped (fbguard pid $guard)"
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
