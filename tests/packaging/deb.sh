#!/usr/bin/env bash
# Builds the .deb from this build tree and checks what it holds and needs.
set -euo pipefail
build=$1
version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; fail "cpack"; }
deb=$out/vitralog_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$out")"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
id=fr.vitralog.Vitralog
for f in ./usr/bin/vitralog \
         ./usr/share/applications/$id.desktop \
         ./usr/share/metainfo/$id.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/$id.svg \
         ./usr/share/icons/hicolor/48x48/apps/$id.png \
         ./usr/share/icons/hicolor/64x64/apps/$id.png \
         ./usr/share/icons/hicolor/128x128/apps/$id.png \
         ./usr/share/icons/hicolor/256x256/apps/$id.png \
         ./usr/share/man/man1/vitralog.1 \
         ./usr/share/doc/vitralog/copyright; do
  grep -qxF "$f" <<<"$files" || fail "$f missing from the package"
done
# The charts' module, under lib/ or the multiarch folder as the build was configured.
grep -qE '^\./usr/lib/([^/]+/)?vitralog/vitralog_graphiques\.so$' <<<"$files" || fail "the charts' module is missing"
# Nothing outside /usr: no test program, no file in the user's places.
stray=$(grep -v '^\./usr/' <<<"$files" | grep -vx '\./' || true)
[ -z "$stray" ] || fail "files outside /usr: $stray"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vitralog ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
[ "$(field Section)" = hamradio ] || fail "section $(field Section)"
depends=$(field Depends)
# Qt Charts comes from the charts' module alone: a sign that modules are scanned too.
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6printsupport6 libqt6svg6 libqt6charts6 libc6 \
           fonts-liberation; do
  grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
grep -qE "(^|, )libhamlib-utils( |,|$)" <<<"$(field Recommends)" || fail "Recommends lacks libhamlib-utils"

# The menu entry starts a program the package installs, and that program is stripped.
dpkg-deb -x "$deb" "$out/root"
exec_bin=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$out/root/usr/share/applications/$id.desktop")
[ -x "$out/root/usr/bin/$exec_bin" ] || fail "Exec=$exec_bin is not in /usr/bin"
file "$out/root/usr/bin/vitralog" | grep -q ', stripped' || fail "the binary is not stripped"
