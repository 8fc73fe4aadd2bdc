#!/usr/bin/env bash
# Checks the installed desktop files with the tools software centres and
# desktops rely on, and that they name each other consistently.
# Usage: check-metadata.sh PREFIX VERSION
set -uo pipefail
prefix=$1 version=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

id=org.varnook.Varnook
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
mime=$prefix/share/mime/packages/$id.xml

out=$(desktop-file-validate "$desktop" 2>&1)
[ $? -eq 0 ] && [ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
for xml in "$metainfo" "$mime"; do
  out=$(xmllint --noout "$xml" 2>&1) || fail "xmllint $(basename "$xml"): $out"
done

# One name across the launcher, icon, software-centre entry and file type.
entry() { sed -n "s/^$1=//p" "$desktop"; }
xpath() { xmllint --xpath "$1" "$2" 2>/dev/null; }
[ "$(entry Icon)" = "$id" ] || fail "launcher icon $(entry Icon), not $id"
[ "$(entry Exec)" = "varnook %f" ] || fail "launcher command $(entry Exec), not 'varnook %f'"
[ -x "$prefix/bin/$(entry TryExec)" ] || fail "launcher program $(entry TryExec) is not in bin"
[ "$(xpath 'string(/component/id)' "$metainfo")" = "$id" ] || fail "metainfo id is not $id"
[ "$(xpath 'string(/component/launchable)' "$metainfo")" = "$id.desktop" ] || fail "metainfo launchable is not $id.desktop"
[ "$(xpath 'string(/component/icon)' "$metainfo")" = "$id" ] || fail "metainfo icon is not $id"
# Every file type defined (scenario and week files) is the launcher's and
# the software-centre entry's, in the same order.
mime_types=$(xpath '//*[local-name()="mime-type"]/@type' "$mime" | sed 's/ *type="\([^"]*\)"/\1;/g' | tr -d ' \n')
[ -n "$mime_types" ] || fail "no MIME type in $mime"
[ "$(entry MimeType)" = "$mime_types" ] || fail "launcher handles $(entry MimeType), not $mime_types"
provided=$(xpath '/component/provides/mediatype' "$metainfo" | sed 's|<mediatype>\([^<]*\)</mediatype>|\1;|g' | tr -d ' \n')
[ "$provided" = "$mime_types" ] || fail "metainfo provides $provided, not $mime_types"
[ "$(xpath 'string(//*[local-name()="icon"]/@name)' "$mime")" = "$id" ] || fail "the file type's icon is not $id"

# The release and the manual pages carry the program's version.
[ "$(xpath 'string(/component/releases/release[1]/@version)' "$metainfo")" = "$version" ] \
  || fail "metainfo's latest release is not $version"
for page in varnook varnook-calc; do
  zcat "$prefix/share/man/man1/$page.1.gz" | grep -q "^\.TH .*\"Varnook $version\"" \
    || fail "manual page $page is not for Varnook $version"
done

# Both programs print the project's version.
[ "$("$prefix/bin/varnook-calc" --version)" = "varnook-calc (Varnook) $version" ] \
  || fail "varnook-calc --version is not $version"
[ "$(cd / && "$prefix/bin/varnook" --version)" = "varnook (Varnook) $version" ] \
  || fail "varnook --version is not $version"

# The manual page describes every option varnook-calc's help names.
calc_page=$(zcat "$prefix/share/man/man1/varnook-calc.1.gz" | sed 's/\\-/-/g')
for option in $("$prefix/bin/varnook-calc" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -q -- "^\.B[IR]* $option\b" <<<"$calc_page" || fail "manual page of varnook-calc misses $option"
done

[ "$failures" -eq 0 ] && echo "desktop files in $prefix: all checks passed"
exit $((failures > 0))
