#!/usr/bin/env bash
# The desktop entry and the AppStream file pass their validators, and the
# names that tie them to the icons and the binary agree.
set -euo pipefail
res=$1
id=fr.vitralog.Vitralog
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$res/$id.desktop"
appstreamcli validate --no-net "$res/$id.metainfo.xml"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$res/$id.metainfo.xml" ||
  fail "the metainfo does not launch $id.desktop"
grep -qx "Icon=$id" "$res/$id.desktop" || fail "the desktop entry does not name the icon $id"
grep -qx 'Categories=Network;HamRadio;' "$res/$id.desktop" || fail "categories"

for size in 48 64 128 256; do
  file "$res/icons/$id-$size.png" | grep -q "PNG image data, $size x $size," ||
    fail "$id-$size.png is not a $size px PNG"
done

# groff reports every macro or escape it does not understand.
warnings=$(groff -k -man -ww -z "$res/vitralog.1" 2>&1)
[ -z "$warnings" ] || fail "man page: $warnings"
