#!/usr/bin/env bash
# Installs the build into a scratch prefix for the installation checks, and
# compiles the scenario and week file types into a MIME database of its own there.
# Usage: install-prefix.sh CMAKE BUILD_DIR PREFIX MIME_ROOT
set -euo pipefail
cmake=$1 build=$2 prefix=$3 mimeroot=$4

rm -rf "$prefix" "$mimeroot"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

mkdir -p "$mimeroot/mime/packages"
cp "$prefix"/share/mime/packages/*.xml "$mimeroot/mime/packages/"
# Anything it says is a complaint about the definition.
complaints=$(XDG_DATA_HOME="$mimeroot" XDG_DATA_DIRS="$mimeroot" update-mime-database "$mimeroot/mime" 2>&1)
if [ -n "$complaints" ]; then
  echo "update-mime-database: $complaints"
  exit 1
fi
test -f "$mimeroot/mime/application/x-varnook-scenario.xml"
test -f "$mimeroot/mime/application/x-varnook-week.xml"
