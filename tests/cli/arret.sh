#!/usr/bin/env bash
# A stop asked by the system (a shutdown's SIGTERM, Ctrl+C, the terminal
# closed) ends the program through its normal exit: status 0 and the
# single-copy lock released, where the default action would kill it.
set -uo pipefail
exe=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/donnees" "$tmp/config/Vitralog" "$tmp/home"
printf '[Setup%%20]\nIndicatif%%20Station=F5XYZ\n' >"$tmp/config/Vitralog/DCF.ini"
: >"$tmp/donnees/F5XYZ_DCF.log"
echecs=0
for signal in TERM INT HUP; do
  HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" VITRALOG_DOSSIER="$tmp/donnees" QT_QPA_PLATFORM=offscreen \
    "$exe" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 200); do
    [ -e "$tmp/donnees/.vitralog.lock" ] && break
    sleep 0.05
  done
  sleep 0.5 # into the event loop
  kill -"$signal" "$pid"
  wait "$pid"
  status=$?
  [ "$status" = 0 ] || { echo "FAIL: SIG$signal: exit status $status, not 0" >&2; echecs=1; }
  [ ! -e "$tmp/donnees/.vitralog.lock" ] || { echo "FAIL: SIG$signal: the lock is left" >&2; echecs=1; rm -f "$tmp/donnees/.vitralog.lock"; }
done
exit $echecs
