#!/usr/bin/env bash
# Builds the Debian package as `make package` does, into a scratch folder,
# and checks it: the control fields, library dependencies found by
# dpkg-shlibdeps, and the program, its help and its launcher in place.
# Usage: check-package.sh CPACK BUILD_DIR OUT_DIR VERSION
set -uo pipefail
cpack=$1 build=$2 out=$3 version=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$out"
if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1; then
  cat "$out.log"
  echo "FAIL: cpack could not build the package"
  exit 1
fi
deb=$(find "$out" -maxdepth 1 -name 'varnook_*.deb' | head -n 1)
[ -n "$deb" ] || { cat "$out.log"; echo "FAIL: no varnook_*.deb in $out"; exit 1; }

info=$(dpkg-deb --info "$deb")
field() { printf '%s\n' "$info" | sed -n "s/^ $1: //p"; }
[ "$(field Package)" = varnook ] || fail "package name: $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "version: $(field Version), expected $version-1"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6printsupport6 libqt6help6 qt6-qpa-plugins libc6 coinor-libcbc3; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/varnook ./usr/bin/varnook-calc ./usr/lib/varnook/varnook ./usr/lib/varnook/TOLVAN.HLP \
            ./usr/share/applications/org.varnook.Varnook.desktop; do
  printf '%s\n' "$contents" | grep -qx "$path" || fail "the package lacks $path"
done

rm -rf "$out" "$out.log"
[ "$failures" -eq 0 ] && echo "package checked: $(basename "$deb")"
exit $((failures > 0))
