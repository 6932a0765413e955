#!/usr/bin/env bash
# Under sudo the run script stops at once with a hint, before building or
# installing anything as root into the user's folders.
set -uo pipefail
[ "$(id -u)" -eq 0 ] || exit 77
src=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

out=$(HOME=$home SUDO_USER=operateur VITRALOG_BUILD_DIR=$home/build bash "$src/scripts/run" 2>&1)
status=$?
[ "$status" -ne 0 ] || { echo "FAIL: run under sudo exited 0" >&2; exit 1; }
grep -q 'sans sudo' <<<"$out" || { echo "FAIL: no hint: $out" >&2; exit 1; }
[ -z "$(ls -A "$home")" ] || { echo "FAIL: wrote into $home: $(ls -A "$home")" >&2; exit 1; }
