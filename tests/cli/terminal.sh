#!/usr/bin/env bash
# Runs the program where there is no display, as from a text console or ssh:
# each answer on its stream with its exit status, Qt silent, and nothing
# created in the user's folders.
set -uo pipefail
exe=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/home"
echecs=0

lancer() {
  args="$*"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u VITRALOG_DOSSIER \
    -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$tmp/home" \
    "$exe" "$@" >"$tmp/out" 2>"$tmp/err"
  status=$?
  # Read back with their last line feed.
  out=$(cat "$tmp/out"; echo .); out=${out%.}
  err=$(cat "$tmp/err"; echo .); err=${err%.}
}
echec() { echo "FAIL: vitralog $args: $*" >&2; echecs=1; }
# verifier STATUS STDOUT STDERR
verifier() {
  [ "$status" = "$1" ] || echec "exit status $status, not $1"
  [ "$out" = "$2" ] || echec "$(printf 'stdout %q, not %q' "$out" "$2")"
  [ "$err" = "$3" ] || echec "$(printf 'stderr %q, not %q' "$err" "$3")"
}

lancer --help
aide=$out
[[ $aide == "Utilisation : vitralog "*"--dossier DOSSIER"*"~/.local/share/Vitralog"*"F1"*"/usr/share/doc/vitralog/guide.md"* ]] ||
  echec "usage: $aide"
verifier 0 "$aide" ""
lancer -h
verifier 0 "$aide" ""

for option in --version -v; do
  lancer $option
  verifier 0 "Vitralog $version"$'\n' ""
done

lancer --bogus
verifier 2 "" $'vitralog : option inconnue « --bogus » ; voir « vitralog --help »\n'
lancer --dossier
verifier 2 "" $'vitralog : il manque une valeur après « --dossier » ; voir « vitralog --help »\n'
lancer
verifier 1 "" $'Vitralog a besoin d\'un écran graphique : lancez-le depuis une session de bureau\n'
lancer --dossier "$tmp/home/portable"
verifier 1 "" $'Vitralog a besoin d\'un écran graphique : lancez-le depuis une session de bureau\n'

args=""
left=$(ls -A "$tmp/home")
[ -z "$left" ] || echec "created in HOME: $left"
exit $echecs
