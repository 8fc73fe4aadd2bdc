#!/usr/bin/env bash
# Checks an installation in a scratch prefix: every file in its place and
# nothing else, the program's link, varnook-calc's worked example, the help
# file found through the link, readable manual pages.
# Usage: check-installed.sh PREFIX BUILT_VARNOOK_CALC
set -uo pipefail
prefix=$(realpath "$1") built_calc=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

id=org.varnook.Varnook
expected=(
  bin/varnook bin/varnook-calc
  lib/varnook/varnook lib/varnook/TOLVAN.HLP lib/varnook/varnook.qch
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/mime/packages/$id.xml
  share/icons/hicolor/scalable/apps/$id.svg
  share/man/man1/varnook.1.gz share/man/man1/varnook-calc.1.gz
  share/doc/varnook/copyright
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done

# Every file in its place, and no build products (libraries, tests) besides.
missing_or_extra=$(diff <(printf '%s\n' "${expected[@]}" | sort) \
                        <(cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n' | sort))
[ -z "$missing_or_extra" ] || fail "installed files differ from the expected list (< missing, > extra):
$missing_or_extra"

[ "$(readlink "$prefix/bin/varnook")" = ../lib/varnook/varnook ] \
  || fail "bin/varnook is not a relative link to ../lib/varnook/varnook"
for program in lib/varnook/varnook bin/varnook-calc; do
  [ -x "$prefix/$program" ] || fail "$program is not executable"
done

# varnook-calc from the prefix prints the worked example, as the built one does.
example=(agents --calls 100 --start 08:00 --end 09:00 --talk 03:00 --wrap 00:30
         --abandon 00:25 --goal 80 --goal-secs 20)
installed_out=$(cd / && "$prefix/bin/varnook-calc" "${example[@]}") || fail "installed varnook-calc failed"
grep -Eq '^ +9 .* 14  <- goal$' <<<"$installed_out" || fail "installed varnook-calc marks no goal row at 9 agents"
[ "$installed_out" = "$("$built_calc" "${example[@]}")" ] \
  || fail "installed varnook-calc prints another table than the built one"

# Started through the link from elsewhere, the program finds its help beside
# its real file; a copy of the program without the help reports it missing.
help_out=$(cd / && QT_QPA_PLATFORM=offscreen "$prefix/bin/varnook" --check-help 2>/dev/null)
[ $? -eq 0 ] && [ "$help_out" = "$prefix/lib/varnook/TOLVAN.HLP" ] \
  || fail "varnook --check-help through the link: $help_out"
alone=$(mktemp -d)
cp "$prefix/lib/varnook/varnook" "$alone/"
alone_out=$(QT_QPA_PLATFORM=offscreen "$alone/varnook" --check-help 2>&1)
[ $? -eq 1 ] && grep -q "TOLVAN.HLP\" is missing" <<<"$alone_out" \
  || fail "a program without its help file passes --check-help: $alone_out"
[ ! -e "$alone/TOLVAN.HLP" ] || fail "--check-help left a help file behind"
rm -rf "$alone"

for page in varnook varnook-calc; do
  warnings=$(zcat "$prefix/share/man/man1/$page.1.gz" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1)
  [ $? -eq 0 ] && [ -z "$warnings" ] || fail "manual page $page: $warnings"
done

[ "$failures" -eq 0 ] && echo "installation in $prefix: all checks passed"
exit $((failures > 0))
